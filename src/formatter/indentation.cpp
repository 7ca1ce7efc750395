// Indentation of code lines by block structure.
#include "formatter/indentation.h"

#include <algorithm>

#include "formatter/line_ops.h"
#include "settings/option_set.h"

namespace plumora {

namespace {

constexpr int kWidestIndent = 1024;

bool IsDirective(std::string_view statement) { return !statement.empty() && statement[0] == '#'; }

// The statement kind with the number of loops a Next closes.
void Close(TStatementKind k, std::string_view statement, TIndentState& state,
           const TOptionSet& options) {
    const int loops = k == skNext ? NextLoopCount(statement) : 1;
    for (int n = 0; n < loops; ++n) UpdateIndent(k, state, options);
}

}  // namespace

void UpdateIndent(TStatementKind kind, TIndentState& state, const TOptionSet& options) {
    auto amount = [&](Opt id) { return options.Int(id); };
    int& current = state.Current;
    switch (kind) {
        case skFunctionStart: case skPrivateFunctionStart: case skSubStart:
        case skPrivateSubStart: case skStaticFunctionStart: case skStaticSubStart:
        case skPublicFunctionStart: case skPublicSubStart:
            current = amount(Opt::DefaultLineIndent);
            if (!state.Conditionals.empty()) state.Conditionals.back().HoldsDeclaration = true;
            break;
        case skFunctionEnd: case skSubEnd: current = 0; break;
        case skIf: current += amount(Opt::IfThenElseIndent); break;
        case skEndIf: current -= amount(Opt::IfThenElseIndent); break;
        case skSelectCase: current += amount(Opt::SelectCaseIndent) + amount(Opt::CaseCodeIndent); break;
        case skEndSelect: current -= amount(Opt::SelectCaseIndent) + amount(Opt::CaseCodeIndent); break;
        case skDo: current += amount(Opt::DoLoopIndent); break;
        case skLoop: current -= amount(Opt::DoLoopIndent); break;
        case skWhile: current += amount(Opt::WhileWendIndent); break;
        case skWend: current -= amount(Opt::WhileWendIndent); break;
        case skFor: current += amount(Opt::ForNextIndent); break;
        case skNext: current -= amount(Opt::ForNextIndent); break;
        case skTypeStart: current += amount(Opt::TypeEndIndent); break;
        case skTypeEnd: current -= amount(Opt::TypeEndIndent); break;
        case skWith: current += amount(Opt::WithEndIndent); break;
        case skEndWith: current -= amount(Opt::WithEndIndent); break;
        default: break;
    }
}

void IndentFollowingStatements(std::string_view line, const TLineFacts& facts,
                               TIndentState& state, const TOptionSet& options) {
    if (facts.Scan.Colon == kNone || facts.SingleLineIf || state.InSingleLineIf) return;
    const std::size_t end = facts.Scan.CodeEnd;
    std::size_t start = kNone;
    auto statement = [&](std::size_t from, std::size_t to) {
        std::string_view s = TrimView(line.substr(from, to - from));
        if (s.empty()) return true;
        const TStatementKind k = ClassifyStatement(s);
        // A single-line If owns the rest of the line.
        if (k == skIf && !IsDirective(s) && IsSingleLineIf(s)) return false;
        if (IsProcedureEnd(k) || IsBlockCloser(k)) Close(k, s, state, options);
        else if (IsProcedureStart(k) || IsBlockOpener(k)) UpdateIndent(k, state, options);
        return true;
    };
    bool go = true;
    ForEachStatementColon(line, end, [&](std::size_t colon) {
        if (start != kNone) go = statement(start, colon);
        start = colon + 1;
        return go;
    });
    if (go && start != kNone && start < end) statement(start, end);
}

void IndentLine(std::string& line, const TLineFacts& facts, bool continuedSingleLineIf,
                TIndentState& state, const TOptionSet& options, std::string& scratch) {
    state.DeclarationDirective = false;
    // VB writes Attribute lines in column 1, also right under a procedure
    // line; it does not accept them moved.
    if (IsAttributeLine(line)) {
        line.erase(0, std::size_t(LeadingBlanks(line)));
        return;
    }
    // An empty line stays empty: blanks on it would be litter.
    if (facts.Blank) {
        line.clear();
        return;
    }

    // A line number stays in column 1; the statement after it is indented as
    // if the number were not there. A continued line never starts with one.
    std::string_view number, statement;
    if (state.InContinuation) {
        statement = TrimLeftView(line);
    } else {
        SplitLineNumber(line, number, statement);
    }

    int width = 0;
    const TStatementKind k = facts.Kind;
    if (state.InContinuation) {
        width = std::max(state.Current, 0) + options.Int(Opt::LineContinueIndent);
    } else if (facts.SingleLineIf || continuedSingleLineIf) {
        statement = TrimLeftView(statement);
        width = state.Current;
        state.InSingleLineIf = continuedSingleLineIf;
    } else if (IsDirective(statement) && (k == skElse || k == skElseIf || k == skEndIf) &&
               !state.Conditionals.empty() && state.Conditionals.back().HoldsDeclaration) {
        // `#Else` / `#End If` of declarations written once per branch: the
        // level is the procedure body's, as the declaration above set it.
        width = state.Conditionals.back().Level;
        state.DeclarationDirective = true;
        if (k == skEndIf) state.Conditionals.pop_back();
    } else if (IsProcedureEnd(k) || IsBlockCloser(k)) {
        Close(k, statement, state, options);
        width = state.Current;
        if (k == skEndIf && IsDirective(statement) && !state.Conditionals.empty())
            state.Conditionals.pop_back();
    } else if (IsProcedureStart(k) || IsBlockOpener(k)) {
        width = state.Current;
        if (k == skIf && IsDirective(statement)) state.Conditionals.push_back({width, false});
        UpdateIndent(k, state, options);
    } else if (k == skElse || k == skElseIf) {
        width = state.Current - options.Int(Opt::IfThenElseIndent);
    } else if (k == skCase) {
        width = state.Current - options.Int(Opt::CaseCodeIndent);
    } else {
        width = std::max(state.Current, 0);
    }
    IndentFollowingStatements(line, facts, state, options);

    // No line may be longer than Visual Basic accepts (1,023 characters);
    // a level beyond that is refused after styling, and must not cost the
    // memory of thousands of blanks on each of thousands of lines first.
    width = std::min(width, kWidestIndent);

    // Already in place (every line of a second pass, most of a tidy file).
    const std::size_t at = std::size_t(statement.data() - line.data());
    if (number.empty() && at == std::size_t(std::max(width, 0)) &&
        at + statement.size() == line.size())
        return;

    scratch.clear();
    if (!number.empty()) {
        scratch.append(number);
        if (!statement.empty())
            scratch.append(std::size_t(std::max(1, width - int(number.size()))), ' ');
    } else if (width > 0) {
        scratch.append(std::size_t(width), ' ');
    }
    scratch.append(statement);
    line.swap(scratch);
}

}  // namespace plumora
