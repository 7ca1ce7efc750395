// Statement kinds: the 8-bit code the classifier gives one source line, and
// the groups of kinds that the indentation and the other rules ask about.
#pragma once

#include <cstdint>

namespace plumora {

using TStatementKind = std::uint8_t;

// The codes are stored and compared as numbers by every rule, so they are
// plain constants rather than an enum class. 10-14, 23 and 24 are reserved:
// the classifier never produces them and the rules treat them like skOther.
enum : TStatementKind {
    skFunctionStart = 0,         // Function or Property
    skFunctionEnd = 1,           // End Function, End Property
    skPrivateFunctionStart = 2,  // Private Function or Property
    skSubStart = 3,
    skPrivateSubStart = 4,
    skSubEnd = 5,
    skStaticFunctionStart = 6,   // Static Function or Property
    skStaticSubStart = 7,
    skPublicFunctionStart = 8,   // Public Function or Property
    skPublicSubStart = 9,
    skIf = 15,                   // If (block or single-line), #If
    skElse = 16,                 // Else, #Else
    skElseIf = 17,               // ElseIf, #ElseIf
    skEndIf = 18,                // End If, #End If
    skSelectCase = 19,
    skCase = 20,                 // Case, Case Else
    skEndSelect = 21,
    skDo = 22,
    skLoop = 25,
    skWhile = 26,
    skWend = 27,
    skFor = 28,                  // For, For Each
    skNext = 29,
    skTypeStart = 30,            // Type (and Enum)
    skTypeEnd = 31,              // End Type (and End Enum)
    skWith = 32,
    skEndWith = 33,
    skOther = 34,
};

constexpr bool IsFunctionStart(TStatementKind k) {
    return k == skFunctionStart || k == skPrivateFunctionStart || k == skStaticFunctionStart ||
           k == skPublicFunctionStart;
}
// Sub starts (the sub header template applies).
constexpr bool IsSubStart(TStatementKind k) {
    return k == skSubStart || k == skPrivateSubStart || k == skStaticSubStart ||
           k == skPublicSubStart;
}
// Function and Property starts take the function header template.
constexpr bool IsProcedureStart(TStatementKind k) { return IsFunctionStart(k) || IsSubStart(k); }
constexpr bool IsProcedureEnd(TStatementKind k) { return k == skFunctionEnd || k == skSubEnd; }
constexpr bool IsBlockOpener(TStatementKind k) {
    return k == skIf || k == skSelectCase || k == skDo || k == skWhile || k == skFor ||
           k == skTypeStart || k == skWith;
}
constexpr bool IsBlockCloser(TStatementKind k) {
    return k == skEndIf || k == skEndSelect || k == skLoop || k == skWend || k == skNext ||
           k == skTypeEnd || k == skEndWith;
}
constexpr bool IsMiddleLine(TStatementKind k) { return k == skElse || k == skElseIf || k == skCase; }

}  // namespace plumora
