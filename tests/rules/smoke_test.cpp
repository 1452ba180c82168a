#include "rules/liberties.h"
#include "rules/position.h"
#include "tests/support/board_diagram.h"
#include "tests/support/engine_fixture.h"

TEST_F(EngineTest, LoneCornerStoneHasTwoLiberties) {
    SetBoard({"X"});
    EXPECT_EQ(GroupLiberties(0, 0, Black), 2);
}
