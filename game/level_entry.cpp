#include "game/level_entry.h"

namespace quorelin {

std::optional<int> ParseLevel(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const char digit : text) {
        // The field takes two characters; the bound only keeps a longer text from overflowing.
        if (digit < '0' || digit > '9' || value > 100000) {
            return std::nullopt;
        }
        value = value * 10 + (digit - '0');
    }
    return negative ? -value : value;
}

std::optional<int> ChosenLevel(std::string_view text) {
    const std::optional<int> value = ParseLevel(text);
    if (value && *value >= kLowestLevel && *value <= kHighestLevel) {
        return value;
    }
    return std::nullopt;
}

bool RangeWarningShown(std::string_view text, EntryMoment moment) {
    if (text.empty()) {
        return moment == EntryMoment::Accepting;
    }
    return !ChosenLevel(text);
}

}  // namespace quorelin
