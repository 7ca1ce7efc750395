// Single-line If and ":"-separated statements split into one line each, with
// string and date literals protected.
#include "formatter/splitting.h"

#include <array>

#include "formatter/blank_lines.h"
#include "formatter/classifier.h"
#include "formatter/declarations.h"
#include "formatter/formatter.h"
#include "formatter/line_ops.h"
#include "settings/option_set.h"

namespace plumora {

namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A word inside a date literal: a month name (or its first three letters or
// more) or a time marker.
bool IsDateWord(std::string_view w) {
    static constexpr std::array<std::string_view, 12> kMonths = {
        "JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
        "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
    std::string u;
    UpperInto(w, u);
    if (u == "AM" || u == "PM" || u == "A" || u == "P") return true;
    if (u.size() < 3) return false;
    for (auto m : kMonths)
        if (m.substr(0, u.size()) == u) return true;
    return false;
}

// Position (0-based) of `word` as a whole word outside literals at or after
// `from`, case-sensitive; npos when absent.
std::size_t FindWordOutsideLiterals(std::string_view text, std::string_view word,
                                    std::size_t from) {
    bool inString = false;
    for (std::size_t i = from; i < text.size(); ++i) {
        char ch = text[i];
        if (ch == '"') {
            inString = !inString;
        } else if (!inString) {
            if (ch == '#') {
                std::size_t n = DateLiteralLength(text, i);
                if (n) {
                    i += n - 1;
                    continue;
                }
            }
            if (text.substr(i, word.size()) == word && (i == 0 || !IsIdentChar(text[i - 1])) &&
                (i + word.size() == text.size() || !IsIdentChar(text[i + word.size()])))
                return i;
        }
    }
    return std::string_view::npos;
}

std::string WithoutComment(std::string_view line) {
    std::string t(line);
    StripComment(t);
    return std::string(TrimView(t));
}

}  // namespace

std::size_t DateLiteralLength(std::string_view text, std::size_t i) {
    if (i >= text.size() || text[i] != '#') return 0;
    if (i > 0 && (IsIdentChar(text[i - 1]) || text[i - 1] == '#')) return 0;  // x# suffix
    std::size_t close = text.find('#', i + 1);
    if (close == std::string_view::npos || close == i + 1) return 0;
    std::string_view body = text.substr(i + 1, close - i - 1);
    bool digit = false, separator = false, month = false;
    for (std::size_t k = 0; k < body.size();) {
        char c = body[k];
        if (IsLetter(c)) {
            std::size_t e = k;
            while (e < body.size() && IsLetter(body[e])) ++e;
            if (!IsDateWord(body.substr(k, e - k))) return 0;
            month = month || e - k >= 3;
            k = e;
            continue;
        }
        if (IsDigit(c))
            digit = true;
        else if (c == '/' || c == '-' || c == ':')
            separator = true;
        else if (c != ' ' && c != ',' && c != '.')
            return 0;
        ++k;
    }
    if (!digit || !(separator || month)) return 0;
    return close - i + 1;
}

int FindOutsideLiterals(std::string_view text, char c, int from) {
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char ch = text[i];
        if (ch == '"') {
            inString = !inString;
            continue;
        }
        if (inString) continue;
        if (ch == '#') {
            std::size_t n = DateLiteralLength(text, i);
            if (n) {
                i += n - 1;
                continue;
            }
        }
        if (ch == c && int(i) + 1 >= from) return int(i) + 1;
    }
    return 0;
}

std::string CommentSuffix(std::string_view line, std::string_view lead) {
    std::string text = CommentText(line);
    if (text.empty()) return text;
    return std::string(lead) + text;
}

bool SplitSingleLineIf(std::string_view line, TPieces& pieces) {
    pieces.clear();
    const std::string t = WithoutComment(line);
    if (EndsWithContinuation(t)) return false;
    const std::size_t then = FindWordOutsideLiterals(t, "Then", 0);
    // The split needs a blank after Then and a statement after that.
    if (then == std::string::npos || then + 5 >= t.size() || t[then + 4] != ' ') return false;
    const std::string c = CommentSuffix(line, "     '");
    const std::string head = t.substr(0, then + 5);
    const std::size_t elsePos = FindWordOutsideLiterals(t, "Else", then + 5);
    const bool hasElse = elsePos != std::string::npos && t[elsePos - 1] == ' ' &&
                         elsePos + 4 < t.size() && t[elsePos + 4] == ' ';
    // `If a Then 100` jumps to line 100; on a line of its own the number
    // would become a label.
    auto isLineNumber = [](std::string_view s) {
        s = TrimView(s);
        if (s.empty()) return false;
        for (char ch : s)
            if (!IsDigit(ch)) return false;
        return true;
    };
    // On a line of its own, `b: c` starts with the label b; in the If, b is
    // a statement.
    auto becomesLabel = [](std::string_view s) { return IsLabelLine(TrimView(s)); };
    if (!hasElse) {
        const std::string_view body = std::string_view(t).substr(then + 5);
        if (isLineNumber(body) || becomesLabel(body)) return false;
        pieces = {"  " + head + c, "  " + t.substr(then + 5), "  End If"};
        return true;
    }
    std::string thenPart = t.substr(then + 5, elsePos - (then + 5));
    // In `If a Then If b Then c Else d` the Else belongs to the inner If;
    // moving it to the outer one would change what runs.
    if (FindWordOutsideLiterals(thenPart, "If", 0) != std::string::npos) return false;
    const std::string_view elsePart = std::string_view(t).substr(elsePos + 5);
    if (isLineNumber(thenPart) || isLineNumber(elsePart) || becomesLabel(thenPart) ||
        becomesLabel(elsePart))
        return false;
    pieces = {head + c, thenPart, "Else", t.substr(elsePos + 5), "End If"};
    return true;
}

bool SplitColonStatements(std::string_view line, TPieces& pieces) {
    pieces.clear();
    if (IsLabelLine(line) || IsSingleLineIf(line)) return false;
    std::string t = WithoutComment(line);
    const std::string c = CommentSuffix(line, "     '");
    // A Rem comment runs to the end of the line, its ":" included.
    const int rem = RemStart(t);
    std::size_t start = 0;
    for (int from = 1;;) {
        int p = FindOutsideLiterals(t, ':', from);
        if (p == 0 || (rem > 0 && p > rem)) break;
        from = p + 1;
        if (std::size_t(p) < t.size() && t[std::size_t(p)] == '=') continue;  // named argument
        std::string_view piece = TrimView(std::string_view(t).substr(start, std::size_t(p) - 1 - start));
        if (!piece.empty()) pieces.push_back(std::string(piece) + c);
        start = std::size_t(p);
    }
    if (start == 0) return false;
    std::string_view last = TrimView(std::string_view(t).substr(start));
    if (!last.empty()) pieces.push_back(std::string(last) + c);
    if (pieces.size() < 2) {
        pieces.clear();
        return false;
    }
    return true;
}

// The first split rule that applies takes the line; its pieces meet the
// other rules in the next pass, so no statement is emitted twice. A line of
// a statement continued with " _" is never split: its pieces would tear the
// statement apart.
bool TVBSrcFormatter::SplitLine(const std::string& line, const TLineFacts& facts,
                                bool inContinuation, bool blankLines) {
    if (inContinuation || facts.Continued || facts.Label) return false;
    const bool vars = rule_options_.SplitVars;
    const bool consts = rule_options_.SplitConsts;
    const bool ifs = rule_options_.SplitIfs;
    const bool colons = rule_options_.SplitColons;
    if (!vars && !consts && !ifs && !colons) return false;
    TPieces& pieces = split_pieces_;
    pieces.clear();
    bool split = false;
    if (vars && IsMultiVarDeclaration(line))
        split = SplitVariables(line, options_.Bool(Opt::CorrectAsProblem), pieces);
    if (!split && consts && IsMultiConstDeclaration(line))
        split = SplitConstants(line, pieces);
    if (!split && facts.SingleLineIf && ifs) {
        split = SplitSingleLineIf(line, pieces);
        if (!split) return false;  // the ":" rule runs only when this one did not apply
    }
    if (!split && colons && line.find(':') != std::string::npos && HasColonStatements(line))
        split = SplitColonStatements(line, pieces);
    if (!split) return false;
    Modified = true;
    // The pieces get the empty lines between them that they will get as
    // lines of their own, so that styling the result again keeps it.
    TStatementKind previous = facts.Kind;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const TStatementKind kind = Classify(pieces[k]);
        if (blankLines && k > 0)
            InsertBlankLines(BlankLinesAfterCount(options_, previous) +
                             BlankLinesBeforeCount(options_, kind));
        AppendOutput(pieces[k], TColorObject::Changed());
        previous = kind;
    }
    split_last_kind_ = previous;
    return true;
}

void TVBSrcFormatter::ReadRuleOptions() {
    rule_options_.SplitVars = options_.Bool(Opt::MultiVarSplit);
    rule_options_.SplitConsts = options_.Bool(Opt::MultiConstSplit);
    rule_options_.SplitIfs = options_.Bool(Opt::IfThenSplit);
    rule_options_.SplitColons = options_.Bool(Opt::MultiStatementSplit);
    rule_options_.AlignAs = options_.Bool(Opt::AlignMultiDimAs);
    rule_options_.ForNextMode = options_.Int(Opt::GrpForNextProcessing);
    rule_options_.BlankLineMode = options_.Int(Opt::GrpBlankLines);
}

}  // namespace plumora
