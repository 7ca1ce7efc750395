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

constexpr bool IsProcedureStart(TStatementKind k) {
    return k == 0 || k == 2 || k == 3 || k == 4 || k == 6 || k == 7 || k == 8 || k == 9;
}
// Function and Property starts (the function header template applies).
constexpr bool IsFunctionStart(TStatementKind k) { return k == 0 || k == 2 || k == 6 || k == 8; }
// Sub starts (the sub header template applies).
constexpr bool IsSubStart(TStatementKind k) { return k == 3 || k == 4 || k == 7 || k == 9; }
constexpr bool IsProcedureEnd(TStatementKind k) { return k == 1 || k == 5; }
constexpr bool IsBlockOpener(TStatementKind k) {
    return k == 15 || k == 19 || k == 22 || k == 26 || k == 28 || k == 30 || k == 32;
}
constexpr bool IsBlockCloser(TStatementKind k) {
    return k == 18 || k == 21 || k == 25 || k == 27 || k == 29 || k == 31 || k == 33;
}
constexpr bool IsMiddleLine(TStatementKind k) { return k == 16 || k == 17 || k == 20; }

}  // namespace plumora
