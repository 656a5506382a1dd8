#include "store/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "store/data_file_texts.h"
#include "store/file_checks.h"
#include "store/high_score_list.h"

namespace quorelin {
namespace {

std::uint16_t ReadU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

void WriteU16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

std::int32_t ReadI32(const std::uint8_t* p) {
    const std::uint32_t u =
        static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
        (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    return static_cast<std::int32_t>(u);
}

void WriteI32(std::uint8_t* p, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF);
    }
}

}  // namespace

std::uint16_t HighScoreEntry::score() const {
    return ReadU16(&bytes_[0]);
}
void HighScoreEntry::setScore(std::uint16_t score) {
    WriteU16(&bytes_[0], score);
}

std::string HighScoreEntry::nameBytes() const {
    const std::size_t length = std::min<std::size_t>(bytes_[2], kNameCapacity);
    return std::string(reinterpret_cast<const char*>(&bytes_[3]), length);
}

void HighScoreEntry::setNameBytes(std::string_view name) {
    const std::size_t length = std::min(name.size(), kNameCapacity);
    bytes_[2] = static_cast<std::uint8_t>(length);
    std::copy_n(reinterpret_cast<const std::uint8_t*>(name.data()), length, &bytes_[3]);
}

std::int32_t HighScoreEntry::level() const {
    return ReadI32(&bytes_[24]);
}
void HighScoreEntry::setLevel(std::int32_t level) {
    WriteI32(&bytes_[24], level);
}

void DecodeRecord(const DataRecord& record, Settings& settings, HighScoreStore& store) {
    settings.Language = record[0];
    settings.WindowMode = record[1];
    settings.ColorScheme = record[2];
    for (int table = 1; table <= kTableCount; ++table) {
        HighScoreList list;
        const std::uint8_t* src = record.data() + ListOffset(table);
        for (std::size_t rank = 0; rank < kEntriesPerList; ++rank) {
            std::copy_n(src + rank * kEntrySize, kEntrySize, list[rank].bytes().begin());
        }
        store.ReplaceList(table, list);
    }
}

void EncodeRecord(const Settings& settings, const HighScoreStore& store, DataRecord& record) {
    for (int table = 1; table <= kTableCount; ++table) {
        const HighScoreList list = store.GetList(table);
        std::uint8_t* dst = record.data() + ListOffset(table);
        for (std::size_t rank = 0; rank < kEntriesPerList; ++rank) {
            std::copy_n(list[rank].bytes().begin(), kEntrySize, dst + rank * kEntrySize);
        }
    }
    record[0] = settings.Language;
    record[1] = settings.WindowMode;
    record[2] = settings.ColorScheme;
    record[3] = 1;
    record[4] = 1;
}

DataFileResult DataFileResult::Failure(DataFileProblem problem, const std::filesystem::path& path,
                                       int error, std::size_t size) {
    DataFileResult result{false, problem, path.string(), error, size, {}};
    result.message = DescribeProblem(result, 0);
    return result;
}

// One load, save or refresh: the data file and the lock, from taking the lock to letting
// it go (closing the descriptors lets it go).
struct DataFile::Session {
    CheckedName data;  // the data file, through its trusted links
    std::filesystem::path lockName;
    Fd lock;                  // the lock file; not valid when the data file holds the lock
    Fd file;                  // the data file; not valid when there is none
    bool writable = false;    // `file` is open for writing too
    struct stat fileStat {};  // the data file as it was read
    bool whole = false;       // it held a whole record, now in `current`
    std::size_t size = 0;     // the bytes it held, up to one record
    DataRecord current{};
};

namespace {

// A save gives up after this many tries of the lock, 20 ms apart: about 3 seconds.
constexpr int kLockTries = 150;

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the name still leads to the descriptor's file.
bool NameLeadsTo(const std::filesystem::path& name, int fd) {
    struct stat atName {
    }, opened{};
    return ::lstat(name.c_str(), &atName) == 0 && ::fstat(fd, &opened) == 0 &&
           SameFile(atName, opened);
}

// Takes a POSIX record lock on the whole file without waiting. Returns 0, or the errno.
int TryLock(int fd, bool exclusive) {
    struct flock lock {};
    lock.l_type = exclusive ? F_WRLCK : F_RDLCK;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_SETLK, &lock) == 0 ? 0 : errno;
}

