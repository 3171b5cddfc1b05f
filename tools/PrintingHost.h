// The printing host shared by the sample programs: an IORVCallBack that prints what the library
// asks of the host. Requests are printed as they are sent (hex, then the decoded header and
// body); draw calls are recorded per frame and printed as an account when the frame ends (every
// call of a first frame, then only the calls lost and gained from the frame before); texts are
// printed in UTF-8 (GbkToUtf8). Image sizes come from the image catalogue, text widths from the
// framework's width rule. The picture of the last frame can be written as PNG (FramePicture.h).
//
//     PrintingHost host;
//     host.Frame([&] { mgr.Render(); });      // one frame, then its account
//     host.Frames(100, [&] { mgr.Render(); }); // 100 frames, unchanged ones in one line
//     host.SavePicture("city");                // <picture folder>/city.png of the last frame
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tools/FrameAccount.h"
#include "tools/FramePicture.h"
#include "tools/RequestNames.h"
#include "tools/SampleSummary.h"
#include "tools/QuietHost.h"

namespace orv::sample {

class PrintingHost;

// The character drawer the printing host makes: it draws the character as an outlined box of
// kWidth x kHeight (a rectangle frame of the frame's calls) and is never under the mouse.
class PrintingDrawer final : public IORVDrawCharacter {
public:
    static constexpr int kWidth = 60;
    static constexpr int kHeight = 90;

    explicit PrintingDrawer(PrintingHost* host) : m_pHost(host) {}
    void SetAppearance(const void*, int) override {}
    void SetValue2(u32) override {}
    void SetValue3(u32) override {}
    bool IsMouseOver() override { return false; }
    void Draw(int x, int y) override;

private:
    PrintingHost* m_pHost;
};

class PrintingHost final : public QuietHost {
public:
    explicit PrintingHost(int screenWidth = 1024, int screenHeight = 768);

    int m_nFrame = 0;             // number of the frame being drawn (or last drawn)
    int m_nDrawCalls = 0;         // all draw calls so far
    int m_nSizeQueries = 0;       // screen size queries so far
    int m_nRequests = 0;          // requests sent so far
    int m_nRequestsDecoded = 0;   // of them, those the request table knows
    std::string m_strPlayerName = "host";
    std::string m_strPictureDir = "pictures";   // where SavePicture writes (made when missing)
    FrameAccount m_Account;       // the account of the frames (m_bVerbose: every frame in full)
    SampleSummary m_Summary;      // the pictures written (SavePicture) and what the program adds

    // One frame: BeginFrame, render(), EndFrame.
    template <class Render>
    void Frame(Render&& render)
    {
        BeginFrame();
        render();
        EndFrame();
    }
    // n frames; a run of frames that draw the same as the frame before them prints as one line.
    template <class Render>
    void Frames(int n, Render&& render)
    {
        m_Account.m_bCollapse = true;
        for (int i = 0; i < n; ++i) {
            Frame(render);
        }
        m_Account.m_bCollapse = false;
        m_Account.FlushRun();
    }
    // Starts frame m_nFrame + 1; calls drawn before it (outside any frame) are printed first.
    void BeginFrame();
    // Prints the account of the frame's draw calls and keeps them as the last frame.
    void EndFrame();
    // The last ended frame's draw calls.
    const std::vector<DrawOp>& LastFrame() const { return m_Account.Last(); }
    // Writes the picture of the last ended frame, screen-sized, to <m_strPictureDir>/<name>.png and
    // prints where; false (and a line saying so) when it cannot be written.
    bool SavePicture(const std::string& name);

    void SendToServer(const char* data, int len) override;
    void GetImageSize(int frame, int set, int* w, int* h) override;
    void DrawImage(int x, int y, int frame, int set, u32 colour, int, int) override;
    void DrawImageScaled(int x, int y, int frame, int set, float sx, float sy, u32 colour, int, int) override;
    bool HitTestImage(int x, int y, int frame, int set) override;
    void DrawText(int x, int y, const char* text, u32 colour, int align, int, int, int, int font, int) override;
    void DrawRectFrame(u32 colour, int x, int y, int w, int h) override;
    void FillRect(u32 colour, int x, int y, int w, int h) override;
    int GetScreenWidth() override;
    int GetScreenHeight() override;
    const char* GetPlayerName() override { return m_strPlayerName.c_str(); }
    void OpenPlayerRestaurant(const char* name) override;
    void OpenPlayerGarden(const char* name) override;
    void DrawSector(int cx, int cy, int radius, float angle, u32 colour) override;
    u16 GetCharacterLevel() override { return 30; }
    void NotifyGameWindow(int state) override;
    IORVDrawCharacter* CreateDrawCharacter() override;
    void ReleaseDrawCharacter(IORVDrawCharacter* drawer) override;

private:
    DrawOp& Record(DrawKind kind, const Box& box, u32 colour);   // a new call of the frame

    int m_nScreenWidth;
    int m_nScreenHeight;
    std::vector<DrawOp> m_vOps;        // the frame being drawn
    std::vector<std::unique_ptr<PrintingDrawer>> m_vDrawers;   // made and not given back
    friend class PrintingDrawer;
};

// The picture folder of a sample program: the folder after "--pictures" on its command line, else
// sample-frames beside the folder of the program's own (build/release/sample-frames for
// build/release/tools/<program>).
std::string PictureDirFromArgs(int argc, char** argv);

}  // namespace orv::sample
