// The mark each styled line carries: black on yellow when a rule inserted or
// changed the line, black on the system window colour otherwise.
#pragma once

#include "host/line_sink.h"

namespace plumora {

struct TColorObject {
    TColor FontColor = TColor::FromRgb(0, 0, 0);
    TColor BackColor = TColor::SystemWindow();

    static constexpr TColorObject Changed() {
        return {TColor::FromRgb(0, 0, 0), TColor::FromRgb(255, 255, 0)};
    }
    // The background stays a reference to the system colour, so the preview
    // follows the desktop's palette.
    static constexpr TColorObject Unchanged() {
        return {TColor::FromRgb(0, 0, 0), TColor::SystemWindow()};
    }
    bool IsChanged() const { return BackColor == Changed().BackColor; }
    friend bool operator==(const TColorObject&, const TColorObject&) = default;
};

}  // namespace plumora
