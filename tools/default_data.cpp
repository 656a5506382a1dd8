#include "tools/default_data.h"

#include <array>

#include "store/windows1252.h"

namespace quorelin {

namespace {

Settings ShippedSettings() {
    Settings settings;
    settings.Language = 1;
    settings.WindowMode = 2;
    settings.ColorScheme = 2;
    return settings;
}

}  // namespace

DataRecord DefaultDataRecord() {
    // Names from the game's five languages; all fit Windows-1252.
    static constexpr std::array<std::u32string_view, kEntriesPerList> kNames{
        U"Anna",    U"Bram", U"Lucía", U"Jürgen", U"Femke",  U"Pablo",
        U"Sjoukje", U"Tom",  U"Greta", U"Daan",   U"Carmen", U"Lotte"};

    HighScoreStore store;
    for (int table = 1; table <= kTableCount; ++table) {
        HighScoreList list;
        for (std::size_t rank = 0; rank < kEntriesPerList; ++rank) {
            // 24, 22, ... 2 points, all at level 1: one good level beats the lot.
            list[rank].setScore(static_cast<std::uint16_t>(24 - 2 * rank));
            list[rank].setNameBytes(EncodeWindows1252(kNames[(rank + table) % kNames.size()]));
            list[rank].setLevel(1);
        }
        store.ReplaceList(table, list);
    }
    DataRecord record{};
    EncodeRecord(ShippedSettings(), store, record);
    return record;
}

DataRecord ReserveDataRecord() {
    DataRecord record{};
    EncodeRecord(ShippedSettings(), HighScoreStore{}, record);
    return record;
}

}  // namespace quorelin
