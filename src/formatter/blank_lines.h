// Blank-line rules: keep, remove, or remove and then insert a configured
// number of empty lines before and after each block statement.
#pragma once

#include <string_view>

#include "formatter/statement_kind.h"
#include "settings/option_catalogue.h"

namespace plumora {

class TOptionSet;

// False when the line is empty (after trimming) and the mode removes blank lines.
bool KeepLine(const TOptionSet& options, std::string_view line);

// The configured counts of empty lines before and after a line of `kind`
// (0 for kinds without a rule, and in modes other than "Use below rules").
int BlankLinesBeforeCount(const TOptionSet& options, TStatementKind kind);
int BlankLinesAfterCount(const TOptionSet& options, TStatementKind kind);

}  // namespace plumora
