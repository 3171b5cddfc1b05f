// Pictures of the engine-drawn build's frames: the renderer stand-in records every call a frame
// makes (glimmer/GlimmerTest.h); this converter turns one recorded frame into the frame picture's
// draw calls (tools/FramePicture.h), which PaintFrame paints and writes as PNG.
//
// How each call becomes a draw call:
//   DrawTex, DrawTexture    an image box of the texture's catalogued size at (x, y), labelled
//                           "group/id", in the call's tint colour
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

#include <vector>

#include "glimmer/GlimmerTest.h"
#include "tools/FramePicture.h"

namespace orv::sample {

// The draw calls of one recorded frame, in call order. Texture sizes come from the stand-in's
// texture catalogue as it stands when called.
std::vector<DrawOp> GlimmerFrameToDrawOps(const std::vector<glimmer_test::Call>& frame);

}  // namespace orv::sample

using orv::sample::GlimmerFrameToDrawOps;
