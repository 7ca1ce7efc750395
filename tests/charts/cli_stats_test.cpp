// plumora-cli stats, run as a user runs it: the aligned tables, CSV for
// spreadsheets, and the usage and project errors.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using testing::CliRun;

std::size_t Count(const std::string& text, const std::string& sought) {
    std::size_t n = 0;
    for (std::size_t at = text.find(sought); at != std::string::npos; at = text.find(sought, at + 1)) ++n;
    return n;
}

class CliStatsTest : public ::testing::Test {
protected:
    testing::TempDir config_;
    testing::ScopedConfigDir scoped_{config_.Str()};
    testing::TempDir dir_;
    const std::string inventory_ = std::string(PLUMORA_SOURCE_DIR) + "/examples/Inventory/Inventory.vbp";
    const std::string legacy_ = std::string(PLUMORA_SOURCE_DIR) + "/examples/Legacy3/LEGACY.MAK";

    CliRun Run(std::vector<std::string> args) {
        args.insert(args.begin(), "stats");
        return testing::RunCli(args, dir_.Str());
    }
};

TEST_F(CliStatsTest, OneChartAsAlignedText) {
    CliRun run = Run({"--chart", "3", inventory_});
    EXPECT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.Out,
              "Chart: Routines per module\n"
              "  Routines per module (bar)\n"
              "\n"
              "File              Routines\n"
              "frmMain.frm             16\n"
              "MODINVENTORY.BAS        18\n"
              "CItem.cls                7\n"
              "ctlGauge.ctl             6\n");
    CliRun types = Run({"--chart=2", legacy_});
    EXPECT_EQ(types.Out,
              "Chart: Files in project by type of file\n"
              "  Files in project by type of file (pie)\n"
              "\n"
              "Extension  Files\n"
              ".BAS           1\n"
              ".FRM           1\n");
}

TEST_F(CliStatsTest, AllSevenTables) {
    CliRun run = Run({legacy_});
    EXPECT_EQ(run.Exit, 0) << run.Err;
    for (const char* caption :
         {"Chart: Files in project by size\n", "Chart: Files in project by type of file\n",
          "Chart: Routines per module\n", "Chart: Globals per module\n",
          "Chart: Lines of code per file\n", "Chart: Percent of comments vs. code\n",
          "Chart: Percent of whitespace vs. code\n"}) {
        EXPECT_EQ(Count(run.Out, caption), 1u) << caption;
    }
    EXPECT_NE(run.Out.find("\nGLOBAL.BAS   3077\n"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("\nGLOBAL.BAS       20\n"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("\nMAIN.FRM      208\n"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("\nGLOBAL.BAS            10\n"), std::string::npos) << run.Out;
    // The tables are in the selector's order.
    EXPECT_LT(run.Out.find("by size"), run.Out.find("by type"));
    EXPECT_LT(run.Out.find("Percent of comments"), run.Out.find("Percent of whitespace"));
}

TEST_F(CliStatsTest, CsvQuotesFieldsAndDefusesFormulas) {
    dir_.Write("p/a,b.bas", "Sub A()\r\n");
    dir_.Write("p/say \"hi\".bas", "x\r\n");
    dir_.Write("p/=cmd.bas", "' c\r\n");
    dir_.Write("p/plain.BAS", "\r\n");
    std::string vbp = dir_.Write("p/P.vbp",
                                 "Module=A; a,b.bas\r\nModule=B; say \"hi\".bas\r\n"
                                 "Module=C; =cmd.bas\r\nModule=D; plain.BAS\r\n");
    CliRun run = Run({"--csv", "--chart", "3", vbp});
    EXPECT_EQ(run.Exit, 0) << run.Err;
    EXPECT_EQ(run.Out,
              "Chart,Label,Value\r\n"
              "Routines per module,\"a,b.bas\",1\r\n"
              "Routines per module,\"say \"\"hi\"\".bas\",0\r\n"
              "Routines per module,\"'=cmd.bas\",0\r\n"
              "Routines per module,plain.BAS,0\r\n");
    CliRun all = Run({"--csv", vbp});
    EXPECT_EQ(all.Exit, 0) << all.Err;
    EXPECT_EQ(Count(all.Out, "\r\n"), 1u + 6 * 4 + 1);  // header, six per-file charts, one type
    EXPECT_NE(all.Out.find("Files in project by type of file,.bas,4\r\n"), std::string::npos)
        << all.Out;
}

TEST_F(CliStatsTest, UsageErrors) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"--chart", "0", "x.vbp"},
                                               {"--chart", "8", "x.vbp"},
                                               {"--chart", "x", "x.vbp"},
                                               {"--chart", "12", "x.vbp"},
                                               {"x.vbp", "--chart"},
                                               {"--bogus", "x.vbp"},
                                               {"a.vbp", "b.vbp"}}) {
        CliRun run = Run(args);
        EXPECT_EQ(run.Exit, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find("plumora-cli: stats: "), std::string::npos) << run.Err;
    }
}

TEST_F(CliStatsTest, ProjectThatCannotBeOpened) {
    CliRun missing = Run({(dir_.Path() / "none.vbp").string()});
    EXPECT_EQ(missing.Exit, 1);
    EXPECT_EQ(missing.Out, "");
    EXPECT_NE(missing.Err.find("Invalid VB project file.  Unable to proceed."), std::string::npos);

    std::string binary = dir_.Write("bin.vbp", std::string("\x89PNG\0\0", 6));
    CliRun notText = Run({binary});
    EXPECT_EQ(notText.Exit, 1);
    EXPECT_EQ(notText.Out, "");

    std::string empty = dir_.Write("empty.mak", "");
    EXPECT_EQ(Run({empty}).Exit, 1);

    // A listed file that is not text is left out only when the user says so.
    dir_.Write("q/A.bas", "Sub A()\r\n");
    dir_.Write("q/B.bas", "\tbinary-ish\r\n");
    std::string mak = dir_.Write("q/Q.MAK", "A.bas\r\nB.bas\r\n");
    CliRun refused = Run({mak});
    EXPECT_EQ(refused.Exit, 1);
    EXPECT_NE(refused.Err.find("B.bas is not an ASCII file."), std::string::npos) << refused.Err;
    CliRun accepted = Run({"--yes", "--chart", "1", mak});
    EXPECT_EQ(accepted.Exit, 0) << accepted.Err;
    EXPECT_NE(accepted.Out.find("\nA.bas      9\n"), std::string::npos) << accepted.Out;
    EXPECT_EQ(accepted.Out.find("B.bas"), std::string::npos);
}

}  // namespace
}  // namespace plumora
