// A view that receives lines with their colours: the line view of the
// viewers, a terminal, or a recording fake in tests.
#pragma once

#include <cstdint>
#include <string>

namespace plumora {

// A colour is either a fixed RGB value or a reference to the system's window
// background, which the desktop resolves from the current palette.
struct TColor {
    enum class Kind : std::uint8_t { Rgb, SystemWindow } Kind = Kind::Rgb;
    std::uint32_t Rgb = 0;  // 0xRRGGBB when Kind is Rgb

    static constexpr TColor FromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return TColor{Kind::Rgb, (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b};
    }
    static constexpr TColor SystemWindow() { return TColor{Kind::SystemWindow, 0}; }
    friend bool operator==(const TColor&, const TColor&) = default;
};

class ILineSink {
public:
    virtual ~ILineSink() = default;
    virtual void Clear() = 0;
    virtual void AppendLine(const std::string& text, TColor fontColor, TColor backColor) = 0;
    virtual void Refresh() = 0;
};

}  // namespace plumora
