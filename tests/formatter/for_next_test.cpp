// For/Next: adding and removing the loop variable of Next lines, and the
// loop stack that must stay in step with the code.
#include <gtest/gtest.h>

#include "formatter/for_next.h"
#include "support/expect_styled.h"

namespace plumora::testing {
namespace {

TOptionSet Mode(int mode) {
    TOptionSet o = Plain();
    o.SetInt(Opt::GrpForNextProcessing, mode);
    return o;
}

TEST(ForNextModes, AddRemoveOrIgnoreTheVariable) {
    const std::string input = Sub("For i = 1 To 2\nFor j = 1 To 2\nNext 'inner\nNext i");
    ExpectStyled(input,
                 Sub("    For i = 1 To 2\n        For j = 1 To 2\n        Next j    'inner\n"
                     "    Next i"),
                 Mode(fnAddVariable));
    ExpectStyled(input,
                 Sub("    For i = 1 To 2\n        For j = 1 To 2\n        Next    'inner\n"
                     "    Next"),
                 Mode(fnRemoveVariable));
    ExpectStyled(input,
                 Sub("    For i = 1 To 2\n        For j = 1 To 2\n        Next 'inner\n"
                     "    Next i"),
                 Mode(fnIgnore));
}

TEST(ForNextModes, ForEachLoopsGetTheirVariableToo) {
    ExpectStyled(Sub("For Each c In col\nNext c"), Sub("    For Each c In col\n    Next c"),
                 Mode(fnAddVariable));
    ExpectStyled(Sub("for each item in list\nnext"),
                 Sub("    for each item in list\n    Next item"), Mode(fnAddVariable));
    ExpectStyled(Sub("For Each c In col\nNext c"), Sub("    For Each c In col\n    Next"),
                 Mode(fnRemoveVariable));
    ExpectStyled(Sub("For i = 1 To 2\nNext i"), Sub("    For i = 1 To 2\n    Next"),
                 Mode(fnRemoveVariable));
}

TEST(ForNextStack, NextOfSeveralLoopsStaysAndClosesEachOfThem) {
    const std::string input =
        Sub("For i = 1 To 2\nFor j = 1 To 2\nNext j, i\nFor k=1 To 2\nNext");
    for (int mode : {fnAddVariable, fnRemoveVariable}) {
        const std::string styled = Styled(input, Mode(mode));
        EXPECT_NE(styled.find("    Next j, i\n"), std::string::npos) << styled;
        if (mode == fnAddVariable) {
            EXPECT_NE(styled.find("    Next k\n"), std::string::npos) << styled;
        }
    }
}

TEST(ForNextStack, LineNumbersColonsAndForeignVariablesAreHandledSafely) {
    std::vector<std::string> stack;
    std::string line = "100 For i = 1 To 3";
    EXPECT_FALSE(ForNextStep(line, stack, fnAddVariable));
    ASSERT_EQ(stack, std::vector<std::string>{"i"});
    line = "110 Next";
    EXPECT_TRUE(ForNextStep(line, stack, fnAddVariable));
    EXPECT_EQ(line, "110 Next i");  // the line number stays
    EXPECT_TRUE(stack.empty());

    line = "For a = 1 To 2: For b = 1 To 2: Next b: x = 1";
    EXPECT_FALSE(ForNextStep(line, stack, fnAddVariable));
    EXPECT_EQ(stack, std::vector<std::string>{"a"});
    line = "Next i: Beep";  // other statements on the line: left alone
    EXPECT_FALSE(ForNextStep(line, stack, fnRemoveVariable));
    EXPECT_TRUE(stack.empty());

    stack = {"i"};
    line = "Next k";  // names another loop than the stack thinks: keep it
    EXPECT_FALSE(ForNextStep(line, stack, fnAddVariable));
    EXPECT_EQ(line, "Next k");
    // With no open loop left there is nothing to add: the variable the line
    // names stays.
    EXPECT_FALSE(ForNextStep(line, stack, fnAddVariable));
    EXPECT_EQ(line, "Next k");
    EXPECT_TRUE(ForNextStep(line, stack, fnRemoveVariable));
    EXPECT_EQ(line, "Next");
}

TEST(ForVariable, TextBeforeTheEqualsSignOrBeforeIn) {
    EXPECT_EQ(ForVariable("For i = 1 To 3"), "i");
    EXPECT_EQ(ForVariable("For idx%=1 To 3"), "idx%");
    EXPECT_EQ(ForVariable("For Each x In Array(a = b)"), "x");
    EXPECT_EQ(ForVariable("For Each In"), "");
    EXPECT_EQ(ForVariable("For"), "");
}

}  // namespace
}  // namespace plumora::testing
