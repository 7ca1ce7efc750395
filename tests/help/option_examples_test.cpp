// The examples of the help: each one shows its option at work (the styled
// samples differ from value to value), and every option that changes code
// has one.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "help/option_examples.h"
#include "help/option_pages.h"
#include "settings/option_catalogue.h"

namespace plumora {
namespace {

TEST(OptionExamples, EveryValueShownStylesTheSampleDifferently) {
    for (const OptionDef& d : OptionCatalogue()) {
        const std::optional<TOptionExample> example = OptionExample(d.Id);
        if (!example) continue;
        SCOPED_TRACE(d.Key);
        ASSERT_GE(example->Columns.size(), 2u);
        for (std::size_t i = 0; i < example->Columns.size(); ++i) {
            for (std::size_t j = i + 1; j < example->Columns.size(); ++j) {
                EXPECT_NE(example->Columns[i].Styled, example->Columns[j].Styled)
                    << example->Columns[i].Caption << " and " << example->Columns[j].Caption
                    << " style the sample alike:\n" << example->Columns[i].Styled;
            }
            EXPECT_FALSE(example->Columns[i].Caption.empty());
        }
    }
}

TEST(OptionExamples, OnlyOptionsThatLeaveTheCodeAloneHaveNone) {
    const std::set<std::string> without = {
        "PreviewBeforeSaving", "SubLevelCommentsFile", "FunctionLevelCommentsFile",
        "SpellingPerform",     "SpellingComments",     "SpellingLiterals",
        "BackupNewCodeDirectory", "BackupOnlyNewFiles", "BackupMAKFiles",
        "BackupAllFiles",      "CreateLog",            "UserCompany"};
    for (const OptionDef& d : OptionCatalogue())
        EXPECT_EQ(OptionExample(d.Id).has_value(), !without.count(d.Key)) << d.Key;
}

TEST(OptionExamples, AnExampleShowsWhatItNeedsAndTheRealTemplate) {
    const std::optional<TOptionExample> before = OptionExample(Opt::SubLevelCommentsBeforeProcedure);
    ASSERT_TRUE(before);
    ASSERT_EQ(before->Needs.size(), 1u);
    EXPECT_EQ(before->Needs[0], "Insert sub level comments: On");
    // On: the header above the Sub line; off: below it.
    EXPECT_EQ(before->Columns[1].Styled.find("Private Sub ShowTotal()") >
                  before->Columns[1].Styled.find("10/31/1997"),
              true);
    EXPECT_EQ(before->Columns[0].Styled.rfind("Private Sub ShowTotal()", 0), 0u);

    const std::optional<TOptionExample> user = OptionExample(Opt::UserName);
    ASSERT_TRUE(user);
    EXPECT_NE(user->Columns[1].Styled.find("Jane Smith"), std::string::npos);
}

TEST(OptionPages, ExamplesAreShownAsEscapedCode) {
    const std::string general = OptionPageTable(11);
    EXPECT_NE(general.find("<pre>Dim i As Integer\nDim sName As String</pre>"), std::string::npos);
    EXPECT_NE(OptionPageTable(29).find("&quot;Total&quot;"), std::string::npos);
    EXPECT_EQ(OptionPageTable(29).find("\"Total\""), std::string::npos);
}

}  // namespace
}  // namespace plumora
