// Declarations: which lines are declarations, their split into one line per
// variable or constant, and the alignment of their `As` clauses.
#include "formatter/declarations.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "formatter/code_scan.h"
#include "formatter/line_ops.h"

namespace plumora {

namespace {

bool Starts(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

// Upper-case, trim, strip the comment and the literals.
std::string CleanDeclaration(std::string_view line) {
    std::string u;
    CleanCodeInto(line, u);
    return u;
}

// Index of the first " AS " (any case) outside literals, kNone when none.
std::size_t FindAs(std::string_view code) {
    for (std::size_t i = FindWordOutsideLiterals(code, "AS"); i != kNone;
         i = FindWordOutsideLiterals(code, "AS", i + 2))
        if (i > 0 && code[i - 1] == ' ' && i + 2 < code.size() && code[i + 2] == ' ') return i - 1;
    return kNone;
}

}  // namespace

bool IsDeclarationText(std::string_view u) {
    if (Starts(u, "STATIC SUB ") || Starts(u, "STATIC FUNCTION ") ||
        Starts(u, "STATIC PROPERTY "))
        return false;
    if (Starts(u, "STATIC ")) return true;
    return Starts(u, "DIM ") || Starts(u, "REDIM ") ||
           (Starts(u, "GLOBAL ") && !Starts(u, "GLOBAL CONST "));
}

namespace {
// A cheap first look: the line holds a "," and starts with one of `letters`.
bool MayBe(std::string_view line, std::string_view letters) {
    std::string_view t = TrimLeftView(line);
    return !t.empty() && letters.find(char(t[0] & ~0x20)) != std::string_view::npos &&
           t.find(',') != std::string_view::npos;
}
}  // namespace

bool IsMultiVarDeclaration(std::string_view line) {
    if (!MayBe(line, "DRSG")) return false;
    std::string u = CleanDeclaration(line);
    return IsDeclarationText(u) && u.find(',') != std::string::npos;
}

bool IsMultiConstDeclaration(std::string_view line) {
    if (!MayBe(line, "CG")) return false;
    std::string u = CleanDeclaration(line);
    return (Starts(u, "CONST ") || Starts(u, "GLOBAL CONST ")) && u.find(',') != std::string::npos;
}

bool HasTypeSuffix(std::string_view name) {
    name = TrimView(name);
    // The suffix stands before array bounds: `a%(10)`.
    name = name.substr(0, name.find('('));
    name = TrimRightView(name);
    if (name.empty()) return false;
    const char c = name.back();
    return c == '%' || c == '$' || c == '&' || c == '!' || c == '#' || c == '@';
}

std::string DeclName(std::string_view rest) {
    std::string_view t = TrimView(rest);
    t = t.substr(0, ScanLine(t).CodeEnd);
    const std::size_t as = FindAs(t);
    if (as != kNone) t = t.substr(0, as);
    const std::size_t comma = FindOutsideLiterals(t, ',');
    if (comma != kNone) t = t.substr(0, comma);
    return std::string(TrimView(t));
}

std::string DeclType(std::string_view rest) {
    const std::string_view t = TrimView(rest);
    const std::size_t as = FindAs(t);
    if (as == kNone) return {};
    std::string_view type = t.substr(as + 4);
    const std::size_t comma = FindOutsideLiterals(type, ',');
    if (comma != kNone) type = type.substr(0, comma);
    type = TrimView(type);
    if (type.empty()) return " As Variant";
    return " As " + std::string(type);
}

namespace {

// A declaration line taken apart for splitting: the keyword as it is written
// back, the items of its list and the comment that every piece repeats.
struct TDeclParts {
    std::string Keyword;
    std::vector<std::string_view> Items;  // views into Code, trimmed
    std::string Comment;
    std::string Code;
};

// False when the line holds a statement colon or starts with none of the
// keywords (each given upper-case, as matched, and as written back).
bool DeclarationParts(std::string_view line, const char* commentPad,
                      std::initializer_list<std::pair<const char*, const char*>> keywords,
                      TDeclParts& parts) {
    const TLineScan scan = ScanLine(line);
    if (scan.Colon != kNone) return false;
    parts.Code = std::string(TrimView(line.substr(0, scan.CodeEnd)));
    const std::string_view t = parts.Code;
    for (const auto& [upper, written] : keywords) {
        if (!StartsWithNoCase(t, upper)) continue;
        parts.Keyword = written;
        const std::string_view rest = t.substr(parts.Keyword.size());
        // One walk finds every comma outside literals.
        std::size_t start = 0;
        for (std::size_t i = 0; i < rest.size();) {
            if (std::size_t n = LiteralLengthAt(rest, i)) {
                i += n;
                continue;
            }
            if (rest[i] == ',') {
                parts.Items.push_back(TrimView(rest.substr(start, i - start)));
                start = i + 1;
            }
            ++i;
        }
        parts.Items.push_back(TrimView(rest.substr(start)));
        if (scan.Comment != kNone) {
            parts.Comment = commentPad;
            parts.Comment.append(line.substr(scan.Comment + 1));
            parts.Comment.resize(TrimRightView(parts.Comment).size());
        }
        return true;
    }
    return false;
}

// A split needs at least two pieces, none of them empty.
bool Complete(const TDeclParts& d, TPieces& pieces) {
    for (std::string_view item : d.Items)
        if (item.empty()) {
            pieces.clear();
            return false;
        }
    if (pieces.size() >= 2) return true;
    pieces.clear();
    return false;
}

}  // namespace

bool SplitVariables(std::string_view line, bool correctAsProblem, TPieces& pieces) {
    pieces.clear();
    const std::string u = CleanDeclaration(line);
    if (u.find('(') != std::string::npos && u.find(',') != std::string::npos) return false;
    TDeclParts d;
    if (!DeclarationParts(line, "    '",
                          {{"DIM ", "Dim "}, {"REDIM ", "Redim "}, {"GLOBAL ", "Global "},
                           {"STATIC ", "Static "}},
                          d))
        return false;
    // The As clause each variable takes: its own, or (correcting the "As
    // problem") the next one in the list, worked out from the back so that
    // a long list stays linear.
    std::vector<std::string> types(d.Items.size());
    std::string following;
    for (std::size_t k = d.Items.size(); k-- > 0;) {
        const std::size_t as = FindAs(d.Items[k]);
        if (as != kNone) {
            following = " " + std::string(TrimView(d.Items[k].substr(as + 1)));
            continue;
        }
        if (correctAsProblem && !HasTypeSuffix(d.Items[k])) types[k] = following;
    }
    for (std::size_t k = 0; k < d.Items.size(); ++k) {
        std::string piece = d.Keyword;
        piece.append(d.Items[k]);
        piece.append(types[k]);
        piece.append(d.Comment);
        pieces.push_back(std::move(piece));
    }
    return Complete(d, pieces);
}

bool SplitConstants(std::string_view line, TPieces& pieces) {
    pieces.clear();
    TDeclParts d;
    if (!DeclarationParts(line, "     '", {{"CONST ", "Const "}, {"GLOBAL CONST ", "Global Const "}}, d))
        return false;
    for (std::string_view item : d.Items) pieces.push_back(d.Keyword + std::string(item) + d.Comment);
    return Complete(d, pieces);
}

int DeclarationAsColumn(std::string_view line) {
    const std::string_view lead = TrimLeftView(line);
    // Only Dim, ReDim, Static and Global lines can be declarations here.
    if (lead.empty()) return 0;
    const char c = char(lead[0] & ~0x20);
    if (c != 'D' && c != 'R' && c != 'S' && c != 'G') return 0;
    const std::string_view code = TrimRightView(lead.substr(0, ScanLine(lead).CodeEnd));
    // The keyword is all the test needs to see upper-cased.
    thread_local std::string u;
    UpperInto(code.substr(0, 16), u);
    if (!IsDeclarationText(u)) return 0;
    const std::size_t as = FindAs(code);
    return as == kNone ? 1 : int(as) + 2;
}

bool AlignDeclaration(std::string& line, int column) {
    const int b = LeadingBlanks(line);
    const std::string_view s = std::string_view(line).substr(std::size_t(b));
    const std::string_view code = TrimRightView(s.substr(0, ScanLine(s).CodeEnd));
    std::string u;
    UpperInto(code, u);
    if (!IsDeclarationText(u)) return false;
    const std::size_t p = FindAs(code);
    // The blank before As stays whatever the column says.
    if (p == kNone || int(p) + 2 >= column) return false;
    line.insert(std::size_t(b) + p + 1, std::size_t(column - int(p) - 2), ' ');
    return true;
}

}  // namespace plumora
