// The build's text metrics, handed to the core's width and wrapping code.
#include "BuildProfile.h"
#include "framework/text/TextMetrics.h"

constinit const TextMetrics::Rule TextMetrics::kBuild = {
    &TextBytePx, kTextLineStepFont1, kTextLineStepOther, kTextSymbolPairPx, kTextWidePairPx};
