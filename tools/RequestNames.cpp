#include "tools/RequestNames.h"

#include <cstdio>

#include "framework/core/ByteOrder.h"
#include "tools/GbkText.h"

namespace orv::sample {

namespace {

constexpr std::size_t kHeaderSize = 12;

std::string Format(const char* fmt, auto... args)
{
    char line[256];
    std::snprintf(line, sizeof line, fmt, args...);
    return line;
}

constexpr u16 kAerieMainId = 0x367;

// What a request carries in each header field and in its body: the field's name, or null where
// the request leaves the field 0 (or the body empty). The first header word is the Aerie
// request's owner word and the Garden request's user id.
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

template <std::size_t N>
const RequestLayout* FindLayout(const RequestLayout (&table)[N], u16 sub)
{
    for (const RequestLayout& layout : table) {
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

// Message 884's sub-commands.
constexpr const char* kOwnerName = "owner";   // the garden's owner; none in the own garden
constexpr RequestLayout kGardenLayouts[] = {
    {0x01, "buy", nullptr, "item", "count", nullptr},
    {0x04, "enter a garden", nullptr, nullptr, nullptr, "garden"},
    {0x05, "plough a plot", nullptr, "plot", nullptr, kOwnerName},
    {0x06, "sow", nullptr, "plot", "seed", kOwnerName},
    {0x07, "water", nullptr, "plot", nullptr, kOwnerName},
    {0x08, "weed", nullptr, "plot", nullptr, kOwnerName},
    {0x09, "catch pests", nullptr, "plot", nullptr, kOwnerName},
    {0x0b, "ask the friend list", nullptr, nullptr, nullptr, nullptr},
    {0x0c, "sell", "count", "item", nullptr, nullptr},
    {0x0d, "harvest", nullptr, "plot", "steal card", kOwnerName},
    {0x0e, "give to a friend", nullptr, "item", "count", "friend"},
    {0x0f, "ask the nursery", nullptr, nullptr, nullptr, nullptr},
    {0x10, "ask the seed bag", nullptr, nullptr, nullptr, nullptr},
    {0x11, "ask the warehouse", nullptr, nullptr, nullptr, nullptr},
    {0x13, "save the settings", nullptr, nullptr, nullptr, "settings"},
    {0x17, "fertilise a plot", nullptr, "plot", nullptr, nullptr},
    {0x18, "ask the news", nullptr, nullptr, nullptr, nullptr},
    {0x19, "ask the rankings", nullptr, nullptr, nullptr, nullptr},
    {0x1c, "ask the gift quota", nullptr, nullptr, nullptr, nullptr},
    {0x1d, "ask the yield estimate and weather", nullptr, nullptr, nullptr, nullptr},
    {0x1e, "estimate a plant", nullptr, "plant", nullptr, nullptr},
    {0x20, "ask the stranger list", nullptr, nullptr, nullptr, nullptr},
    {0x21, "tutorial step done", nullptr, nullptr, nullptr, nullptr},
    {0x22, "open a plot", nullptr, "plot", nullptr, nullptr},
    {0x23, "upgrade a plot", nullptr, "plot", nullptr, nullptr},
    {0x24, "level the garden up", nullptr, nullptr, nullptr, nullptr},
    {0x26, "gene research", nullptr, nullptr, nullptr, nullptr},
    {0x27, "level a plant up", nullptr, "plant", "option", nullptr},
    {0x28, "ask the task list", nullptr, nullptr, nullptr, nullptr},
    {0x29, "load the settings", nullptr, nullptr, nullptr, nullptr},
    {0x2a, "set the background", nullptr, "background", nullptr, nullptr},
    {0x2e, "research mode", nullptr, "mode", nullptr, nullptr},
    {0x2f, "an action in a friend's garden", nullptr, nullptr, nullptr, kOwnerName},
};
constexpr u16 kGardenMessage = 884;

// The Garden's other messages, by message id (the sub field as the message leaves it).
struct GardenMessage {
    u16 id;
    RequestLayout layout;
};
constexpr GardenMessage kGardenMessages[] = {
    {48, {0, "login", nullptr, nullptr, nullptr, "fields"}},
    {3030, {0, "text line", nullptr, nullptr, nullptr, "text"}},
    {1000, {0xFD00, "use a tool card", "card", nullptr, nullptr, nullptr}},
    {1014, {1, "exchange notice", "user", nullptr, "param", nullptr}},
};

struct Header {
    u32 first;
    u16 id;
    u16 sub;
    unsigned p1;
    unsigned p2;
    std::string_view body;
};

Header ReadHeader(std::string_view bytes)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    return {ReadLE32(b), ReadLE16(b + 4), ReadLE16(b + 6), ReadLE16(b + 8), ReadLE16(b + 10), bytes.substr(kHeaderSize)};
}

std::string BodyText(std::string_view body)
{
    return Format("body %zu bytes \"", body.size()) + GbkToUtf8(body) + "\"";
}

// The line of a request the table knows: what it is, then each field it carries by name.
std::string Describe(const RequestLayout& layout, const char* firstWord, const Header& h)
{
    std::string fields;
    AppendField(fields, layout.owner, firstWord, h.first);
    AppendField(fields, layout.p1, "param 1", h.p1);
    AppendField(fields, layout.p2, "param 2", h.p2);
    if (layout.body != nullptr) {
        fields += Format(", %s \"", layout.body) + GbkToUtf8(h.body) + "\"";
    } else if (!h.body.empty()) {
        fields += ", " + BodyText(h.body) + " (not used)";
    }
    const std::string out = Format("sub 0x%02X %s", unsigned{h.sub}, layout.what);
    return fields.empty() ? out : out + ":" + fields.substr(1);
}

// A request no table knows: its raw header, the message id as idText gives it.
std::string Raw(const char* firstWord, const std::string& idText, const Header& h)
{
    return Format("%s %u, ", firstWord, h.first) + idText +
           Format(", sub 0x%02X, params %u %u, ", unsigned{h.sub}, h.p1, h.p2) + BodyText(h.body);
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
    const Header h = ReadHeader(bytes);
    const RequestLayout* layout = h.id == kAerieMainId ? FindLayout(kRequestLayouts, h.sub) : nullptr;
    if (layout == nullptr) {
        return Raw("owner", Format("main 0x%X", unsigned{h.id}), h);
    }
    if (known != nullptr) {
        *known = true;
    }
    return Describe(*layout, "owner", h);
}

std::string DescribeGardenRequest(std::string_view bytes, bool* known)
{
    if (known != nullptr) {
        *known = false;
    }
    if (bytes.size() < kHeaderSize) {
        return "too short for the 12-byte header";
    }
    const Header h = ReadHeader(bytes);
    const RequestLayout* layout = h.id == kGardenMessage ? FindLayout(kGardenLayouts, h.sub) : nullptr;
    for (const GardenMessage& m : kGardenMessages) {
        if (m.id == h.id && m.layout.sub == h.sub) {
            layout = &m.layout;
        }
    }
    if (layout == nullptr) {
        return Raw("user id", Format("message %u", unsigned{h.id}), h);
    }
    if (known != nullptr) {
        *known = true;
    }
    return "message " + std::to_string(h.id) + ", " + Describe(*layout, "user id", h);
}

}  // namespace orv::sample
