// A fixture that gives every engine test a freshly set-up game with a fixed random seed.
#pragma once

#include <gtest/gtest.h>

#include <vector>

// Human Black, machine White, all opening flags armed, no ko points, the game running, and
// rand() seeded with `seed`. The board is left to the test (empty by default).
void ResetGame(int humanColor = 2, unsigned seed = 1);

// A seed whose first draws of rand() % modulus are `draws`, in order. Lets a test script the
// random numbers without any hook in the engine.
unsigned SeedForDraws(const std::vector<int>& draws, int modulus);

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetGame(); }
};
