#pragma once
// Readable names for the cases of parameterised tests, so that a failing case names its
// screen case and language in ctest's output: "Class480Full_German".
#include <array>
#include <cstddef>
#include <ostream>
#include <string>

#include "game/screen_case.h"

namespace quorelin {

// How ctest's list and a failure print a screen case, alone or in a case's tuple.
inline void PrintTo(ScreenCase screen, std::ostream* out) {
    *out << ScreenCaseName(screen);
}

}  // namespace quorelin

namespace quorelin::testing {

inline const char* LanguageName(int language) {
    constexpr std::array<const char*, 5> kNames{"English", "Spanish", "Dutch", "Frisian", "German"};
    return language >= 1 && language <= 5 ? kNames[static_cast<std::size_t>(language - 1)]
                                          : "NoLanguage";
}

inline std::string CaseName(ScreenCase screen) {
    return ScreenCaseName(screen);
}
inline std::string CaseName(ScreenCase screen, int language) {
    return std::string(ScreenCaseName(screen)) + "_" + LanguageName(language);
}

}  // namespace quorelin::testing
