// The statement classifier and the line tests built on it.
#include "formatter/classifier.h"

#include <gtest/gtest.h>

namespace plumora {
namespace {

struct KindCase {
    const char* Line;
    int Kind;
};

TEST(Classify, KeywordTable) {
    const KindCase cases[] = {
        {"Property Get X() As Long", 0},
        {"Private Property Let X(v)", 2},
        {"Static Property Get X()", 6},
        {"Public Property Get X()", 8},
        {"End Property", 1},
        {"Function F()", 0},
        {"Private Function F()", 2},
        {"Static Function F()", 6},
        {"Public Function F() As Long", 8},
        {"End Function", 1},
        {"Sub S()", 3},
        {"Private Sub S()", 4},
        {"Static Sub S()", 7},
        {"Public Sub S()", 9},
        {"End Sub", 5},
        {"With Me", 32},
        {"End With", 33},
        {"Type Point", 30},
        {"Public Type Point", 30},
        {"Private Type Point", 30},
        {"End Type", 31},
        {"If a Then", 15},
        {"Else", 16},
        {"ElseIf a Then", 17},
        {"End If", 18},
        {"#If Win32 Then", 15},
        {"#Else", 16},
        {"#ElseIf VBA7 Then", 17},
        {"#End If", 18},
        {"Select Case x", 19},
        {"Case 1, 2", 20},
        {"Case Else", 20},
        {"End Select", 21},
        {"Do", 22},
        {"Do While x", 22},
        {"Loop", 25},
        {"Loop Until x", 25},
        {"While x", 26},
        {"Wend", 27},
        {"For i = 1 To 10", 28},
        {"For Each c In col", 28},
        {"Next", 29},
        {"Next i", 29},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line);
        EXPECT_EQ(Classify(c.Line), c.Kind);
        EXPECT_EQ(Classify(std::string("    ") + c.Line), c.Kind) << "leading blanks";
    }
}

TEST(Classify, KeywordsInAnyLetterCase) {
    // Code written outside the IDE (exported VBA, text editors) keeps its
    // own case; Visual Basic reads the keywords all the same.
    const KindCase cases[] = {
        {"end if", 18}, {"END IF", 18},      {"for i = 1 to 3", 28}, {"next i", 29},
        {"do", 22},     {"do while x", 22},  {"if a then", 15},      {"else", 16},
        {"loop", 25},   {"private sub A()", 4}, {"end sub", 5},      {"type as long", 34},
        {"select case x", 19}, {"with o", 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line);
        EXPECT_EQ(Classify(c.Line), c.Kind);
    }
}

TEST(Classify, StandAloneKeywordsMatchWithOrWithoutTextAfterThem) {
    const KindCase cases[] = {
        {"End If", 18},      {"End If   ", 18},   {"End If 'note", 18}, {"EndIf", 34},
        {"Else 'x", 16},     {"Loop 'x", 25},     {"DoEvents", 34},
        {"Wend", 27},        {"Next", 29},        {"Do", 22},
        // Before a ":" separator they still stand alone; a named argument
        // (":=") is something else.
        {"Else:", 16},       {"Else: x = 1", 16}, {"Loop: x = 1", 25},  {"Do:=1", 34},
        // Keywords tested without the appended blank need text after them.
        {"If", 34},          {"With", 34},        {"Case", 34},         {"Sub", 34},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line);
        EXPECT_EQ(Classify(c.Line), c.Kind);
    }
}

TEST(Classify, LinesThatOnlyLookLikeKeywords) {
    const KindCase cases[] = {
        {"WithCount = 1", 34},
        {"ElseValue = 3", 34},
        {"Rem If x Then", 34},
        {"' If x Then", 34},
        {"IfCount = 2", 34},
        {"Formula = 1", 34},
        {"Subtotal = 2", 34},
        {"Private Declare Function X Lib \"k\" ()", 34},
        {"Public Declare Sub Y Lib \"k\" ()", 34},
        {"Type As Integer", 34},
        {"TYPE AS Long", 34},
        {"type as Long", 34},
        {"Exit Sub", 34},
        {"End", 34},
        {"", 34},
        {"     ", 34},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line);
        EXPECT_EQ(Classify(c.Line), c.Kind);
    }
}

