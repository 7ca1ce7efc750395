// The lines a formatter pass produces: each styled line with its mark, and a
// line on its way through the rules.
#pragma once

#include <string>
#include <vector>

#include "formatter/color_object.h"

namespace plumora {

// One styled line with its mark.
struct TStyledLine {
    std::string Text;
    TColorObject Mark;
};
using TStyledLines = std::vector<TStyledLine>;

// A line between reading and writing: its text as the rules leave it and
// what decides its change mark.
struct TWorkLine {
    std::string Text;
    // The input line it came from, tabs expanded; empty for a line a rule
    // made (a split piece, a moved comment, a header line).
    std::string Original;
    bool Made = false;           // made by a rule: always marked changed
    bool ChangedBefore = false;  // marked changed by an earlier pass
    // The continuation of a comment that ends with " _": comment text that
    // no rule touches, whatever it looks like.
    bool CommentText = false;
    int BlankLinesBefore = 0;  // empty lines the blank-line rules put above it
    int BlankLinesAfter = 0;   // ... and below it
    // Where a comment moved off the line may go: never into a statement
    // continued with " _", never between a procedure and its Attribute
    // lines or its header.
    bool RoomAbove = true;
    bool RoomBelow = true;
    bool ContinuedBefore = false;  // the line continues the statement above
    // The indentation level before and after the line's own statements: the
    // layout of a comment moved off the line depends on its side.
    int LevelBefore = 0;
    int LevelAfter = 0;
};

}  // namespace plumora
