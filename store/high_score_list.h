#pragma once
// The rule of the high-score lists: where a game's result enters the list of its table,
// and how the entry waits for the player's name before the store takes the list. Plain
// code, so the rule is checked without a window.
#include <cstdint>
#include <string>

#include "store/data_file.h"

namespace quorelin {

// A game total as the list keeps it: above 65,535 it is stored as 65,535 (it still
// competes for a rank with its full value); below 0 as 0.
std::uint16_t StoredScore(std::int32_t score);

// Inserts a result above the first entry with a strictly lower score: the entries below
// move down one rank, rank 12 drops off, and the new entry gets the score, a name of 18
// blanks and the level. Returns the rank 1..12, or 0 when nothing was lower.
int InsertResult(HighScoreList& list, std::int32_t score, std::int32_t level);
// The same rule for a whole entry that a game's `score` earned: it moves in as its 28
// bytes. Returns the rank 1..12, or 0 when nothing was lower.
int InsertEntry(HighScoreList& list, std::int32_t score, const HighScoreEntry& entry);

// The list the high-score window shows: a working copy of one table's list with a
// result offered to it. An entry that found a rank is pending until it is stored or
// given up; the store changes only when the entry is stored.
class WorkingList {
public:
    // Takes the store's list of `table` (held to 1..20) and inserts the result.
    void FillAndInsert(const HighScoreStore& store, int table, std::int32_t score,
                       std::int32_t level);
    // Writes `name` into the pending entry (an empty name as "Jan Klaasen", a longer one
    // cut to 20 characters, control characters as blanks) and stores the working copy as
    // the table's list. Does nothing and returns false when no entry is pending or it was
    // stored already; the entry stays pending.
    bool StoreEntry(std::u32string name, HighScoreStore& store);
    // The entry is done with: stored for good, or dropped unstored.
    void EndEntry() { entryPending_ = false; }

    int ListIndex() const { return listIndex_; }
    const HighScoreList& List() const { return list_; }
    bool EntryPending() const { return entryPending_; }
    int NewEntryRank() const { return newEntryRank_; }

private:
    int listIndex_ = 1;
    HighScoreList list_{};
    bool entryPending_ = false;
    bool stored_ = false;
    int newEntryRank_ = 1;
    std::int32_t score_ = 0;  // the game's full total
};

}  // namespace quorelin
