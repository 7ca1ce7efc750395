// Unified diffs: exact text for the usual shapes, and on random texts a
// diff that, applied to the old text, gives back the new one.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "viewers/unified_diff.h"

namespace plumora {
namespace {

using Lines = std::vector<std::string>;

Lines Numbered(int count) {
    Lines out;
    for (int k = 1; k <= count; ++k) out.push_back("line " + std::to_string(k));
    return out;
}

struct UnifiedCase {
    const char* Name;
    Lines Old, New;
    std::string Expected;
};

TEST(UnifiedDiff, ExactTextOfTheUsualShapes) {
    Lines farApart = Numbered(20);
    farApart[1] = "changed 2";
    farApart[17] = "changed 18";
    Lines close = Numbered(20);
    close[4] = "changed 5";
    close[11] = "changed 12";  // 6 equal lines between: one hunk
    const std::vector<UnifiedCase> cases = {
        {"equal", Numbered(3), Numbered(3), ""},
        {"both empty", {}, {}, ""},
        {"empty old", {}, {"a", "b"}, "--- old\n+++ new\n@@ -0,0 +1,2 @@\n+a\n+b\n"},
        {"empty new", {"a"}, {}, "--- old\n+++ new\n@@ -1 +0,0 @@\n-a\n"},
        {"change in the middle", Numbered(9),
         {"line 1", "line 2", "line 3", "line 4", "LINE 5", "line 6", "line 7", "line 8",
          "line 9"},
         "--- old\n+++ new\n@@ -2,7 +2,7 @@\n line 2\n line 3\n line 4\n-line 5\n+LINE 5\n"
         " line 6\n line 7\n line 8\n"},
        {"insert at the start", {"b", "c"}, {"a", "b", "c"},
         "--- old\n+++ new\n@@ -1,2 +1,3 @@\n+a\n b\n c\n"},
        {"old lines before new in a block", {"x", "p", "q", "y"}, {"x", "r", "y"},
         "--- old\n+++ new\n@@ -1,4 +1,3 @@\n x\n-p\n-q\n+r\n y\n"},
        {"far apart changes make two hunks", Numbered(20), farApart,
         "--- old\n+++ new\n@@ -1,5 +1,5 @@\n line 1\n-line 2\n+changed 2\n line 3\n line 4\n"
         " line 5\n@@ -15,6 +15,6 @@\n line 15\n line 16\n line 17\n-line 18\n+changed 18\n"
         " line 19\n line 20\n"},
        {"close changes share a hunk", Numbered(20), close,
         "--- old\n+++ new\n@@ -2,14 +2,14 @@\n line 2\n line 3\n line 4\n-line 5\n+changed 5\n"
         " line 6\n line 7\n line 8\n line 9\n line 10\n line 11\n-line 12\n+changed 12\n"
         " line 13\n line 14\n line 15\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(UnifiedDiff(c.Old, c.New, "old", "new"), c.Expected);
    }
}

TEST(UnifiedDiff, SevenEqualLinesBetweenChangesSplitTheHunks) {
    Lines changed = Numbered(20);
    changed[4] = "changed 5";
    changed[12] = "changed 13";  // 7 equal lines between
    const std::string diff = UnifiedDiff(Numbered(20), changed, "a", "b");
    EXPECT_NE(diff.find("@@ -2,7 +2,7 @@"), std::string::npos) << diff;
    EXPECT_NE(diff.find("@@ -10,7 +10,7 @@"), std::string::npos) << diff;
}

TEST(UnifiedDiff, ContextCanBeNarrowed) {
    EXPECT_EQ(UnifiedDiff({"a", "b", "c"}, {"a", "x", "c"}, "o", "n", 0),
              "--- o\n+++ n\n@@ -2 +2 @@\n-b\n+x\n");
}

// Applies a unified diff to `old`, checking every context and removed line
// against the old text as it goes; fails the test on any mismatch.
Lines Apply(const Lines& old, const std::string& diff) {
    std::istringstream in(diff);
    std::string line;
    Lines out;
    std::size_t next = 0;  // next old line not yet copied
    std::getline(in, line);
    EXPECT_EQ(line.rfind("--- ", 0), 0u);
    std::getline(in, line);
    EXPECT_EQ(line.rfind("+++ ", 0), 0u);
    while (std::getline(in, line)) {
        if (line.rfind("@@ -", 0) == 0) {
            std::size_t start = std::stoul(line.substr(4));
            const std::size_t comma = line.find(',');
            const std::size_t plus = line.find(" +");
            std::size_t count = 1;
            if (comma != std::string::npos && comma < plus) count = std::stoul(line.substr(comma + 1));
            const std::size_t firstOld = count == 0 ? start : start - 1;
            EXPECT_GE(firstOld, next);
            while (next < firstOld) out.push_back(old[next++]);
            continue;
        }
        const char tag = line.empty() ? '?' : line[0];
        const std::string text = line.substr(1);
        if (tag == ' ' || tag == '-') {
            EXPECT_LT(next, old.size());
            if (next < old.size()) {
                EXPECT_EQ(old[next], text);
            }
            ++next;
            if (tag == ' ') out.push_back(text);
        } else if (tag == '+') {
            out.push_back(text);
        } else {
            ADD_FAILURE() << "bad diff line: " << line;
        }
    }
    while (next < old.size()) out.push_back(old[next++]);
    return out;
}

TEST(UnifiedDiff, AppliedToTheOldTextGivesTheNewText) {
    std::mt19937 rng(11);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const Lines words = {"", "End If", "x = 1", "Next", "Else", "End Sub"};
    for (int round = 0; round < 500; ++round) {
        Lines old;
        for (int k = pick(0, 60); k > 0; --k) old.push_back(words[pick(0, 5)]);
        Lines changed = old;
        for (int e = pick(0, 8); e > 0; --e) {
            const int at = pick(0, int(changed.size()));
            if (pick(0, 1) && at < int(changed.size())) changed.erase(changed.begin() + at);
            else changed.insert(changed.begin() + at, words[pick(0, 5)] + "!");
        }
        const int context = pick(0, 4);
        const std::string diff = UnifiedDiff(old, changed, "a", "b", context);
        if (old == changed) {
            EXPECT_EQ(diff, "");
            continue;
        }
        EXPECT_EQ(Apply(old, diff), changed) << "round " << round << "\n" << diff;
        if (HasFailure()) return;
    }
}

}  // namespace
}  // namespace plumora