// Opens the lock file at a checked name, creating it with the data file's permission
// bits, whatever the umask, so that every account that may write the data file may lock
// it. Returns the descriptor, -1 with `result` set on a problem, or -2 with `error` set
// when no lock file can be had here (a folder the player may not write) or another copy
// has just made it.
int OpenLockFile(const CheckedName& name, mode_t mode, const std::filesystem::path& dataName,
                 DataFileResult& result, int& error) {
    if (name.exists) {
        const int fd = OpenRegular(name.path, O_RDWR, result);
        error = result.error;
        return fd >= 0 || (error != EACCES && error != EROFS && error != EPERM) ? fd : -2;
    }
    const int fd = ::open(name.path.c_str(),
                          O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = errno;
        if (error == EEXIST || error == EACCES || error == EROFS || error == EPERM) {
            return -2;
        }
        // A missing folder or a full disk: the data file could not be written either.
        result = DataFileResult::Failure(DataFileProblem::CannotWrite, dataName, error);
        return -1;
    }
    ::fchmod(fd, mode);
    return fd;
}

// The file's lists with this copy's unsaved results inserted again by the list rule.
void InsertUnsaved(const std::vector<UnsavedEntry>& unsaved, HighScoreStore& lists) {
    for (const UnsavedEntry& stored : unsaved) {
        HighScoreList list = lists.GetList(stored.table);
        InsertEntry(list, stored.score, stored.entry);
        lists.ReplaceList(stored.table, list);
    }
}

}  // namespace

DataFileResult DataFile::Open(Session& s, Access access) {
    const bool exclusive = access == Access::Save;
    for (int attempt = 0; attempt < kLockTries; ++attempt) {
        s.lock.Reset();
        s.file.Reset();
        if (DataFileResult checked = CheckName(path_, s.data); !checked.ok) {
            return checked;
        }
        s.lockName = s.data.path.string() + ".lock";
        CheckedName lockName;
        if (DataFileResult checked = CheckName(s.lockName, lockName); !checked.ok) {
            return checked;
        }
        s.lockName = lockName.path;
        const mode_t mode =
            s.data.exists ? (s.data.st.st_mode & 0666) : NewFileMode(FolderOf(s.data.path));
        DataFileResult problem;
        int lockError = 0;
        const int lockFd = OpenLockFile(lockName, mode, path_, problem, lockError);
        if (lockFd == -1) {
            return problem;
        }
        if (lockFd == -2 && lockError == EEXIST) {
            continue;  // another copy has just made it
        }
        // Where no lock file can be had, the data file itself carries the lock; a save
        // there goes in place, so the file keeps its identity.
        const bool ownLockFile = lockFd >= 0;
        s.lock.Reset(ownLockFile ? lockFd : -1);
        if (!ownLockFile && !s.data.exists) {
            return DataFileResult::Failure(DataFileProblem::CannotWrite, path_, lockError);
        }
        if (s.data.exists) {
            const int flags = access == Access::Refresh ? O_RDONLY : O_RDWR;
            int fd = OpenRegular(s.data.path, flags, problem);
            if (fd < 0 && access == Access::Save && problem.error == EACCES) {
                fd = OpenRegular(s.data.path, O_RDONLY, problem);
            }
            if (fd < 0) {
                if (problem.error == ENOENT) {
                    continue;  // replaced just now
                }
                problem.path = path_.string();
                return problem.problem == DataFileProblem::CannotOpen
                           ? DataFileResult::Failure(problem.problem, path_, problem.error)
                           : problem;
            }
            s.file.Reset(fd);
            s.writable = (::fcntl(fd, F_GETFL) & O_ACCMODE) == O_RDWR;
        }
        const int lockOn = ownLockFile ? s.lock.get() : s.file.get();
        const int error = TryLock(lockOn, exclusive && (ownLockFile || s.writable));
        if (error == EAGAIN || error == EACCES) {
            PauseBeforeLockRetry();
            continue;
        }
        // A file system without locks (ENOLCK) still saves: the check before the new file
        // takes the old one's place is the guard then.
        if (error != 0 && error != ENOLCK) {
            return DataFileResult::Failure(DataFileProblem::CannotLock, s.lockName, error);
        }
        // A lock file deleted, or a data file replaced, while this copy waited: what it
        // holds no longer keeps the others out, so it starts again.
        if ((ownLockFile && !NameLeadsTo(s.lockName, s.lock.get())) ||
            (s.file.valid() && !NameLeadsTo(s.data.path, s.file.get())) ||
            (!s.file.valid() && ::access(s.data.path.c_str(), F_OK) == 0)) {
            continue;
        }
        s.whole = false;
        s.size = 0;
        if (!s.file.valid()) {
            return {};
        }
        ::fstat(s.file.get(), &s.fileStat);
        while (s.size < kRecordSize) {
            const ssize_t n = ::pread(s.file.get(), s.current.data() + s.size, kRecordSize - s.size,
                                      static_cast<off_t>(s.size));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                return DataFileResult::Failure(DataFileProblem::CannotRead, path_, errno);
            }
            if (n == 0) {
                break;
            }
            s.size += static_cast<std::size_t>(n);
        }
        s.whole = s.size == kRecordSize;
        return {};
    }
    return DataFileResult::Failure(DataFileProblem::LockBusy, path_);
}

