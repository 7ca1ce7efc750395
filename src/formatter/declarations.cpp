// Declarations: which lines are declarations, their split into one line per
// variable or constant, and the alignment of their `As` clauses.
#include "formatter/declarations.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "formatter/line_ops.h"
#include "settings/option_set.h"

namespace plumora {

namespace {

bool Starts(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

// Upper-case, trim, strip the comment and the literals.
std::string CleanDeclaration(std::string_view line) {
    std::string t(line);
    StripComment(t);
    std::string u;
    UpperInto(TrimView(t), u);
    StripLiterals(u);
    return u;
}

std::string WithoutComment(std::string_view line) {
    std::string t(line);
    StripComment(t);
    return std::string(TrimView(t));
}

// A ":" separating statements (not one of a named argument).
bool HasStatementColon(std::string_view t) {
    for (int p = FindOutsideLiterals(t, ':'); p; p = FindOutsideLiterals(t, ':', p + 1))
        if (std::size_t(p) >= t.size() || t[std::size_t(p)] != '=') return true;
    return false;
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

std::string DeclName(std::string_view rest) {
    std::string t(TrimView(rest));
    StripComment(t);
    std::string u;
    UpperInto(t, u);
    std::size_t as = u.find(" AS ");
    if (as != std::string::npos) t.resize(as);
    std::size_t comma = t.find(',');
    if (comma != std::string::npos) t.resize(comma);
    return std::string(TrimView(t));
}

std::string DeclType(std::string_view rest) {
    std::string_view t = TrimView(rest);
    std::string u;
    UpperInto(t, u);
    std::size_t as = u.find(" AS ");
    if (as == std::string::npos) return {};
    std::string_view type = t.substr(as + 4);
    type = type.substr(0, type.find(','));
    if (TrimView(type).empty()) return " As Variant ";
    return " As " + std::string(TrimView(type)) + " ";
}

namespace {

// A declaration line taken apart for splitting: the keyword as it is written
// back, the text after it and the comment that every piece repeats.
struct TDeclParts {
    std::string Keyword;
    std::string Rest;
    std::string Comment;
};

// False when the line holds a statement colon or starts with none of the
// keywords (each given upper-case, as matched, and as written back).
bool DeclarationParts(std::string_view line, const char* commentPad,
                      std::initializer_list<std::pair<const char*, const char*>> keywords,
                      TDeclParts& parts) {
    const std::string t = WithoutComment(line);
    if (HasStatementColon(t)) return false;
    std::string tu;
    UpperInto(t, tu);
    for (const auto& [upper, written] : keywords) {
        if (!Starts(tu, upper)) continue;
        parts.Keyword = written;
        parts.Rest = t.substr(parts.Keyword.size());
        parts.Comment = CommentSuffix(line, commentPad);
        return true;
    }
    return false;
}

// One piece per comma outside literals; `trimPieces` also trims the end of
// each piece before its comma.
void SplitAtCommas(TDeclParts d, bool trimPieces, TPieces& pieces) {
    for (int p = FindOutsideLiterals(d.Rest, ','); p; p = FindOutsideLiterals(d.Rest, ',')) {
        std::string piece = d.Rest.substr(0, std::size_t(p) - 1);
        if (trimPieces) piece = std::string(TrimView(piece));
        pieces.push_back(d.Keyword + piece + d.Comment);
        d.Rest = std::string(TrimLeftView(d.Rest.substr(std::size_t(p))));
    }
    pieces.push_back(d.Keyword + std::string(TrimView(d.Rest)) + d.Comment);
}

// A split needs at least two pieces.
bool AtLeastTwo(TPieces& pieces) {
    if (pieces.size() >= 2) return true;
    pieces.clear();
    return false;
}

}  // namespace

bool SplitVariables(std::string_view line, bool correctAsProblem, TPieces& pieces) {
    pieces.clear();
    std::string u = CleanDeclaration(line);
    if (u.find('(') != std::string::npos && u.find(',') != std::string::npos) return false;
    TDeclParts d;
    if (!DeclarationParts(line, "    '",
                          {{"DIM ", "Dim "}, {"REDIM ", "Redim "}, {"GLOBAL ", "Global "},
                           {"STATIC ", "Static "}},
                          d))
        return false;
    if (!correctAsProblem) {
        SplitAtCommas(std::move(d), true, pieces);
        return AtLeastTwo(pieces);
    }
    std::string rest = d.Rest;
    while (!TrimView(rest).empty()) {
        pieces.push_back(d.Keyword + DeclName(rest) + DeclType(rest) + d.Comment);
        int p = FindOutsideLiterals(rest, ',');
        rest = p ? rest.substr(std::size_t(p)) : std::string();
    }
    return AtLeastTwo(pieces);
}

bool SplitConstants(std::string_view line, TPieces& pieces) {
    pieces.clear();
    TDeclParts d;
    if (!DeclarationParts(line, "     '", {{"CONST ", "Const "}, {"GLOBAL CONST ", "Global Const "}}, d))
        return false;
    SplitAtCommas(std::move(d), false, pieces);
    return AtLeastTwo(pieces);
}

int DeclarationAsColumn(std::string_view line) {
    std::string_view lead = TrimLeftView(line);
    // Only Dim, ReDim, Static and Global lines can be declarations here.
    if (lead.empty()) return 0;
    const char c = char(lead[0] & ~0x20);
    if (c != 'D' && c != 'R' && c != 'S' && c != 'G') return 0;
    if (Starts(lead, "Static Sub ") || Starts(lead, "Static Function ")) return 0;
    std::string u;
    UpperInto(TrimView(line), u);
    if (!IsDeclarationText(u)) return 0;
    std::size_t as = u.find(" AS ");
    return as == std::string::npos ? 1 : int(as) + 2;
}

bool AlignDeclarations(TStyledLines& output, std::size_t first, int count, int column) {
    bool changed = false;
    const std::size_t end = std::min(output.size(), first + std::size_t(count < 0 ? 0 : count));
    std::string u;
    for (std::size_t k = first; k < end; ++k) {
        std::string& line = output[k].Text;
        const int b = LeadingBlanks(line);
        std::string_view s = std::string_view(line).substr(std::size_t(b));
        UpperInto(TrimRightView(s), u);
        if (!IsDeclarationText(u)) continue;
        std::size_t p = u.find(" AS ");
        // The blank before As stays whatever the column says.
        if (p == std::string::npos || int(p) + 2 > column) continue;
        std::string aligned = Blanks(b) + std::string(s.substr(0, p + 1)) +
                              Blanks(column - int(p) - 2) + std::string(s.substr(p + 1));
        if (aligned != line) {
            line = std::move(aligned);
            changed = true;
        }
    }
    return changed;
}

void TVBSrcFormatter::TrackDeclarationGroup(const std::string& line) {
    // A line split in this pass has its pieces in Output already; it ends
    // the group so that the group's lines are still where they were counted.
    const int a = LineWasSplit ? 0 : DeclarationAsColumn(line);
    if (a == 0) {
        if (DimGroupCount > 0 && DimGroupCount >= options_.Int(Opt::AlignDimAsGroupQty) &&
            AlignDeclarations(Output, DimGroupStart, DimGroupCount, DimGroupMaxAs))
            Modified = true;
        DimGroupCount = 0;
        DimGroupMaxAs = 0;
        return;
    }
    if (DimGroupCount == 0) DimGroupStart = Output.size();
    ++DimGroupCount;
    DimGroupMaxAs = std::max(DimGroupMaxAs, a);
}

}  // namespace plumora
