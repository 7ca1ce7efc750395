// The live option set: setters that behave like the dialog's controls, the
// load rules of the settings file, and a save/load round trip of everything.
#include "settings/option_set.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "settings/config_dir.h"
#include "settings/ini_file.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using testing::ReadAll;
using testing::ScopedConfigDir;
using testing::ScriptedCommandHost;
using testing::TempDir;

TOptionSet LoadedFrom(std::string_view iniText) {
    TIniFile ini;
    ini.Parse(iniText);
    TOptionSet options;
    options.Load(ini);
    return options;
}

TEST(OptionSet, StartsWithTheDesignedDefaults) {
    TOptionSet o;
    EXPECT_EQ(o.Int("Indents", "IfThenElseIndent"), 4);
    EXPECT_EQ(o.Int(Opt::InLineCommentsFixedColumn), 40);
    EXPECT_EQ(o.Text("BackupInformation", "BackupNewCodeDirectory"), ".\\STYLED\\");
    EXPECT_TRUE(o.Bool(Opt::BackupMAKFiles));
    EXPECT_FALSE(o.Bool(Opt::BackupOnlyNewFiles));
    EXPECT_FALSE(o.Bool(Opt::BackupAllFiles));
    EXPECT_TRUE(o.Bool("general", "previewbeforesaving"));
    EXPECT_EQ(o.Int(Opt::GrpSingleLineComments), 2);
    EXPECT_EQ(o.Text(Opt::UserName), "Unknown");
    EXPECT_EQ(o.SubHeaderTemplate, TOptionSet::BuiltInSubHeader());
    EXPECT_EQ(o.FunctionHeaderTemplate, TOptionSet::BuiltInFunctionHeader());
}

TEST(OptionSet, WrongNamesAndKindsAreRefused) {
    TOptionSet o;
    EXPECT_THROW(o.Int("Indents", "Nope"), std::out_of_range);
    EXPECT_THROW(o.Text(Opt::ForNextIndent), std::invalid_argument);
    EXPECT_THROW(o.Int(Opt::UserName), std::invalid_argument);
    EXPECT_THROW(o.SetText(Opt::CreateLog, "x"), std::invalid_argument);
    EXPECT_THROW(o.SetInt(Opt::UserName, 1), std::invalid_argument);
}

TEST(OptionSet, SettersClampLikeTheControls) {
    struct Case {
        Opt Id;
        int Set;
        int Expected;
    };
    const Case cases[] = {
        {Opt::ForNextIndent, 95, 80},          {Opt::ForNextIndent, -1, 0},
        {Opt::SingleLineCommentGroupQty, 0, 1}, {Opt::AlignDimAsGroupQty, 80, 80},
        {Opt::GrpBlankLines, 7, 2},             {Opt::GrpBlankLines, -5, -1},
        {Opt::GrpSingleLineComments, 4, 4},     {Opt::GrpSingleLineComments, 5, 4},
        {Opt::CreateLog, 2, 1},                 {Opt::CreateLog, -7, 1},
        {Opt::PreviewBeforeSaving, 0, 0},
    };
    for (const Case& c : cases) {
        TOptionSet o;
        o.SetInt(c.Id, c.Set);
        EXPECT_EQ(o.Int(c.Id), c.Expected) << OptionInfo(c.Id).Key << " set to " << c.Set;
    }
}

TEST(OptionSet, RadioButtonsOfAGroupExcludeEachOther) {
    TOptionSet o;
    o.SetBool(Opt::BackupAllFiles, true);
    EXPECT_FALSE(o.Bool(Opt::BackupOnlyNewFiles));
    EXPECT_FALSE(o.Bool(Opt::BackupMAKFiles));
    EXPECT_TRUE(o.Bool(Opt::BackupAllFiles));
    // Other groups are not touched.
    EXPECT_TRUE(o.Bool(Opt::SubLevelCommentsAfterProcedure));
    o.SetBool(Opt::SubLevelCommentsBeforeProcedure, true);
    EXPECT_FALSE(o.Bool(Opt::SubLevelCommentsAfterProcedure));
    EXPECT_TRUE(o.Bool(Opt::FunctionLevelCommentsAfterProcedure));
    // Switching a button off leaves the group with none on.
    o.SetBool(Opt::BackupAllFiles, false);
    EXPECT_FALSE(o.Bool(Opt::BackupOnlyNewFiles) || o.Bool(Opt::BackupMAKFiles) ||
                 o.Bool(Opt::BackupAllFiles));
}

