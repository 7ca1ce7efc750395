// The spell-checking hooks of the first pass: string literals (including
// quoted words in comments) and the comment of each line go to the spelling
// host; corrections are put back into the line.
#include "formatter/formatter.h"
#include "formatter/line_ops.h"
#include "host/spelling_host.h"
#include "settings/option_set.h"

namespace plumora {

bool TVBSrcFormatter::SpellsInteractively() const {
    return spelling_ && options_.Bool(Opt::SpellingPerform);
}

void TVBSrcFormatter::SpellCheckLine(std::string& line) {
    if (!spelling_ || !options_.Bool(Opt::SpellingPerform) || SpellCancelled) return;
    if (options_.Bool(Opt::SpellingLiterals) && HasStringLiteral(line)) CheckLiteralSpelling(line);
    if (options_.Bool(Opt::SpellingComments) && !SpellCancelled) CheckCommentSpelling(line);
}

void TVBSrcFormatter::CheckSpelling(const std::string& context, std::string& text) {
    SpellChanged = false;
    SpellCancelled = false;
    spelling_->CheckSpelling(context, text, SpellChanged, SpellCancelled);
}

void TVBSrcFormatter::CheckLiteralSpelling(std::string& line) {
    const std::string context = line;
    std::string rebuilt;
    std::string literal;
    bool inLiteral = false;
    for (char c : context) {
        if (!inLiteral) {
            if (c == '"') {
                inLiteral = true;
                literal.clear();
            } else {
                rebuilt.push_back(c);
            }
        } else if (c == '"') {
            inLiteral = false;
            // After a cancel the rest of the line is left alone: checking on
            // would clear the flag and lose the user's cancel.
            if (!literal.empty() && !SpellCancelled) CheckSpelling(context, literal);
            rebuilt.push_back('"');
            rebuilt.append(literal);
            rebuilt.push_back('"');
        } else {
            literal.push_back(c);
        }
    }
    if (inLiteral) {  // not closed by the end of the line: copied unchanged
        rebuilt.push_back('"');
        rebuilt.append(literal);
    }
    line.swap(rebuilt);
}

void TVBSrcFormatter::CheckCommentSpelling(std::string& line) {
    std::string text = CommentText(line);
    if (text.empty()) return;  // nothing that could hold a word
    const std::string context = line;
    CheckSpelling(context, text);
    if (!SpellChanged) return;
    Modified = true;
    StripComment(line);
    line.append("     '");
    line.append(text);
}

}  // namespace plumora
