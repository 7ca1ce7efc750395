// TVisDiff as the viewers use it: rows and colours in two line views.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/scripted_hosts.h"
#include "viewers/reference_diff.h"
#include "viewers/vis_diff.h"

namespace plumora {
namespace {

using testing::RecordingSink;
using Lines = std::vector<std::string>;

struct Compared {
    RecordingSink Left, Right;
};

// Rows written as "kind left|right": M matched, C changed, D deleted,
// I inserted; the kind is read back from the colours of the row.
std::vector<std::string> RowsOf(const Compared& c) {
    std::vector<std::string> rows;
    for (std::size_t k = 0; k < c.Left.Lines.size(); ++k) {
        const auto& l = c.Left.Lines[k];
        const auto& r = c.Right.Lines[k];
        std::string kind = "?";
        if (l.Back == TColor::SystemWindow() && r.Back == TColor::SystemWindow()) kind = "M";
        else if (l.Back == kDiffYellow && r.Back == kDiffYellow) kind = "C";
        else if (r.Back == kDiffSilver) kind = "D";
        else if (l.Back == kDiffSilver) kind = "I";
        rows.push_back(kind + " " + l.Text + "|" + r.Text);
    }
    return rows;
}

Compared Compare(const Lines& left, const Lines& right) {
    Compared c;
    TVisDiff diff;
    diff.LeftView = &c.Left;
    diff.RightView = &c.Right;
    diff.CompareLists(left, right);
    return c;
}

struct RowCase {
    const char* Name;
    Lines Left, Right;
    std::vector<std::string> Rows;
};

TEST(VisDiff, RowsForTheClassicCases) {
    const std::vector<RowCase> cases = {
        {"identical", {"P", "Q"}, {"P", "Q"}, {"M P|P", "M Q|Q"}},
        {"empty left", {}, {"A", "B"}, {"I |A", "I |B"}},
        {"empty right", {"A", "B"}, {}, {"D A|", "D B|"}},
        {"both empty", {}, {}, {}},
        {"changed middle", {"P", "Q", "R"}, {"P", "X", "R"}, {"M P|P", "C Q|X", "M R|R"}},
        {"deleted middle", {"P", "Q", "R"}, {"P", "R"}, {"M P|P", "D Q|", "M R|R"}},
        {"inserted middle", {"P", "R"}, {"P", "Q", "R"}, {"M P|P", "I |Q", "M R|R"}},
        {"swapped pair", {"P", "Q"}, {"Q", "P"}, {"I |Q", "M P|P", "D Q|"}},
        {"case differs", {"End If"}, {"end if"}, {"C End If|end if"}},
        {"trailing blank differs", {"x = 1"}, {"x = 1 "}, {"C x = 1|x = 1 "}},
        {"tab is not blanks", {"\tx"}, {"    x"}, {"C \tx|    x"}},
        {"empty line is a line", {"", "A"}, {"A"}, {"D |", "M A|A"}},
        {"more changed on left", {"A", "x", "y", "z", "B"}, {"A", "q", "B"},
         {"M A|A", "C x|q", "D y|", "D z|", "M B|B"}},
        {"more changed on right", {"A", "x", "B"}, {"A", "q", "r", "B"},
         {"M A|A", "C x|q", "I |r", "M B|B"}},
        // Two runs of two: the one starting first on the left wins.
        {"tie goes to lower left", {"A", "B", "C", "D"}, {"C", "D", "A", "B"},
         {"I |C", "I |D", "M A|A", "M B|B", "D C|", "D D|"}},
        // One left start, two equal right starts: the earlier right one wins.
        {"tie goes to lower right", {"A", "B"}, {"A", "B", "A", "B"},
         {"M A|A", "M B|B", "I |A", "I |B"}},
        // The longer run wins even when it starts later.
        {"longest run first", {"A", "B", "C", "A"}, {"A", "X", "B", "C"},
         {"M A|A", "I |X", "M B|B", "M C|C", "D A|"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(RowsOf(Compare(c.Left, c.Right)), c.Rows);
    }
}

TEST(VisDiff, ColoursOfEachRowKind) {
    const Compared c = Compare({"same", "old", "gone"}, {"same", "new"});
    // Rows: Matched same, Changed old/new, Deleted gone.
    ASSERT_EQ(c.Left.Lines.size(), 3u);
    const TColor black = TColor::FromRgb(0, 0, 0);
    const TColor yellow = TColor::FromRgb(255, 255, 0);
    const TColor blue = TColor::FromRgb(0, 0, 255);
    const TColor silver = TColor::FromRgb(192, 192, 192);
    EXPECT_EQ(c.Left.Lines[0], (testing::RecordedLine{"same", black, TColor::SystemWindow()}));
    EXPECT_EQ(c.Right.Lines[0], (testing::RecordedLine{"same", black, TColor::SystemWindow()}));
    EXPECT_EQ(c.Left.Lines[1], (testing::RecordedLine{"old", black, yellow}));
    EXPECT_EQ(c.Right.Lines[1], (testing::RecordedLine{"new", black, yellow}));
    EXPECT_EQ(c.Left.Lines[2], (testing::RecordedLine{"gone", blue, yellow}));
    EXPECT_EQ(c.Right.Lines[2].Text, "");
    EXPECT_EQ(c.Right.Lines[2].Back, silver);

    const Compared ins = Compare({}, {"added"});
    EXPECT_EQ(ins.Left.Lines[0].Text, "");
    EXPECT_EQ(ins.Left.Lines[0].Back, silver);
    EXPECT_EQ(ins.Right.Lines[0], (testing::RecordedLine{"added", blue, yellow}));
}

TEST(VisDiff, ViewsAreClearedFirstAndRefreshedOnce) {
    RecordingSink left, right;
    left.AppendLine("stale", {}, {});
    TVisDiff diff;
    diff.LeftView = &left;
    diff.RightView = &right;
    diff.CompareLists({"a"}, {"a"});
    EXPECT_EQ(left.Clears, 1);
    EXPECT_EQ(right.Clears, 1);
    ASSERT_EQ(left.Lines.size(), 1u);
    EXPECT_EQ(left.Lines[0].Text, "a");
    EXPECT_EQ(left.Refreshes, 1);
    EXPECT_EQ(right.Refreshes, 1);
}

TEST(VisDiff, DoesNothingWithoutBothViews) {
    RecordingSink only;
    testing::ScriptedCommandHost host;
    TVisDiff diff;
    diff.Host = &host;
    diff.LeftView = &only;
    diff.CompareLists({"a"}, {"b"});
    diff.LeftView = nullptr;
    diff.RightView = &only;
    diff.CompareLists({"a"}, {"b"});
    EXPECT_EQ(only.Clears, 0);
    EXPECT_TRUE(only.Lines.empty());
    EXPECT_TRUE(host.HourglassChanges.empty());
}

class ThrowingSink : public RecordingSink {
public:
    void AppendLine(const std::string&, TColor, TColor) override {
        throw std::bad_alloc();
    }
};

TEST(VisDiff, HourglassIsShownAndRestoredEvenWhenAViewFails) {
    testing::ScriptedCommandHost host;
    RecordingSink left, right;
    TVisDiff diff;
    diff.Host = &host;
    diff.LeftView = &left;
    diff.RightView = &right;
    diff.CompareLists({"a"}, {"b"});
    EXPECT_EQ(host.HourglassChanges, (std::vector<bool>{true, false}));

    ThrowingSink failing;
    diff.RightView = &failing;
    EXPECT_THROW(diff.CompareLists({"a"}, {"b"}), std::bad_alloc);
    EXPECT_FALSE(host.HourglassOn);
}

}  // namespace
}  // namespace plumora
