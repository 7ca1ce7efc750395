// The commentor walking a module's routines, editing a header block and
// saving it: the questions it asks, what it writes and where, and how it
// copes with files it cannot read or places it must not write.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "commentor/commentor.h"
#include "commentor/commentor_texts.h"
#include "project/source_mgt.h"
#include "settings/option_set.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class RecordingSink : public ILineSink {
public:
    Lines Texts;
    std::vector<TLineColours> Colours;
    int Refreshes = 0;
    void Clear() override {
        Texts.clear();
        Colours.clear();
    }
    void AppendLine(const std::string& text, TColor font, TColor back) override {
        Texts.push_back(text);
        Colours.push_back({font, back});
    }
    void Refresh() override { ++Refreshes; }
};

const char* const kTools =
    "Attribute VB_Name = \"Tools\"\r\n"  // 0
    "Sub First()\r\n"                    // 1
    "End Sub\r\n"                        // 2
    "\r\n"                               // 3
    "'  Author : Ann\r\n"                // 4
    "'  Params : n - count\r\n"          // 5
    "Public Function Second(n As Integer) As Long\r\n"  // 6
    "    Second = n\r\n"                 // 7
    "End Function\r\n"                   // 8
    " ' indented\r\n"                    // 9
    "Private Sub Third()\r\n"            // 10
    "'  Params : none\r\n"               // 11
    "    x = 1\r\n"                      // 12
    "End Sub\r\n"                        // 13
    "Friend Sub Fourth()\r\n"            // 14
    "End Sub\r\n";                       // 15

class CommentorTest : public ::testing::Test {
protected:
    testing::TempDir dir_;
    testing::ScriptedCommandHost host_;
    RecordingSink view_;
    TCommentor commentor_{host_, &view_};

    std::string ModulePath() const { return (dir_.Path() / "src" / "Tools.bas").string(); }
    std::string StyledPath() const {
        return (dir_.Path() / "src" / "STYLED" / "Tools.bas").string();
    }

    void OpenTools(const std::string& setting = ".\\STYLED\\", const std::string& text = kTools) {
        dir_.Write("src/Tools.bas", text);
        commentor_.Open("Tools.bas", ModulePath(), setting);
    }
    std::string LastMessage() const {
        return host_.Messages.empty() ? "" : host_.Messages.back().Text;
    }
};

TEST_F(CommentorTest, OpeningShowsTheFirstRoutineFromLineTwo) {
    OpenTools();
    EXPECT_EQ(commentor_.Caption(), "Module: " + ModulePath());
    EXPECT_TRUE(host_.Messages.empty());
    EXPECT_EQ(commentor_.CurrentRoutine(), 1u);
    EXPECT_EQ(commentor_.ModuleName(), "Sub First()");
    EXPECT_EQ(commentor_.EditorLines(), Lines{"Sub First()"});
    EXPECT_EQ(commentor_.TopLine(), 1u);
    EXPECT_FALSE(commentor_.Modified());
    EXPECT_EQ(commentor_.OutputDirectory(), dir_.Str() + "/src/STYLED/");
    // A routine on the first line is never found.
    TCommentor other(host_);
    dir_.Write("src/Top.bas", "Sub Top()\r\nEnd Sub\r\nx\r\n");
    EXPECT_TRUE(other.Open("Top.bas", (dir_.Path() / "src/Top.bas").string(), ""));
    EXPECT_FALSE(other.CurrentRoutine());
    EXPECT_EQ(LastMessage(), "Module does not contain any sub or function routines.");
}

