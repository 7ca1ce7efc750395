// Indentation: the leading blanks of each code line from a running counter
// that block openers raise, closers lower and procedure lines reset.
#include <algorithm>

#include "formatter/classifier.h"
#include "formatter/formatter.h"
#include "formatter/line_ops.h"
#include "settings/option_set.h"

namespace plumora {

void TVBSrcFormatter::IndentLine(std::string& line) { IndentLine(line, AnalyseLine(line)); }

void TVBSrcFormatter::IndentLine(std::string& line, const TLineFacts& facts) {
    // VB writes Attribute lines in column 1, also right under a procedure
    // line; it does not accept them moved.
    if (IsAttributeLine(line)) {
        line.erase(0, std::size_t(LeadingBlanks(line)));
        return;
    }

    // A line number stays in column 1; the statement after it is indented as
    // if the number were not there. A continued line never starts with one.
    std::string_view number, statement;
    if (InContinuation) {
        statement = TrimLeftView(line);
    } else {
        SplitLineNumber(line, number, statement);
    }

    int width = 0;
    if (facts.SingleLineIf || (ContinuedSingleLineIf && !InContinuation)) {
        statement = TrimView(statement);
        width = CurrentIndent;
    } else {
        const TStatementKind k = facts.Kind;
        if (IsProcedureEnd(k) || IsBlockCloser(k)) {
            const int loops = k == skNext ? NextLoopCount(statement) : 1;
            for (int n = 0; n < loops; ++n) UpdateIndent(k);
            width = CurrentIndent;
        } else if (IsProcedureStart(k) || IsBlockOpener(k)) {
            width = CurrentIndent;
            UpdateIndent(k);
        } else if (k == skElse || k == skElseIf) {
            width = CurrentIndent - options_.Int(Opt::IfThenElseIndent);
        } else if (k == skCase) {
            width = CurrentIndent - options_.Int(Opt::CaseCodeIndent);
        } else {
            width = std::max(CurrentIndent, 0);
            if (InContinuation) width += options_.Int(Opt::LineContinueIndent);
        }
    }

    // Already in place (every line of a second pass, most of a tidy file).
    const std::size_t at = std::size_t(statement.data() - line.data());
    if (number.empty() && at == std::size_t(std::max(width, 0)) &&
        at + statement.size() == line.size())
        return;

    scratch_.clear();
    if (!number.empty()) {
        scratch_.append(number);
        if (!statement.empty())
            scratch_.append(std::size_t(std::max(1, width - int(number.size()))), ' ');
    } else if (width > 0) {
        scratch_.append(std::size_t(width), ' ');
    }
    scratch_.append(statement);
    line.swap(scratch_);
}

void TVBSrcFormatter::UpdateIndent(TStatementKind kind) {
    auto amount = [&](Opt id) { return options_.Int(id); };
    switch (kind) {
        case 0: case 2: case 3: case 4: case 6: case 7: case 8: case 9:
            CurrentIndent = amount(Opt::DefaultLineIndent);
            break;
        case 1: case 5:
            CurrentIndent = 0;
            break;
        case 15: CurrentIndent += amount(Opt::IfThenElseIndent); break;
        case 18: CurrentIndent -= amount(Opt::IfThenElseIndent); break;
        case 19:
            CurrentIndent += amount(Opt::SelectCaseIndent) + amount(Opt::CaseCodeIndent);
            break;
        case 21:
            CurrentIndent -= amount(Opt::SelectCaseIndent) + amount(Opt::CaseCodeIndent);
            break;
        case 22: CurrentIndent += amount(Opt::DoLoopIndent); break;
        case 25: CurrentIndent -= amount(Opt::DoLoopIndent); break;
        case 26: CurrentIndent += amount(Opt::WhileWendIndent); break;
        case 27: CurrentIndent -= amount(Opt::WhileWendIndent); break;
        case 28: CurrentIndent += amount(Opt::ForNextIndent); break;
        case 29: CurrentIndent -= amount(Opt::ForNextIndent); break;
        case 30: CurrentIndent += amount(Opt::TypeEndIndent); break;
        case 31: CurrentIndent -= amount(Opt::TypeEndIndent); break;
        case 32: CurrentIndent += amount(Opt::WithEndIndent); break;
        case 33: CurrentIndent -= amount(Opt::WithEndIndent); break;
        default: break;
    }
}

}  // namespace plumora
