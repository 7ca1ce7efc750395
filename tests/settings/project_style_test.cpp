// Project style files: found from the source's folder upwards, read over the
// user's settings and under --ini, by format, style, spell and options --dump.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "settings/ini_file.h"
#include "settings/option_set.h"
#include "settings/project_style.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace plumora::testing {
namespace {

namespace fs = std::filesystem;

const std::string kModule = "Attribute VB_Name = \"M\"\r\nSub S()\r\nx = 1\r\nEnd Sub\r\n";

std::string Indented(int blanks) {
    return "Attribute VB_Name = \"M\"\r\nSub S()\r\n" + std::string(blanks, ' ') + "x = 1\r\nEnd Sub\r\n";
}

std::string IndentIni(int blanks) {
    return "[General]\r\nOptionExplicitInsert=0\r\n[Indents]\r\nDefaultLineIndent=" +
           std::to_string(blanks) + "\r\n";
}

class ProjectStyle : public ::testing::Test {
protected:
    CliRun Cli(const std::vector<std::string>& args) { return RunCli(args, scratch_.Str(), config_); }

    TempDir dir_;
    TempDir scratch_;
    std::string config_ = dir_.Str() + "/config";
};

TEST_F(ProjectStyle, FoundInTheSourcesFolderOrTheNearestAbove) {
    dir_.Write("repo/.plumora.ini", "");
    dir_.Write("repo/sub/.plumora.ini", "");
    dir_.Write("repo/sub/deeper/x.bas", "");
    EXPECT_EQ(FindProjectStyleFile(dir_.Str() + "/repo/sub/deeper"), dir_.Str() + "/repo/sub/.plumora.ini");
    EXPECT_EQ(FindProjectStyleFile(dir_.Str() + "/repo/other/../sub"), dir_.Str() + "/repo/sub/.plumora.ini");
    EXPECT_EQ(FindProjectStyleFile(dir_.Str() + "/repo"), dir_.Str() + "/repo/.plumora.ini");
    EXPECT_EQ(SourceDirectory(dir_.Str() + "/repo/sub/deeper/x.bas"), dir_.Str() + "/repo/sub/deeper");
    // A folder above every style file: none (unless the machine has one
    // above the temporary folder, which would be found the same way).
    const std::string above = FindProjectStyleFile(dir_.Str());
    EXPECT_TRUE(above.empty() || above.find(dir_.Str()) == std::string::npos) << above;
}

TEST_F(ProjectStyle, LayersWinKeyByKeyInOrder) {
    const std::string user = dir_.Write("user.ini", "[Indents]\r\nDefaultLineIndent=1\r\nIfThenElseIndent=7\r\n"
                                                    "[BackupInformation]\r\nBackupAllFiles=1\r\n");
    const std::string project = dir_.Write("p/.plumora.ini",
                                           "[Indents]\r\nDefaultLineIndent=2\r\n[BackupInformation]\r\n"
                                           "BackupOnlyNewFiles=1\r\n[SubComments]\r\n"
                                           "SubLevelCommentsFile=headers\\sub.txt\r\n");
    const std::string ini = dir_.Write("x.ini", "[Indents]\r\nDefaultLineIndent=3\r\n");
    TOptionSet options;
    TOptionSources sources{};
    std::string error;
    ASSERT_TRUE(LoadOptionLayers({user, project, ini}, options, &sources, error)) << error;
    auto source = [&](Opt id) { return sources[static_cast<std::size_t>(id)]; };
    EXPECT_EQ(options.Int(Opt::DefaultLineIndent), 3);
    EXPECT_EQ(source(Opt::DefaultLineIndent), TOptionSource::IniArgument);
    EXPECT_EQ(options.Int(Opt::IfThenElseIndent), 7);
    EXPECT_EQ(source(Opt::IfThenElseIndent), TOptionSource::UserFile);
    EXPECT_EQ(source(Opt::LineContinueIndent), TOptionSource::Default);
    // The project's radio button clears the user's one of the same group,
    // and both come from the project file then.
    EXPECT_TRUE(options.Bool(Opt::BackupOnlyNewFiles));
    EXPECT_FALSE(options.Bool(Opt::BackupAllFiles));
    EXPECT_EQ(source(Opt::BackupAllFiles), TOptionSource::ProjectFile);
    // A template named in the style file lies beside it.
    EXPECT_EQ(options.Text(Opt::SubLevelCommentsFile), dir_.Str() + "/p/headers/sub.txt");

    // Without the --ini layer the project's value wins over the user's.
    TOptionSet without;
    ASSERT_TRUE(LoadOptionLayers({user, project, ""}, without, nullptr, error));
    EXPECT_EQ(without.Int(Opt::DefaultLineIndent), 2);
}

TEST_F(ProjectStyle, FormatFindsItFromANestedFolderAndIniOverridesIt) {
    dir_.Write("config/VBPLUMO3.INI", IndentIni(1));
    dir_.Write("repo/.plumora.ini", IndentIni(2));
    const std::string nested = dir_.Write("repo/src/forms/deep/M.bas", kModule);
    const std::string outside = dir_.Write("elsewhere/M.bas", kModule);
    const std::string ini = dir_.Write("x.ini", "[Indents]\r\nDefaultLineIndent=3\r\n");

    EXPECT_EQ(Cli({"format", nested}).Out, Indented(2));
    EXPECT_EQ(Cli({"format", outside}).Out, Indented(1));  // the user's own settings
    EXPECT_EQ(Cli({"format", "--ini", ini, nested}).Out, Indented(3));
    // Files under different style files in one call each get their own.
    EXPECT_EQ(Cli({"format", nested, outside}).Out, Indented(2) + Indented(1));
    // Standard input: the style file of the folder that --stdin-filename names.
    EXPECT_EQ(RunCliWithInput({"format", "-", "--stdin-filename", dir_.Str() + "/repo/src/New.bas"},
                              kModule, scratch_.Str(), config_)
                  .Out,
              Indented(2));
}

TEST_F(ProjectStyle, StyleReadsTheStyleFileBesideTheProject) {
    dir_.Write("repo/.plumora.ini", IndentIni(2));
    dir_.Write("repo/vb/P.vbp", "Module=M; M.bas\r\n");
    dir_.Write("repo/vb/M.bas", kModule);
    CliRun run = Cli({"style", dir_.Str() + "/repo/vb/P.vbp", "--yes", "--out", dir_.Str() + "/out"});
    EXPECT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(ReadAll(dir_.Path() / "out/M.bas"), Indented(2));
    const std::string ini = dir_.Write("x.ini", "[Indents]\r\nDefaultLineIndent=3\r\n");
    run = Cli({"style", dir_.Str() + "/repo/vb/P.vbp", "--check", "--diff", "--ini", ini});
    EXPECT_NE(run.Out.find("+   x = 1"), std::string::npos) << run.Out;
}

TEST_F(ProjectStyle, AStyleFileThatCannotBeReadIsAnError) {
    dir_.Write("repo/.plumora.ini", std::string("[Indents]\0", 10));  // NUL: not a settings file
    const std::string file = dir_.Write("repo/M.bas", kModule);
    CliRun run = Cli({"format", file});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find("cannot read the project style file " + dir_.Str() + "/repo/.plumora.ini"),
              std::string::npos)
        << run.Err;
    EXPECT_EQ(Cli({"options", "--dump", dir_.Str() + "/repo"}).Exit, 1);
}

