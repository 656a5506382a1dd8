#pragma once
// The data file: three settings bytes and twenty high-score lists in one record of
// 6,816 bytes, little-endian, read once at start-up and written back at the end.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

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

// A result stored through the list rule and not yet saved: its table, the game's full
// total (which competes for a rank, as the stored 16 bits may not) and the whole entry.
struct UnsavedEntry {
    int table = 1;
    std::int32_t score = 0;
    HighScoreEntry entry;
};

// The twenty lists in memory; the high-score window takes copies and replaces whole lists.
// Results stored through the list rule are also kept apart until the next save, so that
// the save can insert them again into the lists another copy of the game has saved since.
class HighScoreStore {
public:
    HighScoreList GetList(int table) const { return lists_.at(Index(table)); }
    void ReplaceList(int table, const HighScoreList& list) { lists_.at(Index(table)) = list; }
    // Replaces the list of `table` with `list`, which holds `entry` for a game's `score`.
    void StoreEntry(int table, const HighScoreList& list, std::int32_t score,
                    const HighScoreEntry& entry) {
        ReplaceList(table, list);
        unsaved_.push_back({table, score, entry});
    }
    const std::vector<UnsavedEntry>& Unsaved() const { return unsaved_; }
    void ForgetUnsaved() { unsaved_.clear(); }

private:
    static std::size_t Index(int table) { return static_cast<std::size_t>(table - 1); }
    std::array<HighScoreList, kTableCount> lists_{};
    std::vector<UnsavedEntry> unsaved_;
};

using DataRecord = std::array<std::uint8_t, kRecordSize>;

// Distributes a record: the settings bytes into `settings` (unchecked) and the lists
// into `store`.
void DecodeRecord(const DataRecord& record, Settings& settings, HighScoreStore& store);
// Writes the lists and the settings into `record`, markers 3 and 4 as 1; bytes 5..95
// keep what `record` already holds.
void EncodeRecord(const Settings& settings, const HighScoreStore& store, DataRecord& record);

// What went wrong with the data file or its folder. The store names the problem; the
// windows say it in the player's language (DescribeProblem in store/data_file_texts.h).
enum class DataFileProblem {
    None,
    CannotOpen,        // the name cannot be opened (error)
    CannotRead,        // (error)
    TooShort,          // fewer than 6,816 bytes (size: how many)
    NotAFile,          // a pipe, a device, a folder or a link of the player stands there
    ForeignLink,       // a link that belongs to another account: never followed
    LockBusy,          // another copy held the lock for the whole wait
    CannotLock,        // (error)
    CannotWrite,       // (error; ENOSPC or EFBIG: no room)
    CannotReplace,     // the new file could not take the old one's place (error)
    CannotMakeFolder,  // (error)
    NoShippedFiles,    // the game's own lists were not found beside it (path: where looked)
};

// Whether a load, save or folder step worked; if not, what and where.
struct DataFileResult {
    bool ok = true;
    DataFileProblem problem = DataFileProblem::None;
    std::string path;      // the file or folder concerned
    int error = 0;         // the system's error number, 0 when none
    std::size_t size = 0;  // TooShort: the bytes found
    std::string message;   // the problem in English, for the terminal

    // A failure; `message` is made from the other fields.
    static DataFileResult Failure(DataFileProblem problem, const std::filesystem::path& path,
                                  int error = 0, std::size_t size = 0);
};

// The data file at one path with the record as last read and the lists in memory.
//
// Several copies of the game may use one file at the same time (a class-room folder).
// Every load, save and refresh holds a short POSIX record lock on "<data file>.lock" (the
// data file itself where no lock file can be made), which network file systems carry
// too. A save reads the file as it is then and writes it back with this copy's own
// changes: the results stored through the list rule since the last save, inserted again
// by the rule, and the settings this copy changed; everything else is the file's.
//
// Every name the store opens (data file, temporary, lock file) must be a regular file. A
// symbolic link there is followed only when it belongs to the player or to the owner of
// the folder that holds it, as Linux's protected_symlinks does in sticky folders, so a
// link planted by another account in a shared folder changes nothing.
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
    // Saves into the file a trusted symlinked data file points to. A temporary file
    // ("<name>.tmp") is written beside it and renamed over it, so a crash leaves the old
    // file whole; the new file keeps the old one's mode and, where the process may, its
    // owner and group. A temporary left by a killed save of this account is removed first.
    // Where no temporary file can be made or renamed (a folder the player may not write, a
    // disk without a free block), the existing file is rewritten in place: the 6,816 bytes
    // from offset 0, then cut to that length. On success the lists in memory are the
    // merged ones; on failure everything in memory stays as it was. With one copy the
    // bytes written are this copy's record, as if no other copy existed.
    DataFileResult SaveDataFile(const Settings& settings);
    // Shows the file's lists as they are now, with this copy's unsaved results in them.
    // A missing file changes nothing.
    DataFileResult Refresh();

protected:
    // Creates the temporary file for writing and returns its descriptor, or -1 with
    // errno set. Tests replace it to make this step fail as a full disk or a read-only
    // folder would, whatever rights the test runs with.
    virtual int CreateTemporary(const std::filesystem::path& temp);
    // Flushes the written temporary file to the disk (fsync); 0, or -1 with errno set.
    // Tests replace it to see that the flush comes before the rename and to make it fail.
    virtual int SyncToDisk(int fd);
    // The wait between two tries of a lock another copy holds (20 ms).
    virtual void PauseBeforeLockRetry();

private:
    struct Session;
    // Load: shared lock, the file must open for writing; Refresh: shared lock, reading
    // only; Save: the lock for writing.
    enum class Access { Load, Refresh, Save };
    DataFileResult Open(Session& session, Access access);
    DataRecord Merge(const Session& session, const Settings& settings) const;
    DataFileResult Write(Session& session, const DataRecord& record);
    DataFileResult SaveThroughTemporary(const Session& session, const DataRecord& record,
                                        bool& tryInPlace);
    DataFileResult RewriteInPlace(const Session& session, const DataRecord& record);

    std::filesystem::path path_;
    DataRecord record_{};
    HighScoreStore store_;
    // The three settings bytes as this copy last loaded or saved them: a save writes a
    // setting of this copy only when it differs from here.
    std::array<std::uint8_t, 3> baseline_{};
};

}  // namespace quorelin
