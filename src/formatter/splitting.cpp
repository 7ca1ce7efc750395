// Single-line If and ":"-separated statements split into one line each.
#include "formatter/splitting.h"

#include "formatter/classifier.h"
#include "formatter/code_scan.h"
#include "formatter/line_ops.h"

namespace plumora {

namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// `If a Then 100` jumps to line 100; on a line of its own the number would
// become a label.
bool IsLineNumber(std::string_view s) {
    s = TrimView(s);
    if (s.empty()) return false;
    for (char ch : s)
        if (!IsDigit(ch)) return false;
    return true;
}

// On a line of its own, `b: c` starts with the label b; inside the If, b is
// a statement.
bool BecomesLabel(std::string_view s) { return IsLabelLine(TrimView(s)); }

std::string_view WithoutTrailingColon(std::string_view s) {
    s = TrimView(s);
    while (!s.empty() && s.back() == ':') s = TrimRightView(s.substr(0, s.size() - 1));
    return s;
}

}  // namespace

std::string CommentSuffix(std::string_view line, std::string_view lead) {
    const TLineScan scan = ScanLine(line);
    if (scan.Comment == kNone || scan.Comment + 1 >= line.size()) return {};
    std::string suffix(lead);
    suffix.append(line.substr(scan.Comment + 1));
    suffix.resize(TrimRightView(suffix).size());
    return suffix;
}

bool SplitSingleLineIf(std::string_view line, TPieces& pieces) {
    pieces.clear();
    const TLineScan scan = ScanLine(line);
    if (scan.Continued || scan.CommentContinued || scan.OpenLiteral) return false;
    // The statements: the code and a Rem comment, which is a statement of
    // the If too; the apostrophe comment goes with the If line.
    const std::size_t statementEnd = scan.Comment != kNone ? scan.Comment : line.size();
    const std::string_view all = TrimView(line.substr(0, statementEnd));
    const std::size_t lead = std::size_t(TrimLeftView(line).data() - line.data());
    const std::size_t codeEnd = scan.CodeEnd > lead ? scan.CodeEnd - lead : 0;
    const std::string_view code = all.substr(0, codeEnd);  // before any Rem

    const std::size_t then = FindWordOutsideLiterals(code, "THEN");
    if (then == kNone) return false;
    const std::string_view head = code.substr(0, then + 4);
    const std::string_view body = TrimView(all.substr(then + 4));
    if (body.empty()) return false;
    const std::string c = CommentSuffix(line, "     '");
    const std::size_t elsePos = FindWordOutsideLiterals(code, "ELSE", then + 4);
    if (elsePos == kNone) {
        if (IsLineNumber(body) || BecomesLabel(body)) return false;
        pieces = {std::string(head) + c, std::string(body), "End If"};
        return true;
    }
    const std::string_view thenPart = WithoutTrailingColon(code.substr(then + 4, elsePos - then - 4));
    // In `If a Then If b Then c Else d` the Else belongs to the inner If;
    // moving it to the outer one would change what runs.
    if (FindWordOutsideLiterals(thenPart, "IF") != kNone) return false;
    const std::string_view elsePart = TrimView(all.substr(elsePos + 4));
    if (IsLineNumber(thenPart) || IsLineNumber(elsePart) || BecomesLabel(thenPart) ||
        BecomesLabel(elsePart))
        return false;
    // An empty part (`If c Then Else x`, `If c Then x Else`) gets no line:
    // an empty line would be removed by the next styling.
    pieces.push_back(std::string(head) + c);
    if (!thenPart.empty()) pieces.push_back(std::string(thenPart));
    pieces.push_back("Else");
    if (!elsePart.empty()) pieces.push_back(std::string(elsePart));
    pieces.push_back("End If");
    return true;
}

