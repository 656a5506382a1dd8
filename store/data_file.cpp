#include "store/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

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

std::string Reason(const std::string& what, const std::filesystem::path& path, int error) {
    return what + " \"" + path.string() + "\": " + std::strerror(error);
}

// Closes a descriptor on every path out of a function.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now so that a failing close can be reported.
    int Close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Where a save really goes: a symlinked data file is saved into the file it points to,
// so the link stays a link. A target that does not exist is created there. Returns 0 or
// the errno of the failure.
int FollowLinks(const std::filesystem::path& path, std::filesystem::path& target) {
    constexpr int kMaxLinks = 40;  // as the kernel allows
    target = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return 0;
        }
        std::error_code error;
        const std::filesystem::path link = std::filesystem::read_symlink(target, error);
        if (error) {
            return error.value();
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return ELOOP;
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

DataFileResult DataFile::LoadDataFile(Settings& settings) {
    // Read and write access is checked now, so a file that could not be saved is
    // reported at start-up and not after a game.
    Fd fd(::open(path_.c_str(), O_RDWR | O_CLOEXEC));
    if (fd.get() < 0) {
        return {false, Reason("Cannot open the data file", path_, errno)};
    }
    DataRecord record{};
    std::size_t got = 0;
    while (got < kRecordSize) {
        const ssize_t n = ::read(fd.get(), record.data() + got, kRecordSize - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {false, Reason("Cannot read the data file", path_, errno)};
        }
        if (n == 0) {
            return {false, "The data file \"" + path_.string() +
                               "\" is too short: " + std::to_string(got) + " of " +
                               std::to_string(kRecordSize) + " bytes."};
        }
        got += static_cast<std::size_t>(n);
    }
    if (fd.Close() != 0) {
        return {false, Reason("Cannot close the data file", path_, errno)};
    }
    record_ = record;
    DecodeRecord(record_, settings, store_);
    return {};
}

DataFileResult DataFile::SaveDataFile(const Settings& settings) {
    DataRecord record = record_;
    EncodeRecord(settings, store_, record);

    std::filesystem::path target;
    if (const int error = FollowLinks(path_, target); error != 0) {
        return {false, Reason("Cannot save the data file", path_, error)};
    }
    bool tryInPlace = false;
    DataFileResult result = SaveThroughTemporary(record, target, tryInPlace);
    if (!result.ok && tryInPlace) {
        DataFileResult inPlace = RewriteInPlace(record, target);
        // A file that cannot even be opened in place says less than the first failure.
        if (inPlace.ok || !inPlace.message.empty()) {
            result = std::move(inPlace);
        }
    }
    if (result.ok) {
        record_ = record;
    }
    return result;
}

int DataFile::CreateTemporary(const std::filesystem::path& temp) {
    return ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

int DataFile::SyncToDisk(int fd) {
    return ::fsync(fd);
}

DataFileResult DataFile::SaveThroughTemporary(const DataRecord& record,
                                              const std::filesystem::path& target,
                                              bool& tryInPlace) {
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    const std::filesystem::path dir =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    const std::filesystem::path temp = target.string() + ".tmp";

    // One fixed name: a temporary left by a save that was killed is removed here, so
    // they never pile up.
    ::unlink(temp.c_str());
    Fd fd(CreateTemporary(temp));
    if (fd.get() < 0) {
        tryInPlace = true;
        return {false, Reason("Cannot save the data file", path_, errno)};
    }
    auto fail = [&](const char* what, bool inPlaceMayWork) {
        const int error = errno;
        ::unlink(temp.c_str());
        tryInPlace = inPlaceMayWork;
        return DataFileResult{false, Reason(what, path_, error)};
    };
    // Rewriting in place needs no new disk blocks, so it may work where the disk is full.
    auto noRoom = [] { return errno == ENOSPC || errno == EDQUOT; };
    if (!WriteAll(fd.get(), record.data(), record.size())) {
        return fail("Cannot write the data file", noRoom());
    }
    // The new file is the old one to every account that shares it: same owner and group
    // where the process may set them (the group alone is often allowed), same mode. The
    // mode comes last because a change of owner clears set-id bits.
    if (exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(fd.get(), old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int groupOnly =
            ::fchown(fd.get(), static_cast<uid_t>(-1), old.st_gid);
    }
    if (::fchmod(fd.get(), exists ? (old.st_mode & 07777) : 0644) != 0) {
        return fail("Cannot write the data file", false);
    }
    if (SyncToDisk(fd.get()) != 0) {
        return fail("Cannot write the data file", noRoom());
    }
    if (fd.Close() != 0) {
        return fail("Cannot close the data file", noRoom());
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        return fail("Cannot replace the data file", true);
    }
    // Make the rename itself durable; a failure here leaves a complete file either way.
    Fd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0) {
        ::fsync(dirFd.get());
    }
    return {};
}

// Returns ok, or a failure with a message, or a failure without one when the file could
// not be opened (the caller then keeps the reason the temporary file failed).
DataFileResult DataFile::RewriteInPlace(const DataRecord& record,
                                        const std::filesystem::path& target) {
    // Never truncated first: a write that fails part-way leaves whole old bytes behind
    // the new ones instead of an empty file.
    Fd fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        return {false, {}};
    }
    std::size_t done = 0;
    while (done < record.size()) {
        const ssize_t n = ::pwrite(fd.get(), record.data() + done, record.size() - done,
                                   static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = ENOSPC;
            }
            return {false, Reason("Cannot write the data file", path_, errno)};
        }
        done += static_cast<std::size_t>(n);
    }
    if (::ftruncate(fd.get(), static_cast<off_t>(kRecordSize)) != 0 || ::fsync(fd.get()) != 0) {
        return {false, Reason("Cannot write the data file", path_, errno)};
    }
    if (fd.Close() != 0) {
        return {false, Reason("Cannot close the data file", path_, errno)};
    }
    return {};
}

}  // namespace quorelin
