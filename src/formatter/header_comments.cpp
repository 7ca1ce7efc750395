// Header comments of subs and functions: which procedure lines get one, the
// guard against a second copy, the values read from the declaration and the
// expansion of the template lines.
#include "formatter/header_comments.h"

#include <ctime>

#include "formatter/formatter.h"
#include "settings/option_set.h"

namespace plumora {

namespace {

std::string Trimmed(std::string_view text) { return std::string(TrimView(text)); }

// Length of the first prefix that the upper-cased line begins with; 0 when none.
std::size_t MatchedPrefix(std::string_view trimmed,
                          std::initializer_list<std::string_view> prefixes) {
    std::string upper;
    UpperInto(trimmed.substr(0, 20), upper);
    for (std::string_view prefix : prefixes)
        if (std::string_view(upper).substr(0, prefix.size()) == prefix) return prefix.size();
    return 0;
}

// The name runs from the prefix's closing blank up to the first "(" or
// apostrophe.
std::string NameAfter(std::string_view trimmed, std::size_t prefixLength) {
    if (prefixLength == 0) return "Unknown";
    std::string_view rest = trimmed.substr(prefixLength - 1);
    return Trimmed(rest.substr(0, rest.find_first_of("('")));
}

}  // namespace

std::string SubName(std::string_view line) {
    std::string_view t = TrimView(line);
    return NameAfter(t, MatchedPrefix(t, {"PUBLIC SUB ", "PRIVATE SUB ", "SUB "}));
}

std::string FunctionName(std::string_view line) {
    std::string_view t = TrimView(line);
    return NameAfter(t, MatchedPrefix(t, {"PUBLIC FUNCTION ", "PRIVATE FUNCTION ", "FUNCTION "}));
}

std::string SubParameters(std::string_view line) {
    std::string_view t = TrimView(line);
    std::size_t open = t.find('(');
    if (open == std::string_view::npos) return {};
    std::string_view rest = t.substr(open + 1);
    std::string_view params = TrimView(rest.substr(0, rest.find('\'')));
    if (!params.empty()) params.remove_suffix(1);  // the closing parenthesis
    return std::string(params);
}

std::string FunctionParameters(std::string_view line) {
    std::string_view t = TrimView(line);
    std::size_t open = t.find('(');
    if (open == std::string_view::npos) return {};
    int depth = 1;
    std::size_t end = open + 1;
    for (; end < t.size() && t[end] != '\''; ++end) {
        if (t[end] == '(') ++depth;
        if (t[end] == ')' && --depth == 0) break;
    }
    return Trimmed(t.substr(open + 1, end - open - 1));
}

std::string FunctionReturnClause(std::string_view line) {
    std::string_view code = CodePart(TrimView(line));
    std::size_t close = code.rfind(')');
    if (close == std::string_view::npos) return {};
    return Trimmed(code.substr(close + 1));
}

std::string ExpandPlaceholders(std::string_view templateLine, const THeaderValues& values) {
    std::string out;
    out.reserve(templateLine.size() + 32);
    for (std::size_t i = 0; i < templateLine.size(); ++i) {
        char c = templateLine[i];
        if (c != '%' || i + 1 == templateLine.size()) {
            out.push_back(c);
            continue;
        }
        const std::string* value = nullptr;
        switch (templateLine[i + 1]) {
            case 'N': case 'n': value = &values.Name; break;
            case 'A': case 'a': value = &values.Author; break;
            case 'D': case 'd': value = &values.Date; break;
            case 'P': case 'p': value = &values.Parameters; break;
            case 'R': case 'r': value = &values.Returns; break;
            default: break;
        }
        if (value) {
            out.append(*value);
            ++i;  // the letter is consumed
        } else {
            out.push_back('%');
        }
    }
    return out;
}

std::string TodayShortDate() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[16];
    std::strftime(text, sizeof text, "%m/%d/%Y", &local);
    return text;
}

bool TVBSrcFormatter::WantsHeader(TStatementKind kind, bool before) const {
    const bool sub = IsSubStart(kind);
    if (!sub && !IsFunctionStart(kind)) return false;
    if (!options_.Bool(sub ? Opt::SubLevelCommentsPerform : Opt::FunctionLevelCommentsPerform))
        return false;
    Opt side = sub ? (before ? Opt::SubLevelCommentsBeforeProcedure
                             : Opt::SubLevelCommentsAfterProcedure)
                   : (before ? Opt::FunctionLevelCommentsBeforeProcedure
                             : Opt::FunctionLevelCommentsAfterProcedure);
    if (!options_.Bool(side)) return false;
    switch (options_.Int(sub ? Opt::GrpSubLevelComments : Opt::GrpFunctionLevelComments)) {
        case 0: return FileKind == fkForm;
        case 1: return FileKind == fkModule;
        case 2: return true;
        default: return false;
    }
}

void TVBSrcFormatter::InsertHeader(const std::string& line, bool before) {
    const TStatementKind kind = Classify(line);
    if (!WantsHeader(kind, before)) return;
    const bool sub = IsSubStart(kind);
    const std::vector<std::string>& lines =
        sub ? options_.SubHeaderTemplate : options_.FunctionHeaderTemplate;
    if (lines.empty()) return;

    THeaderValues values;
    values.Name = sub ? SubName(line) : FunctionName(line);
    values.Parameters = sub ? SubParameters(line) : FunctionParameters(line);
    if (!sub) values.Returns = FunctionReturnClause(line);
    values.Author = options_.Text(Opt::UserName);
    values.Date = HeaderDate.empty() ? TodayShortDate() : HeaderDate;

    // A header already in place is recognised by the template line next to
    // the procedure, as written or as this procedure's header would read.
    // Its indentation does not count: comment placement moves header lines,
    // and a styled file styled again must not get a second header.
    std::string_view neighbour = TrimLeftView(before ? PrevLine : NextLine);
    const std::string& guard = before ? lines.back() : lines.front();
    if (neighbour == TrimLeftView(guard) ||
        neighbour == TrimLeftView(ExpandPlaceholders(guard, values)))
        return;
    for (const std::string& templateLine : lines)
        AppendOutput(ExpandPlaceholders(templateLine, values), TColorObject::Changed());
}

void TVBSrcFormatter::HeaderBeforeLine(std::string declaration) {
    header_start_ = Output.size();
    InsertHeader(declaration, true);
    header_inserted_ = Output.size() > header_start_;
    pending_header_ = std::move(declaration);
    header_pending_ = true;
}

// The header "after" a procedure goes below the whole declaration and below
// the Attribute lines Visual Basic keeps directly under it.
void TVBSrcFormatter::HeaderAfterLine(bool continued) {
    if (!header_pending_ || continued || IsAttributeLine(NextLine)) return;
    header_pending_ = false;
    InsertHeader(pending_header_, false);
}

}  // namespace plumora
