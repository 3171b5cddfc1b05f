// The Garden card windows' test bed on the garden state's: a level-1 own garden whose plant lists
// hold radish, cabbage, strawberry and the gene rose of the sample game data (level 1 each),
// cards and panels made on the main window, their drawing read from the recording renderer and
// the requests read back as header fields.
#pragma once

#include <string>
#include <vector>

#include "GardenFixture.h"
#include "framework/widgets/ORVButton.h"
#include "garden/windows/GardenPlantItem.h"
#include "glimmer/GlimmerTest.h"

namespace orv::test {

// One request as the server would read it.
struct Sent {
    u32 uid = 0;
    u16 msg = 0, sub = 0, p1 = 0, p2 = 0;
    std::string body;
    bool operator==(const Sent&) const = default;
};
inline std::ostream& operator<<(std::ostream& os, const Sent& s)
{
    return os << "{" << s.uid << ", " << s.msg << ", 0x" << std::hex << s.sub << std::dec << ", " << s.p1 << ", " << s.p2
              << ", \"" << s.body << "\"}";
}

class GardenCardsFixture : public GardenStateTest {
protected:
    static constexpr u16 kRadish = 1, kCabbage = 2, kStrawberry = 4, kGeneRose = 6;
    static constexpr u32 kPlantLevel = 1;

    GardenCardsFixture()
    {
        glimmer_test::Reset();
        glimmer_test::RegisterTexture(1, 5, 780, 500);   // the six-card window
        CGardenDataMgr& s = GetGardenDataMgr();
        s.m_vOwnPlantList.clear();
        for (u16 id : {kRadish, kCabbage, kStrawberry, kGeneRose}) {
            s.m_vOwnPlantList.push_back(id | (kPlantLevel << 16));
        }
        s.m_vPlantList = s.m_vOwnPlantList;
        WriteLE16(s.m_OwnInfo.m_Bytes + garden_layout::kInfoLevel, 1);
        s.m_ShownInfo = s.m_OwnInfo;
        s.m_vWarehouse.clear();
        s.m_vSeedBag.clear();
        TakeRequests();
    }
    ~GardenCardsFixture() override
    {
        CtrlMgr().DestroyWindowTree();
        glimmer_test::Reset();
    }

    static CGardenPlantItem& NewCard()
    {
        auto* card = new CGardenPlantItem();
        CORVMainWnd& main = CtrlMgr().m_MainWnd;
        main.AddChild(card, false);
        card->CreateAt(&main, 10, 20, 0, 0);
        return *card;
    }
    // A panel on the screen's stand-in (800 x 600), which hands the topics on to its children.
    template <class T>
    static T* OpenPanel(const RuntimeClassRecord* record)
    {
        auto* screen = dynamic_cast<CORVWindow*>(CtrlMgr().m_MainWnd.GetSystemWindow(kMsgGardenTopic));
        if (screen == nullptr) {
            return nullptr;
        }
        screen->SetSize(800, 600);
        return dynamic_cast<T*>(screen->CreateChild(record, 0, std::string()));
    }
    // The stand-in in slot 276, while one is open.
    static CTestWindow* ExchangeStandIn()
    {
        return dynamic_cast<CTestWindow*>(CtrlMgr().m_MainWnd.GetSystemWindow(kMsgExchangeTopic));
    }
    // A click notification of button, handed to its parent's handler.
    static void Click(CORVControl& parent, CORVButton* button)
    {
        ORVMsg msg(kNotifyLeftClick, 0, button);
        parent.OnMessage(&msg);
    }
    static std::vector<glimmer_test::Call> DrawCard(CORVControl& control)
    {
        glimmer_test::ClearTrace();
        control.OnDraw();
        return glimmer_test::Trace();
    }
    static std::vector<glimmer_test::Call> DrawWindow(CORVControl& control) { return DrawCard(control); }
    static int CountTexture(const std::vector<glimmer_test::Call>& calls, int set, int id)
    {
        int n = 0;
        for (const glimmer_test::Call& c : calls) {
            n += c.op == "DrawTexture" && c.ints.size() >= 4 && c.ints[2] == id && c.ints[3] == set ? 1 : 0;
        }
        return n;
    }
    static bool HasTexture(const std::vector<glimmer_test::Call>& calls, int set, int id)
    {
        return CountTexture(calls, set, id) > 0;
    }
    static int CountText(const std::vector<glimmer_test::Call>& calls, const std::string& text)
    {
        int n = 0;
        for (const glimmer_test::Call& c : calls) {
            n += c.op == "DrawTextA" && c.text == text ? 1 : 0;
        }
        return n;
    }
    // The colour of the first drawing of text; 0 when it is not drawn.
    static u32 TextColour(const std::vector<glimmer_test::Call>& calls, const std::string& text)
    {
        for (const glimmer_test::Call& c : calls) {
            if (c.op == "DrawTextA" && c.text == text && c.ints.size() >= 3) {
                return static_cast<u32>(c.ints[2]);
            }
        }
        return 0;
    }
    static std::vector<Sent> TakeSent()
    {
        std::vector<Sent> out;
        for (const std::string& p : TakeRequests()) {
            if (p.size() < 12) {
                continue;
            }
            const auto* b = reinterpret_cast<const u8*>(p.data());
            out.push_back({ReadLE32(b), ReadLE16(b + 4), ReadLE16(b + 6), ReadLE16(b + 8), ReadLE16(b + 10), p.substr(12)});
        }
        return out;
    }
    static Record10 Ware(u16 id, u32 count, u32 value)
    {
        Record10 r;
        WriteLE16(r.m_Bytes + garden_layout::kWareId, id);
        WriteLE32(r.m_Bytes + garden_layout::kWareCount, count);
        WriteLE32(r.m_Bytes + garden_layout::kWareValue, value);
        return r;
    }
    static std::string RecordBytes(const Record10& r) { return std::string(reinterpret_cast<const char*>(r.m_Bytes), 10); }
    // Reply 506: count and record size in the parameters, 10-byte records.
    static std::string WarehouseReply(const std::vector<std::string>& records)
    {
        std::string body;
        for (const std::string& r : records) {
            body += r;
        }
        return garden_bytes::Reply(506, body, 0, static_cast<u16>(records.size()), 10);
    }
    // The seed bag: three seeds of each id.
    static void SetSeedBag(const std::vector<u16>& ids)
    {
        std::vector<u32>& bag = GetGardenDataMgr().m_vSeedBag;
        bag.clear();
        for (u16 id : ids) {
            bag.push_back(id | (3u << 16));
        }
    }
};

}  // namespace orv::test
