// The integer encoding of the settings file: decimal, "0x"/"0X" or "$" hex.
// Anything that does not fit a 32-bit int counts as not an integer rather
// than wrapping around.
#include <charconv>
#include <cstdint>
#include <limits>

#include "settings/ini_file.h"

namespace plumora {

namespace {

std::optional<int> ParseDigits(std::string_view digits, int base, bool negative) {
    if (digits.empty()) return std::nullopt;
    // from_chars would accept a sign of its own; only bare digits are valid here.
    if (digits.front() == '+' || digits.front() == '-') return std::nullopt;
    std::uint64_t magnitude = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    const std::uint64_t maxPositive = std::numeric_limits<int>::max();
    if (negative) {
        if (magnitude > maxPositive + 1) return std::nullopt;
        return static_cast<int>(-static_cast<std::int64_t>(magnitude));
    }
    if (magnitude > maxPositive) return std::nullopt;
    return static_cast<int>(magnitude);
}

}  // namespace

std::optional<int> ParseIniInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ParseDigits(text.substr(2), 16, false);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() == '$') return ParseDigits(text.substr(1), 16, negative);
    return ParseDigits(text, 10, negative);
}

}  // namespace plumora