bool SplitColonStatements(std::string_view line, TPieces& pieces) {
    pieces.clear();
    const TLineFacts facts = AnalyseLine(line);
    if (facts.Label || facts.SingleLineIf || facts.Scan.Colon == kNone ||
        facts.Scan.Continued || facts.Scan.CommentContinued)
        return false;
    const std::string c = CommentSuffix(line, "     '");
    const std::size_t end = facts.Scan.CodeEnd;
    const std::size_t statementEnd = facts.Scan.Comment != kNone ? facts.Scan.Comment : line.size();
    std::size_t start = 0;
    auto add = [&](std::string_view piece) {
        piece = TrimView(piece);
        if (!piece.empty()) pieces.push_back(std::string(piece) + c);
    };
    ForEachStatementColon(line, end, [&](std::size_t colon) {
        const std::string_view statement = TrimView(line.substr(start, colon - start));
        if (ClassifyStatement(statement) == skIf && statement.substr(0, 1) != "#" &&
            IsSingleLineIf(line.substr(start, end - start)))
            return false;  // the If owns the rest of the line
        add(statement);
        start = colon + 1;
        return true;
    });
    if (pieces.empty()) return false;
    // The last statement, with a Rem comment (which runs to the end of the
    // line, its ":" included) or the single-line If and all it owns.
    add(line.substr(start, statementEnd - start));
    if (pieces.size() < 2) {
        pieces.clear();
        return false;
    }
    return true;
}

namespace {

bool SplitOnceUnchecked(std::string_view line, const TLineFacts& facts, const TSplitRules& rules,
                        TPieces& pieces);

// A piece that ends with " _" would join the next piece to it.
bool SplitOnce(std::string_view line, const TLineFacts& facts, const TSplitRules& rules,
               TPieces& pieces) {
    if (!SplitOnceUnchecked(line, facts, rules, pieces)) return false;
    for (const std::string& piece : pieces) {
        const TLineScan scan = ScanLine(piece);
        if (scan.Continued || scan.CommentContinued) {
            pieces.clear();
            return false;
        }
    }
    return true;
}

bool SplitOnceUnchecked(std::string_view line, const TLineFacts& facts, const TSplitRules& rules,
                        TPieces& pieces) {
    // A string literal left open at the end of the line ends with text
    // (blanks too) that a piece must not lose.
    if (facts.Continued || facts.Scan.CommentContinued || facts.Scan.OpenLiteral || facts.Label ||
        facts.CommentLine || facts.Blank)
        return false;
    if (rules.Variables && IsMultiVarDeclaration(line) &&
        SplitVariables(line, rules.CorrectAsProblem, pieces))
        return true;
    if (rules.Constants && IsMultiConstDeclaration(line) && SplitConstants(line, pieces))
        return true;
    if (facts.SingleLineIf && rules.SingleLineIfs) {
        // The ":" rule runs only when this one did not apply: the
        // statements of a single-line If belong to it.
        return SplitSingleLineIf(line, pieces);
    }
    return rules.Statements && facts.Scan.Colon != kNone && SplitColonStatements(line, pieces);
}

// Pieces of pieces: a nested If, the Dim of a ":" line. Visual Basic nests
// single-line Ifs only so deep, and each split makes the text shorter.
void SplitInto(std::string_view line, const TSplitRules& rules, TPieces& out, int depth) {
    TPieces pieces;
    if (depth > 32 || !SplitOnce(line, AnalyseLine(line), rules, pieces)) {
        out.emplace_back(line);
        return;
    }
    for (const std::string& piece : pieces) SplitInto(piece, rules, out, depth + 1);
}

}  // namespace

bool SplitCompletely(std::string_view line, const TSplitRules& rules, TPieces& out) {
    return rules.Any() && SplitCompletely(line, AnalyseLine(line), rules, out);
}

bool SplitCompletely(std::string_view line, const TLineFacts& facts, const TSplitRules& rules,
                     TPieces& out) {
    if (!rules.Any()) return false;
    // Most lines have nothing any rule splits at: no "," and no ":".
    if (facts.Scan.Colon == kNone && !facts.SingleLineIf &&
        line.find(',') == std::string_view::npos)
        return false;
    TPieces pieces;
    if (!SplitOnce(line, facts, rules, pieces)) return false;
    for (const std::string& piece : pieces) SplitInto(piece, rules, out, 1);
    return true;
}

}  // namespace plumora
