// For/Next: tracks the open loops and rewrites the variable of Next lines.
#include "formatter/for_next.h"

#include <algorithm>

#include "formatter/line_ops.h"
#include "formatter/classifier.h"
#include "formatter/code_scan.h"

namespace plumora {

namespace {

bool IsKeyword(std::string_view s, std::string_view upperWord) {
    return s.size() >= upperWord.size() && StartsWithNoCase(s, upperWord) &&
           (s.size() == upperWord.size() || s[upperWord.size()] == ' ');
}

// The number of loop variables a Next statement names (0 for a bare Next).
int NextVariables(std::string_view statement) {
    std::string_view vars = TrimView(statement.substr(4));
    if (vars.empty()) return 0;
    int n = 1;
    for (char c : vars) n += c == ',';
    return n;
}

void Pop(std::vector<std::string>& stack, int count) {
    for (; count > 0 && !stack.empty(); --count) stack.pop_back();
}

// One statement of a ":" line: For pushes, Next pops.
void TrackStatement(std::string_view statement, std::vector<std::string>& stack) {
    statement = TrimView(statement);
    if (IsKeyword(statement, "FOR"))
        stack.push_back(ForVariable(statement));
    else if (IsKeyword(statement, "NEXT"))
        Pop(stack, std::max(1, NextVariables(statement)));
}

}  // namespace

std::string ForVariable(std::string_view statement) {
    std::string_view s = TrimView(statement);
    if (s.size() < 4) return {};
    s = TrimLeftView(s.substr(4));
    // For Each v In c: the variable before In.
    if (StartsWithNoCase(s, "EACH ")) {
        s = TrimLeftView(s.substr(5));
        std::size_t end = 0;
        while (end < s.size() && s[end] != ' ') ++end;
        const std::string_view rest = TrimLeftView(s.substr(end));
        if (end == 0 || !StartsWithNoCase(rest, "IN ")) return {};
        return std::string(s.substr(0, end));
    }
    std::size_t eq = s.find('=');
    if (eq == std::string_view::npos) return {};
    return std::string(TrimView(s.substr(0, eq)));
}

bool ForNextStep(std::string& line, std::vector<std::string>& stack, int mode) {
    // Most lines are neither For nor Next nor hold ":": leave them quickly.
    const std::size_t lead = line.find_first_not_of(' ');
    if (lead == std::string::npos) return false;
    const char c = char(line[lead] | 0x20);
    if (c != 'f' && c != 'n' && !(line[lead] >= '0' && line[lead] <= '9') &&
        line.find(':') == std::string::npos)
        return false;
    std::string_view number, statement;
    SplitLineNumber(line, number, statement);
    if (statement.empty()) return false;
    const char first = statement[0] & ~0x20;
    std::string_view code = CodePart(statement);
    const bool colon = code.find(':') != std::string_view::npos;
    if (!colon && first != 'F' && first != 'N') return false;

    if (colon) {
        bool statements = false;
        std::size_t start = 0;
        ForEachStatementColon(code, code.size(), [&](std::size_t p) {
            TrackStatement(code.substr(start, p - start), stack);
            start = p + 1;
            statements = true;
            return true;
        });
        if (statements) {
            TrackStatement(code.substr(start), stack);
            return false;
        }
    }
    if (IsKeyword(code, "FOR")) {
        stack.push_back(ForVariable(code));
        return false;
    }
    if (!IsKeyword(code, "NEXT")) return false;

    const int named = NextVariables(code);
    const std::string top = stack.empty() ? std::string() : stack.back();
    Pop(stack, std::max(1, named));
    if (mode != fnAddVariable && mode != fnRemoveVariable) return false;
    // Several loops, a Rem, or a statement continued with " _" on the next
    // line: rewriting it would cut the statement or lose a variable.
    if (named > 1 || RemStart(statement) > 0 || EndsWithContinuation(code)) return false;
    // Adding needs a variable to add: with none known the line stays as
    // written rather than lose the one it names.
    if (mode == fnAddVariable && top.empty()) return false;
    if (mode == fnAddVariable && named == 1) {
        std::string own(TrimView(code.substr(4)));
        std::string a, b;
        UpperInto(own, a);
        UpperInto(top, b);
        if (a != b) return false;  // closes another loop than we think: keep it
    }
    // Leading blanks, or the line number, stay in front.
    std::string rebuilt = line.substr(0, std::size_t(statement.data() - line.data()));
    rebuilt.append("Next");
    if (mode == fnAddVariable && !top.empty()) rebuilt.append(" ").append(top);
    // Four blanks before a comment; none at the end of the line.
    if (CommentStart(line) > 0) rebuilt.append("    '").append(CommentText(line));
    if (rebuilt == line) return false;
    line = std::move(rebuilt);
    return true;
}

}  // namespace plumora
