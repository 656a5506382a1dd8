#include "store/high_score_list.h"

#include <algorithm>
#include <string_view>

#include "store/windows1252.h"

namespace quorelin {
namespace {

// The name of an entry whose player left the name box empty.
constexpr std::u32string_view kDefaultName = U"Jan Klaasen";

}  // namespace

std::uint16_t StoredScore(std::int32_t score) {
    return static_cast<std::uint16_t>(std::clamp<std::int32_t>(score, 0, 65535));
}

int InsertResult(HighScoreList& list, std::int32_t score, std::int32_t level) {
    for (std::size_t r = 0; r < list.size(); ++r) {
        if (static_cast<std::int32_t>(list[r].score()) < score) {
            // Whole entries move, so their spare bytes travel with them; the new entry
            // takes over the bytes of the one that stood at its rank.
            for (std::size_t k = list.size() - 1; k > r; --k) {
                list[k] = list[k - 1];
            }
            list[r].setScore(StoredScore(score));
            list[r].setNameBytes(std::string(18, ' '));
            list[r].setLevel(level);
            return static_cast<int>(r) + 1;
        }
    }
    return 0;
}

void WorkingList::FillAndInsert(const HighScoreStore& store, int table, std::int32_t score,
                                std::int32_t level) {
    listIndex_ = std::clamp(table, 1, kTableCount);
    entryPending_ = false;
    list_ = store.GetList(listIndex_);
    if (const int rank = InsertResult(list_, score, level); rank != 0) {
        newEntryRank_ = rank;
        entryPending_ = true;
    }
}

bool WorkingList::StoreEntry(std::u32string name, HighScoreStore& store) {
    if (!entryPending_) {
        return false;
    }
    if (name.empty()) {
        name = kDefaultName;
    }
    name.resize(std::min(name.size(), kNameCapacity));
    list_[static_cast<std::size_t>(newEntryRank_ - 1)].setNameBytes(EncodeWindows1252(name));
    store.ReplaceList(listIndex_, list_);
    return true;
}

}  // namespace quorelin
