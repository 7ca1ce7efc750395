// Spell checking a file without a dialog: the words of its comments and
// string literals that the speller does not know, with their places and
// suggestions. The command line's spell report is built on this.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plumora {

class TVCSpeller;

struct TSpellTargets {
    bool Comments = true;
    bool Literals = true;
};

// One piece of a line that is checked; Column is its 0-based byte offset.
struct TSpellPiece {
    std::size_t Column = 0;
    std::string Text;
};

// The string literals of the line's code (a doubled quote stays inside its
// literal) and then its comment: the text after the apostrophe, or after a
// Rem statement's keyword.
void SpellPieces(std::string_view line, const TSpellTargets& targets, std::vector<TSpellPiece>& out);

// The first line after the description block that a form, user control or
// class file starts with (VERSION, then Begin ... End); 0 when there is
// none. The block holds property values, not prose that styling touches.
std::size_t FirstCodeLine(const std::vector<std::string>& lines);

struct TSpellFinding {
    std::size_t Line = 0;    // 1-based
    std::size_t Column = 0;  // 1-based byte column in the line as read
    std::string Word;        // Windows-1252
    std::vector<std::string> Suggestions;
};

// Runs the speller's check over every piece of every line from
// FirstCodeLine on and appends the words it stops at, without suggestions.
// Returns false when the speller cannot check (its LoadError says why).
bool FindMisspellings(const std::vector<std::string>& lines, TVCSpeller& speller,
                      const TSpellTargets& targets, std::vector<TSpellFinding>& out);

// Fills in up to `limit` quick suggestions for each finding, looking up each
// distinct word once, spread over up to `threads` threads (each with a
// dictionary of its own: a Hunspell object serves one thread).
void AddQuickSuggestions(std::vector<TSpellFinding>& findings, TVCSpeller& speller,
                         std::size_t limit, unsigned threads);

}  // namespace plumora
