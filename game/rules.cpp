#include "game/rules.h"

#include <cassert>

#include "game/rounding.h"

namespace quorelin {

namespace {

// The product list holds at most this many entries, so that a choice of k in 1..9
// can pick each of them.
constexpr int kMaxProducts = 9;
// A new number is picked at most this many times to differ from the falling one.
constexpr int kMaxPicks = 4;
// The bottom row that can hold blocks or stones; row 20 is always floor.
constexpr int kLowestPlayRow = PlayField::kRows - 1;
// Levels from this one on start with stones, and their bands scan one row lower.
constexpr int kFirstStoneLevel = 18;
// A level slower than this counts towards withdrawing the stone relief.
constexpr std::int32_t kSlowLevelSeconds = 100;
constexpr std::int32_t kMaxElapsedSeconds = 7000;
constexpr std::int32_t kPointsPerBand = 8;

bool RowIsEmpty(const PlayField& field, int row) {
    for (int col = 1; col <= PlayField::kColumns; ++col) {
        if (field.at(col, row).kind != kEmpty) {
            return false;
        }
    }
    return true;
}

bool RowsFormBand(const PlayField& field, int row) {
    for (int col = 1; col <= PlayField::kColumns; ++col) {
        if (field.at(col, row).kind != kSolved || field.at(col, row + 1).kind != kSolved) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool IsNumberBlock(std::int32_t kind) {
    return kind == kMultipleOf3 || kind == kEvenNumber || kind == kMultipleOf5 ||
           kind == kMultipleOf4 || kind == kOtherNumber;
}

bool IsFixed(std::int32_t kind) {
    return kind == kFloor || kind == kStone || kind == kSolved;
}

bool PlayField::Contains(int col, int row) {
    return col >= 1 && col <= kColumns && row >= 1 && row <= kRows;
}

Cell& PlayField::at(int col, int row) {
    assert(Contains(col, row));
    return cells_[static_cast<std::size_t>((row - 1) * kColumns + (col - 1))];
}

const Cell& PlayField::at(int col, int row) const {
    assert(Contains(col, row));
    return cells_[static_cast<std::size_t>((row - 1) * kColumns + (col - 1))];
}

std::int32_t ColourClass(std::int32_t n) {
    if (n % 5 == 0) {
        return kMultipleOf5;
    }
    if (n % 4 == 0) {
        return kMultipleOf4;
    }
    if (n % 3 == 0) {
        return kMultipleOf3;
    }
    if (n % 2 == 0) {
        return kEvenNumber;
    }
    return kOtherNumber;
}

std::int32_t PlainNumberRange(int level) {
    if (level <= 20) {
        return 10;
    }
    if (level <= 29) {
        return level - 10;
    }
    if (level == 30) {
        return 5;
    }
    if (level <= 40) {
        return level - 11;
    }
    return 30;
}

int TopStoneRow(int level, const std::array<std::int32_t, 5>& stoneRelief) {
    if (level < kFirstStoneLevel) {
        return 0;
    }
    if (level <= 20) {
        return 37 - level;
    }
    if (level <= 24) {
        return 15;
    }
    if (level <= 29) {
        return 13 + stoneRelief[kRelief25];
    }
    if (level <= 34) {
        return 13 + stoneRelief[kRelief30];
    }
    if (level <= 39) {
        return 13 + stoneRelief[kRelief35];
    }
    if (level <= 44) {
        return 12 + stoneRelief[kRelief40];
    }
    return 12 + stoneRelief[kRelief45];
}

std::int32_t TimeTier(int level) {
    if (level <= 10) {
        static constexpr std::array<std::int32_t, 11> kLow{0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 6};
        return kLow[static_cast<std::size_t>(level < 1 ? 1 : level)];
    }
    if (level <= 20) {
        static constexpr std::array<std::int32_t, 10> kHigh{8, 12, 20, 30, 40, 50, 60, 70, 80, 100};
        return kHigh[static_cast<std::size_t>(level - 11)];
    }
    if (level <= 29) {
        return 100;
    }
    if (level <= 34) {
        return 150;
    }
    if (level <= 39) {
        return 175;
    }
    if (level <= 44) {
        return 200;
    }
    if (level <= 49) {
        return 250;
    }
    return 300;
}

std::int32_t TimeTierAfter(int level, std::int32_t elapsedSeconds) {
    const std::int32_t p = TimeTier(level);
    if (elapsedSeconds > 150) {
        return 0;
    }
    if (elapsedSeconds >= 61) {
        return p - static_cast<std::int32_t>(
                       RoundHalfEven(static_cast<double>(elapsedSeconds - 60) * p / 90.0));
    }
    return p;
}

std::int32_t ElapsedSeconds(const TimeOfDay& start, const TimeOfDay& end) {
    int endHour = end.hour;
    if (endHour < start.hour) {
        endHour += 24;
    }
    const std::int32_t e = (endHour - start.hour) * 3600 + (end.minute - start.minute) * 60 +
                           (end.second - start.second);
    return e > kMaxElapsedSeconds ? kMaxElapsedSeconds : e;
}

Rules::Rules(GameState& game, InputRequests& input, RandomSource& random, RuleEvents& events)
    : state_(game), input_(input), random_(random), events_(events) {
    ResetFieldCells();
}

void Rules::ResetFieldCells() {
    for (int row = 1; row <= PlayField::kRows; ++row) {
        for (int col = 1; col <= PlayField::kColumns; ++col) {
            level.Field.at(col, row) = row == PlayField::kRows ? Cell{0, kFloor} : Cell{};
        }
    }
}

std::int32_t Rules::Product(std::int32_t value) const {
    // A bomb that a hold-up lifted out of reach stays on the field and its product
    // joins the list; repeated, that would outgrow 32 bits. Any such number is a bomb
    // anyway, so holding it at the largest value changes nothing in play.
    const std::int64_t product = RoundHalfEven(static_cast<double>(value) * state_.TableNumber);
    if (product > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(product);
}

void Rules::StartGameValues(int startLevel) {
    game.SlowLevelCount = 0;
    game.TotalScore = 0;
    game.StoneRelief = {2, 2, 2, 3, 3};
    // A band keeps its relief only when the game started high enough to need it.
    for (int band = kRelief25; band <= kRelief45; ++band) {
        if (startLevel < 12 + band) {
            game.StoneRelief[static_cast<std::size_t>(band)] = 0;
        }
    }
}

void Rules::ResetField() {
    state_.GameOver = 0;
    input_.HeldUp = 0;
    random_.SeedFromClock();
    ResetFieldCells();
    level.CorrectColumns = 0;
    level.RaisedRows = 0;
    state_.LevelScore = 0;
}

void Rules::PlaceStones(int lvl) {
    const int top = TopStoneRow(lvl, game.StoneRelief);
    if (top < 1) {
        return;
    }
    for (int row = kLowestPlayRow; row >= top; --row) {
        for (int col = 1; col <= PlayField::kColumns; ++col) {
            level.Field.at(col, row) = Cell{0, kStone};
            events_.StonePlaced(col, row);
        }
    }
}

Block Rules::PickNextBlock(int lvl) {
    std::array<std::int32_t, kMaxProducts> products{};
    int count = 0;
    for (int col = 1; col <= PlayField::kColumns && count < kMaxProducts; ++col) {
        for (int row = 1; row <= kLowestPlayRow && count < kMaxProducts; ++row) {
            const Cell& cell = level.Field.at(col, row);
            if (IsNumberBlock(cell.kind) && cell.value >= 1) {
                products[static_cast<std::size_t>(count++)] = Product(cell.value);
            }
        }
    }
    const int k = random_.RandomInt(1, 9);
    const int j = 9 - k;
    std::int32_t number;
    if (j < count) {
        number = products[static_cast<std::size_t>(j)];
    } else if (k == 1 && count == 8) {
        // With eight blocks on the field the ninth choice also falls on a product.
        number = products[7];
    } else {
        number = random_.RandomInt(1, PlainNumberRange(lvl));
    }
    return Block{number, ColourClass(number)};
}

Block Rules::PickNextBlockAfter(int lvl, std::int32_t fallingNumber) {
    Block next = PickNextBlock(lvl);
    for (int picks = 1; picks < kMaxPicks && next.number == fallingNumber; ++picks) {
        next = PickNextBlock(lvl);
    }
    return next;
}

void Rules::LandBlock(int col, int row, const Block& block, int quickDropStartRow) {
    PlayField& field = level.Field;

    // Store.
    field.at(col, row) = Cell{block.number, block.colourClass};

    // Held-up penalty: paid as soon as the block rests on something fixed, possibly
    // through one number block. The rise lifts the landed block out of (col, row), and
    // the tests below look at (col, row) all the same.
    if (input_.HeldUp != 0) {
        const std::int32_t below = field.at(col, row + 1).kind;
        if (IsFixed(below) || (IsNumberBlock(below) && row + 2 <= PlayField::kRows &&
                               IsFixed(field.at(col, row + 2).kind))) {
            events_.HeldUpPenalty(col, row);
            RaiseFloor();
            input_.HeldUp = 0;
        }
    }

    const bool onNumberBlock =
        row <= kLowestPlayRow - 1 && IsNumberBlock(field.at(col, row + 1).kind);

    if (block.IsBomb()) {
        field.at(col, row) = Cell{};
        events_.BombLanded(col, row);
        RaiseFloor();
    } else if (onNumberBlock && block.number == Product(field.at(col, row + 1).value)) {
        ++level.CorrectColumns;
        ++state_.LevelScore;
        if (quickDropStartRow != kNoQuickDrop && row - quickDropStartRow > kQuickDropBonusRows) {
            ++state_.LevelScore;
        }
        if (row > 1) {
            field.at(col, row - 1) = Cell{};
        }
        field.at(col, row).kind = kSolved;
        field.at(col, row + 1).kind = kSolved;
        if (events_.CorrectColumn(field, col, row)) {
            input_.HeldUp = 1;
        }
        return;
    }

    // Wrong column, also after a bomb: the landing cell now holds what lay under it.
    if (row <= kLowestPlayRow - 1 && IsNumberBlock(field.at(col, row + 1).kind)) {
        field.at(col, row) = Cell{};
        events_.WrongColumn(col, row);
        RaiseFloor();
    }
}

void Rules::RaiseFloor() {
    PlayField& field = level.Field;
    ++level.RaisedRows;
    for (int row = 1; row <= kLowestPlayRow - 1; ++row) {
        for (int col = 1; col <= PlayField::kColumns; ++col) {
            field.at(col, row) = field.at(col, row + 1);
        }
    }
    const int floorRow = PlayField::kRows - level.RaisedRows;
    if (floorRow >= 1) {
        for (int col = 1; col <= PlayField::kColumns; ++col) {
            field.at(col, floorRow) = Cell{0, kFloor};
        }
    }
    events_.FloorRaised(field);
}

void Rules::ClearSolvedBands(int lvl) {
    PlayField& field = level.Field;
    const int lastRow = (lvl >= kFirstStoneLevel ? 19 : 18) - level.RaisedRows;
    for (int row = 1; row <= lastRow; ++row) {
        if (!RowsFormBand(field, row)) {
            continue;
        }
        events_.BandScored(row, state_.LevelScore + game.TotalScore);
        state_.LevelScore += kPointsPerBand;
        for (int t = row + 1; t >= 3; --t) {
            for (int col = 1; col <= PlayField::kColumns; ++col) {
                field.at(col, t) = field.at(col, t - 2);
            }
        }
        for (int t = 1; t <= 2; ++t) {
            for (int col = 1; col <= PlayField::kColumns; ++col) {
                field.at(col, t) = Cell{};
            }
        }
        events_.BandRowsMoved(field, row);
    }
}

bool Rules::FieldFull() const {
    return !RowIsEmpty(level.Field, 1);
}

std::int32_t Rules::EmptyRows() const {
    std::int32_t empty = 0;
    for (int row = 1; row <= kLowestPlayRow; ++row) {
        if (RowIsEmpty(level.Field, row)) {
            ++empty;
        }
    }
    return empty;
}

bool Rules::LevelComplete(int lvl, const TimeOfDay& start, const TimeOfDay& end) {
    if (level.CorrectColumns < kColumnsPerLevel) {
        return false;
    }
    const std::int32_t elapsed = ElapsedSeconds(start, end);
    if (elapsed > kSlowLevelSeconds) {
        ++game.SlowLevelCount;
    }
    // Each slow level takes the relief away from one more band, the highest first.
    if (game.SlowLevelCount >= 1 && game.SlowLevelCount <= 5) {
        game.StoneRelief[static_cast<std::size_t>(kRelief45 - (game.SlowLevelCount - 1))] = 0;
    }
    if (lvl <= 10) {
        game.StoneRelief = {0, 0, 0, 0, 0};
    }
    bonus_.ElapsedSeconds = elapsed;
    bonus_.EmptyRows = EmptyRows();
    bonus_.TimeTier = TimeTierAfter(lvl, elapsed);
    state_.LevelScore += bonus_.EmptyRows + bonus_.TimeTier;
    return true;
}

}  // namespace quorelin
