// The statement classifier and the line tests that share its cleaning.
#include "formatter/classifier.h"

#include <array>
#include <string>
#include <vector>

#include "formatter/line_ops.h"

namespace plumora {

namespace {

// The code of the line, trimmed, without comment or literals, upper-cased,
// written into a buffer that lives as long as the thread (the pass asks these
// questions for every line; no allocation once the buffer has grown).
std::string_view CleanCode(std::string_view line) {
    thread_local std::string buffer;
    CleanCodeInto(line, buffer);
    return buffer;
}
std::string_view CleanCode(std::string_view line, const TLineScan& scan) {
    thread_local std::string buffer;
    CleanCodeInto(line, scan, buffer);
    return buffer;
}

std::string_view WithoutLineNumber(std::string_view line) {
    std::string_view number, statement;
    SplitLineNumber(line, number, statement);
    return statement;
}

// Statements that may stand alone before a ":" separator and so must not be
// taken for labels ("Else: x = 1").
bool IsStandaloneKeyword(std::string_view word) {
    static constexpr std::array<std::string_view, 10> kWords = {
        "DO", "ELSE", "END", "LOOP", "NEXT", "WEND", "RESUME", "RETURN", "STOP", "BEEP"};
    for (auto w : kWords)
        if (w == word) return true;
    return false;
}

}  // namespace

namespace {

// The tests on code already cleaned by CleanCode.
// A label is a name or a line number directly followed by ":" (not ":=");
// `Else:` and `Loop:` are statements, and `x = 1:` is no label either.
bool IsLabelCode(std::string_view u) {
    if (u.empty()) return false;
    std::size_t i = 0;
    if (u[0] >= '0' && u[0] <= '9') {
        while (i < u.size() && u[i] >= '0' && u[i] <= '9') ++i;
    } else if (u[0] >= 'A' && u[0] <= 'Z') {
        while (i < u.size() && IsIdentChar(u[i])) ++i;
        if (IsStandaloneKeyword(u.substr(0, i))) return false;
    } else {
        return false;
    }
    if (i < u.size() && u[i] == ':') return i + 1 == u.size() || u[i + 1] != '=';
    // "Name :" with blanks before the colon and nothing after it.
    return u.back() == ':' && TrimView(u.substr(i, u.size() - 1 - i)).empty() && i > 0;
}

bool EndsWithContinuationCode(std::string_view u) {
    if (u.empty() || u.back() != '_') return false;
    return u.size() == 1 || IsTrimmed(u[u.size() - 2]);
}

bool IsSingleLineIfCode(std::string_view u) {
    std::string_view t = WithoutLineNumber(u);
    if (t.size() < 2 || t[0] != 'I' || t[1] != 'F') return false;
    if (t.size() > 2 && IsIdentChar(t[2])) return false;  // IfFlag = 1
    // Then must be the keyword, not part of a longer name (bThenFlag).
    for (std::size_t p = t.find("THEN", 2); p != std::string_view::npos;
         p = t.find("THEN", p + 1)) {
        bool wordStart = !IsIdentChar(t[p - 1]);
        bool wordEnd = p + 4 == t.size() || !IsIdentChar(t[p + 4]);
        // A statement must follow; nothing but ":" after Then is taken for
        // a block If, as the safety net reads it.
        if (wordStart && wordEnd) return t.find_first_not_of(": ", p + 4) != std::string_view::npos;
    }
    return false;
}

}  // namespace

bool IsLabelLine(std::string_view line) { return IsLabelCode(CleanCode(line)); }

bool EndsWithContinuation(std::string_view line) {
    return EndsWithContinuationCode(CleanCode(line));
}

namespace {
// `If a Then Rem note`: the Rem is the statement after Then.
bool IsIfThenRem(std::string_view u, const TLineScan& scan) {
    if (scan.Rem == kNone || u.size() < 7) return false;
    std::string_view t = WithoutLineNumber(u);
    // `If a Then Rem x` and `If a Then: Rem x`: the code ends with Then and
    // perhaps ":" separators.
    while (!t.empty() && (t.back() == ':' || t.back() == ' ')) t.remove_suffix(1);
    return t.size() >= 7 && t.substr(0, 3) == "IF " && t.substr(t.size() - 5) == " THEN";
}
}  // namespace

bool IsSingleLineIf(std::string_view line) {
    const TLineScan scan = ScanLine(line);
    const std::string_view u = CleanCode(line, scan);
    return IsSingleLineIfCode(u) || IsIfThenRem(u, scan);
}

TLineFacts AnalyseLine(std::string_view line) {
    TLineFacts facts;
    facts.Scan = ScanLine(line);
    const std::string_view lead = TrimLeftView(line);
    facts.Blank = lead.empty();
    facts.CommentLine = !lead.empty() && lead[0] == '\'';
    facts.Kind = facts.CommentLine || facts.Blank
                     ? TStatementKind(skOther)
                     : ClassifyStatement(WithoutLineNumber(TrimLeftView(
                           TrimRightView(line.substr(0, facts.Scan.CodeEnd)))));
    facts.Continued = facts.Scan.Continued;
    // Only a line with a ":" can be a label, and only an If line a
    // single-line If: the cleaned code is needed for those alone.
    if (facts.CommentLine || facts.Blank ||
        (facts.Scan.Colon == kNone && facts.Kind != skIf))
        return facts;
    std::string_view u = CleanCode(line, facts.Scan);
    facts.Label = facts.Scan.Colon != kNone && IsLabelCode(u);
    facts.SingleLineIf =
        facts.Kind == skIf && (IsSingleLineIfCode(u) || IsIfThenRem(u, facts.Scan));
    return facts;
}

bool HasColonStatements(std::string_view line) {
    if (IsLabelLine(line)) return false;
    std::string_view u = CleanCode(line);
    return u.find(':') != std::string_view::npos && u.find(":=") == std::string_view::npos;
}

bool IsAttributeLine(std::string_view line) {
    std::string_view t = TrimLeftView(line);
    return t.size() > 10 && t.substr(0, 10) == "Attribute " &&
           (IsIdentChar(t[10]) && !(t[10] >= '0' && t[10] <= '9'));
}

namespace {

struct KeywordTest {
    std::string_view Text;
    bool OnT2;  // tested on the line with one blank appended
    TStatementKind Kind;
};

// The keyword table in its order: the last matching test wins. The entries
// after "Next " cover procedure forms and Enum blocks that VB5 and VB6 code
// uses every day; they take the codes of the siblings they behave like.
constexpr std::array<KeywordTest, 53> kKeywords = {{
    {"Property ", false, skFunctionStart},
    {"Private Property ", false, skPrivateFunctionStart},
    {"Static Property ", false, skStaticFunctionStart},
    {"Public Property ", false, skPublicFunctionStart},
    {"End Property ", true, skFunctionEnd},
    {"Function ", false, skFunctionStart},
    {"Private Function ", false, skPrivateFunctionStart},
    {"Static Function ", false, skStaticFunctionStart},
    {"Public Function ", false, skPublicFunctionStart},
    {"End Function ", true, skFunctionEnd},
    {"Sub ", false, skSubStart},
    {"Private Sub ", false, skPrivateSubStart},
    {"Static Sub ", false, skStaticSubStart},
    {"Public Sub ", false, skPublicSubStart},
    {"End Sub ", true, skSubEnd},
    {"With ", false, skWith},
    {"End With ", true, skEndWith},
    {"Type ", false, skTypeStart},
    {"Public Type ", false, skTypeStart},
    {"Private Type ", false, skTypeStart},
    // "Type As " (a member called Type) is tested after the table.
    {"End Type ", true, skTypeEnd},
    {"If ", false, skIf},
    {"Else ", true, skElse},
    {"ElseIf ", false, skElseIf},
    {"End If ", true, skEndIf},
    {"#If ", false, skIf},
    {"#Else ", true, skElse},
    {"#ElseIf ", false, skElseIf},
    {"#End If ", true, skEndIf},
    {"Select Case ", false, skSelectCase},
    {"Case ", false, skCase},
    {"End Select ", true, skEndSelect},
    {"Do ", true, skDo},
    {"Loop ", true, skLoop},
    {"While ", false, skWhile},
    {"Wend ", true, skWend},
    {"For ", false, skFor},
    {"Next ", true, skNext},
    {"Friend Property ", false, skPublicFunctionStart},
    {"Friend Function ", false, skPublicFunctionStart},
    {"Friend Sub ", false, skPublicSubStart},
    {"Private Static Property ", false, skStaticFunctionStart},
    {"Public Static Property ", false, skStaticFunctionStart},
    {"Friend Static Property ", false, skStaticFunctionStart},
    {"Private Static Function ", false, skStaticFunctionStart},
    {"Public Static Function ", false, skStaticFunctionStart},
    {"Friend Static Function ", false, skStaticFunctionStart},
    {"Private Static Sub ", false, skStaticSubStart},
    {"Public Static Sub ", false, skStaticSubStart},
    {"Friend Static Sub ", false, skStaticSubStart},
    {"Enum ", false, skTypeStart},
    {"Public Enum ", false, skTypeStart},
    {"Private Enum ", false, skTypeStart},
}};

constexpr KeywordTest kEndEnum{"End Enum ", true, skTypeEnd};

// A keyword tested on t needs a blank and more text after it; one tested on
// t2 may also stand alone: at the end of the line, or before a ":"
// separator or a comment ("Else: x = 1", "Loop 'done").
bool Matches(std::string_view t, const KeywordTest& k) {
    const std::string_view word = k.Text.substr(0, k.Text.size() - 1);  // without its blank
    if (t.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (UpperChar(t[i]) != UpperChar(word[i])) return false;
    if (t.size() == word.size()) return k.OnT2;
    const char next = t[word.size()];
    if (next == ' ') return k.OnT2 || t.size() > word.size() + 1;
    if (!k.OnT2) return false;
    return next == '\'' ||
           (next == ':' && (t.size() == word.size() + 1 || t[word.size() + 1] != '='));
}

// The tests that can match a line, by its first character, in table order.
struct KeywordIndex {
    std::array<std::vector<const KeywordTest*>, 256> ByFirst;
    KeywordIndex() {
        for (const auto& k : kKeywords) Add(&k);
        Add(&kEndEnum);
    }
    void Add(const KeywordTest* k) {
        const unsigned char first = static_cast<unsigned char>(k->Text[0]);
        ByFirst[first].push_back(k);
        if (first >= 'A' && first <= 'Z') ByFirst[first - 'A' + 'a'].push_back(k);
    }
};

}  // namespace

TStatementKind ClassifyStatement(std::string_view t) {
    static const KeywordIndex index;
    if (t.empty()) return skOther;
    TStatementKind kind = skOther;
    for (const KeywordTest* k : index.ByFirst[static_cast<unsigned char>(t[0])])
        if (Matches(t, *k)) kind = k->Kind;
    if (kind == skTypeStart && StartsWithNoCase(t, "TYPE AS ")) kind = skOther;
    return kind;
}

// Only the code counts: `Case' 4` and `Case    ' 4` are the same statement,
// whatever comment placement makes of the blanks before the comment.
TStatementKind Classify(std::string_view line) {
    return ClassifyStatement(WithoutLineNumber(TrimLeftView(CodePart(line))));
}

bool HasOptionExplicitStatement(std::string_view line) {
    // Most lines hold no "Option" at all.
    const bool mayBe = [&] {
        for (char c : line)
            if (c == 'o' || c == 'O') return true;
        return false;
    }();
    if (!mayBe) return false;
    const TLineScan scan = ScanLine(line);
    auto isIt = [&](std::size_t from, std::size_t to) {
        std::string_view t = TrimView(line.substr(from, to - from));
        return StartsWithNoCase(t, "OPTION EXPLICIT") && (t.size() == 15 || IsTrimmed(t[15]));
    };
    std::size_t start = 0;
    bool found = false;
    ForEachStatementColon(line, scan.CodeEnd, [&](std::size_t colon) {
        found = isIt(start, colon);
        start = colon + 1;
        return !found;
    });
    return found || isIt(start, scan.CodeEnd);
}

int NextLoopCount(std::string_view line) {
    std::string_view u = TrimLeftView(CleanCode(WithoutLineNumber(TrimLeftView(line))));
    if (u.size() <= 4) return 1;
    std::string_view vars = TrimView(u.substr(4));
    if (vars.empty()) return 1;
    int count = 1;
    for (char c : vars)
        if (c == ',') ++count;
    return count;
}

}  // namespace plumora