TEST(Classify, ProcedureFormsAndEnumsOfVb5AndVb6) {
    const KindCase cases[] = {
        {"Friend Function F() As Long", 8},
        {"Friend Property Get P() As Long", 8},
        {"Friend Sub S()", 9},
        {"Private Static Sub S()", 7},
        {"Public Static Sub S()", 7},
        {"Private Static Function F()", 6},
        {"Public Static Property Get P()", 6},
        {"Enum Colors", 30},
        {"Public Enum Colors", 30},
        {"Private Enum Colors", 30},
        {"End Enum", 31},
        {"EnumValue = 1", 34},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line);
        EXPECT_EQ(Classify(c.Line), c.Kind);
    }
}

TEST(Classify, StatementAfterALineNumberCounts) {
    EXPECT_EQ(Classify("100     If x Then"), 15);
    EXPECT_EQ(Classify("110 End If"), 18);
    EXPECT_EQ(Classify("120"), 34);
}

TEST(LineTests, SingleLineIf) {
    struct Case { const char* line; bool single; };
    const Case cases[] = {
        {"If a Then b", true},
        {"If a Then b Else c", true},
        {"If a Then _", true},
        {"If(a)Then b", true},
        {"100 If a Then b", true},
        {"If a Then", false},
        {"If a Then   ", false},
        {"If a Then 'note", false},
        {"If a = \"Then x\" Then", false},
        {"If bThenFlag Then", false},
        {"If Thenable Then", false},
        {"If a Then Rem note", true},
        {"IfThen = 1", false},
        {"ElseIf a Then b", false},
        {"x = 1 ' If a Then b", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(IsSingleLineIf(c.line), c.single);
    }
}

TEST(LineTests, LabelLines) {
    struct Case { const char* line; bool label; };
    const Case cases[] = {
        {"Start:", true},
        {"ErrHandler:", true},
        {"    ErrHandler:", true},
        {"ErrHandler: Resume Next", true},
        {"   Retry: x = 1", true},
        {"100:", true},
        {"Done: ' finished", true},
        {"x = 1: y = 2", false},
        {"    x = 1: y = 2", false},
        {"Call f(a:=1)", false},
        {"x = \"a:\"", false},
        {"' Note:", false},
        {"Rem Note:", false},
        {"Else: x = 1", false},
        {"", false},
        {"100 x = 1", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(IsLabelLine(c.line), c.label);
    }
}

TEST(LineTests, ColonStatements) {
    EXPECT_TRUE(HasColonStatements("x = 1: y = 2"));
    EXPECT_TRUE(HasColonStatements("    x = 1: y = \"a:b\""));
    EXPECT_FALSE(HasColonStatements("Call f(x := 1): y = 2"));
    EXPECT_FALSE(HasColonStatements("x = \"a:b\""));
    EXPECT_FALSE(HasColonStatements("Start: x = 1"));
    EXPECT_FALSE(HasColonStatements("x = 1 ' a: b"));
    EXPECT_FALSE(HasColonStatements("Rem a: b"));
}

TEST(LineTests, Continuation) {
    struct Case { const char* line; bool continued; };
    const Case cases[] = {
        {"x = a + _", true},
        {"_", true},
        {"x = a + _   ' more", true},
        {"x = my_", false},
        {"x = \"a _\"", false},
        {"x = 1 ' a _", false},
        {"Rem a _", false},
        {"Call f(a, _", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(EndsWithContinuation(c.line), c.continued);
    }
}

TEST(LineTests, NextLoopCountAndAttributes) {
    EXPECT_EQ(NextLoopCount("Next"), 1);
    EXPECT_EQ(NextLoopCount("Next i"), 1);
    EXPECT_EQ(NextLoopCount("    Next j, i"), 2);
    EXPECT_EQ(NextLoopCount("Next k,j,i ' three"), 3);
    EXPECT_TRUE(IsAttributeLine("Attribute Item.VB_UserMemId = 0"));
    EXPECT_TRUE(IsAttributeLine("Attribute VB_Name = \"Module1\""));
    EXPECT_FALSE(IsAttributeLine("Attribute = 5"));
    EXPECT_FALSE(IsAttributeLine("Attributes = 5"));
}

}  // namespace
}  // namespace plumora
