#pragma once
// A high-score list for tests: the given scores down the ranks (0 for the rest), names
// "E1".."E12", levels 1..12, and in each entry's spare bytes its own rank, so that an
// entry that did not move whole is recognised as no old entry.
#include <string>
#include <vector>

#include "store/data_file.h"

namespace quorelin::testing {

inline HighScoreList MakeList(const std::vector<int>& scores) {
    HighScoreList list{};
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i].setScore(static_cast<std::uint16_t>(i < scores.size() ? scores[i] : 0));
        list[i].bytes()[22] = list[i].bytes()[23] = static_cast<std::uint8_t>(i + 1);
        // Built in two steps: GCC 12 warns falsely (-Wrestrict) about "E" + std::to_string.
        std::string name = "E";
        name += std::to_string(i + 1);
        list[i].setNameBytes(name);
        list[i].setLevel(static_cast<std::int32_t>(i + 1));
    }
    return list;
}

}  // namespace quorelin::testing