TEST_F(CommentorTest, ViewColoursTheRoutineNavyAndTheRestGrey) {
    OpenTools();
    commentor_.NextRoutine();
    const TColor navy = TColor::FromRgb(0, 0, 128), grey = TColor::FromRgb(128, 128, 128);
    ASSERT_EQ(view_.Texts, commentor_.SourceLines());
    ASSERT_EQ(view_.Colours.size(), 16u);
    for (std::size_t i = 0; i < 16; ++i) {
        TColor expected = (i >= 6 && i <= 8) ? navy : grey;
        EXPECT_EQ(view_.Colours[i].Font, expected) << i;
        EXPECT_EQ(view_.Colours[i].Back, TColor::SystemWindow()) << i;
    }
    EXPECT_EQ(view_.Colours, commentor_.LineColours());
    EXPECT_GT(view_.Refreshes, 0);
    // Without an end line every line from the routine on is navy.
    TCommentor open(host_);
    dir_.Write("src/Open.bas", "x\r\ny\r\nSub A()\r\n  z\r\n");
    open.Open("Open.bas", (dir_.Path() / "src/Open.bas").string(), "");
    std::vector<TLineColours> colours = open.LineColours();
    EXPECT_EQ(colours[1].Font, grey);
    EXPECT_EQ(colours[2].Font, navy);
    EXPECT_EQ(colours[3].Font, navy);
}

TEST_F(CommentorTest, PriorAndNextWithTheirLimitsAndFields) {
    OpenTools();
    commentor_.NextRoutine();
    EXPECT_EQ(commentor_.CurrentRoutine(), 6u);
    EXPECT_EQ(commentor_.Block(), (TCommentBlock{4, 6}));
    EXPECT_EQ(commentor_.Author(), "Ann");
    EXPECT_EQ(commentor_.Parameters(), "n - count");
    EXPECT_EQ(commentor_.Returns(), "");

    commentor_.NextRoutine();  // the indented comment is not part of the block
    EXPECT_EQ(commentor_.CurrentRoutine(), 10u);
    EXPECT_EQ(commentor_.EditorLines(), (Lines{"Private Sub Third()", "'  Params : none"}));
    EXPECT_EQ(commentor_.Author(), "");  // no Author line here
    EXPECT_EQ(commentor_.Parameters(), "none");

    commentor_.NextRoutine();  // a Friend routine is not one
    EXPECT_EQ(LastMessage(), "No further routines.");
    EXPECT_EQ(commentor_.CurrentRoutine(), 10u);

    commentor_.PriorRoutine();
    EXPECT_EQ(commentor_.CurrentRoutine(), 6u);
    commentor_.PriorRoutine();  // the routine on line 2 lies above line 3
    EXPECT_EQ(LastMessage(), "No prior routines.");
    EXPECT_EQ(commentor_.CurrentRoutine(), 6u);
    EXPECT_EQ(host_.Messages.size(), 2u);
}

TEST_F(CommentorTest, SaveMergesTheBlockAndWritesIntoTheOutputDirectory) {
    OpenTools();
    dir_.Write("src/STYLED/Tools.bas", "styled text\r\n");
    commentor_.NextRoutine();
    commentor_.SetEditorLines({"' Header", "'  Author : Carol", "'  Params : n",
                               "Public Function Second(n As Integer) As Long", "' after"});
    EXPECT_TRUE(commentor_.Modified());
    ASSERT_TRUE(commentor_.SaveChanges());

    EXPECT_EQ(LastMessage(), "File saved as: " + dir_.Str() + "/src/STYLED/Tools.bas.");
    EXPECT_EQ(host_.Messages.back().Kind, MsgKind::Information);
    EXPECT_FALSE(commentor_.Modified());
    EXPECT_EQ(commentor_.CurrentRoutine(), 7u);
    EXPECT_EQ(commentor_.Block(), (TCommentBlock{4, 8}));  // the blank line 4 stops it
    EXPECT_EQ(commentor_.Author(), "Carol");
    EXPECT_EQ(view_.Texts, commentor_.SourceLines());

    std::string expected = kTools;
    expected.replace(expected.find("'  Author : Ann"),
                     std::string("'  Author : Ann\r\n'  Params : n - count\r\n").size(),
                     "' Header\r\n'  Author : Carol\r\n'  Params : n\r\n");
    expected.replace(expected.find("    Second = n"), 0, "' after\r\n");
    EXPECT_EQ(testing::ReadAll(StyledPath()), expected);
    EXPECT_EQ(testing::ReadAll(ModulePath()), kTools);  // the module itself is never written
}

