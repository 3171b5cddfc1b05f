// The printing host's stand-in for the host game's image sets: a size for every image the toolkit
// and the game draw, so that the library lays out its windows as it would in a game.
#pragma once

namespace orv::sample {

struct ImageSize {
    int w = 0;
    int h = 0;
};

// An image of no catalogue entry answers this size.
inline constexpr ImageSize kUnknownImageSize{32, 32};

// The size of frame of image set (the sets of the host: 93 windows, bars, digits and game
// pictures; 92 buttons). Sizes are plausible, not the game's own: each entry says what it is.
ImageSize CatalogueImageSize(int set, int frame);

// Whether the image is a background that hides what lies beneath it (window backgrounds, panels,
// hint tiles); false for an image of no catalogue entry.
bool CatalogueImageOpaque(int set, int frame);

// What the image is ("game window background", ...), or "" for an image of no catalogue entry.
const char* CatalogueImageName(int set, int frame);

}  // namespace orv::sample
