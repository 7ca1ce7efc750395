// Indentation: the leading blanks of each code line from a running counter
// that block openers raise, closers lower and procedure lines reset.
#pragma once

#include <string>
#include <vector>

#include "formatter/classifier.h"

namespace plumora {

class TOptionSet;

// One open `#If` block: the level its directive stands at, and whether a
// procedure declaration stands inside it (written once per branch, as
// declarations that differ between VBA7 and older hosts are).
struct TConditionalBlock {
    int Level = 0;
    bool HoldsDeclaration = false;
};

struct TIndentState {
    int Current = 0;              // blanks the next plain code line receives; may go negative
    bool InContinuation = false;  // the line before ends with " _"
    // The statement being continued is a single-line If: its later lines
    // open and close nothing.
    bool InSingleLineIf = false;
    std::vector<TConditionalBlock> Conditionals;
    // Set by IndentLine for an `#End If` (or `#Else`) of a block that holds a
    // procedure declaration: it ends the declaration, not a block of code,
    // so the blank-line rules leave it alone.
    bool DeclarationDirective = false;
};

// Re-computes the leading blanks of one line (not a label line) and moves the
// counter for every statement on it. `continuedSingleLineIf`: the line starts
// an If continued with " _" whose whole statement is a single-line If.
void IndentLine(std::string& line, const TLineFacts& facts, bool continuedSingleLineIf,
                TIndentState& state, const TOptionSet& options, std::string& scratch);

// The counter moves of the statements after the first one of a line (label
// lines included): `For k = 1 To 2: x = k: Next` opens and closes its loop.
void IndentFollowingStatements(std::string_view line, const TLineFacts& facts,
                               TIndentState& state, const TOptionSet& options);

// Moves the counter for one statement kind.
void UpdateIndent(TStatementKind kind, TIndentState& state, const TOptionSet& options);

}  // namespace plumora
