#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "tests/game/RecordingDisplay.h"

namespace {

// Fixes the tick count and the cursor position for the life of the object.
class TFixedSystem {
 public:
  explicit TFixedSystem(uint32_t tick, int32_t cursorX = 0, int32_t cursorY = 0) {
    Os::SetTickCountForTesting([this] { return Tick; });
    Tick = tick;
    Os::SetCursorPositionProvider([=](int32_t& x, int32_t& y) {
      x = cursorX;
      y = cursorY;
      return true;
    });
  }
  ~TFixedSystem() {
    Os::SetTickCountForTesting({});
    Os::SetCursorPositionProvider({});
  }
  uint32_t Tick = 0;
};

uint32_t RotateRight5(uint32_t v) { return (v >> 5) | (v << 27); }

const TRandomSource::TRandomBytes kNoGenerator = [](void*, size_t) { return false; };

}  // namespace

TEST(ByteSwap32, ReversesTheFourBytes) {
  EXPECT_EQ(ByteSwap32(0x01020304u), 0x04030201u);
  EXPECT_EQ(ByteSwap32(0xFF000000u), 0x000000FFu);
  EXPECT_EQ(ByteSwap32(ByteSwap32(0xDEADBEEFu)), 0xDEADBEEFu);
}

TEST(StirEntropy, SwapsAddsTheTickCountAndRotates) {
  TFixedSystem system(1000, 7, 9);
  TRandomSource random(kNoGenerator);
  // Start-up stirred with the cursor position (7, 9) from entropy 0.
  const uint32_t first = RotateRight5(ByteSwap32(16) + 1000);
  EXPECT_EQ(random.Entropy(), first);
  system.Tick = 0xFFFFFFF0u;  // sums wrap modulo 2^32
  const uint32_t second = RotateRight5(ByteSwap32(first + 0x80000000u + 0x90000000u) + 0xFFFFFFF0u);
  EXPECT_EQ(random.StirEntropy(0x80000000u, 0x90000000u), second);
  EXPECT_EQ(random.Entropy(), second);
}

TEST(StirEntropy, MouseMovesUnderThreePixelsAreIgnored) {
  TFixedSystem system(5, 100, 100);
  TRandomSource random(kNoGenerator);
  const uint32_t start = random.Entropy();
  random.NoteMousePosition(102, 98);
  EXPECT_EQ(random.Entropy(), start);
  random.NoteMousePosition(103, 100);
  const uint32_t afterX = random.Entropy();
  EXPECT_NE(afterX, start);
  // Measured from the last stir, (103, 100): two pixels again is ignored.
  random.NoteMousePosition(101, 102);
  EXPECT_EQ(random.Entropy(), afterX);
  random.NoteMousePosition(103, 97);
  EXPECT_NE(random.Entropy(), afterX);
  // Positions far apart do not overflow the distance.
  random.NoteMousePosition(INT32_MIN, INT32_MAX);
  random.NoteMousePosition(INT32_MAX, INT32_MIN);
}

TEST(NextRandom32, WithoutTheGeneratorIsTheStirredEntropyWord) {
  TFixedSystem system(77);
  TRandomSource random(kNoGenerator);
  const uint32_t expected = RotateRight5(ByteSwap32(random.Entropy()) + 77);
  EXPECT_EQ(static_cast<uint32_t>(random.NextRandom32()), expected);
}

TEST(NextRandom32, MixesTheStirredWordIntoTheGeneratorsBytes) {
  TFixedSystem system(77);
  TRandomSource random([](void* buffer, size_t size) {
    EXPECT_EQ(size, 4u);
    const uint32_t bytes = 0x12345678u;
    std::memcpy(buffer, &bytes, 4);
    return true;
  });
  const uint32_t stirred = RotateRight5(ByteSwap32(random.Entropy()) + 77);
  EXPECT_EQ(static_cast<uint32_t>(random.NextRandom32()), stirred ^ 0x12345678u);
}

