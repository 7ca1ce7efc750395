// A suffix automaton over a range of line ids: it accepts every run of
// consecutive lines of that range, which finds the longest run shared with
// another range in time proportional to the two lengths.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace plumora {

class TRunAutomaton {
public:
    // Replaces the automaton with one for `text`. Buffers are kept between
    // builds, so repeated builds allocate only when a text is the longest yet.
    void Build(std::span<const std::int32_t> text);

    struct TShared {
        std::int32_t PatternStart = 0;
        std::int32_t TextStart = 0;
        std::int32_t Length = 0;  // 0 when nothing is shared
    };

    // The longest run of `pattern` that also occurs in the built text: the
    // one that ends first in the pattern, at its first place in the text.
    // The walk stops once a run of `enough` lines is found.
    TShared LongestShared(std::span<const std::int32_t> pattern, std::int32_t enough) const;

private:
    void Extend(std::int32_t symbol, std::int32_t position);
    std::int32_t NewState(std::int32_t length, std::int32_t firstEnd);
    std::int32_t FindEdge(std::int32_t state, std::int32_t symbol) const;
    void AddEdge(std::int32_t state, std::int32_t symbol, std::int32_t target);
    std::size_t Slot(std::uint64_t key) const;

    // States: longest length, suffix link, first end position in the text,
    // first outgoing edge.
    std::vector<std::int32_t> stateLength_, stateLink_, stateFirstEnd_, stateEdges_;
    std::int32_t states_ = 0;
    std::int32_t last_ = 0;
    // Edges: symbol, target, next edge of the same state.
    std::vector<std::int32_t> edgeSymbol_, edgeTarget_, edgeNext_;
    std::int32_t edges_ = 0;
    // Open-addressed table from (state, symbol) to edge. A slot is in use only
    // when it carries the current generation, so a build clears nothing.
    std::vector<std::uint64_t> slotKey_;
    std::vector<std::int32_t> slotEdge_;
    std::vector<std::uint32_t> slotGeneration_;
    std::uint32_t generation_ = 0;
    std::size_t slotMask_ = 0;
    int slotShift_ = 64;
};

}  // namespace plumora
