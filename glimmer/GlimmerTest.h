// The stand-in renderer's side door for tests, demos and sample hosts: the recorded calls, the
// texture catalogue and the knobs for what a real device would decide.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "glimmer/Glimmer.h"

namespace glimmer_test {

// One recorded call: its name, integer and floating arguments in call order, its text (for text
// calls; DrawScrollText also gives its laid-out lines) and the frame it fell in.
struct Call {
    std::string op;
    std::vector<long long> ints;
    std::vector<double> floats;
    std::string text;
    std::vector<std::string> lines;
    bool hasText = false;
    std::uint32_t frame = 0;
};

// Every call since the last ClearTrace, in order.
GLIMMER_API const std::vector<Call>& Trace();
GLIMMER_API void ClearTrace();
// The names of the recorded calls, in order.
GLIMMER_API std::vector<std::string> Ops();
// One call as text: op(a, b, "text", 1.5).
GLIMMER_API std::string Format(const Call& call);
// The calls of the frame whose BeginScene is the n-th since ClearTrace (0-based), BeginScene and
// EndScene included; empty when there is none.
GLIMMER_API std::vector<Call> Frame(int n);

// Texture catalogue: size, frame count and a per-frame offset added to the frame's size.
GLIMMER_API void RegisterTexture(std::uint16_t group, std::uint16_t id, int w, int h, int frames = 1);
GLIMMER_API void SetFrameOffset(std::uint16_t group, std::uint16_t id, int frame, int dx, int dy);
GLIMMER_API void ClearCatalogue();
// Textures made by NewTexture and not yet given back.
GLIMMER_API int LiveTextures();

// What CreateD3D does: 0 answers false, 1 true, 2 throws.
GLIMMER_API void SetCreateResult(int mode);
GLIMMER_API void SetWillShowFrame(bool show);
// Whether calls are recorded (on at load and after Reset). Off, nothing is kept and the stand-in
// allocates nothing per call: for benchmarks.
GLIMMER_API void SetRecording(bool on);
GLIMMER_API void SetScreenSize(int w, int h);
GLIMMER_API void SetFrameTime(std::uint32_t t);
// Texture memory figures UpdateEngine compares: bytes in the buffer pool, free room of the pools.
GLIMMER_API void SetPoolFigures(std::uint32_t bufferBytesUsed, std::uint32_t poolRoom);

// Everything back to its state at load: trace, catalogue, knobs, globals.
GLIMMER_API void Reset();

}  // namespace glimmer_test
