// The suffix automaton of a line-id range, built online, with its
// transitions in one hash table shared by all states.
#include "viewers/run_automaton.h"

#include <algorithm>
#include <bit>

namespace plumora {

namespace {

std::uint64_t EdgeKey(std::int32_t state, std::int32_t symbol) {
    return (std::uint64_t(std::uint32_t(state)) << 32) | std::uint32_t(symbol);
}

}  // namespace

void TRunAutomaton::Build(std::span<const std::int32_t> text) {
    const std::size_t m = text.size();
    // An automaton of m symbols has at most 2m states and 3m edges.
    const std::size_t maxStates = 2 * m + 2;
    const std::size_t maxEdges = 3 * m + 4;
    if (stateLength_.size() < maxStates) {
        stateLength_.resize(maxStates);
        stateLink_.resize(maxStates);
        stateFirstEnd_.resize(maxStates);
        stateEdges_.resize(maxStates);
    }
    if (edgeSymbol_.size() < maxEdges) {
        edgeSymbol_.resize(maxEdges);
        edgeTarget_.resize(maxEdges);
        edgeNext_.resize(maxEdges);
    }
    // Sized to this text, at most half full, so small texts stay in cache.
    const std::size_t slots = std::bit_ceil(2 * maxEdges);
    if (slotKey_.size() < slots) {
        slotKey_.resize(slots);
        slotEdge_.resize(slots);
        slotGeneration_.resize(slots, 0);
    }
    slotMask_ = slots - 1;
    slotShift_ = 64 - std::countr_zero(slots);
    if (++generation_ == 0) {
        std::fill(slotGeneration_.begin(), slotGeneration_.end(), 0u);
        generation_ = 1;
    }
    states_ = 0;
    edges_ = 0;
    last_ = NewState(0, -1);
    stateLink_[last_] = -1;
    for (std::size_t j = 0; j < m; ++j) Extend(text[j], static_cast<std::int32_t>(j));
}

// The walk keeps, at each pattern position, the longest run ending there
// that the text contains. The state reached holds every text occurrence of
// that run, and its first end gives the first start.
TRunAutomaton::TShared TRunAutomaton::LongestShared(std::span<const std::int32_t> pattern,
                                                    std::int32_t enough) const {
    TShared best;
    std::int32_t bestEnd = 0, bestState = 0;
    std::int32_t state = 0, length = 0;
    const std::int32_t count = static_cast<std::int32_t>(pattern.size());
    for (std::int32_t a = 0; a < count && best.Length < enough; ++a) {
        const std::int32_t symbol = pattern[a];
        std::int32_t edge = FindEdge(state, symbol);
        while (edge < 0 && state != 0) {
            state = stateLink_[state];
            length = stateLength_[state];
            edge = FindEdge(state, symbol);
        }
        if (edge < 0) {
            length = 0;
            continue;
        }
        state = edgeTarget_[edge];
        ++length;
        if (length > best.Length) {
            best.Length = length;
            bestEnd = a;
            bestState = state;
        }
    }
    if (best.Length > 0) {
        best.PatternStart = bestEnd - best.Length + 1;
        best.TextStart = stateFirstEnd_[bestState] - best.Length + 1;
    }
    return best;
}

std::int32_t TRunAutomaton::NewState(std::int32_t length, std::int32_t firstEnd) {
    const std::int32_t s = states_++;
    stateLength_[s] = length;
    stateLink_[s] = 0;
    stateFirstEnd_[s] = firstEnd;
    stateEdges_[s] = -1;
    return s;
}

void TRunAutomaton::Extend(std::int32_t symbol, std::int32_t position) {
    const std::int32_t cur = NewState(stateLength_[last_] + 1, position);
    std::int32_t p = last_;
    while (p >= 0 && FindEdge(p, symbol) < 0) {
        AddEdge(p, symbol, cur);
        p = stateLink_[p];
    }
    if (p >= 0) {
        const std::int32_t q = edgeTarget_[FindEdge(p, symbol)];
        if (stateLength_[p] + 1 == stateLength_[q]) {
            stateLink_[cur] = q;
        } else {
            // Split q: the shorter strings move to a clone that keeps q's
            // first end, since they occur wherever q's strings do.
            const std::int32_t clone = NewState(stateLength_[p] + 1, stateFirstEnd_[q]);
            stateLink_[clone] = stateLink_[q];
            for (std::int32_t e = stateEdges_[q]; e >= 0; e = edgeNext_[e])
                AddEdge(clone, edgeSymbol_[e], edgeTarget_[e]);
            for (; p >= 0; p = stateLink_[p]) {
                const std::int32_t e = FindEdge(p, symbol);
                if (edgeTarget_[e] != q) break;
                edgeTarget_[e] = clone;
            }
            stateLink_[q] = clone;
            stateLink_[cur] = clone;
        }
    }
    last_ = cur;
}

std::size_t TRunAutomaton::Slot(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> slotShift_);
}

std::int32_t TRunAutomaton::FindEdge(std::int32_t state, std::int32_t symbol) const {
    const std::uint64_t key = EdgeKey(state, symbol);
    for (std::size_t i = Slot(key);; i = (i + 1) & slotMask_) {
        if (slotGeneration_[i] != generation_) return -1;
        if (slotKey_[i] == key) return slotEdge_[i];
    }
}

void TRunAutomaton::AddEdge(std::int32_t state, std::int32_t symbol, std::int32_t target) {
    const std::int32_t e = edges_++;
    edgeSymbol_[e] = symbol;
    edgeTarget_[e] = target;
    edgeNext_[e] = stateEdges_[state];
    stateEdges_[state] = e;
    const std::uint64_t key = EdgeKey(state, symbol);
    std::size_t i = Slot(key);
    while (slotGeneration_[i] == generation_) i = (i + 1) & slotMask_;
    slotGeneration_[i] = generation_;
    slotKey_[i] = key;
    slotEdge_[i] = e;
}

}  // namespace plumora
