#include "scores/data_file.h"

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

    const std::filesystem::path dir =
        path_.has_parent_path() ? path_.parent_path() : std::filesystem::path(".");
    std::string temp = (dir / (path_.filename().string() + ".XXXXXX")).string();
    Fd fd(::mkstemp(temp.data()));
    if (fd.get() < 0) {
        return {false, Reason("Cannot save the data file next to", path_, errno)};
    }
    auto fail = [&](const char* what) {
        const int error = errno;
        ::unlink(temp.c_str());
        return DataFileResult{false, Reason(what, path_, error)};
    };
    if (!WriteAll(fd.get(), record.data(), record.size())) {
        return fail("Cannot write the data file");
    }
    if (::fchmod(fd.get(), 0644) != 0 || ::fsync(fd.get()) != 0) {
        return fail("Cannot write the data file");
    }
    if (fd.Close() != 0) {
        return fail("Cannot close the data file");
    }
    if (::rename(temp.c_str(), path_.c_str()) != 0) {
        return fail("Cannot replace the data file");
    }
    // Make the rename itself durable; a failure here leaves a complete file either way.
    Fd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0) {
        ::fsync(dirFd.get());
    }
    record_ = record;
    return {};
}

}  // namespace quorelin
