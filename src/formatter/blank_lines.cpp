// The blank-line rules' option lookups by statement kind.
#include "formatter/blank_lines.h"

#include "formatter/line_ops.h"
#include "settings/option_set.h"

namespace plumora {

namespace {

struct TKindCounts {
    TStatementKind Kind;
    Opt Before;
    Opt After;
};

constexpr TKindCounts kCounts[] = {
    {skIf, Opt::BlankLinesIfThenBefore, Opt::BlankLinesIfThenAfter},
    {skElse, Opt::BlankLinesElseBefore, Opt::BlankLinesElseAfter},
    {skElseIf, Opt::BlankLinesElseBefore, Opt::BlankLinesElseAfter},
    {skEndIf, Opt::BlankLinesEndIfBefore, Opt::BlankLinesEndIfAfter},
    {skSelectCase, Opt::BlankLinesSelectBefore, Opt::BlankLinesSelectAfter},
    {skCase, Opt::BlankLinesCaseBefore, Opt::BlankLinesCaseAfter},
    {skEndSelect, Opt::BlankLinesEndSelectBefore, Opt::BlankLinesEndSelectAfter},
    {skDo, Opt::BlankLinesDoBefore, Opt::BlankLinesDoAfter},
    {skLoop, Opt::BlankLinesLoopBefore, Opt::BlankLinesLoopAfter},
    {skWhile, Opt::BlankLinesWhileBefore, Opt::BlankLinesWhileAfter},
    {skWend, Opt::BlankLinesWendBefore, Opt::BlankLinesWendAfter},
    {skFor, Opt::BlankLinesForBefore, Opt::BlankLinesForAfter},
    {skNext, Opt::BlankLinesNextBefore, Opt::BlankLinesNextAfter},
};

int Count(const TOptionSet& options, TStatementKind kind, bool before) {
    if (options.Int(Opt::GrpBlankLines) != blUseRules) return 0;
    for (const auto& k : kCounts)
        if (k.Kind == kind) return options.Int(before ? k.Before : k.After);
    return 0;
}

}  // namespace

bool KeepLine(const TOptionSet& options, std::string_view line) {
    if (!TrimView(line).empty()) return true;
    const int mode = options.Int(Opt::GrpBlankLines);
    return mode != blUseRules && mode != blRemoveAll;
}

int BlankLinesBeforeCount(const TOptionSet& options, TStatementKind kind) {
    return Count(options, kind, true);
}

int BlankLinesAfterCount(const TOptionSet& options, TStatementKind kind) {
    return Count(options, kind, false);
}

}  // namespace plumora
