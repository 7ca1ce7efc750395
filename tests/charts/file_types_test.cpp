// The file-type tally: which text is an extension, and how extensions that
// differ only in case are merged and ordered.
#include "charts/file_types.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace plumora {
namespace {

TEST(FileTypes, ExtensionIsTheTextFromTheLastFullStop) {
    const std::pair<const char*, const char*> cases[] = {
        {"Main.frm", ".frm"},        {"A.B.BAS", ".BAS"},         {"NOEXT", ""},
        {"", ""},                    {"trailing.", "."},          {".hidden", ".hidden"},
        {"dir.v2\\NOEXT", ""},       {"dir.v2/NOEXT", ""},        {"C:NAME", ""},
        {"C:.\\x.Cls", ".Cls"},      {"a.b:c", ""},               {"x.y\\z.ctl", ".ctl"},
    };
    for (const auto& [name, extension] : cases) {
        EXPECT_EQ(ChartExtension(name), extension) << name;
    }
}

std::vector<std::pair<std::string, std::int64_t>> Tally(const std::vector<std::string>& adds) {
    TExtensionTally tally;
    for (const std::string& e : adds) tally.Add(e);
    std::vector<std::pair<std::string, std::int64_t>> out;
    for (const auto& [extension, counter] : tally.Entries()) out.emplace_back(extension, counter.Value);
    return out;
}

TEST(FileTypes, CaseBlindWithTheFirstSpellingAsLabel) {
    using Row = std::pair<std::string, std::int64_t>;
    EXPECT_EQ(Tally({".frm", ".FRM"}), (std::vector<Row>{{".frm", 2}}));
    EXPECT_EQ(Tally({".FRM", ".frm", ".Frm"}), (std::vector<Row>{{".FRM", 3}}));
    EXPECT_EQ(Tally({".frm", ".BAS", ".cls", ".bas", ".Ctl", ".CLS", ".BAS"}),
              (std::vector<Row>{{".BAS", 3}, {".cls", 2}, {".Ctl", 1}, {".frm", 1}}));
    // Files without an extension form their own slice, sorted first.
    EXPECT_EQ(Tally({".bas", "", ""}), (std::vector<Row>{{"", 2}, {".bas", 1}}));
    EXPECT_TRUE(Tally({}).empty());
}

TEST(FileTypes, OrderIgnoresCaseEvenAcrossPunctuation) {
    // Folding to lower case keeps "_" before every letter, whatever their case.
    using Row = std::pair<std::string, std::int64_t>;
    EXPECT_EQ(Tally({".B", ".a", "._x", ".C"}),
              (std::vector<Row>{{"._x", 1}, {".a", 1}, {".B", 1}, {".C", 1}}));
}

}  // namespace
}  // namespace plumora