DataFileResult DataFile::LoadDataFile(Settings& settings) {
    // Read and write access is checked now, so a file that could not be saved is
    // reported at start-up and not after a game.
    Session s;
    if (DataFileResult opened = Open(s, Access::Load); !opened.ok) {
        return opened;
    }
    if (!s.file.valid()) {
        return DataFileResult::Failure(DataFileProblem::CannotOpen, path_, ENOENT);
    }
    if (!s.whole) {
        return DataFileResult::Failure(DataFileProblem::TooShort, path_, 0, s.size);
    }
    record_ = s.current;
    DecodeRecord(record_, settings, store_);
    baseline_ = {record_[0], record_[1], record_[2]};
    return {};
}

DataFileResult DataFile::Refresh() {
    CheckedName data;
    if (DataFileResult checked = CheckName(path_, data); !checked.ok || !data.exists) {
        return checked;
    }
    Session s;
    if (DataFileResult opened = Open(s, Access::Refresh); !opened.ok) {
        return opened;
    }
    if (!s.file.valid()) {
        return {};
    }
    if (!s.whole) {
        return DataFileResult::Failure(DataFileProblem::TooShort, path_, 0, s.size);
    }
    Settings unused;
    HighScoreStore lists;
    DecodeRecord(s.current, unused, lists);
    InsertUnsaved(store_.Unsaved(), lists);
    for (int table = 1; table <= kTableCount; ++table) {
        store_.ReplaceList(table, lists.GetList(table));
    }
    return {};
}

DataRecord DataFile::Merge(const Session& s, const Settings& settings) const {
    DataRecord record = record_;
    if (!s.whole) {
        // No file to merge with: the record is this copy's.
        EncodeRecord(settings, store_, record);
        return record;
    }
    record = s.current;
    Settings merged;
    HighScoreStore lists;
    DecodeRecord(record, merged, lists);
    InsertUnsaved(store_.Unsaved(), lists);
    // A setting this copy changed since it last loaded or saved is this copy's; the
    // others are the file's, which another copy may have changed.
    if (settings.Language != baseline_[0]) {
        merged.Language = settings.Language;
    }
    if (settings.WindowMode != baseline_[1]) {
        merged.WindowMode = settings.WindowMode;
    }
    if (settings.ColorScheme != baseline_[2]) {
        merged.ColorScheme = settings.ColorScheme;
    }
    EncodeRecord(merged, lists, record);
    return record;
}