TEST_F(CommentorTest, OddLineEndsAreWrittenWithCrLf) {
    OpenTools(".\\STYLED\\", "Attribute\rSub A()\nEnd Sub\r\nx");
    commentor_.SetEditorText("' note\r\nSub A()\n");
    ASSERT_TRUE(commentor_.SaveChanges());
    EXPECT_EQ(testing::ReadAll(StyledPath()), "Attribute\r\n' note\r\nSub A()\r\nEnd Sub\r\nx\r\n");
}

TEST_F(CommentorTest, AnEditorWithoutTheRoutineLineIsNeitherMergedNorWritten) {
    OpenTools();
    commentor_.NextRoutine();
    commentor_.NextRoutine();
    commentor_.SetEditorLines({"' Third is gone", "'  Params : none"});
    EXPECT_FALSE(commentor_.SaveChanges());
    EXPECT_EQ(LastMessage(), kRoutineLineRemovedText);
    EXPECT_EQ(commentor_.SourceLines().size(), 16u);
    EXPECT_EQ(commentor_.SourceLines()[10], "Private Sub Third()");
    EXPECT_EQ(commentor_.CurrentRoutine(), 10u);
    EXPECT_TRUE(commentor_.Modified());  // the edits stay in the editor to be mended
    EXPECT_FALSE(fs::exists(dir_.Path() / "src" / "STYLED"));

    // Yes cannot save, so the window stays where it is; No drops the edits.
    host_.Answers = {MsgResult::Yes};
    commentor_.PriorRoutine();
    EXPECT_EQ(commentor_.CurrentRoutine(), 10u);
    host_.Answers = {MsgResult::Yes};
    EXPECT_FALSE(commentor_.CanClose());
    host_.Answers = {MsgResult::No};
    commentor_.PriorRoutine();
    EXPECT_EQ(commentor_.CurrentRoutine(), 6u);
    EXPECT_FALSE(fs::exists(dir_.Path() / "src" / "STYLED"));

    // A changed first line is still the routine's line.
    commentor_.SetEditorLines({"Public Function Second(ByVal n As Integer) As Long"});
    ASSERT_TRUE(commentor_.SaveChanges());
    EXPECT_EQ(commentor_.ModuleName(), "Public Function Second(ByVal n As Integer) As Long");
    EXPECT_EQ(commentor_.SourceLines().size(), 14u);
}

TEST_F(CommentorTest, SaveWithoutARoutineWritesNothing) {
    OpenTools(".\\STYLED\\", "Attribute VB_Name = \"Empty\"\r\nDim x As Long\r\n");
    EXPECT_EQ(LastMessage(), kNoRoutinesText);
    commentor_.SetEditorText("' typed anyway");
    EXPECT_FALSE(commentor_.SaveChanges());
    EXPECT_EQ(LastMessage(), kNothingToSaveText);
    EXPECT_FALSE(fs::exists(dir_.Path() / "src" / "STYLED"));
    std::size_t shown = host_.Messages.size();
    commentor_.NextRoutine();  // no block to save into, so no question
    EXPECT_EQ(host_.Messages.size(), shown + 1);
    EXPECT_EQ(LastMessage(), "No further routines.");
    EXPECT_TRUE(commentor_.CanClose());
}

