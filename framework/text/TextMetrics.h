// Text metrics of a build: pixels per byte for a text argument, default line steps, and the widths
// of two special character pairs. The values differ between builds, so each build's toolkit defines
// TextMetrics::kBuild from its build profile; the core's width and wrapping code reads them here.
// What the text argument of GetTextWidth and its kin means is the build's: a font number in Orvane,
// a pixel size (or a font number below 8) in OrvaneDemo.
#pragma once

namespace TextMetrics {

struct Rule {
    int (*bytePx)(int fontOrSize);   // pixels per byte of a narrow or two-byte character
    int lineStepFont1;  // default line step of font 1
    int lineStepOther;  // default line step of any other font
    int symbolPairPx;   // GetTextWidth: a pair F8 A1..FE, whatever the font
    int widePairPx;     // GetTextRangeWidth: a pair whose lead byte is FF
};

// The metrics of the build this program links (defined by the build's toolkit).
extern const Rule kBuild;

inline int BytePx(int fontOrSize) { return kBuild.bytePx(fontOrSize); }
inline int LineStep(int font) { return font == 1 ? kBuild.lineStepFont1 : kBuild.lineStepOther; }

}  // namespace TextMetrics
