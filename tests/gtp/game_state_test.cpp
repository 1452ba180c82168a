// Undo, reg_genmove and the swap of sides: the engine's state restored byte for byte.
#include <cstring>
#include <string>
#include <vector>

#include "gtp/game_record.h"
#include "player/opening_play.h"
#include "rules/position.h"
#include "tests/support/engine_test.h"
#include "tests/support/gtp_test_support.h"

namespace {

using GameStateTest = GtpTest;

void ExpectSameState(const EngineRecord& expected, const std::string& context) {
    EXPECT_EQ(std::memcmp(&expected.position, &Position, sizeof Position), 0) << context << "\n"
                                                                              << BoardDiagram();
    EXPECT_EQ(expected.openingCorner, OpeningCorner) << context;
    EXPECT_EQ(expected.openingNode, OpeningNode) << context;
}

// Plays both colours in turn: plays and genmoves, side swaps, captures and an illegal move.
const std::vector<std::string> Moves = {
    "play b D4", "genmove w", "genmove b", "play w C3",  "play w E4", "play b E3", "play w pass",
    "play b D2", "genmove w", "play w D5", "play b B16", "genmove b", "genmove w", "play b C4",
    "play w E3", "genmove b", "genmove w", "genmove b",  "play w R3", "genmove w"};

TEST_F(GameStateTest, UndoTakesEveryMoveBackExactly) {
    std::vector<EngineRecord> before;
    for (const std::string& move : Moves) {
        const EngineRecord state = SaveEngine();
        if (Ask(move)[0] == '=') {
            before.push_back(state);
        } else {
            ExpectSameState(state, "refused " + move);
        }
    }
    ASSERT_GE(before.size(), Moves.size() - 2);
    while (!before.empty()) {
        ASSERT_EQ(Ask("undo"), "=");
        ExpectSameState(before.back(), "undo to move " + std::to_string(before.size()));
        before.pop_back();
    }
    EXPECT_EQ(Ask("undo"), "? cannot undo");
}

TEST_F(GameStateTest, RegGenmoveChangesNothingAndForetellsGenmove) {
    for (const std::string& move : Moves) {
        for (const char* color : {"b", "w"}) {
            const EngineRecord state = SaveEngine();
            const std::string foretold = Ask(std::string("reg_genmove ") + color);
            ExpectSameState(state, std::string("reg_genmove ") + color + " before " + move);
            EXPECT_EQ(Ask(std::string("genmove ") + color), foretold);
            ASSERT_EQ(Ask("undo"), "=");
        }
        Ask(move);
    }
}

TEST_F(GameStateTest, NamingTheOtherColourSwapsSidesWithTheirKoAndPrisoners) {
    // Black takes the single white stone at B1: White's prisoner and ko point.
    for (const char* move : {"play w B1", "play b A1", "play b C1", "play b B2"}) {
        ASSERT_EQ(Ask(move), "=") << move;
    }
    ASSERT_EQ(StoneAt(1, 18), Empty);
    EXPECT_EQ(Position.MachineColor, White);
    EXPECT_EQ(Position.CapturedMachineStones, 1);
    EXPECT_EQ(Point(Position.MachineKoX, Position.MachineKoY), Point(1, 18));
    EXPECT_EQ(Ask("play w D4"), "=");
    EXPECT_EQ(Position.HumanColor, White);
    EXPECT_EQ(Position.CapturedHumanStones, 1);
    EXPECT_EQ(Point(Position.HumanKoX, Position.HumanKoY), Point(1, 18));
    EXPECT_EQ(Ask("genmove w")[0], '=');
    EXPECT_EQ(Position.MachineColor, White);
    EXPECT_EQ(Position.CapturedMachineStones, 1);
    EXPECT_EQ(Point(Position.MachineKoX, Position.MachineKoY), Point(1, 18));
    EXPECT_EQ(CapturedStonesOf(White), 1);
    EXPECT_EQ(CapturedStonesOf(Black), 0);
}

TEST_F(GameStateTest, AfterTwoMachinePassesGenmoveKeepsPassing) {
    // Every empty point is a one-point eye of Black's single group: White has no move.
    SetBoard({"X.XX.XX.XX.XX.XX.XX", "XXXXXXXXXXXXXXXXXXX", "XX.XX.XX.XX.XX.XX.X"});
    for (int i = 0; i < PointCount; ++i) {
        Position.Board[i] =
            i % BoardSize >= 3 ? static_cast<std::uint8_t>(Black) : Position.Board[i];
    }
    EXPECT_EQ(Ask("genmove w"), "= pass");
    EXPECT_EQ(Ask("genmove w"), "= pass");
    EXPECT_EQ(Position.GameActive, 0);
    SetBoard({});  // the game is over, however many moves there are
    for (const char* move : {"genmove b", "reg_genmove w", "genmove w"}) {
        EXPECT_EQ(Ask(move), "= pass") << move;
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Ask("undo"), "=");
    }
    EXPECT_EQ(Position.GameActive, 1);
    EXPECT_EQ(Position.MachinePasses, 0);
}

}  // namespace
