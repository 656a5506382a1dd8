#include "startup/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quorelin {

InstanceLock::InstanceLock(const std::filesystem::path& dataFile) {
    std::error_code error;
    std::filesystem::path target = std::filesystem::canonical(dataFile, error);
    if (error) {
        target = dataFile;
    }
    const std::filesystem::path lockFile = target.string() + ".lock";
    // Readable by every account that shares the folder: a shared lock file that one
    // child created must not keep the next child's account out. flock needs no write
    // access, so an existing lock file is opened read-only where writing is refused.
    fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        fd_ = ::open(lockFile.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    }
    if (fd_ < 0) {
        fd_ = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (fd_ < 0) {
        reason_ = "Cannot lock \"" + lockFile.string() + "\": " + std::strerror(errno);
        return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        state_ = State::Held;
        return;
    }
    if (errno == EWOULDBLOCK) {
        state_ = State::HeldByAnother;
    } else {
        reason_ = "Cannot lock \"" + lockFile.string() + "\": " + std::strerror(errno);
    }
    ::close(fd_);
    fd_ = -1;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

}  // namespace quorelin
