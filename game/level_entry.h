#pragma once
// The start level typed into the level window: which texts are a level, and when the
// range warning under the field shows.
#include <optional>
#include <string_view>

namespace quorelin {

inline constexpr int kLowestLevel = 1;
inline constexpr int kHighestLevel = 20;

// The typed text as a whole number: an optional sign and decimal digits, nothing else.
std::optional<int> ParseLevel(std::string_view text);

// The start level the text chooses: a whole number in 1..20.
std::optional<int> ChosenLevel(std::string_view text);

// When the warning is brought up to date: after each key in the field, or as the field
// is accepted (OK or Enter).
enum class EntryMoment { KeyReleased, Accepting };

// Whether the range warning shows for the text: it shows for a text that is no whole
// number or lies outside 1..20, and hides for a level in range. An empty field hides it
// while typing and shows it when accepted.
bool RangeWarningShown(std::string_view text, EntryMoment moment);

}  // namespace quorelin
