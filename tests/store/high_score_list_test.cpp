// The list rule: where a result enters a list, and how the pending entry reaches the store.
#include "store/high_score_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/store/sample_list.h"

namespace quorelin {
namespace {

using testing::MakeList;

// The ranks of `after` by what stands there: "E3" for the whole old entry of rank 3,
// "new" for a new entry with `score` and `level`, "?" for anything else.
std::string Ranks(const HighScoreList& before, const HighScoreList& after, int score, int level) {
    std::string ranks;
    for (const HighScoreEntry& entry : after) {
        std::string what = "?";
        for (std::size_t old = 0; old < before.size(); ++old) {
            if (entry == before[old]) {
                what = "E" + std::to_string(old + 1);
            }
        }
        if (entry.score() == score && entry.level() == level &&
            entry.nameBytes() == std::string(18, ' ')) {
            what = "new";
        }
        ranks += (ranks.empty() ? "" : " ") + what;
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
        {{}, 0, 0, 0, "E1 E2 E3 E4 E5 E6 E7 E8 E9 E10 E11 E12"},
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
        EXPECT_EQ(Ranks(before, list, c.stored, 21), c.ranks);
    }
}

// A store whose list of table 4 holds 900, 800, 700 over nine zeros.
class WorkingListTest : public ::testing::Test {
protected:
    void SetUp() override { store.ReplaceList(4, MakeList({900, 800, 700})); }
    HighScoreStore store;
    WorkingList working;
};

TEST_F(WorkingListTest, AResultThatFindsARankWaitsAsPendingAndTheStoreIsUntouched) {
    struct Case {
        int table, score;
        int listIndex;
        bool pending;
        int rank;
    } const cases[] = {{4, 750, 4, true, 3},
                       {4, 0, 4, false, 0},
                       {5, 1, 5, true, 1},
                       {0, 1, 1, true, 1},
                       {25, 0, 20, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "table " << c.table << " score " << c.score);
        working.FillAndInsert(store, c.table, c.score, 6);
        EXPECT_EQ(working.ListIndex(), c.listIndex);
        EXPECT_EQ(working.EntryPending(), c.pending);
        if (c.pending) {
            EXPECT_EQ(working.NewEntryRank(), c.rank);
            EXPECT_EQ(working.List()[static_cast<std::size_t>(c.rank - 1)].score(), c.score);
        }
    }
    EXPECT_EQ(store.GetList(4), MakeList({900, 800, 700}));
    EXPECT_EQ(store.GetList(1), HighScoreList{});
}

TEST_F(WorkingListTest, StoringWritesTheNameAtThePendingRankAndReplacesTheStoresList) {
    struct Case {
        std::u32string typed;
        std::string stored;
    } const cases[] = {{U"Pietje", "Pietje"},
                       {U"", "Jan Klaasen"},
                       {U"Abcdefghijklmnopqrstuvw", "Abcdefghijklmnopqrst"},
                       {U"Zoë", "Zo\xEB"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        store.ReplaceList(4, MakeList({900, 800, 700}));
        working.FillAndInsert(store, 4, 750, 6);
        ASSERT_TRUE(working.StoreEntry(c.typed, store));
        EXPECT_TRUE(working.EntryPending()) << "storing leaves the entry pending";
        HighScoreList expected = MakeList({900, 800, 700});
        InsertResult(expected, 750, 6);
        expected[2].setNameBytes(c.stored);
        EXPECT_EQ(store.GetList(4), expected);
        EXPECT_EQ(working.List(), expected);
    }
}

TEST_F(WorkingListTest, WithoutAPendingEntryStoringChangesNothing) {
    working.FillAndInsert(store, 4, 0, 6);  // nothing lower than 0
    EXPECT_FALSE(working.StoreEntry(U"Pietje", store));
    working.FillAndInsert(store, 4, 750, 6);
    working.EndEntry();  // given up
    EXPECT_FALSE(working.StoreEntry(U"Pietje", store));
    EXPECT_EQ(store.GetList(4), MakeList({900, 800, 700}));
}

}  // namespace
}  // namespace quorelin
