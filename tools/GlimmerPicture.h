// Pictures of the engine-drawn build's frames: the renderer stand-in records every call a frame
// makes (glimmer/GlimmerTest.h); this converter turns one recorded frame into the frame picture's
// draw calls (tools/FramePicture.h), which PaintFrame paints and writes as PNG.
//
// How each call becomes a draw call:
//   DrawTex, DrawTexture    an image box of the texture's catalogued size at (x, y), labelled
//                           "group/id", in the call's tint colour (filled solid when the texture
//                           is registered as a background, RegisterGlimmerTextures)
//   DrawTextureZoom         a scaled image box (ScaledImageBox), cut to the clip rectangle when
//                           the call has one
//   DrawTextA, DrawTextPart a text box: size / 2 pixels a byte, size pixels tall (the text's
//                           pixel size is kept in the draw call's font field)
//   DrawScrollText          one text box a laid-out line, lineHeight pixels apart
//   DrawFillRect            a fill
//   DrawRectangle           a frame of the given width (x2, y2 exclusive)
//   DrawRectangleWithFrame  a fill and a frame around it
// Every other call (scene, texture loading, animation control) draws nothing. A texture missing
// from the catalogue covers 0 x 0.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "glimmer/GlimmerTest.h"
#include "tools/FrameAccount.h"
#include "tools/FramePicture.h"

namespace orv::sample {

// The draw calls of one recorded frame, in call order. Texture sizes come from the stand-in's
// texture catalogue as it stands when called.
std::vector<DrawOp> GlimmerFrameToDrawOps(std::span<const glimmer_test::Call> frame);
std::vector<DrawOp> GlimmerFrameToDrawOps(const std::vector<glimmer_test::Call>& frame);

// A run of textures of one size in the stand-in renderer's catalogue, and what they are.
struct GlimmerTexture {
    std::uint16_t group;
    std::uint16_t first;
    std::uint16_t last;
    int w;
    int h;
    const char* name;
    bool opaque = false;   // a window background that hides what lies beneath it
};
// Registers each texture's size with the stand-in renderer and keeps its name and whether it is a
// background; a later entry that covers the same texture names it anew.
void RegisterGlimmerTextures(std::span<const GlimmerTexture> textures);
// The name registered for the texture, or "" for one registered without a name.
const char* GlimmerTextureName(int group, int id);
// Whether the texture was registered as a background.
bool GlimmerTextureOpaque(int group, int id);

// The account of the stand-in renderer's frames, printed as the printing host prints the Aerie
// frames (FrameAccount: the first frame in full, then what each frame lost and gained, colours
// hex, textures by name), the scene and texture-management calls that draw nothing left out.
// Verbose, every renderer call of every frame as the renderer received it (texts in UTF-8); a
// frame whose calls are the same as the frame before it prints as one line.
class GlimmerAccount {
public:
    explicit GlimmerAccount(bool verbose) : m_bVerbose(verbose) {}

    // A frame's recorded calls: frame number (0: the one after the last).
    void Frame(std::span<const glimmer_test::Call> calls, int number = 0);
    // Prints the pending run of unchanged frames (verbose), if any.
    void FlushRun();

    bool Verbose() const { return m_bVerbose; }
    int Number() const { return m_nFrame; }   // the last frame's number, 0 before the first
    // The last frame's draw calls (not verbose: verbose accounts keep none).
    const std::vector<DrawOp>& Last() const { return m_Account.Last(); }

private:
    bool m_bVerbose;
    int m_nFrame = 0;
    FrameAccount m_Account{&GlimmerTextureName};
    std::vector<std::string> m_vLastLines;   // verbose: the last frame's calls as printed
    int m_nRunFirst = 0;
    int m_nRunLast = 0;
    int m_nRunBase = 0;
};

}  // namespace orv::sample

using orv::sample::GlimmerFrameToDrawOps;
