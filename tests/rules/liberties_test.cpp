#include <pthread.h>
#include <algorithm>

#include "rules/liberties.h"
#include "rules/position.h"
#include "tests/support/engine_test.h"

namespace {

using LibertyTest = EngineTest;

// The stopped count answers as the whole count does, from stones and from empty points; and a
// group counted again after any number of other counts (the round of marks wraps after 255)
// still has its liberties.
TEST_F(LibertyTest, StoppedCountAgreesWithTheWholeCountAcrossRounds) {
    SetBoard({"XX.O", "X.OO", ".XO.", "OX..", "..X"});
    for (int i = 0; i < 5 * BoardSize; ++i) {
        for (const int color : {Black, White}) {
            const int liberties = GroupLiberties(i / 5, i % 5, color);
            for (int wanted = 1; wanted <= 4; ++wanted) {
                EXPECT_EQ(LibertiesUpTo(i / 5, i % 5, color, wanted), std::min(liberties, wanted))
                    << "(" << i / 5 << ", " << i % 5 << ") cap " << wanted;
                EXPECT_EQ(HasLiberties(i / 5, i % 5, color, wanted), liberties >= wanted ? 1 : 0)
                    << "(" << i / 5 << ", " << i % 5 << ") wanted " << wanted;
            }
        }
    }
    for (int otherCounts = 0; otherCounts < 300; ++otherCounts) {
        ASSERT_EQ(GroupLiberties(0, 0, Black), 3) << "after " << otherCounts << " other counts";
        for (int k = 0; k < otherCounts; ++k) {
            GroupLiberties(3, 0, White);
        }
    }
}

// The count recurses once per stone, on whatever thread runs the engine. A snake of 4-wide
// strips joined at alternate ends: 307 stones, whose liberties are the 54 empty points of the
// three walls between the strips.
TEST_F(LibertyTest, LongSnakeIsCountedOnASmallStack) {
    pthread_attr_t attr;
    ASSERT_EQ(pthread_attr_init(&attr), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attr, 256 * 1024), 0);
    int liberties[2] = {-1, -1};
    const auto count = [](void* out) -> void* {
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                const int opening = (x / 5) % 2 == 0 ? BoardSize - 1 : 0;
                SetStone(x, y, x % 5 == 4 && y != opening ? Empty : Black);
            }
        }
        static_cast<int*>(out)[0] = GroupLiberties(0, 0, Black);
        BuildLibertyMap(Black);
        static_cast<int*>(out)[1] = Position.LibertyMap[PointIndex(18, 18)];
        return nullptr;
    };
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attr, count, liberties), 0);
    ASSERT_EQ(pthread_join(thread, nullptr), 0);
    pthread_attr_destroy(&attr);
    EXPECT_EQ(CountStones(Black), 307);
    EXPECT_EQ(liberties[0], 54);
    EXPECT_EQ(liberties[1], 54);
}

}  // namespace
