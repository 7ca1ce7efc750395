// The option catalogue: its shape (ids in order, unique keys, sane ranges)
// and spot checks of the designed defaults and captions.
#include "settings/option_catalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace plumora {
namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

TEST(OptionCatalogue, HoldsAll79OptionsInIdOrder) {
    const auto& catalogue = OptionCatalogue();
    ASSERT_EQ(catalogue.size(), 79u);
    ASSERT_EQ(kOptionCount, 79u);
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        EXPECT_EQ(catalogue[i].Id, static_cast<Opt>(i)) << catalogue[i].Key;
        EXPECT_EQ(&OptionInfo(static_cast<Opt>(i)), &catalogue[i]);
    }
}

TEST(OptionCatalogue, EveryRowIsConsistent) {
    std::set<std::string> keys;
    const std::set<std::string> sections = {
        "General",         "Indents",       "SingleLineComments", "InLineComments",
        "SubComments",     "FunctionComments", "SpecialComments", "BlankLines",
        "SpellCheck",      "BackupInformation", "UserInformation"};
    for (const OptionDef& d : OptionCatalogue()) {
        SCOPED_TRACE(d.Key);
        EXPECT_TRUE(sections.count(d.Section));
        EXPECT_TRUE(keys.insert(Lower(d.Section) + "/" + Lower(d.Key)).second) << "duplicate key";
        ASSERT_NE(d.Caption, nullptr);
        ASSERT_NE(d.Box, nullptr);
        ASSERT_NE(d.Label, nullptr);
        ASSERT_NE(d.Help, nullptr);
        EXPECT_GT(std::strlen(d.Help), 0u);
        EXPECT_GT(std::strlen(d.Caption) + std::strlen(d.Label), 0u) << "nothing to show beside it";
        EXPECT_EQ(d.Kind == OptionKind::Radio, d.Group != RadioGroup::None);
        EXPECT_EQ(d.Kind == OptionKind::Text, d.DefaultText != nullptr);
        EXPECT_EQ(d.Kind == OptionKind::Choice, !d.Choices.empty());
        switch (d.Kind) {
            case OptionKind::Check:
            case OptionKind::Radio:
                EXPECT_TRUE(d.Default == 0 || d.Default == 1);
                break;
            case OptionKind::Number:
                EXPECT_TRUE(d.Min == 0 || d.Min == 1);
                EXPECT_EQ(d.Max, 80);
                EXPECT_GE(d.Default, d.Min);
                EXPECT_LE(d.Default, d.Max);
                EXPECT_EQ(d.MaxLength, 2);
                break;
            case OptionKind::Choice:
                EXPECT_EQ(d.Min, -1);
                EXPECT_EQ(d.Max, static_cast<int>(d.Choices.size()) - 1);
                EXPECT_GE(d.Default, 0);
                EXPECT_LE(d.Default, d.Max);
                break;
            case OptionKind::Text:
                break;
        }
    }
}

TEST(OptionCatalogue, KindCountsMatchTheDialog) {
    int counts[5] = {};
    for (const OptionDef& d : OptionCatalogue()) ++counts[static_cast<int>(d.Kind)];
    EXPECT_EQ(counts[static_cast<int>(OptionKind::Check)], 17);
    EXPECT_EQ(counts[static_cast<int>(OptionKind::Number)], 41);
    EXPECT_EQ(counts[static_cast<int>(OptionKind::Choice)], 7);
    EXPECT_EQ(counts[static_cast<int>(OptionKind::Radio)], 7);
    EXPECT_EQ(counts[static_cast<int>(OptionKind::Text)], 7);
}

TEST(OptionCatalogue, RadioGroupsHaveExactlyOneDefaultButton) {
    for (RadioGroup g : {RadioGroup::SubPlacement, RadioGroup::FunctionPlacement,
                         RadioGroup::BackupMode}) {
        int on = 0, members = 0;
        for (const OptionDef& d : OptionCatalogue()) {
            if (d.Group != g) continue;
            ++members;
            on += d.Default;
        }
        EXPECT_EQ(on, 1);
        EXPECT_EQ(members, g == RadioGroup::BackupMode ? 3 : 2);
    }
}

