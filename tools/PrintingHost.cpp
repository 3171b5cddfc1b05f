#include "tools/PrintingHost.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "framework/core/ByteOrder.h"
#include "framework/text/TextUtil.h"
#include "tools/GbkText.h"
#include "tools/ImageCatalogue.h"
#include "tools/FrameAccount.h"

namespace orv::sample {

namespace {

constexpr int kHeaderSize = 12;
std::string Format(const char* fmt, auto... args)
{
    char line[256];
    std::snprintf(line, sizeof line, fmt, args...);
    return line;
}

}  // namespace

namespace {

constexpr u16 kAerieMainId = 0x367;

// What a request carries in each header field and in its body: the field's name, or null where
// the request leaves the field 0 (or the body empty).
struct RequestLayout {
    u16 sub;
    const char* what;
    const char* owner;
    const char* p1;
    const char* p2;
    const char* body;
};

constexpr const char* kName = "player";
constexpr RequestLayout kRequestLayouts[] = {
    {0x00, "enter a city", nullptr, nullptr, nullptr, "city owner"},
    {0x01, "upgrade a building", nullptr, "building", "work group", nullptr},
    {0x02, "buy resources", "amount", "resource kind", nullptr, nullptr},
    {0x03, "research a technology", nullptr, "technology", "work group", nullptr},
    {0x06, "leave the game", nullptr, nullptr, nullptr, nullptr},
    {0x14, "split an item stack", nullptr, "item", "count", nullptr},
    {0x15, "upgrade a monster", nullptr, "slot", "target grade", nullptr},
    {0x16, "release a monster", nullptr, "slot", nullptr, nullptr},
    {0x17, "move a monster", nullptr, "from slot", "to slot", nullptr},
    {0x18, "refresh a group skill", nullptr, "skill", "refresh kind", nullptr},
    {0x19, "get-monster action", nullptr, "p1", "p2", nullptr},
    {0x1a, "get-monster action", nullptr, "p1", "p2", nullptr},
    {0x1b, "get-monster action", nullptr, "p1", "p2", nullptr},
    {0x1c, "get-monster action", nullptr, "p1", "p2", nullptr},
    {0x1d, "start a plunder", "difficulty", "group", "fight", kName},
    {0x1e, "refresh a fight award", nullptr, "fight", "multiplier x 10", nullptr},
    {0x1f, "claim a fight reward", nullptr, nullptr, "reward", kName},
    {0x20, "ask the before-fight figures", "difficulty", "group", "fight", kName},
    {0x21, "claim a main-line mission", nullptr, "mission", nullptr, kName},
    {0x22, "start a defence", "difficulty", "group", "fight", kName},
    {0x23, "ask the main-line missions", nullptr, nullptr, nullptr, nullptr},
    {0x24, "cancel a fight or an upgrade", nullptr, "group", nullptr, nullptr},
    {0x25, "speed up", nullptr, "target", "cards", nullptr},
    {0x66, "choose the guardian beast", nullptr, "beast type", "sex", kName},
    {0x68, "register the guardian beast", nullptr, "p1", "p2", kName},
    {0x69, "ask a beast list", nullptr, "list type", nullptr, "name"},
    {0x6a, "breed with a beast", nullptr, nullptr, nullptr, "beast's owner"},
    {0x6b, "change the beast's job", nullptr, "job", nullptr, kName},
    {0x6c, "hatch an egg", nullptr, "bag slot", nullptr, kName},
    {0x6d, "smash an egg", nullptr, "incubator", nullptr, kName},
    {0x6e, "discard an incubator's egg", nullptr, "incubator", nullptr, kName},
    {0x6f, "ask the hire list", nullptr, nullptr, nullptr, nullptr},
    {0x70, "find a player to hire", nullptr, nullptr, nullptr, "name"},
    {0x71, "hire a friend", "worth", "incubator", nullptr, "hired"},
    {0x72, "mistreat a hired friend", nullptr, "incubator", nullptr, kName},
    {0x73, "treat a hired friend well", nullptr, "incubator", nullptr, kName},
    {0x75, "ask the friend list", nullptr, "mode", nullptr, kName},
    {0x77, "discard an egg of the bag", nullptr, "bag slot", nullptr, kName},
    {0x79, "steal an egg", nullptr, "incubator", nullptr, "city owner"},
    {0xca, "hatch the first egg now", nullptr, nullptr, nullptr, nullptr},
    {0xcb, "finish the tutorial", nullptr, nullptr, nullptr, nullptr},
    {0xcc, "take the gift monsters", nullptr, nullptr, nullptr, nullptr},
    {0xcd, "exchange resources", nullptr, nullptr, nullptr, "exchange"},
};

const RequestLayout* FindRequestLayout(u16 main, u16 sub)
{
    if (main != kAerieMainId) {
        return nullptr;
    }
    for (const RequestLayout& layout : kRequestLayouts) {
        if (layout.sub == sub) {
            return &layout;
        }
    }
    return nullptr;
}

// ", name value", or where the request leaves the field unnamed, the value only when it is not 0.
void AppendField(std::string& out, const char* name, const char* unnamed, unsigned value)
{
    if (name != nullptr) {
        out += Format(", %s %u", name, value);
    } else if (value != 0) {
        out += Format(", %s = %u (not used)", unnamed, value);
    }
}

}  // namespace

std::string DescribeRequest(std::string_view bytes, bool* known)
{
    if (known != nullptr) {
        *known = false;
    }
    if (bytes.size() < kHeaderSize) {
        return "too short for the 12-byte header";
    }
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    const u32 owner = ReadLE32(b);
    const u16 main = ReadLE16(b + 4);
    const u16 sub = ReadLE16(b + 6);
    const unsigned p1 = ReadLE16(b + 8);
    const unsigned p2 = ReadLE16(b + 10);
    const std::string_view body = bytes.substr(kHeaderSize);
    const std::string bodyText = Format("body %zu bytes \"", body.size()) + GbkToUtf8(body) + "\"";
    const RequestLayout* layout = FindRequestLayout(main, sub);
    if (layout == nullptr) {
        return Format("owner %u, main 0x%X, sub 0x%02X, params %u %u, ", owner, unsigned{main}, unsigned{sub}, p1, p2) +
               bodyText;
    }
    if (known != nullptr) {
        *known = true;
    }
    std::string out = Format("sub 0x%02X %s", unsigned{sub}, layout->what);
    std::string fields;
    AppendField(fields, layout->owner, "owner", owner);
    AppendField(fields, layout->p1, "param 1", p1);
    AppendField(fields, layout->p2, "param 2", p2);
    if (layout->body != nullptr) {
        fields += Format(", %s \"", layout->body) + GbkToUtf8(body) + "\"";
    } else if (!body.empty()) {
        fields += ", " + bodyText + " (not used)";
    }
    return fields.empty() ? out : out + ":" + fields.substr(1);
}

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
