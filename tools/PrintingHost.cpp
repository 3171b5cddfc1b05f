#include "tools/PrintingHost.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "framework/text/TextUtil.h"
#include "tools/GbkText.h"
#include "tools/ImageCatalogue.h"
#include "tools/FrameAccount.h"
#include "tools/RequestNames.h"

namespace orv::sample {

PrintingHost::PrintingHost(int screenWidth, int screenHeight)
    : m_nScreenWidth(screenWidth), m_nScreenHeight(screenHeight)
{
}

void PrintingHost::BeginFrame()
{
    if (!m_vOps.empty()) {
        m_Account.Loose("between frames", m_vOps);
        m_vOps.clear();
    }
    ++m_nFrame;
}

void PrintingHost::EndFrame()
{
    m_Account.Frame(m_nFrame, std::move(m_vOps));
    m_vOps.clear();
}

bool PrintingHost::SavePicture(const std::string& name)
{
    m_Account.FlushRun();
    if (m_Account.LastNumber() < 0) {
        std::printf("[frame %d] picture NOT written: no frame drawn yet\n", m_nFrame);
        m_Summary.Picture(name, m_strPictureDir, false);
        return false;
    }
    return SaveFramePicture(m_Summary, m_Account.Last(), m_nScreenWidth, m_nScreenHeight, m_strPictureDir, name,
                            m_Account.LastNumber());
}

DrawOp& PrintingHost::Record(DrawKind kind, const Box& box, u32 colour)
{
    ++m_nDrawCalls;
    DrawOp& op = m_vOps.emplace_back();
    op.m_kind = kind;
    op.m_box = box;
    op.m_colour = colour;
    return op;
}

void PrintingHost::SendToServer(const char* data, int len)
{
    const int size = data != nullptr && len > 0 ? len : 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    m_Account.FlushRun();
    ++m_nRequests;
    std::printf("[frame %d] request, %d bytes:", m_nFrame, size);
    for (int i = 0; i < size; ++i) {
        std::printf(" %02X", bytes[i]);
    }
    std::printf("\n");
    bool known = false;
    std::printf("          %s\n", DescribeRequest(std::string_view(data != nullptr ? data : "", static_cast<std::size_t>(size)), &known).c_str());
    if (known) {
        ++m_nRequestsDecoded;
    }
}

void PrintingHost::GetImageSize(int frame, int set, int* w, int* h)
{
    const ImageSize size = CatalogueImageSize(set, frame);
    if (w != nullptr) *w = size.w;
    if (h != nullptr) *h = size.h;
}

void PrintingHost::DrawImage(int x, int y, int frame, int set, u32 colour, int, int)
{
    const ImageSize size = CatalogueImageSize(set, frame);
    DrawOp& op = Record(DrawKind::Image, {x, y, size.w, size.h}, colour);
    op.m_nSet = set;
    op.m_nFrame = frame;
    op.m_bOpaque = CatalogueImageOpaque(set, frame);
}

void PrintingHost::DrawImageScaled(int x, int y, int frame, int set, float sx, float sy, u32 colour, int, int)
{
    const ImageSize size = CatalogueImageSize(set, frame);
    DrawOp& op = Record(DrawKind::ScaledImage, ScaledImageBox(x, y, size.w, size.h, sx, sy), colour);
    op.m_nSet = set;
    op.m_nFrame = frame;
    op.m_bOpaque = CatalogueImageOpaque(set, frame);
    op.m_fScaleX = sx;
    op.m_fScaleY = sy;
}

// The point, relative to the image's top-left corner, hits the image's whole box.
bool PrintingHost::HitTestImage(int x, int y, int frame, int set)
{
    const ImageSize size = CatalogueImageSize(set, frame);
    return x >= 0 && y >= 0 && x < size.w && y < size.h;
}

void PrintingHost::DrawText(int x, int y, const char* text, u32 colour, int align, int, int, int, int font, int)
{
    const Box box = TextBox(x, y, GetTextWidth(text, font), TextMetrics::LineStep(font), align);
    DrawOp& op = Record(DrawKind::Text, box, colour);
    op.m_nFont = font;
    op.m_nAlign = align;
    op.m_strText = text != nullptr ? text : "";
}

void PrintingHost::DrawRectFrame(u32 colour, int x, int y, int w, int h)
{
    Record(DrawKind::RectFrame, {x, y, w, h}, colour);
}

void PrintingHost::FillRect(u32 colour, int x, int y, int w, int h)
{
    Record(DrawKind::Fill, {x, y, w, h}, colour);
}

void PrintingHost::DrawSector(int cx, int cy, int radius, float angle, u32 colour)
{
    Record(DrawKind::Sector, {cx, cy, radius, radius}, colour).m_fAngle = angle;
}

int PrintingHost::GetScreenWidth()
{
    ++m_nSizeQueries;
    return m_nScreenWidth;
}

int PrintingHost::GetScreenHeight()
{
    ++m_nSizeQueries;
    return m_nScreenHeight;
}

void PrintingHost::OpenPlayerRestaurant(const char* name)
{
    m_Account.FlushRun();
    std::printf("[frame %d] host: open the restaurant of \"%s\"\n", m_nFrame, GbkToUtf8(name ? name : "").c_str());
}

void PrintingHost::OpenPlayerGarden(const char* name)
{
    m_Account.FlushRun();
    std::printf("[frame %d] host: open the garden of \"%s\"\n", m_nFrame, GbkToUtf8(name ? name : "").c_str());
}

IORVDrawCharacter* PrintingHost::CreateDrawCharacter()
{
    m_Account.FlushRun();
    m_vDrawers.push_back(std::make_unique<PrintingDrawer>(this));
    std::printf("[frame %d] host: a character drawer is made (%zu held)\n", m_nFrame, m_vDrawers.size());
    return m_vDrawers.back().get();
}

void PrintingHost::ReleaseDrawCharacter(IORVDrawCharacter* drawer)
{
    for (auto it = m_vDrawers.begin(); it != m_vDrawers.end(); ++it) {
        if (it->get() == drawer) {
            m_vDrawers.erase(it);
            m_Account.FlushRun();
            std::printf("[frame %d] host: a character drawer is given back (%zu held)\n", m_nFrame,
                        m_vDrawers.size());
            return;
        }
    }
}

void PrintingDrawer::Draw(int x, int y)
{
    m_pHost->Record(DrawKind::RectFrame, {x, y, kWidth, kHeight}, 0xFFC080FF);
}

void PrintingHost::NotifyGameWindow(int state)
{
    m_Account.FlushRun();
    std::printf("[frame %d] host: game window %s\n", m_nFrame, state == 0 ? "created" : "destroyed");
}

}  // namespace orv::sample
