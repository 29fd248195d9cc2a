#include "game/WordGraph.h"

#include "Libraries/Error/FunctionScope.h"

// The graph is built in one pass over the sorted words. The nodes along the
// last word stay open; when the next word leaves that path, the nodes below
// the shared beginning are final and each is either found among the nodes
// already stored (an equal node: same bytes to the same targets) or stored.
TWordGraph::TBuilder::TBuilder(TWordGraph& graph) : Graph(graph) {
  Graph.Clear();
  Graph.Labels.assign(1, 0);
  Graph.Targets.assign(1, 0);
  Table.assign(1024, kNoEdges);
  Path.resize(1);
}

void TWordGraph::TBuilder::Add(std::string_view word) {
  size_t shared = 0;
  while (shared < Depth && shared < word.size() &&
         Path[shared + 1].Label == static_cast<unsigned char>(word[shared])) {
    ++shared;
  }
  CloseDownTo(shared);
  if (Path.size() <= word.size()) {
    Path.resize(word.size() + 1);
  }
  for (size_t depth = shared + 1; depth <= word.size(); ++depth) {
    Path[depth].Label = static_cast<unsigned char>(word[depth - 1]);
    Path[depth].IsWord = depth == word.size();
    Path[depth].Edges.clear();
  }
  Depth = word.size();
}

void TWordGraph::TBuilder::Finish() {
  CloseDownTo(0);
  Graph.Root = Store(Path[0].Edges);
  Graph.Labels.shrink_to_fit();
  Graph.Targets.shrink_to_fit();
}

void TWordGraph::TBuilder::CloseDownTo(size_t depth) {
  for (; Depth > depth; --Depth) {
    TOpenNode& node = Path[Depth];
    Path[Depth - 1].Edges.push_back({node.Label, node.IsWord, Store(node.Edges)});
  }
}

uint64_t TWordGraph::TBuilder::HashOf(const std::vector<TEdge>& edges) {
  uint64_t hash = edges.size();
  for (const TEdge& edge : edges) {
    hash = (hash ^ (uint64_t{edge.Target} << 9 | uint64_t{edge.IsWord} << 8 | edge.Label)) *
           0x9E3779B97F4A7C15ull;
    hash ^= hash >> 31;
  }
  return hash;
}

bool TWordGraph::TBuilder::Equal(uint32_t node, const std::vector<TEdge>& edges) const {
  for (size_t i = 0; i < edges.size(); ++i) {
    const uint32_t e = node + static_cast<uint32_t>(i);
    const TStep step = Graph.StepOf(e);
    if (Graph.Label(e) != edges[i].Label || step.Node != edges[i].Target ||
        step.IsWord != edges[i].IsWord || Graph.IsLastEdge(e) != (i + 1 == edges.size())) {
      return false;
    }
  }
  return true;
}

// The node with these edges: an equal stored one, or a new one.
uint32_t TWordGraph::TBuilder::Store(const std::vector<TEdge>& edges) {
  if (edges.empty()) {
    return kNoEdges;
  }
  const size_t mask = Table.size() - 1;
  size_t slot = HashOf(edges) & mask;
  for (; Table[slot] != kNoEdges; slot = (slot + 1) & mask) {
    if (Equal(Table[slot], edges)) {
      return Table[slot];
    }
  }
  const size_t node = Graph.Targets.size();
  if (node + edges.size() > kTargetMask) {
    Raise("The words list is too large for word suggestions.");
  }
  for (size_t i = 0; i < edges.size(); ++i) {
    Graph.Labels.push_back(edges[i].Label);
    Graph.Targets.push_back(edges[i].Target | (edges[i].IsWord ? kWordBit : 0) |
                            (i + 1 == edges.size() ? kLastBit : 0));
  }
  Table[slot] = static_cast<uint32_t>(node);
  if (++Stored * 4 > Table.size() * 3) {
    Grow();
  }
  return static_cast<uint32_t>(node);
}

void TWordGraph::TBuilder::Grow() {
  std::vector<uint32_t> old = std::move(Table);
  Table.assign(old.size() * 2, kNoEdges);
  const size_t mask = Table.size() - 1;
  std::vector<TEdge> edges;
  for (const uint32_t node : old) {
    if (node == kNoEdges) {
      continue;
    }
    edges.clear();
    for (uint32_t e = node;; ++e) {
      const TStep step = Graph.StepOf(e);
      edges.push_back({Graph.Label(e), step.IsWord, step.Node});
      if (Graph.IsLastEdge(e)) {
        break;
      }
    }
    size_t slot = HashOf(edges) & mask;
    while (Table[slot] != kNoEdges) {
      slot = (slot + 1) & mask;
    }
    Table[slot] = node;
  }
}

void TWordGraph::Build(const std::vector<std::string_view>& sortedWords) {
  TBuilder builder(*this);
  for (const std::string_view word : sortedWords) {
    builder.Add(word);
  }
  builder.Finish();
}

void TWordGraph::Clear() {
  Labels.clear();
  Targets.clear();
  Labels.shrink_to_fit();
  Targets.shrink_to_fit();
  Root = kNoEdges;
}

bool TWordGraph::Follow(uint32_t node, unsigned char label, TStep& step) const {
  if (node == kNoEdges) {
    return false;
  }
  for (uint32_t e = node;; ++e) {
    if (Labels[e] == label) {
      step = StepOf(e);
      return true;
    }
    if (Labels[e] > label || IsLastEdge(e)) {
      return false;
    }
  }
}

bool TWordGraph::Contains(std::string_view word) const {
  TStep step{Root, false};
  for (const char letter : word) {
    if (!Follow(step.Node, static_cast<unsigned char>(letter), step)) {
      return false;
    }
  }
  return !word.empty() && step.IsWord;
}

size_t TWordGraph::MemoryBytes() const {
  return Labels.capacity() * sizeof(unsigned char) + Targets.capacity() * sizeof(uint32_t);
}