TEST_F(CommentorTest, AskingToSaveBeforeMovingOn) {
    OpenTools();
    commentor_.SetEditorLines({"' edited", "Sub First()"});
    host_.Answers = {MsgResult::Cancel};
    commentor_.NextRoutine();
    EXPECT_EQ(host_.Messages.back().Buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(LastMessage(), "Comments have changed.  Do you wish to save?");
    EXPECT_EQ(commentor_.CurrentRoutine(), 1u);
    EXPECT_TRUE(commentor_.Modified());

    host_.Answers = {MsgResult::No};
    commentor_.NextRoutine();
    EXPECT_EQ(commentor_.CurrentRoutine(), 6u);
    EXPECT_FALSE(fs::exists(StyledPath()));
    commentor_.PriorRoutine();  // nothing above line 3; the edits were dropped
    EXPECT_EQ(commentor_.SourceLines()[1], "Sub First()");

    commentor_.SetEditorLines({"' edited", "Public Function Second(n As Integer) As Long"});
    host_.Answers = {MsgResult::Yes};
    commentor_.NextRoutine();
    EXPECT_EQ(commentor_.CurrentRoutine(), 9u);  // moved past the saved block's new position
    EXPECT_NE(testing::ReadAll(StyledPath()).find("' edited\r\nPublic Function"),
              std::string::npos);

    std::size_t asked = host_.Messages.size();
    EXPECT_TRUE(commentor_.CanClose());  // nothing changed: no question
    EXPECT_EQ(host_.Messages.size(), asked);
}

TEST_F(CommentorTest, NeverWritesOverTheModuleItself) {
    for (const char* setting : {"", ".\\", ".", "/../src"}) {
        SCOPED_TRACE(setting);
        testing::ScriptedCommandHost host;
        TCommentor commentor(host);
        dir_.Write("src/Tools.bas", kTools);
        std::string s = setting;
        if (s == "/../src") s = dir_.Str() + "/src/../src/";
        commentor.Open("Tools.bas", ModulePath(), s);
        commentor.SetEditorLines({"' new", "Sub First()"});
        EXPECT_FALSE(commentor.SaveChanges());
        ASSERT_FALSE(host.Messages.empty());
        EXPECT_EQ(host.Messages.back().Kind, MsgKind::Error);
        EXPECT_NE(host.Messages.back().Text.find("it is the module itself"), std::string::npos)
            << host.Messages.back().Text;
        EXPECT_EQ(testing::ReadAll(ModulePath()), kTools);
        EXPECT_EQ(commentor.SourceLines()[1], "' new");  // merged, waiting for a save
    }
}

TEST_F(CommentorTest, AFailedWriteKeepsTheEditsAndAsksBeforeClosing) {
    OpenTools();
    dir_.Write("src/STYLED", "a file where the directory should be");
    commentor_.SetEditorLines({"' kept", "Sub First()"});
    EXPECT_FALSE(commentor_.SaveChanges());
    EXPECT_EQ(host_.Messages.back().Kind, MsgKind::Error);
    EXPECT_NE(LastMessage().find("Cannot save " + StyledPath()), std::string::npos)
        << LastMessage();
    EXPECT_EQ(commentor_.SourceLines()[1], "' kept");
    EXPECT_FALSE(commentor_.Modified());

    host_.Answers = {MsgResult::Yes};  // saving fails again: the window stays open
    EXPECT_FALSE(commentor_.CanClose());
    EXPECT_EQ(host_.Messages[host_.Messages.size() - 2].Text, kCommentsChangedText);
    host_.Answers = {MsgResult::Cancel};
    EXPECT_FALSE(commentor_.CanClose());

    fs::remove(dir_.Path() / "src" / "STYLED");
    host_.Answers = {MsgResult::Yes};
    EXPECT_TRUE(commentor_.CanClose());
    std::string expected = kTools;
    expected.insert(expected.find("Sub First()"), "' kept\r\n");
    EXPECT_EQ(testing::ReadAll(StyledPath()), expected);
    EXPECT_TRUE(commentor_.CanClose());  // written: no more questions
}

TEST_F(CommentorTest, OutputDirectorySettings) {
    testing::TempDir elsewhere;
    OpenTools(elsewhere.Str() + "/deep/new/");
    commentor_.SetEditorLines({"Sub First()"});
    ASSERT_TRUE(commentor_.SaveChanges());
    EXPECT_EQ(testing::ReadAll(elsewhere.Path() / "deep/new/Tools.bas"), kTools);

    // A directory that exists in another letter case is used as it is.
    testing::ScriptedCommandHost host;
    TCommentor lower(host);
    fs::create_directories(dir_.Path() / "src" / "styled");
    lower.Open("Tools.bas", ModulePath(), ".\\STYLED\\");
    lower.SetEditorLines({"Sub First()"});
    ASSERT_TRUE(lower.SaveChanges());
    EXPECT_EQ(host.Messages.back().Text,
              "File saved as: " + dir_.Str() + "/src/styled/Tools.bas.");

    TCommentor drive(host);
    drive.Open("Tools.bas", ModulePath(), "D:\\OUT\\");
    drive.SetEditorLines({"Sub First()"});
    EXPECT_FALSE(drive.SaveChanges());
    EXPECT_NE(host.Messages.back().Text.find("Windows drive path"), std::string::npos);
}

TEST_F(CommentorTest, OpenFromTheProjectEntryUsesTheLiveOption) {
    dir_.Write("p/Tools.bas", kTools);
    TSourceMgt project;
    project.ProjectDir = dir_.Str() + "/p/";
    project.AddFile("TOOLS.BAS", ".BAS");
    TOptionSet options;
    ASSERT_TRUE(commentor_.Open(*project.Head, options));
    EXPECT_EQ(commentor_.FileName(), "TOOLS.BAS");
    EXPECT_EQ(commentor_.OutputFile(), dir_.Str() + "/p/STYLED/TOOLS.BAS");
    EXPECT_EQ(commentor_.CurrentRoutine(), 1u);
}

TEST_F(CommentorTest, FilesThatCannotBeEdited) {
    EXPECT_FALSE(commentor_.Open("Gone.bas", (dir_.Path() / "Gone.bas").string(), ".\\STYLED\\"));
    EXPECT_EQ(host_.Messages.back().Kind, MsgKind::Error);
    EXPECT_NE(LastMessage().find("Gone.bas"), std::string::npos);
    EXPECT_EQ(commentor_.Caption(), "Function/Sub Commentor");
    commentor_.PriorRoutine();
    EXPECT_EQ(LastMessage(), "No prior routines.");
    commentor_.NextRoutine();
    EXPECT_EQ(LastMessage(), "No further routines.");
    EXPECT_FALSE(commentor_.SaveChanges());
    EXPECT_EQ(LastMessage(), kNothingToSaveText);

    using namespace std::string_literals;
    std::string binary = dir_.Write("Bin.bas", "Sub A()\r\n\x00\x01\x02"s);
    EXPECT_FALSE(commentor_.Open("Bin.bas", binary, ""));
    EXPECT_NE(LastMessage().find("is not a text file"), std::string::npos);
    EXPECT_TRUE(commentor_.SourceLines().empty());
    EXPECT_TRUE(view_.Texts.empty());

    EXPECT_FALSE(commentor_.Open("Dir", dir_.Str(), ""));
    EXPECT_NE(LastMessage().find("directory"), std::string::npos);

    std::string empty = dir_.Write("Empty.bas", "");
    EXPECT_TRUE(commentor_.Open("Empty.bas", empty, ""));
    EXPECT_EQ(LastMessage(), kNoRoutinesText);

    std::string huge = "Attribute\r\n'" + std::string(1 << 20, 'x') + "\r\nSub Big()\r\n";
    EXPECT_TRUE(commentor_.Open("Huge.bas", dir_.Write("Huge.bas", huge), ""));
    EXPECT_EQ(commentor_.EditorLines().size(), 2u);
}

}  // namespace
}  // namespace plumora