TEST(OptionSetLoad, StoredValuesAndTheirEncodings) {
    TOptionSet o = LoadedFrom(
        "[Indents]\n"
        "ForNextIndent=95\n"
        "DoLoopIndent=0x0A\n"
        "WhileWendIndent=$0C\n"
        "TypeEndIndent=wide\n"
        "WithEndIndent=\n"
        "CaseCodeIndent=99999999999\n"
        "[SingleLineComments]\n"
        "SingleLineCommentGroupQty=0\n"
        "SingleLineCommentBlockCharacters=\n"
        "[BlankLines]\n"
        "GrpBlankLines=7\n"
        "[General]\n"
        "GrpForNextProcessing=-3\n"
        "PreviewBeforeSaving=\n"
        "OptionExplicitInsert=0\n"
        "[BackupInformation]\n"
        "CreateLog=2\n"
        "[UserInformation]\n"
        "UserName=  \"  Ada  \"  \n");
    EXPECT_EQ(o.Int(Opt::ForNextIndent), 80);
    EXPECT_EQ(o.Int(Opt::DoLoopIndent), 10);
    EXPECT_EQ(o.Int(Opt::WhileWendIndent), 12);
    EXPECT_EQ(o.Int(Opt::TypeEndIndent), 4) << "a word keeps the current value";
    EXPECT_EQ(o.Int(Opt::WithEndIndent), 4) << "an empty value keeps the current value";
    EXPECT_EQ(o.Int(Opt::CaseCodeIndent), 4) << "an overflowing number is not a number";
    EXPECT_EQ(o.Int(Opt::SingleLineCommentGroupQty), 1);
    EXPECT_EQ(o.Text(Opt::SingleLineCommentBlockCharacters), "") << "empty text is a value";
    EXPECT_EQ(o.Int(Opt::GrpBlankLines), 2);
    EXPECT_EQ(o.Int(Opt::GrpForNextProcessing), -1);
    EXPECT_TRUE(o.Bool(Opt::PreviewBeforeSaving));
    EXPECT_FALSE(o.Bool(Opt::OptionExplicitInsert));
    EXPECT_EQ(o.Text(Opt::UserName), "  Ada  ");

    // A check stored as "2" is written back as "1".
    TIniFile out;
    o.Save(out);
    EXPECT_EQ(out.Value("BackupInformation", "CreateLog"), "1");
}

TEST(OptionSetLoad, RadioGroupResolution) {
    struct Case {
        const char* Text;
        bool Only, Mak, All;
    };
    const Case cases[] = {
        {"", false, true, false},
        {"BackupOnlyNewFiles=1\nBackupAllFiles=1\n", false, false, true},
        {"BackupOnlyNewFiles=1\nBackupMAKFiles=1\n", false, true, false},
        {"BackupAllFiles=1\nBackupOnlyNewFiles=1\n", false, false, true},
        {"BackupOnlyNewFiles=0\nBackupMAKFiles=0\nBackupAllFiles=0\n", false, false, false},
        {"BackupOnlyNewFiles=1\nBackupMAKFiles=0\nBackupAllFiles=0\n", true, false, false},
        {"BackupOnlyNewFiles=1\n", true, false, false},
    };
    for (const Case& c : cases) {
        TOptionSet o = LoadedFrom(std::string("[BackupInformation]\n") + c.Text);
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(o.Bool(Opt::BackupOnlyNewFiles), c.Only);
        EXPECT_EQ(o.Bool(Opt::BackupMAKFiles), c.Mak);
        EXPECT_EQ(o.Bool(Opt::BackupAllFiles), c.All);
    }
}

TEST(OptionSetLoad, LongTextIsCutAndMissingKeysKeepLiveValues) {
    TOptionSet o;
    o.SetInt(Opt::ForNextIndent, 9);
    o.SetText(Opt::UserCompany, "Live");
    TIniFile ini;
    ini.Parse("[UserInformation]\nUserName=" + std::string(1500, 'n') + "\n");
    o.Load(ini);
    EXPECT_EQ(o.Text(Opt::UserName), std::string(1023, 'n'));
    EXPECT_EQ(o.Text(Opt::UserCompany), "Live");
    EXPECT_EQ(o.Int(Opt::ForNextIndent), 9);
}

TOptionSet ThroughDisk(const TOptionSet& options) {
    TempDir dir;
    TIniFile out((dir.Path() / "VBPLUMO3.INI").string());
    options.Save(out);
    EXPECT_TRUE(out.Save());
    TIniFile in(out.Path());
    EXPECT_TRUE(in.Load());
    TOptionSet loaded;
    loaded.Load(in);
    return loaded;
}

