// Before/after checks for the formatter: style a text (lines separated by
// "\n") with given options and compare the whole result; styling the
// expected text again must give it back unchanged.
#pragma once

#include <string>
#include <vector>

#include "formatter/formatter.h"
#include "settings/option_set.h"

namespace plumora::testing {

std::vector<std::string> SplitLines(const std::string& text);
std::string JoinLines(const TStyledLines& lines);

// The default options without the Option Explicit insertion, so that tests
// of other rules read without it.
TOptionSet OptionsWithoutOptionExplicit();

// The same with comments left where they are, for tests of the other rules.
TOptionSet Plain();

// The defaults with every rule on that splits lines, changes Next lines or
// inserts blank lines: the rewrites the safety net must allow.
TOptionSet EveryRewriteRule();

// `body` as the lines of a sub.
std::string Sub(const std::string& body);

// Styles `input` through all passes as the processing run does.
std::string Styled(const std::string& input, const TOptionSet& options,
                   std::uint8_t fileKind = fkModule);

// Adds a test failure showing both texts unless `input` styles to
// `expected` and `expected` styles to itself.
void ExpectStyled(const std::string& input, const std::string& expected,
                  const TOptionSet& options, std::uint8_t fileKind = fkModule);

}  // namespace plumora::testing
