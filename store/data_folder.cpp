#include "store/data_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "store/file_checks.h"

namespace quorelin {
namespace {

using Path = std::filesystem::path;

// Reads a shipped file whole; it must hold at least one record.
DataFileResult ReadShipped(const Path& source, std::vector<std::uint8_t>& bytes) {
    DataFileResult result;
    Fd fd(OpenRegular(source, O_RDONLY, result));
    if (!fd.valid()) {
        return result;
    }
    std::uint8_t buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return DataFileResult::Failure(DataFileProblem::CannotRead, source, errno);
        }
        if (n == 0) {
            break;
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    if (bytes.size() < kRecordSize) {
        return DataFileResult::Failure(DataFileProblem::TooShort, source, 0, bytes.size());
    }
    return {};
}

// Gives the complete temporary file its name unless a file stands there by now: the file
// of another copy that started at the same moment is as good as this one.
int PlaceWithoutReplacing(const Path& temp, const Path& target) {
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno == EEXIST) {
        ::unlink(temp.c_str());
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
        return errno;
    }
    // File systems without that rename (some network ones) take a hard link instead.
    if (::link(temp.c_str(), target.c_str()) == 0 || errno == EEXIST) {
        ::unlink(temp.c_str());
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS) {
        return errno;
    }
    // Without hard links either, a plain rename where the name is still free: two copies
    // that race here both put the same shipped file there.
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0) {
        ::unlink(temp.c_str());
        return 0;
    }
    return ::rename(temp.c_str(), target.c_str()) == 0 ? 0 : errno;
}

DataFileResult CopyIn(const Path& source, const Path& target) {
    std::vector<std::uint8_t> bytes;
    if (DataFileResult read = ReadShipped(source, bytes); !read.ok) {
        return read;
    }
    const Path folder = FolderOf(target);
    std::string pattern = (folder / (target.filename().string() + ".new-XXXXXX")).string();
    Fd fd(::mkostemp(pattern.data(), O_CLOEXEC));
    if (!fd.valid()) {
        return DataFileResult::Failure(DataFileProblem::CannotWrite, target, errno);
    }
    const Path temp = pattern;
    if (!WriteAll(fd.get(), bytes.data(), bytes.size()) ||
        ::fchmod(fd.get(), NewFileMode(folder)) != 0 || ::fsync(fd.get()) != 0 || fd.Close() != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return DataFileResult::Failure(DataFileProblem::CannotWrite, target, error);
    }
    if (const int error = PlaceWithoutReplacing(temp, target); error != 0) {
        ::unlink(temp.c_str());
        return DataFileResult::Failure(DataFileProblem::CannotReplace, target, error);
    }
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) {
        ::fsync(dir.get());
    }
    return {};
}

}  // namespace

bool HoldsShippedFiles(const Path& folder) {
    struct stat st {};
    return ::stat((folder / kDataFileName).c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::stat((folder / kReserveFileName).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

DataFileResult PrepareDataFolder(const Path& folder, const Path& shipped) {
    std::vector<Path> made;  // folders and files this call made, in that order
    auto undo = [&made](DataFileResult result) {
        for (auto it = made.rbegin(); it != made.rend(); ++it) {
            ::remove(it->c_str());
        }
        return result;
    };
    std::vector<Path> missing;
    struct stat st {};
    for (Path p = folder; !p.empty() && ::lstat(p.c_str(), &st) != 0 && errno == ENOENT;
         p = p.parent_path()) {
        missing.push_back(p);
        if (p == p.parent_path()) {
            break;
        }
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (::mkdir(it->c_str(), 0777) == 0) {
            made.push_back(*it);
        } else if (errno != EEXIST) {
            return undo(DataFileResult::Failure(DataFileProblem::CannotMakeFolder, *it, errno));
        }
    }
    if (::stat(folder.c_str(), &st) != 0) {
        return undo(DataFileResult::Failure(DataFileProblem::CannotMakeFolder, folder, errno));
    }
    if (!S_ISDIR(st.st_mode)) {
        return undo(DataFileResult::Failure(DataFileProblem::CannotMakeFolder, folder, ENOTDIR));
    }
    for (const char* name : {kDataFileName, kReserveFileName}) {
        CheckedName checked;
        if (DataFileResult result = CheckName(folder / name, checked); !result.ok) {
            return undo(result);
        }
        if (checked.exists) {
            continue;
        }
        if (DataFileResult result = CopyIn(shipped / name, checked.path); !result.ok) {
            return undo(result);
        }
        made.push_back(checked.path);
    }
    return {};
}

}  // namespace quorelin
