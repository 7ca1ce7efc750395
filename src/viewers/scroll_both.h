// The shared vertical scroll bar of the side-by-side viewers: its range from
// the two views, and where a bar position puts each view.
#pragma once

namespace plumora {

struct TScrollBothRange {
    int Min = 0;
    int Max = 1;
    int SmallStep = 1;
    int LargeStep = 1;
    friend bool operator==(const TScrollBothRange&, const TScrollBothRange&) = default;
};

// The range follows the view with more lines (the right one on a tie): its
// line count minus the lines that fit, at least 1; a page is the lines that
// fit minus one, at least one line so that a page click always moves.
TScrollBothRange ScrollBothRange(int leftCount, int leftFit, int rightCount, int rightFit);

// The first visible line a view gets for a bar position: the position,
// limited to the view's line count.
int ScrollBothTopLine(int position, int lineCount);

}  // namespace plumora
