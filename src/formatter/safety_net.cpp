// The safety net: a code-token comparison of the source and the styled text.
// Both sides are read as one token stream each (comments, blanks and line
// structure left out, ":" and line ends as statement separators) and brought
// to the same normal form for the rewrites the enabled rules may make:
// single-line Ifs as blocks, declaration lists one declaration each (with the
// copied As clauses), Next without its variable.
#include "formatter/safety_net.h"

#include <cstdint>
#include <algorithm>
#include <utility>

#include "formatter/formatter.h"
#include "formatter/line_ops.h"
#include "formatter/splitting.h"
#include "settings/option_set.h"

namespace plumora {

namespace {

enum : std::uint8_t { tkWord, tkLiteral, tkPunct, tkSep };

// Points into the line it was read from (the lines stay put while they are
// compared), or to a text the normal form adds ("End", "If").
struct TToken {
    const char* Text = nullptr;
    std::uint32_t Len = 0;
    int Line = 0;
    std::uint8_t Kind = tkPunct;
};

struct TNormalForm {
    bool IfBlocks = false;   // single-line If statements as block Ifs
    bool Declarations = false;
    bool CopyAs = false;     // the As clause a variable takes when split
    bool NextVariables = false;
    bool SpelledLiterals = false;  // spelling corrections may change string literals
};

constexpr const char* kRem = "REM";
constexpr const char* kScopeOpen = "{IF";
constexpr const char* kScopeClose = "IF}";

constexpr char Upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }

bool SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

bool IsWordChar(char c) {
    return IsIdentChar(c) || c == '.' || c == '$' || c == '%' || c == '&' || c == '!' ||
           c == '@' || static_cast<unsigned char>(c) >= 128;
}

bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

template <class TLineAt>
class TTokenStream {
public:
    TTokenStream(std::size_t count, TLineAt lineAt, TNormalForm form)
        : count_(count), line_at_(std::move(lineAt)), form_(form) {}

    bool Next(TToken& token) {
        while (pos_ >= out_.size()) {
            if (!Fill()) return false;
        }
        token = out_[pos_++];
        return true;
    }

    static std::string_view Text(const TToken& t) { return {t.Text, t.Len}; }

private:
    bool Word(std::size_t i, std::size_t end, std::string_view upper) const {
        return i < end && raw_[i].Kind == tkWord && SameNoCase(Text(raw_[i]), upper);
    }

    // Reads one logical line (continuations joined) and brings it to the
    // normal form.
    bool Fill() {
        raw_.clear();
        out_.clear();
        pos_ = 0;
        if (next_ >= count_) return false;
        while (next_ < count_) {
            const int line = int(next_);
            const std::string_view text = line_at_(next_++);
            // The continuation of a comment that ends with " _" is comment
            // text, whatever it looks like.
            if (in_comment_text_) {
                in_comment_text_ = EndsWithContinuationMark(text);
                if (raw_.empty()) continue;
                break;
            }
            if (!Tokenize(text, line)) break;
        }
        if (!raw_.empty()) {
            TToken sep;
            sep.Kind = tkSep;
            sep.Line = raw_.back().Line;
            raw_.push_back(sep);
        }
        Normalize(0, raw_.size());
        return true;
    }

    bool AtStatementStart() const {
        if (raw_.empty() || raw_.back().Kind == tkSep) return true;
        if (raw_.size() == 1 && AllDigits(Text(raw_[0]))) return true;
        const TToken& last = raw_.back();
        return last.Kind == tkWord &&
               (SameNoCase(Text(last), "THEN") || SameNoCase(Text(last), "ELSE"));
    }

    void Push(const char* text, std::size_t len, int line, std::uint8_t kind) {
        TToken t;
        t.Text = text;
        t.Len = std::uint32_t(len);
        t.Line = line;
        t.Kind = kind;
        raw_.push_back(t);
    }

