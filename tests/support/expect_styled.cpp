// Before/after checks for the formatter.
#include "support/expect_styled.h"

#include <gtest/gtest.h>

namespace plumora::testing {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t nl = text.find('\n', start);
        if (nl == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, nl - start));
        start = nl + 1;
    }
    return lines;
}

std::string JoinLines(const TStyledLines& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text.push_back('\n');
        text.append(lines[i].Text);
    }
    return text;
}

TOptionSet OptionsWithoutOptionExplicit() {
    TOptionSet options;
    options.SetBool(Opt::OptionExplicitInsert, false);
    return options;
}

TOptionSet Plain() {
    TOptionSet o = OptionsWithoutOptionExplicit();
    o.SetInt(Opt::GrpInLineComments, ilLeaveAsIs);
    o.SetInt(Opt::GrpSingleLineComments, slLeaveAsIs);
    return o;
}

TOptionSet EveryRewriteRule() {
    TOptionSet o;
    o.SetBool(Opt::MultiVarSplit, true);
    o.SetBool(Opt::MultiConstSplit, true);
    o.SetBool(Opt::IfThenSplit, true);
    o.SetBool(Opt::MultiStatementSplit, true);
    o.SetInt(Opt::GrpForNextProcessing, fnAddVariable);
    o.SetInt(Opt::GrpBlankLines, blUseRules);
    return o;
}

std::string Sub(const std::string& body) { return "Sub A()\n" + body + "\nEnd Sub"; }

std::string Styled(const std::string& input, const TOptionSet& options, std::uint8_t fileKind) {
    TVBSrcFormatter formatter(options);
    formatter.FileKind = fileKind;
    formatter.StyleLines(SplitLines(input));
    return JoinLines(formatter.Output);
}

void ExpectStyled(const std::string& input, const std::string& expected,
                  const TOptionSet& options, std::uint8_t fileKind) {
    std::string once = Styled(input, options, fileKind);
    EXPECT_EQ(once, expected) << "--- input ---\n" << input << "\n--- styled ---\n" << once;
    std::string twice = Styled(expected, options, fileKind);
    EXPECT_EQ(twice, expected) << "styling the expected text again changed it:\n" << twice;
}

}  // namespace plumora::testing
