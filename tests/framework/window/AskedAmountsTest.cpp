// What a window keeps of the question it asked: only the answer of its latest question, from the
// window itself while it lives, takes the amounts, and only once.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "framework/control/ORVControl.h"
#include "framework/window/AskedAmounts.h"

namespace {

// The OK message of a question as the box queue keeps it: its sender's life watched.
ORVMsg Asked(CAskedAmounts<int>& asked, int amount, CORVControl* asker)
{
    ORVMsg ok = asked.Ask(amount, ORVMsg(276, 141), asker);
    WatchSender(ok);
    return ok;
}

TEST(AskedAmounts, OnlyTheLatestQuestionsAnswerFromItsLivingAskerTakesTheAmountsOnce)
{
    CAskedAmounts<int> asked;
    auto asker = std::make_unique<CORVControl>();
    CORVControl other;
    const ORVMsg first = Asked(asked, 12, asker.get());
    const ORVMsg second = Asked(asked, 5, asker.get());
    EXPECT_EQ(second.m_nId, 276u);
    EXPECT_EQ(second.m_wParam, 141u);
    EXPECT_EQ(asked.Take(first, asker.get()), std::nullopt);     // asked again since
    EXPECT_EQ(asked.Take(second, &other), std::nullopt);         // another window's answer
    EXPECT_EQ(asked.Take(second, asker.get()), 5);
    EXPECT_EQ(asked.Take(second, asker.get()), std::nullopt);    // once

    // An answer whose asker died, handed to a window at the asker's address.
    const ORVMsg third = Asked(asked, 7, asker.get());
    CORVControl* const place = asker.get();
    asker.reset();
    EXPECT_EQ(asked.Take(third, place), std::nullopt);
}

}  // namespace
