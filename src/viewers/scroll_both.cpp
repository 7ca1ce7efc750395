// Shared scroll bar figures for two line views.
#include "viewers/scroll_both.h"

#include <algorithm>

namespace plumora {

TScrollBothRange ScrollBothRange(int leftCount, int leftFit, int rightCount, int rightFit) {
    const bool left = leftCount > rightCount;
    const int count = left ? leftCount : rightCount;
    const int fit = left ? leftFit : rightFit;
    TScrollBothRange range;
    range.Max = std::max(count - fit, 1);
    range.LargeStep = std::max(fit - 1, 1);
    return range;
}

int ScrollBothTopLine(int position, int lineCount) {
    return std::clamp(position, 0, std::max(lineCount, 0));
}

}  // namespace plumora
