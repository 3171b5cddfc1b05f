// CAerieHelpWnd: the game's help. An index page on the left and a content page with a scroll bar
// on the right, both in the help markup and kept by the game's store between openings. A help-file
// link loads that file into the content page; a browser link opens in the system's browser. The
// first index entry is shown when the window opens, and the content keeps its scroll position
// from one opening to the next within a session.
#pragma once

#include <string>
#include <vector>

#include "aerie/windows/AerieGameWnd.h"

class CORVHelpText;
class CORVVScroll;

class CAerieHelpWnd : public CAerieGameWnd {
    ORV_DECLARE_RUNTIME_CLASS(CAerieHelpWnd)
public:
    struct Link {
        i32 m_nKind = 0;
        i32 m_nTop = 0;
        i32 m_nBottom = 0;
        i32 m_nLeft = 0;
        i32 m_nRight = 0;
        std::string m_strLink;
    };
    static constexpr int kContentOffset = 128;   // the content page starts this far right
    static constexpr int kPageBottom = 390;      // lines are drawn while their y is above this
    static constexpr int kByteWidth = 6;

    CAerieHelpWnd();
    ~CAerieHelpWnd() override;   // keeps the content's scroll position for the next opening

    bool OnMouseMove(int x, int y) override;
    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    void Render() override;

    // Reads "../data/" + path into the shared scratch buffer (cut to its size) and lays it out
    // as page 0 (the index: the current link is forgotten) or 1 (the content). A file that
    // cannot be opened shows "文件打开错误". Nothing for a null path.
    static void LoadHelpFile(const char* path, int page);
    // The content's link that every opening of this session shares (tests).
    static const std::string& CurrentLink();

    std::vector<Link> m_vLinks;   // link rectangles pressed in this frame
    i32 m_nPageX = 20;
    i32 m_nPageY = 36;
    i32 m_nMouseX = -1;
    i32 m_nMouseY = -1;
    i32 m_nContentRows = 23;
    u8 m_bFirstDraw = 1;
    u8 m_bPressed = 0;
    CORVVScroll* m_pScroll = nullptr;

protected:
    u16 FrameImage() const override { return 29; }
    void CloseButtonPlace(int* fromRight, int* top) const override;
    void OnCreateControls() override;   // the content's bar; the index loaded
    CORVScroll* ScrollBar() const override;   // the wheel over the window scrolls the content

private:
    // Draws display lines of page from first on at (x, y), at most maxLines; the first link drawn
    // while m_bFirstDraw is set is reported through firstLink / firstKind.
    void DrawHelpPage(const CORVHelpText& page, int first, int x, int y, int maxLines, int pageIndex,
                      const std::string** firstLink, int* firstKind);
    // The scroll range for the content page: enabled only with more lines than fit.
    void UpdateScrollRange();
};
