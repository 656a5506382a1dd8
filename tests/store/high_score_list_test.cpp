// The list rule: where a result enters a list, and how the pending entry reaches the store.
#include "store/high_score_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/store/sample_list.h"

namespace quorelin {
namespace {

using testing::MakeList;

// The ranks of `after` by what stands there: "E3" for the whole old entry of rank 3,
// "new" for a new entry with `score`, level 21 and 18 blanks as its name, "?" otherwise.
std::string Ranks(const HighScoreList& before, const HighScoreList& after, int score) {
    std::string ranks;
    for (const HighScoreEntry& entry : after) {
        const auto old = std::find(before.begin(), before.end(), entry);
        ranks += ranks.empty() ? "" : " ";
        if (entry.score() == score && entry.level() == 21 &&
            entry.nameBytes() == std::string(18, ' ')) {
            ranks += "new";
        } else if (old == before.end()) {
            ranks += "?";
        } else {
            ranks += 'E';  // appended apart: GCC 12 at -O3 warns wrongly on "E" + string
            ranks += std::to_string(old - before.begin() + 1);
        }
    }
    return ranks;
}

TEST(InsertResult, AResultEntersAboveTheFirstStrictlyLowerScoreAndRankTwelveDropsOff) {
    const std::vector<int> tens{1100, 1000, 900, 800, 700, 600, 500, 400, 300, 200, 100, 0};
    struct Case {
        std::vector<int> scores;
        int result;
        int rank;
        int stored;  // the new entry's score
        const char* ranks;
    } const cases[] = {
        {{}, -5, 0, 0, "E1 E2 E3 E4 E5 E6 E7 E8 E9 E10 E11 E12"},
        {std::vector<int>(12, 500), 500, 0, 0, "E1 E2 E3 E4 E5 E6 E7 E8 E9 E10 E11 E12"},
        {std::vector<int>(12, 500), 501, 1, 501, "new E1 E2 E3 E4 E5 E6 E7 E8 E9 E10 E11"},
        {tens, 1050, 2, 1050, "E1 new E2 E3 E4 E5 E6 E7 E8 E9 E10 E11"},
        {tens, 1, 12, 1, "E1 E2 E3 E4 E5 E6 E7 E8 E9 E10 E11 new"},
        // Among equal scores the older entry stays higher.
        {{900, 800, 800, 700}, 800, 4, 800, "E1 E2 E3 new E4 E5 E6 E7 E8 E9 E10 E11"},
        // Above 65,535 a total competes in full and is kept as 65,535.
        {{65535, 100}, 65536 + 10, 1, 65535, "new E1 E2 E3 E4 E5 E6 E7 E8 E9 E10 E11"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.result << " into " << c.ranks);
        const HighScoreList before = MakeList(c.scores);
        HighScoreList list = before;
        EXPECT_EQ(InsertResult(list, c.result, 21), c.rank);
        EXPECT_EQ(Ranks(before, list, c.stored), c.ranks);
    }
}

// A result offered to a table whose list holds 900, 800, 700 over nine zeros, and a name
// typed for it: the store takes the list only when an entry is pending and is stored.
TEST(WorkingList, APendingEntryReachesTheStoreOnlyWhenStoredAndWithItsName) {
    struct Case {
        int table, score;
        std::u32string typed;
        int listIndex, rank;  // rank 0: nothing pending
        std::string stored;
    } const cases[] = {{4, 750, U"Pietje", 4, 3, "Pietje"},
                       {4, 750, U"", 4, 3, "Jan Klaasen"},
                       {4, 750, U"Abcdefghijklmnopqrstuvw", 4, 3, "Abcdefghijklmnopqrst"},
                       {4, 750, U"Zoë", 4, 3, "Zo\xEB"},
                       {4, 750, U"A\nB\tC\u007F\u0085D", 4, 3, "A B C  D"},  // pasted
                       {4, 0, U"Pietje", 4, 0, ""},
                       {0, 1, U"Pietje", 1, 1, "Pietje"},  // tables are held to 1..20
                       {25, 0, U"Pietje", 20, 0, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "table " << c.table << " score " << c.score);
        HighScoreStore store;
        store.ReplaceList(4, MakeList({900, 800, 700}));
        const HighScoreList before = store.GetList(c.listIndex);
        WorkingList working;
        working.FillAndInsert(store, c.table, c.score, 6);
        EXPECT_EQ(working.ListIndex(), c.listIndex);
        EXPECT_EQ(working.EntryPending(), c.rank != 0);
        EXPECT_EQ(store.GetList(c.listIndex), before) << "untouched until stored";
        HighScoreList expected = before;
        if (c.rank != 0) {
            EXPECT_EQ(working.NewEntryRank(), c.rank);
            InsertResult(expected, c.score, 6);
            expected[static_cast<std::size_t>(c.rank - 1)].setNameBytes(c.stored);
        }
        EXPECT_EQ(working.StoreEntry(c.typed, store), c.rank != 0);
        EXPECT_EQ(working.EntryPending(), c.rank != 0) << "storing leaves the entry pending";
        EXPECT_EQ(store.GetList(c.listIndex), expected);
        EXPECT_EQ(working.List(), expected);
        working.EndEntry();  // given up: nothing more is stored
        EXPECT_FALSE(working.StoreEntry(U"Piet", store));
    }
}

}  // namespace
}  // namespace quorelin
