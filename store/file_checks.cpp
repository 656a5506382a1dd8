#include "store/file_checks.h"

#include <fcntl.h>

#include <cerrno>

namespace quorelin {

std::filesystem::path FolderOf(const std::filesystem::path& name) {
    return name.has_parent_path() ? name.parent_path() : std::filesystem::path(".");
}

DataFileResult CheckName(const std::filesystem::path& name, CheckedName& checked) {
    constexpr int kMaxLinks = 40;  // as the kernel allows
    std::filesystem::path current = name;
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0) {
            if (errno != ENOENT) {
                return DataFileResult::Failure(DataFileProblem::CannotOpen, current, errno);
            }
            checked = {current, false, {}};
            return {};
        }
        if (!S_ISLNK(st.st_mode)) {
            checked = {current, true, st};
            return S_ISREG(st.st_mode)
                       ? DataFileResult{}
                       : DataFileResult::Failure(DataFileProblem::NotAFile, current);
        }
        const std::filesystem::path folder = FolderOf(current);
        struct stat holder {};
        if (::stat(folder.c_str(), &holder) != 0) {
            return DataFileResult::Failure(DataFileProblem::CannotOpen, current, errno);
        }
        if (st.st_uid != ::geteuid() && st.st_uid != holder.st_uid) {
            return DataFileResult::Failure(DataFileProblem::ForeignLink, current);
        }
        std::error_code error;
        const std::filesystem::path link = std::filesystem::read_symlink(current, error);
        if (error) {
            return DataFileResult::Failure(DataFileProblem::CannotOpen, current, error.value());
        }
        current = link.is_absolute() ? link : folder / link;
    }
    return DataFileResult::Failure(DataFileProblem::CannotOpen, name, ELOOP);
}

int OpenRegular(const std::filesystem::path& path, int flags, DataFileResult& result) {
    const int fd = ::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        // A link put at the name since it was checked is not followed.
        result = DataFileResult::Failure(
            errno == ELOOP ? DataFileProblem::NotAFile : DataFileProblem::CannotOpen, path,
            errno == ELOOP ? 0 : errno);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        result = DataFileResult::Failure(DataFileProblem::NotAFile, path);
        return -1;
    }
    return fd;
}

mode_t NewFileMode(const std::filesystem::path& folder) {
    struct stat st {};
    const bool groupFolder = ::stat(folder.c_str(), &st) == 0 && (st.st_mode & S_IWGRP) != 0;
    return groupFolder ? 0664 : 0644;
}

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

}  // namespace quorelin