    // Tokens of one physical line; returns true when the line is continued
    // with " _". Tabs are blanks here; inside literals Same() expands them.
    bool Tokenize(std::string_view s, int line) {
        const char* base = s.data();
        std::size_t i = 0;
        while (i < s.size()) {
            const char c = s[i];
            if (IsTrimmed(c)) {
                ++i;
            } else if (c == '\'') {
                in_comment_text_ = EndsWithContinuationMark(s.substr(i));
                return false;
            } else if (c == '"') {
                const std::size_t n = LiteralLengthAt(s, i);
                Push(base + i, n, line, tkLiteral);
                i += n;
            } else if (std::size_t n = c == '#' ? DateLiteralLength(s, i) : 0; n > 0) {
                Push(base + i, n, line, tkLiteral);
                i += n;
            } else if (c == ':' && !(i + 1 < s.size() && s[i + 1] == '=')) {
                Push(base + i, 1, line, tkSep);
                ++i;
            } else if (c == '_' && (i == 0 || IsTrimmed(s[i - 1])) &&
                       (TrimView(s.substr(i + 1)).empty() ||
                        TrimLeftView(s.substr(i + 1)).front() == '\'')) {
                return true;  // continued (a comment after the "_" is read past)
            } else if (IsWordChar(c)) {
                std::size_t j = i + 1;
                while (j < s.size() && (IsWordChar(s[j]) || (s[j] == '#' && IsIdentChar(s[j - 1]))))
                    ++j;
                if (SameNoCase(s.substr(i, j - i), "REM") && AtStatementStart()) {
                    // A Rem comment is a statement of its own (the one after
                    // the Then of `If a Then Rem x`); its text is a comment.
                    Push(kRem, 3, line, tkWord);
                    in_comment_text_ = EndsWithContinuationMark(s.substr(i));
                    return false;
                }
                Push(base + i, j - i, line, tkWord);
                i = j;
            } else {
                std::size_t len = (c == ':' ? 2 : 1);
                Push(base + i, len, line, tkPunct);
                i += len;
            }
        }
        return false;
    }

    void Emit(const TToken& t) {
        if (t.Kind == tkSep) {
            if (last_sep_) return;
            last_sep_ = true;
        } else {
            last_sep_ = false;
        }
        out_.push_back(t);
    }
    void EmitFixed(const char* text, int line, std::uint8_t kind) {
        TToken t;
        t.Text = text;
        t.Len = std::uint32_t(std::char_traits<char>::length(text));
        t.Line = line;
        t.Kind = kind;
        Emit(t);
    }
    void EmitRange(std::size_t b, std::size_t e) {
        for (std::size_t i = b; i < e; ++i) Emit(raw_[i]);
    }

    std::size_t StatementEnd(std::size_t k, std::size_t e) const {
        while (k < e && raw_[k].Kind != tkSep) ++k;
        return k;
    }

    void Normalize(std::size_t b, std::size_t e) {
        std::size_t s = b;
        while (s < e) {
            if (raw_[s].Kind == tkSep) {
                Emit(raw_[s++]);
                continue;
            }
            std::size_t k = s;
            if (AllDigits(Text(raw_[k])) && k + 1 < e && raw_[k + 1].Kind != tkSep) Emit(raw_[k++]);
            if (Word(k, e, "IF")) {
                std::size_t then = k + 1;
                while (then < e && raw_[then].Kind != tkSep && !Word(then, e, "THEN")) ++then;
                // A statement after Then (also after a ":" there) makes a
                // single-line If, which owns the rest of the line.
                bool body = false;
                for (std::size_t b = then + 1; b < e && !body; ++b) body = raw_[b].Kind != tkSep;
                if (Word(then, e, "THEN") && body) {
                    SingleLineIf(k, then, e);
                    return;
                }
            }
            const std::size_t end = StatementEnd(k, e);
            if (form_.Declarations && Declaration(k, end)) {
                s = end;
                continue;
            }
            // The one Option Explicit styling may insert is taken out of the
            // styled text before it is compared, wherever it stands.
            if (skip_option_explicit_ && end == k + 2 && Word(k, end, "OPTION") &&
                Word(k + 1, end, "EXPLICIT")) {
                skip_option_explicit_ = false;
                s = end;
                continue;
            }
            if (form_.NextVariables && Word(k, end, "NEXT")) {
                bool several = false;
                for (std::size_t i = k + 1; i < end; ++i)
                    several = several || (raw_[i].Kind == tkPunct && Text(raw_[i]) == ",");
                EmitRange(k, several ? end : k + 1);
                s = end;
                continue;
            }
            EmitRange(k, end);
            s = end;
        }
    }

