#pragma once
// What the data file's and the data folder's problems say to the player, in the five
// languages (index Language - 1: English, Spanish, Dutch, Frisian, German). The windows
// show the sentence; the system's own error text stays as the system gives it.
#include <cstddef>
#include <string>

#include "store/data_file.h"

namespace quorelin {

// The problem of `result` as a sentence in language `language` (0..4), with the file's
// path and the system's error text in it.
std::string DescribeProblem(const DataFileResult& result, std::size_t language);

}  // namespace quorelin
