#pragma once
// Every text table has one column per language: 1 English, 2 Spanish, 3 Dutch,
// 4 Frisian, 5 German.
#include <cstddef>

namespace quorelin {

// The column of a language in a text table; a language outside 1..5 reads as English.
constexpr std::size_t LanguageIndex(int language) {
    return language >= 1 && language <= 5 ? static_cast<std::size_t>(language - 1) : 0;
}

}  // namespace quorelin