TEST(NextRandom32, SystemGeneratorDeliversChangingValues) {
  uint32_t buffer[4] = {};
  ASSERT_TRUE(Os::CryptoRandomBytes(buffer, sizeof buffer));
  TRandomSource random;
  std::vector<int32_t> values;
  for (int i = 0; i < 8; ++i) {
    values.push_back(random.NextRandom32());
  }
  std::sort(values.begin(), values.end());
  EXPECT_EQ(std::unique(values.begin(), values.end()), values.end());
}

TEST(WeightedPick, SkipsWeightZeroAndSplitsByRunningSums) {
  const std::vector<int32_t> weights{0, 5, 0, 3};
  for (int32_t t = 0; t < 5; ++t) {
    EXPECT_EQ(PickWeightedIndexFor(t, weights), 1) << t;
  }
  for (int32_t t = 5; t < 8; ++t) {
    EXPECT_EQ(PickWeightedIndexFor(t, weights), 3) << t;
  }
  // The remainder keeps the random value's sign; its size decides.
  EXPECT_EQ(PickWeightedIndexFor(8 + 4, weights), 1);
  EXPECT_EQ(PickWeightedIndexFor(-6, weights), 3);
  EXPECT_EQ(PickWeightedIndexFor(-13, weights), 3);
  EXPECT_EQ(PickWeightedIndexFor(INT32_MIN, weights), 1);   // -2^31 leaves 0
  EXPECT_EQ(PickWeightedIndexFor(INT32_MAX, weights), 3);  // 2^31 - 1 leaves 7
}

TEST(WeightedPick, NothingToDrawWhenTheWeightsSumToZero) {
  EXPECT_EQ(PickWeightedIndexFor(12345, std::vector<int32_t>(40, 0)), -1);
  EXPECT_EQ(PickWeightedIndexFor(12345, std::vector<int32_t>{}), -1);
  EXPECT_EQ(PickWeightedIndexFor(3, std::vector<int32_t>{5, -5}), -1);
}

TEST(WeightedPick, DrawsFollowTheWeights) {
  TRandomSource random;
  const std::vector<int32_t> weights{0, 750, 0, 250};
  int counts[4] = {};
  for (int i = 0; i < 4000; ++i) {
    const int32_t index = random.PickWeightedIndex(weights);
    ASSERT_TRUE(index == 1 || index == 3) << index;
    ++counts[index];
  }
  EXPECT_GT(counts[1], 2700);
  EXPECT_LT(counts[1], 3300);
}

TEST(FillStock, FillsOnlyTheEmptySlotsAndMarksTheGameModified) {
  TGameScene scene;
  const std::string letters = "ABCDEFG";
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    scene.Game.SetStockLetter(slot, letters[slot]);
  }
  scene.Game.SetStockLetter(1, 0);
  scene.Game.SetStockLetter(4, 0);
  scene.Game.GameModified = false;
  scene.Game.FillStock();
  EXPECT_TRUE(scene.Game.GameModified);
  for (int32_t slot : {0, 2, 3, 5, 6}) {
    EXPECT_EQ(scene.Game.StockLetter(slot), letters[slot]);
  }
  for (int32_t slot : {1, 4}) {
    const char drawn = scene.Game.StockLetter(slot);
    EXPECT_TRUE(drawn >= 'A' && drawn <= 'Z') << slot;
    EXPECT_EQ(scene.Display.StockPanels[slot], drawn);
  }
}

TEST(FillStock, DrawsOnlyLettersWithWeight) {
  TGameScene scene;
  scene.Game.Letters.LetterProbabilities.fill(0);
  scene.Game.Letters.LetterProbabilities[16] = 1;  // Q
  scene.Game.ClearStock();
  scene.Game.FillStock();
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    EXPECT_EQ(scene.Game.StockLetter(slot), 'Q');
  }
}

TEST(FillStock, WithoutAnyWeightTheSlotsStayEmpty) {
  TGameScene scene;
  scene.Game.Letters.Clear();
  scene.Game.ClearStock();
  EXPECT_EQ(scene.Game.DrawStockLetter(), 0);
  scene.Game.FillStock();
  EXPECT_EQ(scene.Game.FirstEmptyStockSlot(), 0);
  EXPECT_TRUE(scene.Game.GameModified);
}
