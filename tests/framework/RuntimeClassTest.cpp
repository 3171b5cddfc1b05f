#include <gtest/gtest.h>

#include <memory>

#include "framework/core/RuntimeClass.h"

TEST(RuntimeClass, RootRecordCreatesItsOwnKind)
{
    const RuntimeClassRecord* rec = ORV_RUNTIME_CLASS(CORVCtrlBaseTag);
    EXPECT_STREQ(rec->m_pszName, "CORVCtrlBaseTag");
    EXPECT_STREQ(rec->m_pszName2, "CORVCtrlBaseTag");
    EXPECT_EQ(rec->m_nSchema, 1u);
    EXPECT_EQ(rec->m_pBase, nullptr);
    std::unique_ptr<CORVCtrlBaseTag> obj(rec->m_pfnCreate());
    ASSERT_NE(obj, nullptr);
    EXPECT_EQ(obj->GetRuntimeClass(), rec);
    EXPECT_TRUE(obj->IsKindOf(rec));
    EXPECT_TRUE(IsKindOf(obj.get(), rec));
    EXPECT_FALSE(IsKindOf(nullptr, rec));
}