TEST_F(ProjectStyle, OptionsDumpNamesWhereEachValueCameFrom) {
    dir_.Write("config/VBPLUMO3.INI", "[Indents]\r\nIfThenElseIndent=6\r\n");
    dir_.Write("repo/.plumora.ini", IndentIni(2));
    dir_.Write("repo/src/M.bas", kModule);
    const std::string ini = dir_.Write("x.ini", "[General]\r\nOptionExplicitInsert=1\r\n");
    CliRun run = Cli({"options", "--dump", "--ini", ini, dir_.Str() + "/repo/src/M.bas"});
    ASSERT_EQ(run.Exit, 0) << run.Err;
    const std::string& out = run.Out;
    EXPECT_NE(out.find(";   user     " + config_ + "/VBPLUMO3.INI\n"), std::string::npos) << out;
    EXPECT_NE(out.find(";   project  " + dir_.Str() + "/repo/.plumora.ini\n"), std::string::npos) << out;
    EXPECT_NE(out.find("; ini: " + ini + "\nOptionExplicitInsert=1\n"), std::string::npos) << out;
    EXPECT_NE(out.find("; project: " + dir_.Str() + "/repo/.plumora.ini\nDefaultLineIndent=2\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("; user: " + config_ + "/VBPLUMO3.INI\nIfThenElseIndent=6\n"), std::string::npos) << out;
    EXPECT_NE(out.find("[Indents]\n; default\nCodeIndentPerform=1\n"), std::string::npos) << out;

    // The dump is itself a style file that gives the same options.
    const std::string saved = dir_.Write("copy/.plumora.ini", out);
    TIniFile dumped(saved);
    ASSERT_TRUE(dumped.Load());
    TOptionSet fromDump;
    fromDump.Load(dumped);
    TOptionSet expected;
    std::string error;
    ASSERT_TRUE(LoadOptionLayers({config_ + "/VBPLUMO3.INI", dir_.Str() + "/repo/.plumora.ini", ini}, expected,
                                 nullptr, error));
    for (const OptionDef& def : OptionCatalogue())
        EXPECT_EQ(fromDump.ValueString(def.Id), expected.ValueString(def.Id)) << def.Key;

    // Here, without any file: every value is a default.
    CliRun bare = RunCliIn(dir_.Str() + "/config", {"options", "--dump"}, scratch_.Str(), dir_.Str() + "/none");
    EXPECT_EQ(bare.Exit, 0);
    EXPECT_EQ(bare.Out.find("; user:"), std::string::npos);
    EXPECT_EQ(Cli({"options"}).Exit, 2);
    EXPECT_EQ(Cli({"options", "--dump", dir_.Str() + "/missing"}).Exit, 2);
}

}  // namespace
}  // namespace plumora::testing
