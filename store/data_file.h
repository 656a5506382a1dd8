#pragma once
// The data file: three settings bytes and twenty high-score lists in one record of
// 6,816 bytes, little-endian, read once at start-up and written back at the end.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "game/state.h"

namespace quorelin {

inline constexpr std::size_t kRecordSize = 6816;
inline constexpr std::size_t kListsOffset = 96;
inline constexpr std::size_t kEntrySize = 28;
inline constexpr std::size_t kEntriesPerList = 12;
inline constexpr std::size_t kListSize = kEntrySize * kEntriesPerList;  // 336
inline constexpr int kTableCount = 20;
inline constexpr std::size_t kNameCapacity = 20;
inline constexpr const char* kDataFileName = "Quorelin.dat";
inline constexpr const char* kReserveFileName = "Quorelincopy.dat";

// Byte offset of the list of table t (1..20) in the record.
constexpr std::size_t ListOffset(int table) {
    return kListsOffset + kListSize * static_cast<std::size_t>(table - 1);
}

// One rank of a list. Entries travel as their 28 bytes, so whatever stands beyond the
// name length or in the padding byte is kept as it was.
class HighScoreEntry {
public:
    std::uint16_t score() const;
    void setScore(std::uint16_t score);
    // The stored name length byte, 0..255 in a damaged file.
    std::uint8_t nameLength() const { return bytes_[2]; }
    // The name's Windows-1252 bytes: the first nameLength() of them, at most 20.
    std::string nameBytes() const;
    // Stores up to 20 bytes and sets the length; bytes past the new length stay.
    void setNameBytes(std::string_view name);
    std::int32_t level() const;
    void setLevel(std::int32_t level);

    const std::array<std::uint8_t, kEntrySize>& bytes() const { return bytes_; }
    std::array<std::uint8_t, kEntrySize>& bytes() { return bytes_; }

    friend bool operator==(const HighScoreEntry&, const HighScoreEntry&) = default;

private:
    std::array<std::uint8_t, kEntrySize> bytes_{};
};

// Twelve entries, rank 1 (the best) first.
using HighScoreList = std::array<HighScoreEntry, kEntriesPerList>;

// The twenty lists in memory; the high-score window takes copies and replaces whole lists.
class HighScoreStore {
public:
    HighScoreList GetList(int table) const { return lists_.at(Index(table)); }
    void ReplaceList(int table, const HighScoreList& list) { lists_.at(Index(table)) = list; }

private:
    static std::size_t Index(int table) { return static_cast<std::size_t>(table - 1); }
    std::array<HighScoreList, kTableCount> lists_{};
};

using DataRecord = std::array<std::uint8_t, kRecordSize>;

// Distributes a record: the settings bytes into `settings` (unchecked) and the lists
// into `store`.
void DecodeRecord(const DataRecord& record, Settings& settings, HighScoreStore& store);
// Writes the lists and the settings into `record`, markers 3 and 4 as 1; bytes 5..95
// keep what `record` already holds.
void EncodeRecord(const Settings& settings, const HighScoreStore& store, DataRecord& record);

// Whether a load or save worked, and if not, a sentence for the player.
struct DataFileResult {
    bool ok = true;
    std::string message;
};

// The data file at one path with the record as last read and the lists in memory.
class DataFile {
public:
    explicit DataFile(std::filesystem::path path = kDataFileName) : path_(std::move(path)) {}
    virtual ~DataFile() = default;
    DataFile(const DataFile&) = default;
    DataFile& operator=(const DataFile&) = default;

    const std::filesystem::path& path() const { return path_; }
    HighScoreStore& store() { return store_; }
    const HighScoreStore& store() const { return store_; }
    const DataRecord& record() const { return record_; }

    // The file must exist, open for reading and writing, and hold at least 6,816 bytes;
    // bytes past that are ignored. On failure nothing in memory changes.
    DataFileResult LoadDataFile(Settings& settings);
    // Saves into the file a symlinked data file points to. Normally a temporary file
    // ("<name>.tmp") is written beside it and renamed over it, so a crash leaves the old
    // file whole; the new file keeps the old one's mode and, where the process may, its
    // owner and group. A temporary left by a killed save is removed first, so at most one
    // ever exists. Where no temporary file can be made or renamed (a folder the player
    // may not write, a disk without a free block), the existing file is rewritten in
    // place: the 6,816 bytes from offset 0, then cut to that length. On failure
    // everything in memory stays as it was.
    DataFileResult SaveDataFile(const Settings& settings);

protected:
    // Creates the temporary file for writing and returns its descriptor, or -1 with
    // errno set. Tests replace it to make this step fail as a full disk or a read-only
    // folder would, whatever rights the test runs with.
    virtual int CreateTemporary(const std::filesystem::path& temp);
    // Flushes the written temporary file to the disk (fsync); 0, or -1 with errno set.
    // Tests replace it to see that the flush comes before the rename and to make it fail.
    virtual int SyncToDisk(int fd);

private:
    DataFileResult SaveThroughTemporary(const DataRecord& record,
                                        const std::filesystem::path& target, bool& tryInPlace);
    DataFileResult RewriteInPlace(const DataRecord& record, const std::filesystem::path& target);

    std::filesystem::path path_;
    DataRecord record_{};
    HighScoreStore store_;
};

}  // namespace quorelin
