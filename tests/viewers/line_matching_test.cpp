// The fast matching against the literal reference: identical partners and
// identical coloured rows on random and adversarial texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "viewers/diff_rows.h"
#include "viewers/line_matching.h"
#include "viewers/vis_diff.h"
#include "viewers/reference_diff.h"

namespace plumora {
namespace {

using testing::RecordingSink;
using testing::ReferenceDiff;
using Lines = std::vector<std::string>;

std::vector<int> Partners(const std::vector<TDiffObject>& side) {
    std::vector<int> out;
    for (const auto& o : side) out.push_back(o.Partner);
    return out;
}

// The lines that random texts are made of: look-alikes included, since case
// and trailing blanks must keep lines apart.
const Lines kVocabulary = {"",       "End If", "end if", "End If ", "End Sub", "\tx = 1",
                           "x = 1",  "Next",   "Else",   " ",       "Dim a",   "Dim b"};

class TextMaker {
public:
    explicit TextMaker(unsigned seed) : rng_(seed) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    Lines Random(int length, int alphabet) {
        Lines out;
        for (int k = 0; k < length; ++k) out.push_back(kVocabulary[Int(0, alphabet - 1)]);
        return out;
    }

    // A copy with a few lines deleted, inserted or replaced.
    Lines Edited(Lines text, int edits, int alphabet) {
        for (int e = 0; e < edits; ++e) {
            const int kind = Int(0, 2);
            const int at = Int(0, int(text.size()));
            const std::string line = kVocabulary[Int(0, alphabet - 1)];
            if (kind == 0 && at < int(text.size())) text.erase(text.begin() + at);
            else if (kind == 1) text.insert(text.begin() + at, line);
            else if (at < int(text.size())) text[at] = line;
        }
        return text;
    }

    Lines Pair(Lines text) { return text; }