TEST(OptionCatalogue, SpotChecks) {
    const OptionDef* d = FindOption("indents", "IFTHENELSEINDENT");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Id, Opt::IfThenElseIndent);
    EXPECT_EQ(d->Default, 4);
    EXPECT_STREQ(d->Caption, "If - Then - Else");
    EXPECT_STREQ(d->Page, "Indents");

    EXPECT_EQ(OptionInfo(Opt::InLineCommentsFixedColumn).Default, 40);
    EXPECT_EQ(OptionInfo(Opt::InLineCommentsFixedColumn).Min, 1);
    EXPECT_EQ(OptionInfo(Opt::SingleLineCommentBlockCharacterTotal).Default, 50);
    EXPECT_EQ(OptionInfo(Opt::SingleLineCommentGroupQty).Min, 1);
    EXPECT_STREQ(OptionInfo(Opt::BackupNewCodeDirectory).DefaultText, ".\\STYLED\\");
    EXPECT_STREQ(OptionInfo(Opt::SpecialRemoveCommentCharacters).DefaultText, "!");
    EXPECT_EQ(OptionInfo(Opt::SpecialRemoveCommentCharacters).MaxLength, 5);
    EXPECT_EQ(OptionInfo(Opt::SingleLineCommentBlockCharacters).MaxLength, 5);
    EXPECT_STREQ(OptionInfo(Opt::SingleLineCommentBlockCharacters).DefaultText, "-");
    EXPECT_STREQ(OptionInfo(Opt::UserName).DefaultText, "Unknown");
    EXPECT_STREQ(OptionInfo(Opt::SubLevelCommentsFile).DefaultText, "");
    EXPECT_EQ(OptionInfo(Opt::BackupMAKFiles).Default, 1);
    EXPECT_STREQ(OptionInfo(Opt::BackupMAKFiles).Caption,
                 "Copy all files in the .Mak file (including .FRX's)");
    EXPECT_STREQ(OptionInfo(Opt::CorrectAsProblem).Label, "'As' problem");
    EXPECT_STREQ(OptionInfo(Opt::BlankLinesWendAfter).Caption, "Wend");
    EXPECT_STREQ(OptionInfo(Opt::BlankLinesWendAfter).Label, "Lines after");
    EXPECT_EQ(OptionInfo(Opt::BlankLinesWendAfter).Default, 1);

    const OptionDef& blank = OptionInfo(Opt::GrpBlankLines);
    ASSERT_EQ(blank.Choices.size(), 3u);
    EXPECT_STREQ(blank.Choices[2], "Remove all blank lines");
    const OptionDef& single = OptionInfo(Opt::GrpSingleLineComments);
    ASSERT_EQ(single.Choices.size(), 5u);
    EXPECT_EQ(single.Default, 2);
    EXPECT_STREQ(single.Choices[3], "Start at indent level of next line");
    EXPECT_STREQ(OptionInfo(Opt::GrpInLineComments).Choices[1], "Use fixed column:");

    EXPECT_EQ(FindOption("Indents", "NoSuchKey"), nullptr);
    EXPECT_EQ(FindOption("General", "IfThenElseIndent"), nullptr);
}

// The rules name choice values; each name must stand for the caption the
// user picks, so a reordered caption list cannot silently swap two modes.
TEST(OptionCatalogue, NamedChoiceValuesMatchTheirCaptions) {
    struct Row {
        Opt Id;
        int Value;
        const char* Caption;
    } rows[] = {
        {Opt::GrpForNextProcessing, fnIgnore, "Ignore"},
        {Opt::GrpForNextProcessing, fnAddVariable, "Add variable name to the Next"},
        {Opt::GrpForNextProcessing, fnRemoveVariable, "Remove variable name from the Next"},
        {Opt::GrpSingleLineComments, slLeaveAsIs, "Leave as is"},
        {Opt::GrpSingleLineComments, slFixedColumn, "Use fixed column"},
        {Opt::GrpSingleLineComments, slPriorLineIndent, "Start at indent level of prior line"},
        {Opt::GrpSingleLineComments, slNextLineIndent, "Start at indent level of next line"},
        {Opt::GrpSingleLineComments, slRemove, "Remove"},
        {Opt::GrpInLineComments, ilLeaveAsIs, "Leave as is"},
        {Opt::GrpInLineComments, ilFixedColumn, "Use fixed column:"},
        {Opt::GrpInLineComments, ilRightBy, "Position to the right by:"},
        {Opt::GrpInLineComments, ilRemove, "Remove"},
        {Opt::GrpInLineCommentsFixedColUnavail, fcRightBy, "Position to the right by:"},
        {Opt::GrpInLineCommentsFixedColUnavail, fcPreviousLine, "Place on previous line"},
        {Opt::GrpInLineCommentsFixedColUnavail, fcNextLine, "Place on next line"},
        {Opt::GrpInLineCommentsFixedColUnavail, fcRemove, "Remove"},
        {Opt::GrpSubLevelComments, hsForms, "Add in form level code"},
        {Opt::GrpSubLevelComments, hsModules, "Add in module level code"},
        {Opt::GrpFunctionLevelComments, hsBoth, "Add in both form and module level code"},
        {Opt::GrpBlankLines, blNoChange, "No change"},
        {Opt::GrpBlankLines, blUseRules, "Use below rules"},
        {Opt::GrpBlankLines, blRemoveAll, "Remove all blank lines"},
    };
    for (const Row& r : rows) {
        const OptionDef& d = OptionInfo(r.Id);
        ASSERT_LT(std::size_t(r.Value), d.Choices.size()) << d.Key;
        EXPECT_STREQ(d.Choices[std::size_t(r.Value)], r.Caption) << d.Key;
    }
}

}  // namespace
}  // namespace plumora
