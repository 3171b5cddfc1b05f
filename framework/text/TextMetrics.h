// Text metrics of a build: pixels per byte of each font, default line steps, and the widths of two
// special character pairs. The values differ between builds, so each build's toolkit defines
// TextMetrics::kBuild from its build profile; the core's width and wrapping code reads them here.
#pragma once

namespace TextMetrics {

struct Rule {
    int bytePxFont1;    // pixels per byte of font 1
    int bytePxOther;    // pixels per byte of any other font
    int lineStepFont1;  // default line step of font 1
    int lineStepOther;  // default line step of any other font
    int symbolPairPx;   // GetTextWidth: a pair F8 A1..FE, whatever the font
    int widePairPx;     // GetTextRangeWidth: a pair whose lead byte is FF
};

// The metrics of the build this program links (defined by the build's toolkit).
extern const Rule kBuild;

inline int BytePx(int font) { return font == 1 ? kBuild.bytePxFont1 : kBuild.bytePxOther; }
inline int LineStep(int font) { return font == 1 ? kBuild.lineStepFont1 : kBuild.lineStepOther; }

}  // namespace TextMetrics
