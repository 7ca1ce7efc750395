// plumora-cli spell as a user runs it: the report lines and exit codes, the
// example project, the options, and the notice of style and format.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/example_project.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::TempDir;

class CliSpell : public ::testing::Test {
protected:
    TempDir dir;
    std::string config = dir.Str() + "/config";

    void SetUp() override { fs::create_directories(config); }

    testing::CliRun Run(std::vector<std::string> args) {
        args.insert(args.begin(), "spell");
        return testing::RunCli(args, dir.Str(), config);
    }
};

constexpr const char* kModule =
    "Attribute VB_Name = \"modStock\"\r\n"
    "' Recieve the stock list\r\n"
    "Sub LoadStock()\r\n"
    "    MsgBox \"Loading finished\" ' LoadStock names the code\r\n"
    "    MsgBox \"Sucess\"\r\n"
    "End Sub\r\n";

TEST_F(CliSpell, TwoMisspeltWordsGiveExactlyTwoLinesAndExitOne) {
    const std::string file = dir.Write("Stock.bas", kModule);
    const auto r = Run({file});
    EXPECT_EQ(r.Exit, 1) << r.Err;
    EXPECT_EQ(r.Out, file + ":2:3: Recieve (Receive)\n" +  //
                         file + ":5:13: Sucess (Success)\n");
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(ReadAll(file), kModule) << "spell never changes a file";
}

TEST_F(CliSpell, OptionsChooseWhatIsCheckedAndWhatIsKnown) {
    const std::string file = dir.Write("Stock.bas", kModule);
    auto r = Run({"--comments", "--no-suggestions", file});
    EXPECT_EQ(r.Out, file + ":2:3: Recieve\n");
    r = Run({"--literals", "--no-suggestions", file});
    EXPECT_EQ(r.Out, file + ":5:13: Sucess\n");
    r = Run({"--comments", "--literals", "--no-suggestions", file});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_NE(r.Out.find("Recieve"), std::string::npos);
    EXPECT_NE(r.Out.find("Sucess"), std::string::npos);

    const std::string words = dir.Write("words.txt", "Recieve\nSucess\n");
    r = Run({"--words", words, file});
    EXPECT_EQ(r.Exit, 0) << r.Out << r.Err;
    EXPECT_EQ(r.Out, "");
}

TEST_F(CliSpell, TheExampleProjectFlagsNoNameOfItsCode) {
    testing::CopyExampleProject("Inventory", "Inventory.vbp", dir.Path() / "Inventory");
    const auto r = Run({(dir.Path() / "Inventory" / "Inventory.vbp").string(), "--no-suggestions"});
    EXPECT_EQ(r.Err, "");
    // Only real words of the comments remain (the example writes British
    // colours on purpose); none of the names that its comments quote.
    for (const char* name : {"mLastError", "LoadInventory", "SaveInventory", "CItem", "FILE_VERSION",
                             "ToRecord", "ctlGauge", "BarColor"})
        EXPECT_EQ(r.Out.find(std::string(": ") + name + "\n"), std::string::npos) << name;
    EXPECT_NE(r.Out.find("ctlGauge.ctl:28:8: colours\n"), std::string::npos) << r.Out;
    EXPECT_FALSE(fs::exists(dir.Path() / "Inventory" / "STYLED"));
}

TEST_F(CliSpell, UsageErrorsAndFailuresHaveTheirOwnCodes) {
    const std::string file = dir.Write("Stock.bas", "' fine words only\r\n");
    EXPECT_EQ(Run({file}).Exit, 0);
    EXPECT_EQ(Run({}).Exit, 2);
    EXPECT_EQ(Run({"--bogus", file}).Exit, 2);
    EXPECT_EQ(Run({"--words"}).Exit, 2);
    auto r = Run({"--dictionary", "xx_XX", file});
    EXPECT_EQ(r.Exit, 2);
    EXPECT_NE(r.Err.find("xx_XX"), std::string::npos);
    r = Run({"--words", dir.Str() + "/none.txt", file});
    EXPECT_EQ(r.Exit, 2);
    r = Run({dir.Str() + "/missing.bas", file});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_NE(r.Err.find("missing.bas: no such file"), std::string::npos);
    r = Run({dir.Str() + "/a.vbp", file});
    EXPECT_EQ(r.Exit, 2) << "a project goes alone";
}

TEST_F(CliSpell, StyleAndFormatWithSpellCheckingPointToSpell) {
    const std::string file = dir.Write("Stock.bas", kModule);
    dir.Write("config/VBPLUMO3.INI", "[SpellCheck]\r\nSpellingPerform=1\r\n");
    const auto r = testing::RunCli({"format", file}, dir.Str(), config);
    EXPECT_EQ(r.Exit, 0) << r.Err;
    EXPECT_NE(r.Err.find("plumora-cli spell"), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("desktop"), std::string::npos) << r.Err;
    EXPECT_NE(r.Out.find("Recieve"), std::string::npos) << "nothing was corrected";
}

TEST_F(CliSpell, AProjectStyleFileSetsTheTeamsSpellerOptions) {
    // Words in capitals are passed over unless the settings say otherwise.
    const std::string file = dir.Write("repo/src/Caps.bas", "' RECIEVE the list\r\n");
    EXPECT_EQ(Run({"--no-suggestions", file}).Exit, 0);
    dir.Write("repo/.plumora.ini", "[VCSpeller]\r\nCheckAllCaps=1\r\n");
    auto r = Run({"--no-suggestions", file});
    EXPECT_EQ(r.Exit, 1) << r.Err;
    EXPECT_EQ(r.Out, file + ":1:3: RECIEVE\n");
    // The style file's dictionary, and --dictionary over it.
    dir.Write("repo/.plumora.ini", "[VCSpeller]\r\nLanguage=xx_XX\r\n");
    r = Run({file});
    EXPECT_EQ(r.Exit, 2);
    EXPECT_NE(r.Err.find("xx_XX"), std::string::npos) << r.Err;
    EXPECT_EQ(Run({"--dictionary", "en_US", file}).Exit, 0);
}

}  // namespace
}  // namespace plumora
