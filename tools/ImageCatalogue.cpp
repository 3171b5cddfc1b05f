#include "tools/ImageCatalogue.h"

namespace orv::sample {

namespace {

struct Entry {
    int set;
    int first;   // first and last frame of the run, both included
    int last;
    ImageSize size;
    const char* name;
    bool opaque;   // a background that hides what lies beneath it
};

constexpr bool kOpaque = true;
constexpr bool kSeeThrough = false;

// Runs of frames of one size; the first matching entry answers. A button's frames come in threes
// (normal, hover, pressed). Sizes that the library lays out by follow its layout: the game window
// is 800 x 600, the hint tiles 36 x 20, the dead-monster icons 48 x 48; window backgrounds hold
// the controls their windows place on them (the main-city window's production table reaches
// x 478 and its lowest buttons y 404, the hall of heroes' icons y 410, a plain building window's
// upgrade button y 112; the level-up window's rightmost button x 412). The pictures the game data
// names (data/help/aerie.xml) are sized from what it places on them: a building's level digits
// sit at its LvlTextX, LvlTextY near the picture's bottom centre, a building window draws its icon
// at (23, 42) above the upgrade button at (23, 88), a technology item its picture at (5, 8) of its
// 270 x 81 box, the game window the guardian beast's icon button at (-2, 542). While the mouse is
// on a building the game draws the frame after its picture: each looks picture of the game data
// is followed by its hover frame, of the same size.
constexpr Entry kCatalogue[] = {
    // Set 93: window backgrounds, bars, digits, game pictures.
    {93, 1, 1, {800, 600}, "game window frame and resource bar", kSeeThrough},
    {93, 5, 5, {500, 520}, "technology window background", kOpaque},
    {93, 6, 6, {230, 290}, "friend list background", kOpaque},
    {93, 9, 9, {800, 600}, "guardian-beast chooser background", kOpaque},
    {93, 11, 11, {420, 320}, "buy window background", kOpaque},
    {93, 12, 13, {700, 520}, "guardian-beast window background", kOpaque},
    {93, 14, 15, {780, 470}, "monster group window background", kOpaque},
    {93, 16, 16, {440, 360}, "level-up window background", kOpaque},
    {93, 17, 17, {380, 70}, "egg bag strip", kOpaque},
    {93, 19, 21, {450, 330}, "mission window background", kOpaque},
    {93, 24, 24, {630, 560}, "fight sheet background", kOpaque},
    {93, 25, 25, {280, 300}, "hire list background", kOpaque},
    {93, 27, 27, {330, 260}, "settings window background", kOpaque},
    {93, 28, 28, {440, 330}, "award refresh window background", kOpaque},
    {93, 30, 30, {240, 120}, "split window background", kOpaque},
    {93, 31, 31, {340, 150}, "message box background", kOpaque},
    {93, 36, 36, {500, 420}, "main-city window background", kOpaque},
    {93, 37, 37, {500, 420}, "hall-of-heroes window background", kOpaque},
    {93, 38, 49, {500, 220}, "building window background", kOpaque},
    {93, 50, 63, {64, 44}, "building icon", kSeeThrough},
    {93, 100, 100, {18, 18}, "scroll thumb", kSeeThrough},
    {93, 103, 103, {10, 6}, "vertical track cap", kSeeThrough},
    {93, 104, 104, {10, 100}, "vertical track", kSeeThrough},
    {93, 105, 105, {10, 6}, "vertical track cap", kSeeThrough},
    {93, 106, 106, {6, 10}, "horizontal track cap", kSeeThrough},
    {93, 107, 107, {100, 10}, "horizontal track", kSeeThrough},
    {93, 108, 108, {6, 10}, "horizontal track cap", kSeeThrough},
    {93, 118, 118, {5, 22}, "field cap", kSeeThrough},
    {93, 119, 119, {100, 22}, "field middle", kSeeThrough},
    {93, 120, 120, {5, 22}, "field cap", kSeeThrough},
    {93, 137, 149, {9, 12}, "digit", kSeeThrough},
    {93, 160, 168, {36, 20}, "hint tile", kOpaque},
    {93, 169, 170, {16, 12}, "hint pointer", kSeeThrough},
    {93, 300, 305, {120, 130}, "castle", kSeeThrough},
    {93, 306, 311, {90, 100}, "pasture", kSeeThrough},
    {93, 312, 317, {92, 96}, "quarry", kSeeThrough},
    {93, 318, 323, {96, 100}, "lumber mill", kSeeThrough},
    {93, 324, 329, {88, 96}, "metal mine", kSeeThrough},
    {93, 330, 331, {96, 100}, "garden lab", kSeeThrough},
    {93, 332, 333, {96, 100}, "restaurant lab", kSeeThrough},
    {93, 334, 339, {112, 112}, "castle institute", kSeeThrough},
    {93, 340, 341, {96, 100}, "character lab", kSeeThrough},
    {93, 342, 345, {96, 100}, "granary", kSeeThrough},
    {93, 346, 349, {96, 100}, "warehouse", kSeeThrough},
    {93, 350, 351, {100, 100}, "monster den", kSeeThrough},
    {93, 352, 353, {100, 100}, "monster camp", kSeeThrough},
    {93, 354, 355, {100, 100}, "hall of heroes", kSeeThrough},
    {93, 364, 369, {104, 108}, "beast card frame or background", kSeeThrough},
    {93, 370, 370, {38, 38}, "egg in the bag", kSeeThrough},
    {93, 371, 372, {52, 60}, "egg in an incubator", kSeeThrough},
    {93, 373, 374, {100, 70}, "incubator front", kSeeThrough},
    {93, 375, 375, {800, 600}, "city backdrop", kOpaque},
    {93, 376, 377, {100, 80}, "garden", kSeeThrough},
    {93, 378, 379, {100, 96}, "restaurant", kSeeThrough},
    {93, 396, 396, {160, 22}, "work-state header", kSeeThrough},
    {93, 397, 397, {160, 81}, "work-state row", kOpaque},
    {93, 380, 382, {40, 40}, "group icon", kSeeThrough},
    {93, 462, 463, {126, 70}, "incubator", kSeeThrough},
    {93, 465, 467, {80, 110}, "tool cursor", kSeeThrough},
    {93, 469, 471, {24, 24}, "treatment mark", kSeeThrough},
    {93, 600, 611, {64, 64}, "technology picture", kSeeThrough},
    {93, 641, 645, {32, 32}, "coin and resource icon", kSeeThrough},
    {93, 646, 646, {16, 16}, "upgrade marker", kSeeThrough},
    {93, 648, 648, {12, 12}, "paragraph mark", kSeeThrough},
    {93, 649, 649, {40, 40}, "unavailable overlay", kSeeThrough},
    {93, 650, 650, {500, 460}, "guardian-beast chooser picture", kSeeThrough},
    {93, 700, 799, {48, 48}, "beast picture or icon", kSeeThrough},
    {93, 800, 999, {48, 48}, "monster or skill picture", kSeeThrough},
    // Set 92: buttons.
    {92, 3, 5, {20, 20}, "close button", kSeeThrough},
    {92, 6, 8, {14, 14}, "small cancel button", kSeeThrough},
    {92, 9, 14, {98, 26}, "OK or Cancel button", kSeeThrough},
    {92, 33, 38, {20, 30}, "page button", kSeeThrough},
    {92, 15, 17, {12, 12}, "list arrow", kSeeThrough},
    {92, 18, 23, {14, 14}, "check box", kSeeThrough},
    {92, 24, 29, {28, 22}, "large check box", kSeeThrough},
    {92, 39, 41, {97, 21}, "menu row", kSeeThrough},
    {92, 51, 53, {72, 22}, "ranking sub-choice tab", kSeeThrough},
    {92, 54, 59, {16, 16}, "minus and plus buttons", kSeeThrough},
    {92, 63, 65, {22, 22}, "help button", kSeeThrough},
    {92, 66, 71, {23, 16}, "settings switch", kSeeThrough},
    {92, 101, 121, {36, 36}, "toolbar button", kSeeThrough},
    {92, 125, 136, {90, 24}, "lab tab", kSeeThrough},
    {92, 137, 145, {60, 20}, "friend list tab", kSeeThrough},
    {92, 146, 148, {36, 20}, "visit or search button", kSeeThrough},
    {92, 149, 151, {64, 24}, "upgrade button", kSeeThrough},
    {92, 152, 154, {98, 26}, "buy button", kSeeThrough},
    {92, 155, 160, {70, 26}, "sex tab", kSeeThrough},
    {92, 185, 190, {88, 26}, "guardian-beast page tab", kSeeThrough},
    {92, 191, 202, {98, 26}, "guardian-beast page button", kSeeThrough},
    {92, 203, 211, {36, 36}, "hatch tool button", kSeeThrough},
    {92, 212, 214, {36, 36}, "back button", kSeeThrough},
    {92, 215, 220, {60, 22}, "treat button", kSeeThrough},
    {92, 263, 265, {80, 24}, "refresh button", kSeeThrough},
    {92, 281, 283, {80, 24}, "hire button", kSeeThrough},
    {92, 284, 286, {36, 36}, "beast button", kSeeThrough},
    {92, 287, 289, {40, 40}, "invasion button", kSeeThrough},
    {92, 299, 301, {36, 36}, "view-players button", kSeeThrough},
    {92, 290, 292, {60, 18}, "award refresh button", kSeeThrough},
    {92, 302, 307, {37, 34}, "sub-operation button", kSeeThrough},
    {92, 311, 313, {60, 18}, "speed-up button", kSeeThrough},
    {92, 314, 316, {98, 26}, "exchange button", kSeeThrough},
    {92, 700, 799, {56, 56}, "guardian-beast icon button", kSeeThrough},
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

bool CatalogueImageOpaque(int set, int frame)
{
    const Entry* e = Find(set, frame);
    return e != nullptr && e->opaque;
}

const char* CatalogueImageName(int set, int frame)
{
    const Entry* e = Find(set, frame);
    return e != nullptr ? e->name : "";
}

}  // namespace orv::sample
