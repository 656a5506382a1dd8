#pragma once
// Names are kept on disk as single bytes of the Windows-1252 code page. Conversion
// happens only at this boundary, so the rest of the program handles Unicode text.
#include <string>
#include <string_view>

namespace quorelin {

// One byte per character; a character the code page cannot hold becomes '?', so a
// name in any alphabet is stored visibly replaced instead of as stray bytes.
std::string EncodeWindows1252(std::u32string_view text);

// Every byte maps to one character; the five bytes the code page leaves unassigned
// map to the control characters of the same number, so decoding never loses a byte.
std::u32string DecodeWindows1252(std::string_view bytes);

}  // namespace quorelin
