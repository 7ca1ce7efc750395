// TVisDiff: compares an old and a new text line by line and fills two line
// views side by side, equal lines on the same row and differences coloured.
#pragma once

#include <string>
#include <vector>

#include "host/line_sink.h"
#include "viewers/diff_rows.h"

namespace plumora {

class ICommandHost;

inline constexpr TColor kDiffBlack = TColor::FromRgb(0, 0, 0);
inline constexpr TColor kDiffYellow = TColor::FromRgb(255, 255, 0);
inline constexpr TColor kDiffBlue = TColor::FromRgb(0, 0, 255);
inline constexpr TColor kDiffSilver = TColor::FromRgb(192, 192, 192);

struct TDiffCellColors {
    TColor Font;
    TColor Back;
    friend bool operator==(const TDiffCellColors&, const TDiffCellColors&) = default;
};

// Colours of the left and right line of a row of the given kind.
TDiffCellColors LeftCellColors(TDiffRowKind kind);
TDiffCellColors RightCellColors(TDiffRowKind kind);

class TVisDiff {
public:
    // Not owned; both must be set before CompareLists does anything.
    ILineSink* LeftView = nullptr;
    ILineSink* RightView = nullptr;
    // Optional: shows the hourglass while the comparison runs. Not owned.
    ICommandHost* Host = nullptr;

    TVisDiff() = default;

    // Matches the lines and fills both views with the rows. The caller's
    // lists are not changed. Does nothing when either view is unset. A view's
    // failure propagates, with the hourglass turned off again.
    void CompareLists(const std::vector<std::string>& left, const std::vector<std::string>& right);

    // Clears both views, appends one line to each per row, then refreshes them.
    void DisplayOptimalDiff(const std::vector<std::string>& left,
                            const std::vector<std::string>& right,
                            const std::vector<TDiffRow>& rows);
};

}  // namespace plumora
