#pragma once
// The random source of letter drawing: the system's cryptographic generator,
// fed with an entropy word that keeps being stirred with the tick count and
// the player's mouse movements.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

// The value with its four bytes in reverse order.
uint32_t ByteSwap32(uint32_t value);

// An index 0..n-1 chosen by weight from a random value: t := |random mod
// total|, and the result is the first index whose running sum of weights
// exceeds t. -1 when the weights sum to 0 or less (nothing can be drawn),
// and when t lies beyond the running sums (negative weights).
int32_t PickWeightedIndexFor(int32_t random, std::span<const int32_t> weights);

// Everything a random source remembers between draws: put back, it draws on
// as it did from that moment (the generator's bytes aside).
struct TRandomState {
  uint32_t EntropyWord = 0;
  int32_t LastX = 0;
  int32_t LastY = 0;
  std::optional<uint64_t> Sequence;
  friend bool operator==(const TRandomState&, const TRandomState&) = default;
};

class TRandomSource {
 public:
  // Fills a buffer with random bytes; false when it could not.
  using TRandomBytes = std::function<bool(void* buffer, size_t size)>;

  // Reads the mouse cursor position and stirs the entropy with it.
  explicit TRandomSource(TRandomBytes randomBytes = {});

  // entropy := ByteSwap32(entropy + a + b) + tick count, rotated right by 5
  // bits (all modulo 2^32). Returns the new entropy word.
  uint32_t StirEntropy(uint32_t a, uint32_t b);
  // Stirs with the position when the mouse moved 3 pixels or more on either
  // axis since the last stir by position; smaller moves are ignored.
  void NoteMousePosition(int32_t x, int32_t y);
  // 32 random bits: the stirred entropy word mixed into the generator's
  // output; the stirred word alone when the generator cannot deliver.
  int32_t NextRandom32();
  // An index drawn by weight (see PickWeightedIndexFor); -1 when none.
  int32_t PickWeightedIndex(std::span<const int32_t> weights);

  uint32_t Entropy() const { return EntropyWord; }

  // What the source remembers now, and the same put back.
  TRandomState State() const;
  void Restore(const TRandomState& state);

  // Tests only: the values come from a fixed sequence that starts at the
  // seed, untouched by the clock, the mouse and the generator, so that a game
  // plays the same every time; no seed goes back to the generator. The
  // program never calls it.
  void SeedForTesting(std::optional<uint64_t> seed);

 private:
  TRandomBytes RandomBytes;
  uint32_t EntropyWord = 0;
  int32_t LastX = 0;
  int32_t LastY = 0;
  std::optional<uint64_t> Sequence;
};

// The process-wide random source, created on first use.
TRandomSource& RandomSource();
