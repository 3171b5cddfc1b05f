#include "aerie/windows/AerieProductInfoWnd.h"

#include "aerie/windows/AerieBuildingWnds.h"
#include "aerie/windows/AerieInfoCtrls.h"
#include "aerie/windows/AerieWndRecords.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieProductInfoWnd, CAerieContainer)

namespace {

struct ProductInfoWndRegistration {
    ProductInfoWndRegistration()
    {
        SetAerieWindowRecord(AerieWndKind::ProductInfo, ORV_RUNTIME_CLASS(CAerieProductInfoWnd));
    }
} g_ProductInfoWndRegistration;

}  // namespace

CAerieProductInfoWnd::CAerieProductInfoWnd() = default;
CAerieProductInfoWnd::~CAerieProductInfoWnd() = default;

void CAerieProductInfoWnd::OnCreateControls()
{
    if (const RuntimeClassRecord* record = ORV_RUNTIME_CLASS(CAerieProductInfoCtrl)) {
        m_pProductInfo = CreateChildAt(record, 22, 48, 456, 188, 0, "");
    }
    m_Note.SetText("1.各小组，在不进行任何操作的情况下，默认为自动产出资源，小组怪物越多，属性越高，产出资源越多。\n"
                   "2.当有小组从事了建造或战斗操作，则在操作期间该小组不会自动产出资源.",
                   414, 0xFF00FFFF, 1);
}

void CAerieProductInfoWnd::OnDraw()
{
    DrawTextRel(this, m_nWidth / 2, 16, "生产情况一览", 0xFFFFFFFF, 1);
    m_Note.Draw(m_nAbsX + 41, m_nAbsY + 250);
    DrawProductionBonus(this, 35, 220, m_Bonus);
}
