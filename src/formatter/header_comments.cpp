// Header comments of subs and functions: which procedure lines get one, the
// guard against a second copy, the values read from the declaration and the
// expansion of the template lines.
#include "formatter/header_comments.h"

#include <ctime>

#include "formatter/comment_groups.h"
#include "formatter/statement_kind.h"
#include "project/file_kind.h"
#include "settings/option_set.h"

namespace plumora {

namespace {

std::string Trimmed(std::string_view text) { return std::string(TrimView(text)); }

bool TakeWord(std::string_view& t, std::string_view upperWord) {
    if (t.size() <= upperWord.size() || !StartsWithNoCase(t, upperWord) ||
        t[upperWord.size()] != ' ')
        return false;
    t = TrimLeftView(t.substr(upperWord.size()));
    return true;
}

}  // namespace

std::string ProcedureName(std::string_view line) {
    std::string_view t = TrimView(line);
    (void)(TakeWord(t, "PUBLIC") || TakeWord(t, "PRIVATE") || TakeWord(t, "FRIEND"));
    (void)TakeWord(t, "STATIC");
    if (TakeWord(t, "PROPERTY")) {
        if (!(TakeWord(t, "GET") || TakeWord(t, "LET") || TakeWord(t, "SET"))) return "Unknown";
    } else if (!(TakeWord(t, "SUB") || TakeWord(t, "FUNCTION"))) {
        return "Unknown";
    }
    std::size_t end = 0;
    while (end < t.size() && t[end] != '(' && t[end] != '\'' && t[end] != ' ') ++end;
    if (end == 0) return "Unknown";
    return std::string(t.substr(0, end));
}

std::string SubName(std::string_view line) { return ProcedureName(line); }

std::string FunctionName(std::string_view line) { return ProcedureName(line); }

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
    const std::string_view code = CodePart(TrimView(line));
    const std::size_t open = code.find('(');
    if (open == std::string_view::npos) {
        // No parameter list: what follows the name ("Function Now As Date").
        const std::string name = ProcedureName(code);
        const std::size_t at = name == "Unknown" ? std::string_view::npos : code.find(name);
        return at == std::string_view::npos ? std::string() : Trimmed(code.substr(at + name.size()));
    }
    // After the parenthesis that closes the parameter list, so that
    // `As String()` keeps its own parentheses.
    int depth = 0;
    for (std::size_t i = open; i < code.size(); ++i) {
        if (code[i] == '(') ++depth;
        if (code[i] == ')' && --depth == 0) return Trimmed(code.substr(i + 1));
    }
    return {};
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

bool WantsHeader(TStatementKind kind, bool before, std::uint8_t fileKind,
                 const TOptionSet& options) {
    const bool sub = IsSubStart(kind);
    if (!sub && !IsFunctionStart(kind)) return false;
    if (!options.Bool(sub ? Opt::SubLevelCommentsPerform : Opt::FunctionLevelCommentsPerform))
        return false;
    const Opt side = sub ? (before ? Opt::SubLevelCommentsBeforeProcedure
                                   : Opt::SubLevelCommentsAfterProcedure)
                         : (before ? Opt::FunctionLevelCommentsBeforeProcedure
                                   : Opt::FunctionLevelCommentsAfterProcedure);
    if (!options.Bool(side)) return false;
    switch (options.Int(sub ? Opt::GrpSubLevelComments : Opt::GrpFunctionLevelComments)) {
        case hsForms: return fileKind == fkForm;
        case hsModules: return fileKind == fkModule;
        case hsBoth: return true;
        default: return false;
    }
}

std::vector<std::string> HeaderLines(std::string_view declaration, bool before,
                                     std::string_view neighbour, std::uint8_t fileKind,
                                     const TOptionSet& options, std::string_view date) {
    const TStatementKind kind = Classify(declaration);
    if (!WantsHeader(kind, before, fileKind, options)) return {};
    const bool sub = IsSubStart(kind);
    const std::vector<std::string>& lines =
        sub ? options.SubHeaderTemplate : options.FunctionHeaderTemplate;
    if (lines.empty()) return {};
    // A header already in place is recognised by the template line next to
    // the procedure, whatever its placeholders became and however comment
    // placement moved it.
    if (MatchesTemplateLine(neighbour, before ? lines.back() : lines.front())) return {};

    THeaderValues values;
    values.Name = ProcedureName(declaration);
    values.Parameters = sub ? SubParameters(declaration) : FunctionParameters(declaration);
    if (!sub) values.Returns = FunctionReturnClause(declaration);
    values.Author = options.Text(Opt::UserName);
    values.Date = date.empty() ? TodayShortDate() : std::string(date);
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const std::string& templateLine : lines) out.push_back(ExpandPlaceholders(templateLine, values));
    return out;
}

std::string DeclarationStatement(std::string joinedLine) {
    const TLineScan scan = ScanLine(joinedLine);
    joinedLine.resize(scan.Colon != kNone ? scan.Colon : scan.CodeEnd);
    joinedLine.resize(TrimRightView(joinedLine).size());
    return joinedLine;
}

}  // namespace plumora
