#include "tools/ImageCatalogue.h"

namespace orv::sample {

namespace {

struct Entry {
    int set;
    int first;   // first and last frame of the run, both included
    int last;
    ImageSize size;
    const char* name;
};

// Runs of frames of one size; the first matching entry answers. A button's frames come in threes
// (normal, hover, pressed), a building's picture and its hovered picture in twos. Sizes that the
// library lays out by follow its layout: the game window is 800 x 600, the hint tiles 36 x 20;
// window backgrounds hold the controls their windows place on them (the building windows' lowest
// buttons at y 378, the buy-resource window's rightmost button at x 314, 98 px wide).
constexpr Entry kCatalogue[] = {
    {93, 1, 1, {800, 600}, "game window background"},
    {93, 16, 16, {440, 360}, "buy-resource window background"},
    {93, 30, 30, {240, 120}, "split window background"},
    {93, 31, 31, {340, 150}, "message box background"},
    {93, 20, 33, {500, 420}, "building window background"},
    {93, 100, 100, {18, 18}, "scroll thumb"},
    {93, 103, 103, {10, 6}, "vertical track cap"},
    {93, 104, 104, {10, 100}, "vertical track"},
    {93, 105, 105, {10, 6}, "vertical track cap"},
    {93, 106, 106, {6, 10}, "horizontal track cap"},
    {93, 107, 107, {100, 10}, "horizontal track"},
    {93, 108, 108, {6, 10}, "horizontal track cap"},
    {93, 118, 118, {5, 22}, "field cap"},
    {93, 119, 119, {100, 22}, "field middle"},
    {93, 120, 120, {5, 22}, "field cap"},
    {93, 137, 149, {9, 12}, "digit"},
    {93, 160, 168, {36, 20}, "hint tile"},
    {93, 169, 170, {16, 12}, "hint pointer"},
    {93, 300, 374, {120, 130}, "building"},
    {93, 375, 375, {800, 600}, "city backdrop"},
    {93, 376, 379, {120, 130}, "garden or restaurant"},
    {93, 646, 646, {16, 16}, "upgrade marker"},
    {93, 648, 648, {12, 12}, "paragraph mark"},
    {93, 700, 999, {48, 48}, "monster or beast icon"},
    {92, 3, 5, {20, 20}, "close button"},
    {92, 9, 14, {98, 26}, "OK or Cancel button"},
    {92, 15, 17, {12, 12}, "list arrow"},
    {92, 18, 23, {14, 14}, "check box"},
    {92, 24, 29, {28, 22}, "large check box"},
    {92, 39, 41, {97, 21}, "menu row"},
    {92, 63, 65, {22, 22}, "help button"},
    {92, 101, 121, {36, 36}, "toolbar button"},
    {92, 149, 154, {98, 26}, "upgrade or buy button"},
    {92, 212, 214, {36, 36}, "back button"},
    {92, 284, 286, {36, 36}, "beast button"},
    {92, 287, 289, {40, 40}, "invasion button"},
    {92, 302, 307, {37, 34}, "sub-operation button"},
    {92, 314, 316, {98, 26}, "exchange button"},
};

const Entry* Find(int set, int frame)
{
    for (const Entry& e : kCatalogue) {
        if (e.set == set && frame >= e.first && frame <= e.last) {
            return &e;
        }
    }
    return nullptr;
}

}  // namespace

ImageSize CatalogueImageSize(int set, int frame)
{
    const Entry* e = Find(set, frame);
    return e != nullptr ? e->size : kUnknownImageSize;
}

const char* CatalogueImageName(int set, int frame)
{
    const Entry* e = Find(set, frame);
    return e != nullptr ? e->name : "";
}

}  // namespace orv::sample
