// The engine-drawn build's player settings: "./orvdata/help/config.xml", a key file
// (XmlKeyConfig.h) loaded once by CORVMgr::Init, read by key name and written back on change.
#pragma once

#include "framework/xml/XmlKeyConfig.h"

inline constexpr const char kORVConfigPath[] = "./orvdata/help/config.xml";

namespace ORVConfigKey {
inline constexpr const char OpenStealCardTip[] = "OpenStealCardTip";   // the steal-card hint is shown
inline constexpr const char AutoUseStealCard[] = "AutoUseStealCard";   // steal cards are used at once
inline constexpr const char AutoUseGenePoint[] = "AutoUseGenePoint";   // gene points are used at once
}  // namespace ORVConfigKey

using CORVConfig = CXmlKeyConfig;

class CORVConfigMgr final : public CXmlKeyConfigMgr {
public:
    static CORVConfigMgr& GetSingleton();
};
