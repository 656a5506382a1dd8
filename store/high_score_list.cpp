#include "store/high_score_list.h"

#include <algorithm>
#include <string_view>

#include "store/windows1252.h"

namespace quorelin {
namespace {

// The name of an entry whose player left the name box empty.
constexpr std::u32string_view kDefaultName = U"Jan Klaasen";

// Makes room above the first entry with a strictly lower score: the entries from there
// move down one rank, whole, so their spare bytes travel with them, and rank 12 drops
// off. Returns the rank 1..12, or 0 when nothing was lower.
int MakeRoom(HighScoreList& list, std::int32_t score) {
    for (std::size_t r = 0; r < list.size(); ++r) {
        if (static_cast<std::int32_t>(list[r].score()) < score) {
            for (std::size_t k = list.size() - 1; k > r; --k) {
                list[k] = list[k - 1];
            }
            return static_cast<int>(r) + 1;
        }
    }
    return 0;
}

}  // namespace

std::uint16_t StoredScore(std::int32_t score) {
    return static_cast<std::uint16_t>(std::clamp<std::int32_t>(score, 0, 65535));
}

int InsertResult(HighScoreList& list, std::int32_t score, std::int32_t level) {
    const int rank = MakeRoom(list, score);
    if (rank != 0) {
        // The new entry takes over the bytes of the one that stood at its rank.
        HighScoreEntry& entry = list[static_cast<std::size_t>(rank - 1)];
        entry.setScore(StoredScore(score));
        entry.setNameBytes(std::string(18, ' '));
        entry.setLevel(level);
    }
    return rank;
}

int InsertEntry(HighScoreList& list, std::int32_t score, const HighScoreEntry& entry) {
    const int rank = MakeRoom(list, score);
    if (rank != 0) {
        list[static_cast<std::size_t>(rank - 1)] = entry;
    }
    return rank;
}

void WorkingList::FillAndInsert(const HighScoreStore& store, int table, std::int32_t score,
                                std::int32_t level) {
    listIndex_ = std::clamp(table, 1, kTableCount);
    entryPending_ = false;
    stored_ = false;
    score_ = score;
    list_ = store.GetList(listIndex_);
    if (const int rank = InsertResult(list_, score, level); rank != 0) {
        newEntryRank_ = rank;
        entryPending_ = true;
    }
}

bool WorkingList::StoreEntry(std::u32string name, HighScoreStore& store) {
    if (!entryPending_ || stored_) {
        return false;
    }
    if (name.empty()) {
        name = kDefaultName;
    }
    name.resize(std::min(name.size(), kNameCapacity));
    // A pasted line break or tab would split the name's row in the list.
    for (char32_t& c : name) {
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
            c = U' ';
        }
    }
    HighScoreEntry& entry = list_[static_cast<std::size_t>(newEntryRank_ - 1)];
    entry.setNameBytes(EncodeWindows1252(name));
    store.StoreEntry(listIndex_, list_, score_, entry);
    stored_ = true;
    return true;
}

}  // namespace quorelin
