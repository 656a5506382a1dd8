#pragma once
// The lists the game ships with: twelve modest results per table that a beginner can
// beat; and the reserve copy with clean lists, which a teacher puts in place to clear them.
#include "store/data_file.h"

namespace quorelin {

// The whole shipped record: English, partial screen, Sophisticated, the default lists.
DataRecord DefaultDataRecord();
// The reserve copy: the same settings, and in every list twelve entries with no name,
// score 0 and level 0, so a first result enters at rank 1.
DataRecord ReserveDataRecord();

}  // namespace quorelin