DataFileResult DataFile::SaveDataFile(const Settings& settings) {
    for (int attempt = 0; attempt < kLockTries; ++attempt) {
        Session s;
        if (DataFileResult opened = Open(s, Access::Save); !opened.ok) {
            return opened;
        }
        const DataRecord record = Merge(s, settings);
        DataFileResult result = Write(s, record);
        if (result.problem == DataFileProblem::LockBusy) {
            // Another copy saved under a lock that was not the others' lock.
            PauseBeforeLockRetry();
            continue;
        }
        if (!result.ok) {
            return result;
        }
        record_ = record;
        Settings unused;
        DecodeRecord(record_, unused, store_);
        store_.ForgetUnsaved();
        baseline_ = {settings.Language, settings.WindowMode, settings.ColorScheme};
        return result;
    }
    return DataFileResult::Failure(DataFileProblem::LockBusy, path_);
}

namespace {

// Whether the data file is still the one the session read. Under the lock it always is;
// but a lock file deleted while a copy holds it lets another copy in beside it, and then
// this check makes the later of the two start again instead of dropping the other's save.
bool Unchanged(const std::filesystem::path& data, int fileFd, const struct stat& read) {
    if (fileFd < 0) {
        return ::access(data.c_str(), F_OK) != 0;
    }
    struct stat now {};
    return NameLeadsTo(data, fileFd) && ::fstat(fileFd, &now) == 0 &&
           now.st_ctim.tv_sec == read.st_ctim.tv_sec && now.st_ctim.tv_nsec == read.st_ctim.tv_nsec;
}

// Whether another copy holds the lock on the temporary at `temp`: it is writing it.
bool BeingWritten(const std::filesystem::path& temp) {
    Fd fd(::open(temp.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return fd.valid() && ::fcntl(fd.get(), F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
}

// A save that must start again: the file changed under it.
DataFileResult Changed() {
    DataFileResult result;
    result.ok = false;
    result.problem = DataFileProblem::LockBusy;
    return result;
}

}  // namespace

DataFileResult DataFile::Write(Session& s, const DataRecord& record) {
    bool tryInPlace = false;
    DataFileResult result = SaveThroughTemporary(s, record, tryInPlace);
    if (!result.ok && tryInPlace) {
        DataFileResult inPlace = RewriteInPlace(s, record);
        // A file that cannot be written in place says less than the first failure.
        if (inPlace.ok || inPlace.problem != DataFileProblem::None) {
            result = std::move(inPlace);
        }
    }
    return result;
}

int DataFile::CreateTemporary(const std::filesystem::path& temp) {
    return ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                  0600);
}

int DataFile::SyncToDisk(int fd) {
    return ::fsync(fd);
}

void DataFile::PauseBeforeLockRetry() {
    const timespec pause{0, 20'000'000};
    ::nanosleep(&pause, nullptr);
}

DataFileResult DataFile::SaveThroughTemporary(const Session& s, const DataRecord& record,
                                              bool& tryInPlace) {
    const std::filesystem::path& target = s.data.path;
    const std::filesystem::path dir = FolderOf(target);
    const std::filesystem::path temp = target.string() + ".tmp";
    const bool exists = s.file.valid();
    const struct stat& old = s.fileStat;

    // One fixed name: a temporary this account's killed save left is removed here, so
    // they never pile up. One another copy is writing (it holds a lock on it, which only
    // happens when the lock file was deleted under the copies) is waited for. Another
    // account's is left alone (the file is rewritten in place then), and anything else
    // there is refused.
    struct stat stale {};
    if (::lstat(temp.c_str(), &stale) == 0) {
        const bool ours = stale.st_uid == ::geteuid();
        if (S_ISREG(stale.st_mode) && ours) {
            if (BeingWritten(temp)) {
                return Changed();
            }
            ::unlink(temp.c_str());
        } else if (S_ISREG(stale.st_mode)) {
            tryInPlace = true;
            return DataFileResult::Failure(DataFileProblem::CannotWrite, temp, EEXIST);
        } else {
            return DataFileResult::Failure(S_ISLNK(stale.st_mode) && !ours
                                               ? DataFileProblem::ForeignLink
                                               : DataFileProblem::NotAFile,
                                           temp);
        }
    }
    Fd fd(CreateTemporary(temp));
    if (fd.get() < 0 && errno == EEXIST) {
        return Changed();  // another copy's temporary, made since the look above
    }
    if (fd.get() < 0) {
        tryInPlace = true;
        return DataFileResult::Failure(DataFileProblem::CannotWrite, path_, errno);
    }
    TryLock(fd.get(), true);
    // The temporary is removed only while the name is still this save's.
    auto removeTemporary = [&] {
        if (NameLeadsTo(temp, fd.get())) {
            ::unlink(temp.c_str());
        }
    };
    auto fail = [&](DataFileProblem problem, bool inPlaceMayWork) {
        const int error = errno;
        removeTemporary();
        tryInPlace = inPlaceMayWork;
        return DataFileResult::Failure(problem, path_, error);
    };
    // Rewriting in place needs no new disk blocks, so it may work where the disk is full.
    auto noRoom = [] { return errno == ENOSPC || errno == EDQUOT; };
    if (!WriteAll(fd.get(), record.data(), record.size())) {
        return fail(DataFileProblem::CannotWrite, noRoom());
    }
    // The new file is the old one to every account that shares it: same owner and group
    // where the process may set them (the group alone is often allowed), same mode. The
    // mode comes last because a change of owner clears set-id bits.
    if (exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(fd.get(), old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int groupOnly =
            ::fchown(fd.get(), static_cast<uid_t>(-1), old.st_gid);
    }
    if (::fchmod(fd.get(), exists ? (old.st_mode & 07777) : NewFileMode(dir)) != 0) {
        return fail(DataFileProblem::CannotWrite, false);
    }
    if (SyncToDisk(fd.get()) != 0) {
        return fail(DataFileProblem::CannotWrite, noRoom());
    }
    // The descriptor stays open until the rename, so the temporary's inode cannot be
    // taken by another file meanwhile.
    if (!NameLeadsTo(temp, fd.get()) || !Unchanged(target, s.file.get(), old)) {
        removeTemporary();
        return Changed();
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        return fail(DataFileProblem::CannotReplace, true);
    }
    if (fd.Close() != 0) {
        return DataFileResult::Failure(DataFileProblem::CannotWrite, path_, errno);
    }
    // Make the rename itself durable; a failure here leaves a complete file either way.
    Fd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0) {
        ::fsync(dirFd.get());
    }
    return {};
}

// Returns ok, or a failure with a problem, or a failure without one when the file is not
// open for writing (the caller then keeps the reason the temporary file failed).
DataFileResult DataFile::RewriteInPlace(const Session& s, const DataRecord& record) {
    if (!s.writable) {
        return {false, {}, {}, 0, 0, {}};
    }
    if (!Unchanged(s.data.path, s.file.get(), s.fileStat)) {
        return Changed();
    }
    // Never truncated first: a write that fails part-way leaves whole old bytes behind
    // the new ones instead of an empty file.
    const int fd = s.file.get();
    std::size_t done = 0;
    while (done < record.size()) {
        const ssize_t n =
            ::pwrite(fd, record.data() + done, record.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = ENOSPC;
            }
            return DataFileResult::Failure(DataFileProblem::CannotWrite, path_, errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::ftruncate(fd, static_cast<off_t>(kRecordSize)) != 0 || ::fsync(fd) != 0) {
        return DataFileResult::Failure(DataFileProblem::CannotWrite, path_, errno);
    }
    return {};
}

}  // namespace quorelin
