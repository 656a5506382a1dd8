#pragma once
// A list for tests: the scores given (0 for the rest), names "E1".."E12", levels 1..12 and
// each entry's rank in its spare bytes, so that an entry that did not move whole shows.
#include <string>
#include <vector>

#include "store/data_file.h"

namespace quorelin::testing {

inline HighScoreList MakeList(const std::vector<int>& scores) {
    HighScoreList list{};
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i].setScore(static_cast<std::uint16_t>(i < scores.size() ? scores[i] : 0));
        list[i].bytes()[22] = list[i].bytes()[23] = static_cast<std::uint8_t>(i + 1);
        list[i].setNameBytes(std::to_string(i + 1).insert(0, 1, 'E'));
        list[i].setLevel(static_cast<std::int32_t>(i + 1));
    }
    return list;
}

}  // namespace quorelin::testing
