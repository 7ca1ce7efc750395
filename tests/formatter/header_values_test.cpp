// The values a header comment takes from a procedure line, and the
// expansion of the placeholders of a template line.
#include "formatter/header_comments.h"

#include <gtest/gtest.h>

#include <cctype>

namespace plumora::testing {
namespace {

TEST(HeaderValues, SubNameAndParameters) {
    struct Row {
        const char* Line;
        const char* Name;
        const char* Parameters;
    } rows[] = {
        {"Public Sub Save(a As Long, b() As String)", "Save", "a As Long, b() As String"},
        {"  private sub cmdOk_Click()  ", "cmdOk_Click", ""},
        {"Sub Main", "Main", ""},
        {"Sub Go(ByVal n As Long) ' starts it", "Go", "ByVal n As Long"},
        {"Sub Note 'no parentheses", "Note", ""},
        {"Static Sub Keep()", "Keep", ""},
        {"Friend Sub F(x)", "F", "x"},
        {"Private Static Sub Tick(n)", "Tick", "n"},
        {"x = 1", "Unknown", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Line);
        EXPECT_EQ(SubName(row.Line), row.Name);
        EXPECT_EQ(SubParameters(row.Line), row.Parameters);
    }
}

TEST(HeaderValues, FunctionNameParametersAndReturnClause) {
    struct Row {
        const char* Line;
        const char* Name;
        const char* Parameters;
        const char* Returns;
    } rows[] = {
        {"Public Function Area(w As Long, h As Long) As Long", "Area", "w As Long, h As Long",
         "As Long"},
        {"Function Sum(a() As Double, Optional n As Integer = (2)) As Double ' total", "Sum",
         "a() As Double, Optional n As Integer = (2)", "As Double"},
        {"Private Function Now2", "Now2", "", ""},
        {"Function F(x) ' odd)", "F", "x", ""},
        {"Property Get Size() As Long", "Size", "", "As Long"},
        {"Public Property Let Size(ByVal v As Long)", "Size", "ByVal v As Long", ""},
        {"Friend Property Set Font(f As StdFont)", "Font", "f As StdFont", ""},
        {"Static Function Count() As Long", "Count", "", "As Long"},
        {"Function Names(ByVal n As Long) As String()", "Names", "ByVal n As Long", "As String()"},
        {"Function Now2 As Date", "Now2", "", "As Date"},
        {"FUNCTION Loud(a)", "Loud", "a", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Line);
        EXPECT_EQ(FunctionName(row.Line), row.Name);
        EXPECT_EQ(FunctionParameters(row.Line), row.Parameters);
        EXPECT_EQ(FunctionReturnClause(row.Line), row.Returns);
    }
}

TEST(HeaderValues, PlaceholdersInEitherCaseAndPercentKeptOtherwise) {
    THeaderValues v{"Area", "Ann", "12/08/2026", "w, h", "As Long"};
    struct Row {
        const char* Template;
        const char* Expected;
    } rows[] = {
        {"'!  Name   :  %n", "'!  Name   :  Area"},
        {"%N|%A|%D|%P|%R", "Area|Ann|12/08/2026|w, h|As Long"},
        {"%a%d", "Ann12/08/2026"},
        {"100% sure", "100% sure"},
        {"%%n", "%Area"},
        {"ends in %", "ends in %"},
        {"%x %Nx", "%x Areax"},
        {"%", "%"},
        {"", ""},
    };
    for (const Row& row : rows) EXPECT_EQ(ExpandPlaceholders(row.Template, v), row.Expected);
    // A value that holds a placeholder is not expanded again.
    THeaderValues tricky{"%a", "Ann", "", "", ""};
    EXPECT_EQ(ExpandPlaceholders("%n", tricky), "%a");
}

TEST(HeaderValues, TodayIsAShortDate) {
    const std::string date = TodayShortDate();
    ASSERT_EQ(date.size(), 10u) << date;
    for (std::size_t i = 0; i < date.size(); ++i) {
        if (i == 2 || i == 5)
            EXPECT_EQ(date[i], '/') << date;
        else
            EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(date[i]))) << date;
    }
    EXPECT_LE(std::stoi(date.substr(0, 2)), 12) << "month first: " << date;
}

TEST(HeaderValues, ContinuedDeclarationIsReadAsOneLine) {
    std::vector<std::string> lines = {"Public Sub Save(a As Long, _", "\tb As Long) ' end",
                                      "x = 1"};
    auto at = [&](std::size_t i) -> const std::string& { return lines[i]; };
    std::string buf;
    const std::string joined = JoinContinuedLine(lines.size(), at, 0, lines[0], 4, buf);
    EXPECT_EQ(joined, "Public Sub Save(a As Long, b As Long)");
    EXPECT_EQ(SubParameters(joined), "a As Long, b As Long");
    // Not continued: the line as it is, comment included.
    EXPECT_EQ(JoinContinuedLine(lines.size(), at, 1, lines[1], 4, buf), lines[1]);
    // A continuation at the end of the file stops there.
    std::vector<std::string> cut = {"Sub S(a, _"};
    auto cutAt = [&](std::size_t i) -> const std::string& { return cut[i]; };
    EXPECT_EQ(JoinContinuedLine(cut.size(), cutAt, 0, cut[0], 4, buf), "Sub S(a, ");
}

}  // namespace
}  // namespace plumora::testing