    // As a block (the rewrite the If rule may make) or, without that rule,
    // with its scope marked, so that a statement moved out of the If or
    // into it is a difference either way.
    void SingleLineIf(std::size_t k, std::size_t then, std::size_t e) {
        const int line = raw_[k].Line;
        EmitRange(k, then + 1);
        if (!form_.IfBlocks) {
            EmitFixed(kScopeOpen, line, tkPunct);
            Normalize(then + 1, e);
            EmitFixed(kScopeClose, line, tkPunct);
            EmitFixed(":", line, tkSep);  // the If statement ends with its line
            return;
        }
        EmitFixed(":", line, tkSep);
        std::size_t el = then + 1;
        while (el < e && !Word(el, e, "ELSE")) ++el;
        if (el < e) {
            Normalize(then + 1, el);
            EmitFixed(":", line, tkSep);
            Emit(raw_[el]);
            EmitFixed(":", line, tkSep);
            Normalize(el + 1, e);
        } else {
            Normalize(then + 1, e);
        }
        EmitFixed(":", line, tkSep);
        EmitFixed("End", line, tkWord);
        EmitFixed("If", line, tkWord);
        EmitFixed(":", line, tkSep);
    }

    // A declaration list: one declaration per item, the keyword repeated.
    bool Declaration(std::size_t k, std::size_t end) {
        std::size_t kw = 0;
        bool variables = true;
        if (Word(k, end, "GLOBAL") && Word(k + 1, end, "CONST")) {
            kw = 2;
            variables = false;
        } else if (Word(k, end, "CONST")) {
            kw = 1;
            variables = false;
        } else if (Word(k, end, "DIM") || Word(k, end, "REDIM") || Word(k, end, "GLOBAL")) {
            kw = 1;
        } else if (Word(k, end, "STATIC") && !Word(k + 1, end, "SUB") &&
                   !Word(k + 1, end, "FUNCTION") && !Word(k + 1, end, "PROPERTY")) {
            kw = 1;
        } else {
            return false;
        }
        items_.clear();
        bool paren = false;
        int depth = 0;
        std::size_t start = k + kw;
        for (std::size_t i = start; i < end; ++i) {
            if (raw_[i].Kind != tkPunct) continue;
            std::string_view t = Text(raw_[i]);
            if (t == "(") {
                ++depth;
                paren = true;
            } else if (t == ")") {
                --depth;
            } else if (t == "," && depth == 0) {
                items_.push_back({start, i});
                start = i + 1;
            }
        }
        items_.push_back({start, end});
        const bool copyAs = form_.CopyAs && variables && !paren;
        for (std::size_t n = 0; n < items_.size(); ++n) {
            EmitRange(k, k + kw);
            auto [b, e] = items_[n];
            EmitRange(b, e);
            // A name with a type-declaration character takes no As clause.
            if (copyAs && AsIn(b, e) == e && !TypeSuffixed(b, e)) {
                for (std::size_t m = n + 1; m < items_.size(); ++m) {
                    std::size_t as = AsIn(items_[m].first, items_[m].second);
                    if (as < items_[m].second) {
                        EmitRange(as, items_[m].second);
                        break;
                    }
                }
            }
            EmitFixed(":", raw_[k].Line, tkSep);
        }
        return true;
    }

    bool TypeSuffixed(std::size_t b, std::size_t e) const {
        if (b >= e || raw_[b].Kind != tkWord) return false;
        const std::string_view name = Text(raw_[b]);
        const char c = name.back();
        return c == '%' || c == '$' || c == '&' || c == '!' || c == '#' || c == '@';
    }

    std::size_t AsIn(std::size_t b, std::size_t e) const {
        for (std::size_t i = b; i < e; ++i)
            if (Word(i, e, "AS")) return i;
        return e;
    }

