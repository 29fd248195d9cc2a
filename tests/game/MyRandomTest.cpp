#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "tests/game/RecordingDisplay.h"

namespace {

// Fixes the tick count and the cursor position for the life of the object.
struct TFixedSystem {
  TFixedSystem(uint32_t tick, int32_t x, int32_t y) : Tick(tick) {
    Os::SetTickCountForTesting([this] { return Tick; });
    Os::SetCursorPositionProvider([=](int32_t& cx, int32_t& cy) { return cx = x, cy = y, true; });
  }
  ~TFixedSystem() {
    Os::SetTickCountForTesting({});
    Os::SetCursorPositionProvider({});
  }
  uint32_t Tick;
};

uint32_t Stirred(uint32_t entropy, uint32_t a, uint32_t b, uint32_t tick) {
  const uint32_t v = ByteSwap32(entropy + a + b) + tick;
  return (v >> 5) | (v << 27);
}

bool NoGenerator(void*, size_t) { return false; }

}  // namespace

TEST(RandomSource, StirsWithTheCursorTheTickCountAndByteSwaps) {
  EXPECT_EQ(ByteSwap32(0x01020304u), 0x04030201u);
  TFixedSystem system(1000, 7, 9);
  TRandomSource random(NoGenerator);
  const uint32_t first = Stirred(0, 7, 9, 1000);
  EXPECT_EQ(random.Entropy(), first);
  system.Tick = 0xFFFFFFF0u;  // sums wrap modulo 2^32
  EXPECT_EQ(random.StirEntropy(0x80000000u, 0x90000000u),
            Stirred(first, 0x80000000u, 0x90000000u, 0xFFFFFFF0u));
  // Without the generator the value is the stirred word; with it, mixed in.
  const uint32_t next = Stirred(random.Entropy(), 0, 0, system.Tick);
  EXPECT_EQ(static_cast<uint32_t>(random.NextRandom32()), next);
  TRandomSource fed([](void* buffer, size_t size) { return std::memset(buffer, 0xA5, size), true; });
  const uint32_t stirred = Stirred(fed.Entropy(), 0, 0, system.Tick);
  EXPECT_EQ(static_cast<uint32_t>(fed.NextRandom32()), stirred ^ 0xA5A5A5A5u);
}

TEST(RandomSource, MouseMovesUnderThreePixelsOnBothAxesAreIgnored) {
  TFixedSystem system(5, 100, 100);
  TRandomSource random(NoGenerator);
  const uint32_t start = random.Entropy();
  random.NoteMousePosition(102, 98);
  EXPECT_EQ(random.Entropy(), start);
  random.NoteMousePosition(103, 100);
  const uint32_t moved = random.Entropy();
  EXPECT_NE(moved, start);
  random.NoteMousePosition(101, 102);  // two pixels from the last stir
  EXPECT_EQ(random.Entropy(), moved);
  random.NoteMousePosition(101, 103);
  EXPECT_NE(random.Entropy(), moved);
  random.NoteMousePosition(INT32_MIN, INT32_MAX);  // far apart, no overflow
  random.NoteMousePosition(INT32_MAX, INT32_MIN);
}

TEST(WeightedPick, RunningSumsDecideAndWeightZeroIsNeverPicked) {
  const std::vector<int32_t> weights{0, 5, 0, 3};
  for (int32_t t = 0; t < 8; ++t) {
    EXPECT_EQ(PickWeightedIndexFor(t, weights), t < 5 ? 1 : 3) << t;
  }
  EXPECT_EQ(PickWeightedIndexFor(-6, weights), 3);  // the remainder's size decides
  EXPECT_EQ(PickWeightedIndexFor(INT32_MIN, weights), 1);
  EXPECT_EQ(PickWeightedIndexFor(INT32_MAX, weights), 3);
  EXPECT_EQ(PickWeightedIndexFor(7, std::vector<int32_t>(40, 0)), -1);
  EXPECT_EQ(PickWeightedIndexFor(3, std::vector<int32_t>{5, -5}), -1);
}
