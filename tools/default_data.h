#pragma once
// The lists the game ships with: twelve modest results per table that a beginner can
// beat, and the same clean lists in the reserve copy.
#include "store/data_file.h"

namespace quorelin {

// The whole shipped record: English, partial screen, Sophisticated, the default lists.
DataRecord DefaultDataRecord();

}  // namespace quorelin
