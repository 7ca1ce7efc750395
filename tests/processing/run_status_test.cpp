// The status line after a run.
#include <string>

#include <gtest/gtest.h>

#include "processing/process_project.h"

namespace plumora {
namespace {

TRunReport Report(TRunOutcome outcome, int styled) {
    TRunReport r;
    r.Outcome = outcome;
    r.OutputDir = "/p/STYLED/";
    for (int i = 0; i < styled; ++i) r.Styled.push_back("f" + std::to_string(i));
    return r;
}

TEST(RunStatus, SaysHowManyFilesWereStyledAndWhere) {
    EXPECT_EQ(RunStatusText(Report(TRunOutcome::Completed, 3)), "3 files styled into /p/STYLED/.");
    EXPECT_EQ(RunStatusText(Report(TRunOutcome::Completed, 1)), "1 file styled into /p/STYLED/.");
    EXPECT_EQ(RunStatusText(Report(TRunOutcome::Completed, 0)), "0 files styled into /p/STYLED/.");
    EXPECT_EQ(RunStatusText(Report(TRunOutcome::Cancelled, 2)), "Cancelled: 2 files styled into /p/STYLED/.");
    TRunReport deleted = Report(TRunOutcome::Cancelled, 2);
    deleted.Deleted = true;
    EXPECT_EQ(RunStatusText(deleted), "Cancelled: 2 files styled, then deleted from /p/STYLED/.");
    TRunReport mixed = Report(TRunOutcome::Completed, 2);
    mixed.Rejected = {"a.bas"};
    mixed.Unavailable = {"b.bas", "c.bas"};
    EXPECT_EQ(RunStatusText(mixed), "2 files styled into /p/STYLED/; 1 file not written (safety net); "
                                    "2 files could not be read.");
    EXPECT_EQ(RunStatusText(Report(TRunOutcome::Declined, 0)), "");
    EXPECT_EQ(RunStatusText(Report(TRunOutcome::NoProject, 0)), "");
    EXPECT_NE(RunStatusText(Report(TRunOutcome::BackupFailed, 0)).find("could not be prepared"), std::string::npos);
    EXPECT_EQ(RunStatusText(Report(TRunOutcome::WriteFailed, 1)),
              "Stopped by a write error: 1 file styled into /p/STYLED/.");
}

}  // namespace
}  // namespace plumora