    std::size_t count_;
    std::size_t next_ = 0;
    TLineAt line_at_;
    TNormalForm form_;
    std::vector<TToken> raw_;
    std::vector<TToken> out_;
    std::vector<std::pair<std::size_t, std::size_t>> items_;
    std::size_t pos_ = 0;
    bool last_sep_ = true;
    bool in_comment_text_ = false;

public:
    bool skip_option_explicit_ = false;
};

// A literal is data: byte for byte (a tab in it too), unless spelling
// corrections may change string literals.
bool Same(const TToken& a, const TToken& b, bool spelledLiterals) {
    if (a.Kind != b.Kind) return false;
    if (a.Kind == tkSep) return true;
    const std::string_view x{a.Text, a.Len}, y{b.Text, b.Len};
    if (a.Kind != tkLiteral) return SameNoCase(x, y);
    if (spelledLiterals && x[0] == '"' && y[0] == '"') return true;
    return x == y;
}

// `Option Explicit` anywhere in the source: then none may be inserted.
template <class SourceAt>
bool SourceHasOptionExplicit(std::size_t count, SourceAt sourceAt) {
    for (std::size_t i = 0; i < count; ++i)
        if (HasOptionExplicitStatement(sourceAt(i))) return true;
    return false;
}

template <class SourceAt, class StyledAt>
std::optional<TSafetyNetReport> Compare(std::size_t sourceCount, SourceAt sourceAt,
                                        std::size_t styledCount, StyledAt styledAt,
                                        const TOptionSet& options, std::string_view fileName) {
    TNormalForm form;
    form.IfBlocks = options.Bool(Opt::IfThenSplit);
    form.Declarations = options.Bool(Opt::MultiVarSplit) || options.Bool(Opt::MultiConstSplit);
    form.CopyAs = options.Bool(Opt::MultiVarSplit) && options.Bool(Opt::CorrectAsProblem);
    form.NextVariables = options.Int(Opt::GrpForNextProcessing) != 0;
    form.SpelledLiterals =
        options.Bool(Opt::SpellingPerform) && options.Bool(Opt::SpellingLiterals);
    TTokenStream<SourceAt> src(sourceCount, sourceAt, form);
    TTokenStream<StyledAt> sty(styledCount, styledAt, form);
    sty.skip_option_explicit_ = options.Bool(Opt::OptionExplicitInsert) &&
                                !SourceHasOptionExplicit(sourceCount, sourceAt);

    TToken a, b;
    bool ha = src.Next(a), hb = sty.Next(b);
    while (ha || hb) {
        if (ha && hb && Same(a, b, form.SpelledLiterals)) {
            ha = src.Next(a);
            hb = sty.Next(b);
            continue;
        }
        // A separator against the end of the other text is no difference.
        if (ha && !hb && a.Kind == tkSep) {
            ha = src.Next(a);
            continue;
        }
        if (hb && !ha && b.Kind == tkSep) {
            hb = sty.Next(b);
            continue;
        }
        TSafetyNetReport report;
        report.FileName = std::string(fileName);
        if (ha) {
            report.SourceLine = a.Line + 1;
            report.SourceText = std::string(sourceAt(std::size_t(a.Line)));
        }
        if (hb) {
            report.StyledLine = b.Line + 1;
            report.StyledText = std::string(styledAt(std::size_t(b.Line)));
        }
        return report;
    }
    return std::nullopt;
}

}  // namespace

std::string TSafetyNetReport::Message() const {
    std::string m = FileName.empty() ? std::string("styled text") : FileName;
    m += ": styling changed the code at ";
    m += SourceLine ? "line " + std::to_string(SourceLine) : std::string("the end of the file");
    m += StyledLine ? " (styled line " + std::to_string(StyledLine) + ")"
                    : std::string(" (the styled text ended early)");
    m += "; the file was not written.";
    if (SourceLine) m += "\n  source: " + SourceText;
    if (StyledLine) m += "\n  styled: " + StyledText;
    return m;
}

std::optional<TSafetyNetReport> CheckStyledCode(const std::vector<std::string>& source,
                                                const std::vector<TStyledLine>& styled,
                                                const TOptionSet& options,
                                                std::string_view fileName, int /*tabStops*/) {
    return Compare(
        source.size(), [&](std::size_t i) -> std::string_view { return source[i]; },
        styled.size(), [&](std::size_t i) -> std::string_view { return styled[i].Text; },
        options, fileName);
}

std::optional<TSafetyNetReport> CheckStyledCode(const std::vector<std::string>& source,
                                                const std::vector<std::string>& styled,
                                                const TOptionSet& options,
                                                std::string_view fileName, int /*tabStops*/) {
    return Compare(
        source.size(), [&](std::size_t i) -> std::string_view { return source[i]; },
        styled.size(), [&](std::size_t i) -> std::string_view { return styled[i]; }, options,
        fileName);
}

}  // namespace plumora
