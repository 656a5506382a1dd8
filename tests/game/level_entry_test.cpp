// The typed start level: which texts are a level, and when the range warning shows.
#include "game/level_entry.h"

#include <gtest/gtest.h>

#include <optional>

namespace quorelin {
namespace {

TEST(LevelEntry, TheTypedLevelIsASignedDecimalNumber) {
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    for (const auto& [text, value] :
         {Case{"+7", 7}, Case{"-9", -9}, Case{"12", 12}, Case{"07", 7}, Case{"", std::nullopt},
          Case{"+", std::nullopt}, Case{"7a", std::nullopt}, Case{" 7", std::nullopt},
          Case{"1.", std::nullopt}, Case{"$A", std::nullopt}, Case{"--1", std::nullopt},
          Case{"99999999999", std::nullopt}}) {
        EXPECT_EQ(ParseLevel(text), value) << '"' << text << '"';
    }
}

TEST(LevelEntry, TheWarningFollowsTheRangeAndAnEmptyFieldWarnsOnlyWhenAccepted) {
    struct Case {
        const char* text;
        bool shownWhileTyping;
        bool shownWhenAccepted;
        std::optional<int> level;
    };
    for (const auto& [text, typing, accepted, level] :
         {Case{"1", false, false, 1}, Case{"20", false, false, 20}, Case{"+7", false, false, 7},
          Case{"0", true, true, std::nullopt}, Case{"21", true, true, std::nullopt},
          Case{"-5", true, true, std::nullopt}, Case{"ab", true, true, std::nullopt},
          Case{"", false, true, std::nullopt}}) {
        EXPECT_EQ(RangeWarningShown(text, EntryMoment::KeyReleased), typing) << '"' << text << '"';
        EXPECT_EQ(RangeWarningShown(text, EntryMoment::Accepting), accepted) << '"' << text << '"';
        EXPECT_EQ(ChosenLevel(text), level) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace quorelin
