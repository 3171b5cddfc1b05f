// Drawing of a wrapped text block through the renderer, one line a step.
#include "BuildProfile.h"
#include "framework/text/TextUtil.h"
#include "framework/text/WrappedText.h"
#include "glimmer/Glimmer.h"

void CWrappedText::Draw(int x, int y) const
{
    const int step = GetLineStep();
    for (std::size_t i = 0; i < m_vLines.size(); ++i) {
        g_Font.DrawTextA(x, y + static_cast<int>(i) * step, m_vLines[i].c_str(), m_dwColor, TextPixelSize(m_nFont),
                         m_bFlag != 0 ? 4 : 0, 0);
    }
}
