#include "player/move_choice.h"
#include "rules/position.h"
#include "tests/support/engine_fixture.h"

TEST_F(EngineTest, FirstMoveIsInTheFirstCorner) {
    int x = -1, y = -1;
    ChooseMachineMove(&x, &y);
    EXPECT_GE(x, 2);
    EXPECT_LE(x, 4);
}