    Lines Shuffled(Lines text) {
        std::shuffle(text.begin(), text.end(), rng_);
        return text;
    }

private:
    std::mt19937 rng_;
};

// Checks one pair of texts with every search method: the same partners as
// the reference and the same rows in both views, colours included.
void ExpectSameAsReference(const Lines& left, const Lines& right) {
    const ReferenceDiff reference(left, right);
    RecordingSink refLeft, refRight;
    reference.Display(refLeft, refRight);

    for (TRunSearch method : {TRunSearch::Auto, TRunSearch::Table, TRunSearch::Automaton, TRunSearch::ProbeThenAutomaton}) {
        SCOPED_TRACE("method " + std::to_string(int(method)));
        const TDiffMatching matching = MatchLines(left, right, method);
        ASSERT_EQ(Partners(matching.Left), reference.LeftPartners());
        ASSERT_EQ(Partners(matching.Right), reference.RightPartners());

        RecordingSink leftView, rightView;
        TVisDiff diff;
        diff.LeftView = &leftView;
        diff.RightView = &rightView;
        diff.DisplayOptimalDiff(left, right, LayOutRows(matching));
        ASSERT_EQ(leftView.Lines, refLeft.Lines);
        ASSERT_EQ(rightView.Lines, refRight.Lines);
    }
}

std::string Describe(const Lines& text) {
    std::string out;
    for (const auto& line : text) out += "[" + line + "]";
    return out;
}

TEST(LineMatching, RandomTextsMatchTheReference) {
    TextMaker make(20240611);
    for (int round = 0; round < 3000; ++round) {
        const int alphabet = std::vector<int>{1, 2, 3, 4, 6, 12}[round % 6];
        const Lines left = make.Random(make.Int(0, 40), alphabet);
        Lines right;
        switch (round % 4) {
            case 0: right = make.Random(make.Int(0, 40), alphabet); break;
            case 1: right = make.Edited(left, make.Int(1, 6), alphabet); break;
            case 2: right = make.Shuffled(left); break;
            default: right = Lines(left.rbegin(), left.rend()); break;
        }
        SCOPED_TRACE("left " + Describe(left) + "\nright " + Describe(right));
        ExpectSameAsReference(left, right);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(LineMatching, RepetitiveTextsMatchTheReference) {
    TextMaker make(7);
    std::vector<std::pair<Lines, Lines>> cases;
    for (int n = 0; n <= 12; ++n) {
        for (int m = 0; m <= 12; ++m) cases.push_back({Lines(n, ""), Lines(m, "")});
    }
    // Periodic texts against shifted or interrupted copies of themselves.
    for (int period = 1; period <= 4; ++period) {
        Lines left;
        for (int k = 0; k < 30; ++k) left.push_back(kVocabulary[k % period]);
        Lines interrupted = left;
        for (std::size_t k = 5; k < interrupted.size(); k += 7) interrupted[k] = "Dim a";
        cases.push_back({left, interrupted});
        cases.push_back({interrupted, left});
        cases.push_back({left, Lines(left.begin() + 1, left.end())});
    }
    // Blank blocks of growing length, so the longest run sits at the end.
    Lines growing, blanks(40, "");
    for (int len = 1; len <= 7; ++len) {
        growing.insert(growing.end(), len, "");
        growing.push_back("Next");
    }
    cases.push_back({blanks, growing});
    cases.push_back({growing, blanks});
    for (int k = 0; k < 200; ++k) {
        const Lines left = make.Random(make.Int(20, 60), make.Int(1, 2));
        cases.push_back({left, make.Edited(left, make.Int(1, 10), 2)});
    }
    for (const auto& [left, right] : cases) {
        SCOPED_TRACE("left " + Describe(left) + "\nright " + Describe(right));
        ExpectSameAsReference(left, right);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

// The reference is too slow for big texts; the plain table is checked
// against it above, so the automaton is checked against the table here.
TEST(LineMatching, AutomatonAgreesWithTableOnLargerTexts) {
    TextMaker make(99);
    for (int round = 0; round < 40; ++round) {
        const int alphabet = std::vector<int>{1, 2, 3, 12}[round % 4];
        const Lines left = make.Random(make.Int(100, 400), alphabet);
        const Lines right = round % 2 ? make.Edited(left, make.Int(1, 40), alphabet)
                                      : make.Random(make.Int(100, 400), alphabet);
        const TDiffMatching table = MatchLines(left, right, TRunSearch::Table);
        const TDiffMatching automaton = MatchLines(left, right, TRunSearch::Automaton);
        ASSERT_EQ(Partners(table.Left), Partners(automaton.Left)) << "round " << round;
        ASSERT_EQ(Partners(table.Right), Partners(automaton.Right)) << "round " << round;
    }
}

// Brute force over one pair of ranges: longest run, lowest left, lowest right.
std::optional<TRun> BruteLongestRun(const std::vector<std::int32_t>& l,
                                    const std::vector<std::int32_t>& r, int lo1, int hi1, int lo2,
                                    int hi2) {
    std::optional<TRun> best;
    for (int a = lo1; a < hi1; ++a) {
        for (int j = lo2; j < hi2; ++j) {
            int g = 0;
            while (a + g < hi1 && j + g < hi2 && l[a + g] == r[j + g]) ++g;
            if (g > 0 && (!best || g > best->Length)) best = TRun{a, j, g};
        }
    }
    return best;
}

TEST(LongestRun, SubrangesMatchBruteForce) {
    std::mt19937 rng(5);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 500; ++round) {
        const int alphabet = pick(1, 4);
        std::vector<std::int32_t> l(pick(0, 50)), r(pick(0, 50));
        for (auto& x : l) x = pick(0, alphabet - 1);
        for (auto& x : r) x = pick(0, alphabet - 1);
        for (TRunSearch method : {TRunSearch::Table, TRunSearch::Automaton, TRunSearch::ProbeThenAutomaton}) {
            TLongestRunFinder finder(l, r, method);
            // Several searches on one finder, as the matching does.
            for (int q = 0; q < 5; ++q) {
                const int lo1 = pick(0, int(l.size())), hi1 = pick(lo1, int(l.size()));
                const int lo2 = pick(0, int(r.size())), hi2 = pick(lo2, int(r.size()));
                ASSERT_EQ(finder.FindLongestRun(lo1, hi1, lo2, hi2),
                          BruteLongestRun(l, r, lo1, hi1, lo2, hi2))
                    << "round " << round << " ranges " << lo1 << "," << hi1 << " " << lo2 << ","
                    << hi2;
            }
        }
    }
}

TEST(LineMatching, MatchesAreEqualLinesThatNeverCross) {
    TextMaker make(3);
    for (int round = 0; round < 30; ++round) {
        const Lines left = make.Random(make.Int(500, 2000), make.Int(1, 12));
        const Lines right = make.Edited(left, make.Int(0, 300), 12);
        const TDiffMatching m = MatchLines(left, right);
        int lastRight = -1;
        for (std::size_t i = 0; i < left.size(); ++i) {
            const int p = m.Left[i].Partner;
            if (p < 0) continue;
            ASSERT_GT(p, lastRight);
            ASSERT_EQ(left[i], right[p]);
            ASSERT_EQ(m.Right[p].Partner, int(i));
            lastRight = p;
        }
        const auto rows = LayOutRows(m);
        Lines leftColumn, rightColumn;
        for (const auto& row : rows) {
            if (row.Left >= 0) leftColumn.push_back(left[row.Left]);
            if (row.Right >= 0) rightColumn.push_back(right[row.Right]);
        }
        ASSERT_EQ(leftColumn, left);
        ASSERT_EQ(rightColumn, right);
    }
}

// Deeply fragmented texts: one short run per level would nest tens of
// thousands of calls if the splitting recursed.
TEST(LineMatching, FragmentedTextsDoNotExhaustTheStack) {
    Lines left(40000, "x"), right;
    for (int k = 0; k < 40000; ++k) right.push_back(k % 2 ? "x" : "y");
    const TDiffMatching m = MatchLines(left, right);
    EXPECT_EQ(m.Left[0].Partner, 1);
    EXPECT_EQ(m.Left[19999].Partner, 39999);
    EXPECT_EQ(m.Left[20000].Partner, -1);
}

}  // namespace
}  // namespace plumora
