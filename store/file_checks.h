#pragma once
// The checks every file the store opens goes through: a name is followed through
// symbolic links only where the link is to be trusted, and what stands at the end must be
// a regular file. Shared by the data file and the data folder's first filling.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "store/data_file.h"

namespace quorelin {

// Closes a descriptor on every path out of a function.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void Reset(int fd = -1) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }
    // Closes now so that a failing close can be reported.
    int Close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

// A name as it stands after the trusted links: the final name, and whether a regular
// file is there (a name that does not exist is not a problem: it may be created).
struct CheckedName {
    std::filesystem::path path;
    bool exists = false;
    struct stat st {};  // of the final name, when it exists
};

// The folder a name stands in.
std::filesystem::path FolderOf(const std::filesystem::path& name);

// Follows the symbolic links at `name`, hop by hop. A link is followed only when it
// belongs to the player (the effective user) or to the owner of the folder that holds it;
// anything else at the end than a regular file (a pipe, a device, a folder) is refused.
DataFileResult CheckName(const std::filesystem::path& name, CheckedName& checked);

// Opens a checked name with `flags` (without following a link and without blocking on a
// pipe put there since) and makes sure a regular file was opened. Returns the descriptor,
// or -1 with the problem in `result`.
int OpenRegular(const std::filesystem::path& path, int flags, DataFileResult& result);

// The mode of a new file in `folder`: read-write for the player, readable for everyone,
// and writable for the group where the folder is (a class-room folder).
mode_t NewFileMode(const std::filesystem::path& folder);

// Writes all of `size` bytes; on failure errno tells why (ENOSPC for a write of 0).
bool WriteAll(int fd, const std::uint8_t* data, std::size_t size);

}  // namespace quorelin
