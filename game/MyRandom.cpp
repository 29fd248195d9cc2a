#include "game/MyRandom.h"

#include <bit>
#include <cstdlib>
#include <cstring>

#include "Libraries/OperatingSystem/OperatingSystem.h"

uint32_t ByteSwap32(uint32_t value) {
  return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u) |
         (value << 24);
}

int32_t PickWeightedIndexFor(int32_t random, std::span<const int32_t> weights) {
  int64_t total = 0;
  for (const int32_t weight : weights) {
    total += weight;
  }
  if (total <= 0) {
    return -1;
  }
  const int64_t t = std::llabs(static_cast<int64_t>(random) % total);
  int64_t cumulative = 0;
  for (size_t i = 0; i < weights.size(); ++i) {
    cumulative += weights[i];
    if (cumulative > t) {
      return static_cast<int32_t>(i);
    }
  }
  return -1;
}

TRandomSource::TRandomSource(TRandomBytes randomBytes)
    : RandomBytes(randomBytes ? std::move(randomBytes) : TRandomBytes(Os::CryptoRandomBytes)) {
  Os::CursorPosition(LastX, LastY);
  StirEntropy(static_cast<uint32_t>(LastX), static_cast<uint32_t>(LastY));
}

uint32_t TRandomSource::StirEntropy(uint32_t a, uint32_t b) {
  const uint32_t t = ByteSwap32(EntropyWord + a + b);
  EntropyWord = std::rotr(t + Os::TickCount(), 5);
  return EntropyWord;
}

void TRandomSource::NoteMousePosition(int32_t x, int32_t y) {
  // Differences in 64 bits: positions far apart must not overflow.
  if (std::llabs(int64_t{x} - LastX) < 3 && std::llabs(int64_t{y} - LastY) < 3) {
    return;
  }
  LastX = x;
  LastY = y;
  StirEntropy(static_cast<uint32_t>(x), static_cast<uint32_t>(y));
}

int32_t TRandomSource::NextRandom32() {
  if (Sequence) {
    // splitmix64: the same values on every machine.
    uint64_t z = (*Sequence += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return std::bit_cast<int32_t>(static_cast<uint32_t>((z ^ (z >> 31)) >> 32));
  }
  const uint32_t stirred = StirEntropy(0, 0);
  uint32_t random = 0;
  // The generator takes no seed here, so the stirred word is mixed into its
  // output; without the generator the stirred word is the value.
  const uint32_t value = RandomBytes(&random, sizeof random) ? (random ^ stirred) : stirred;
  return std::bit_cast<int32_t>(value);
}

int32_t TRandomSource::PickWeightedIndex(std::span<const int32_t> weights) {
  return PickWeightedIndexFor(NextRandom32(), weights);
}

TRandomState TRandomSource::State() const { return {EntropyWord, LastX, LastY, Sequence}; }

void TRandomSource::Restore(const TRandomState& state) {
  EntropyWord = state.EntropyWord;
  LastX = state.LastX;
  LastY = state.LastY;
  Sequence = state.Sequence;
}

void TRandomSource::SeedForTesting(std::optional<uint64_t> seed) {
  Sequence = seed;
}

TRandomSource& RandomSource() {
  static TRandomSource source;
  return source;
}
