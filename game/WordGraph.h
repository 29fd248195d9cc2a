#pragma once
// A word graph: the words of a list as a minimal acyclic automaton, whose
// equal word ends share their nodes, so that a walk letter by letter tells at
// every step whether the letters so far begin a word and whether they are
// one. The move search of the suggestion walks it along the board.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class TWordGraph {
 public:
  // A node is the index of its first edge; kNoEdges is a node without edges.
  static constexpr uint32_t kNoEdges = 0;

  // One step of a walk: the node reached and whether the letters so far are a word.
  struct TStep {
    uint32_t Node = kNoEdges;
    bool IsWord = false;
  };

  // Builds a graph anew word by word: the words come sorted by their bytes,
  // without repeats and none empty; Finish completes the graph. Add raises
  // (TRaisedError) when the graph would outgrow its 30-bit edge numbers.
  class TBuilder {
   public:
    explicit TBuilder(TWordGraph& graph);
    void Add(std::string_view word);
    void Finish();

   private:
    struct TEdge {
      unsigned char Label;
      bool IsWord;
      uint32_t Target;
    };
    // A node on the path of the last word, with the byte and word flag of
    // the edge that leads to it and its edges closed so far.
    struct TOpenNode {
      unsigned char Label = 0;
      bool IsWord = false;
      std::vector<TEdge> Edges;
    };

    void CloseDownTo(size_t depth);
    static uint64_t HashOf(const std::vector<TEdge>& edges);
    bool Equal(uint32_t node, const std::vector<TEdge>& edges) const;
    uint32_t Store(const std::vector<TEdge>& edges);
    void Grow();

    TWordGraph& Graph;
    // Open addressing over the stored nodes, at most three quarters full.
    std::vector<uint32_t> Table;
    size_t Stored = 0;
    std::vector<TOpenNode> Path;  // Path[0] is the root
    size_t Depth = 0;
  };

  // Builds the graph of the words, given as TBuilder takes them.
  void Build(const std::vector<std::string_view>& sortedWords);
  void Clear();
  bool Empty() const { return Root == kNoEdges; }

  uint32_t RootNode() const { return Root; }
  // The step along the edge with this byte; false when the node has none.
  bool Follow(uint32_t node, unsigned char label, TStep& step) const;
  // Whether the bytes are one of the words.
  bool Contains(std::string_view word) const;

  // The edges of a node, in ascending byte order: Label(e), StepOf(e), and
  // IsLastEdge(e) on the last one.
  unsigned char Label(uint32_t edge) const { return Labels[edge]; }
  TStep StepOf(uint32_t edge) const {
    return {Targets[edge] & kTargetMask, (Targets[edge] & kWordBit) != 0};
  }
  bool IsLastEdge(uint32_t edge) const { return (Targets[edge] & kLastBit) != 0; }

  // The bytes the graph holds in memory.
  size_t MemoryBytes() const;

 private:
  static constexpr uint32_t kWordBit = 0x80000000u;
  static constexpr uint32_t kLastBit = 0x40000000u;
  static constexpr uint32_t kTargetMask = 0x3FFFFFFFu;

  // Edge 0 is unused, so that node 0 can stand for no edges. Each edge is its
  // byte and its target node with the word and last-edge flags.
  std::vector<unsigned char> Labels;
  std::vector<uint32_t> Targets;
  uint32_t Root = kNoEdges;
};