// Each option gets a value other than its default; saving and loading into a
// fresh set must bring every one of them back.
TEST(OptionSetLoad, EveryOptionSurvivesASaveLoadRoundTrip) {
    TOptionSet changed;
    for (const OptionDef& d : OptionCatalogue()) {
        switch (d.Kind) {
            case OptionKind::Check:
                changed.SetBool(d.Id, d.Default == 0);
                break;
            case OptionKind::Number:
                changed.SetInt(d.Id, d.Default == d.Max ? d.Min : d.Default + 1);
                break;
            case OptionKind::Choice:
                changed.SetInt(d.Id, d.Default == d.Max ? 0 : d.Default + 1);
                break;
            case OptionKind::Radio:
                break;  // below: a group can only change as a whole
            case OptionKind::Text:
                changed.SetText(d.Id, std::string(" ") + d.Key + " \"x\" ");
                break;
        }
    }
    changed.SetBool(Opt::SubLevelCommentsBeforeProcedure, true);
    changed.SetBool(Opt::FunctionLevelCommentsBeforeProcedure, true);
    changed.SetBool(Opt::BackupAllFiles, true);

    TOptionSet loaded = ThroughDisk(changed);
    const TOptionSet defaults;
    for (const OptionDef& d : OptionCatalogue()) {
        SCOPED_TRACE(d.Key);
        // Of three buttons with one on, one stays off whatever is chosen.
        if (d.Id != Opt::BackupOnlyNewFiles) {
            EXPECT_NE(changed.ValueString(d.Id), defaults.ValueString(d.Id)) << "not changed";
        }
        EXPECT_EQ(loaded.ValueString(d.Id), changed.ValueString(d.Id));
    }
}

TEST(OptionSetLoad, EveryRadioChoiceSurvivesASaveLoadRoundTrip) {
    for (const OptionDef& d : OptionCatalogue()) {
        if (d.Kind != OptionKind::Radio) continue;
        SCOPED_TRACE(d.Key);
        TOptionSet options;
        options.SetBool(d.Id, true);
        TOptionSet loaded = ThroughDisk(options);
        for (const OptionDef& other : OptionCatalogue()) {
            if (other.Kind == OptionKind::Radio) {
                EXPECT_EQ(loaded.Bool(other.Id), options.Bool(other.Id)) << other.Key;
            }
        }
    }
}

TEST(OptionSet, ResetToDefaultsRestoresValuesAndTemplates) {
    TOptionSet o;
    o.SetInt(Opt::ForNextIndent, 12);
    o.SetText(Opt::UserName, "Ada");
    o.SetBool(Opt::BackupAllFiles, true);
    o.SubHeaderTemplate = {"'custom"};
    o.ResetToDefaults();
    const TOptionSet fresh;
    for (const OptionDef& d : OptionCatalogue()) {
        EXPECT_EQ(o.ValueString(d.Id), fresh.ValueString(d.Id)) << d.Key;
    }
    EXPECT_EQ(o.SubHeaderTemplate, TOptionSet::BuiltInSubHeader());
}

TEST(OptionSet, SetFromStringUsesTheStoredEncodings) {
    TOptionSet o;
    EXPECT_TRUE(o.SetFromString(Opt::ForNextIndent, "0x10"));
    EXPECT_EQ(o.Int(Opt::ForNextIndent), 16);
    EXPECT_FALSE(o.SetFromString(Opt::ForNextIndent, "sixteen"));
    EXPECT_EQ(o.Int(Opt::ForNextIndent), 16);
    EXPECT_TRUE(o.SetFromString(Opt::UserName, ""));
    EXPECT_EQ(o.Text(Opt::UserName), "");
    EXPECT_EQ(o.ValueString(Opt::PreviewBeforeSaving), "1");
}

TEST(OptionSetReload, ReadsTheSettingsFileInTheConfigDirectory) {
    TempDir dir;
    ScopedConfigDir scoped(dir.Str());
    dir.Write("VBPLUMO3.INI", "[Indents]\r\nIfThenElseIndent=2\r\n");
    TOptionSet o;
    o.SetInt(Opt::ForNextIndent, 7);  // changed but never saved: Reload keeps it, no key
    ScriptedCommandHost host;
    o.Reload(host);
    EXPECT_EQ(o.Int(Opt::IfThenElseIndent), 2);
    EXPECT_EQ(o.Int(Opt::ForNextIndent), 7);
    EXPECT_TRUE(host.Messages.empty());
}

TEST(OptionSetReload, MissingSettingsFileIsQuiet) {
    TempDir dir;
    ScopedConfigDir scoped((dir.Path() / "never-created").string());
    TOptionSet o;
    ScriptedCommandHost host;
    o.Reload(host);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(o.Int(Opt::IfThenElseIndent), 4);
}

TEST(OptionSetReload, UnreadableSettingsFileWarnsAndIsKept) {
    TempDir dir;
    ScopedConfigDir scoped(dir.Str());
    std::string bytes("[Indents]\r\nIfThenElseIndent=2\r\n\0\0\xff", 34);
    dir.Write("VBPLUMO3.INI", bytes);
    TOptionSet o;
    ScriptedCommandHost host;
    o.Reload(host);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Kind, MsgKind::Warning);
    EXPECT_NE(host.Messages[0].Text.find(SettingsFilePath()), std::string::npos);
    EXPECT_EQ(o.Int(Opt::IfThenElseIndent), 4);

    TIniFile ini(SettingsFilePath());
    EXPECT_FALSE(ini.Load());
    o.Save(ini);
    EXPECT_FALSE(ini.Save());
    EXPECT_EQ(ReadAll(SettingsFilePath()), bytes);
}

}  // namespace
}  // namespace plumora
