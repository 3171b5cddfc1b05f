// CORVHelpText: one page of help text written in the help markup. Outside tags the bytes are GBK
// text; CR ends a line (an LF right behind it is skipped). A tag is "<name/keyword:parameter>"
// and turns the name into an item of the keyword's kind (a coloured phrase, a picture, a link to
// another help file or a web page, ...); "<option/key:value/...>" sets the page's defaults.
// Layout parses the markup into source lines of items; Wrap breaks them into display lines no
// wider than the page. Drawing is left to the window that shows the page.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "framework/core/OrvTypes.h"

// Kinds of item.
enum ORVHelpItemKind : i32 {
    ORV_HELP_BUILDING = -1,     // while being built
    ORV_HELP_TEXT = 0,
    ORV_HELP_EMPTY = 1,         // a line without items
    ORV_HELP_COLOR = 2,         // "<phrase/color:aarrggbb>"
    ORV_HELP_PIC = 3,           // "<name/pic:param>": text "@=" + param
    ORV_HELP_HTTP = 4,          // "<phrase/http:param>": link "http:" + param
    ORV_HELP_LOCAL = 5,         // "<phrase/local:file>": link to another help file
    ORV_HELP_BACKGROUND = 6,    // "<name/background:a,b>"
    ORV_HELP_AREA = 7,          // "<a,b/area:param>"
    ORV_HELP_BACK = 8,          // "<phrase/back:param>"
    ORV_HELP_IE = 9,            // "<phrase/ie:param>": link "http://" + param, opened in the browser
};

struct ORVHelpItem {
    i32 m_nKind = ORV_HELP_BUILDING;
    std::string m_strText;      // the phrase shown
    std::string m_strLink;      // the link target
    ARGB m_dwColor = 0;         // below 0x01000000 (no alpha): the page's default colour is meant
    i32 m_nWidth = 0;           // pixel width, set by Wrap
    i32 m_nHeight = 16;         // the height of a display line that a picture opens
};

struct ORVHelpLine {
    std::vector<ORVHelpItem> m_vItems;
    i32 m_nHeight = 16;
};

class CORVHelpText {
public:
    CORVHelpText() = default;

    // Empties the source and the display lines.
    void Clear();

    // Parses the NUL-terminated markup in the shared scratch buffer (bounded by its size) into
    // the source lines, then Wrap(m_nWidth).
    void Layout();
    // The same for len bytes of markup at text (ending earlier at a NUL).
    void LayoutText(const char* text, std::size_t len);

    // Rebuilds the display lines and m_nHeight from the source lines for a page width pixels
    // wide. A line always takes at least one character, so a page narrower than one character
    // still ends.
    void Wrap(int width);

    ARGB m_dwColor = 0xFF000000;       // the page's default text colour
    u32 m_dwBackground = 0;            // (second number << 16) | first number of "background"
    i32 m_nWidth = 240;                // page width in pixels
    i32 m_nLineHeight = 16;            // set by "<option/height:n>"
    i32 m_nHeight = 0;                 // total height of the display lines
    std::vector<ORVHelpLine> m_vLines;     // display lines
    std::vector<ORVHelpLine> m_vSource;    // parsed lines before wrapping
};
