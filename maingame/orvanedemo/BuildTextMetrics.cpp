// OrvaneDemo's text metrics, handed to the core's width and wrapping code (the core declares them in
// framework/text/TextMetrics.h and needs nothing else of the build).
#include "BuildProfile.h"
#include "framework/text/TextMetrics.h"

constinit const TextMetrics::Rule TextMetrics::kBuild = {
    &TextBytePx, kTextLineStepFont1, kTextLineStepOther, kTextSymbolPairPx, kTextWidePairPx};
