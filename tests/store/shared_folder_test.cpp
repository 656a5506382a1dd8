// One data file shared by several copies of the game (a class-room folder): saves merge
// instead of overwriting, and nothing another account puts at the file's names is touched.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "store/data_file.h"
#include "store/data_folder.h"
#include "store/high_score_list.h"
#include "tests/support/temp_folder.h"
#include "tools/default_data.h"

namespace quorelin {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// A result as it should stand in the file: its score, with its copy and save in its name.
using Result = std::pair<int, std::string>;

std::string Name(const HighScoreEntry& e) {
    return e.nameBytes();
}

// Stores `score` into `table` by the list rule, as the high-score window does; the rank.
int Store(DataFile& data, int table, int score, const std::u32string& name) {
    WorkingList working;
    working.FillAndInsert(data.store(), table, score, 1);
    working.StoreEntry(name, data.store());
    return working.EntryPending() ? working.NewEntryRank() : 0;
}

DataRecord ReadRecord(const fs::path& file, bool& whole) {
    DataRecord record{};
    std::FILE* f = std::fopen(file.c_str(), "rb");
    whole = f != nullptr && std::fread(record.data(), 1, record.size(), f) == record.size() &&
            std::fgetc(f) == EOF;
    if (f != nullptr) {
        std::fclose(f);
    }
    return record;
}

void WriteRecord(const fs::path& file, const DataRecord& record) {
    std::FILE* f = std::fopen(file.c_str(), "wb");
    std::fwrite(record.data(), 1, record.size(), f);
    std::fclose(f);
}

// A record with clean lists: every entry empty, score 0.
DataRecord Clean() {
    DataRecord record{};
    record.fill(0);
    std::fill_n(record.begin(), 5, 1);
    return record;
}

TEST(SharedFile, TwoCopiesKeepEachOthersResultsAndSettings) {
    TempFolder dir("two-copies");
    WriteRecord(dir / kDataFileName, Clean());
    DataFile a(dir / kDataFileName), b(dir / kDataFileName);
    Settings sa, sb;
    ASSERT_TRUE(a.LoadDataFile(sa).ok);
    ASSERT_TRUE(b.LoadDataFile(sb).ok);
    // A full total above 65,535 outranks a stored 65,535, in memory as in the merge.
    ASSERT_EQ(Store(a, 3, 65535, U"Ann"), 1);
    ASSERT_EQ(Store(a, 3, 70000, U"Big"), 1);
    sa.Language = 3;
    ASSERT_TRUE(a.SaveDataFile(sa).ok);
    ASSERT_EQ(Store(b, 3, 500, U"Bo"), 1) << "b has not seen a's results yet";
    ASSERT_EQ(Store(b, 4, 9, U"Cy"), 1);
    sb.WindowMode = 1;
    ASSERT_TRUE(b.SaveDataFile(sb).ok);
    // b's lists are now the merged ones; a sees b's results on a refresh, with its own
    // unsaved one in its place.
    EXPECT_EQ(Name(b.store().GetList(3)[0]), "Big");
    ASSERT_EQ(Store(a, 3, 600, U"Di"), 3);
    ASSERT_TRUE(a.Refresh().ok);
    const std::vector<std::string> expected{"Big", "Ann", "Di", "Bo", ""};
    for (DataFile* copy : {&a, &b}) {
        if (copy == &b) {
            ASSERT_TRUE(a.SaveDataFile(sa).ok);
            ASSERT_TRUE(b.LoadDataFile(sb).ok);
        }
        const HighScoreList list = copy->store().GetList(3);
        for (std::size_t r = 0; r < expected.size(); ++r) {
            EXPECT_EQ(Name(list[r]), expected[r]) << "rank " << r + 1;
        }
        EXPECT_EQ(Name(copy->store().GetList(4)[0]), "Cy");
    }
    EXPECT_EQ(b.record()[0], 3) << "a's language";
    EXPECT_EQ(b.record()[1], 1) << "b's window mode";
}

TEST(SharedFile, OneCopyWritesItsOwnRecordByteForByte) {
    TempFolder dir("one-copy");
    WriteRecord(dir / kDataFileName, DefaultDataRecord());
    DataFile data(dir / kDataFileName);
    Settings settings;
    ASSERT_TRUE(data.LoadDataFile(settings).ok);
    settings.ColorScheme = 9;
    for (const int score : {30, 26, 30, 70000, 2}) {
        Store(data, 7, score, U"Ann");
    }
    DataRecord expected = data.record();
    EncodeRecord(settings, data.store(), expected);
    ASSERT_TRUE(data.SaveDataFile(settings).ok);
    bool whole = false;
    EXPECT_EQ(ReadRecord(dir / kDataFileName, whole), expected);
    EXPECT_TRUE(whole);
}

// --- Copies in processes ----------------------------------------------------------------

constexpr int kCopies = 8;
constexpr int kSaves = 20;
constexpr int kSharedTable = 20;

// Every save of every copy stores one result of its own score, into the copy's own table
// or the shared one, and changes all three settings bytes.
int ScoreOf(int copy, int save) {
    return 1 + ((save * kCopies + copy) * 7919) % 30011;
}
std::array<std::uint8_t, 3> SettingsOf(int copy, int save) {
    return {static_cast<std::uint8_t>(copy * 37 + save),
            static_cast<std::uint8_t>(copy * 53 + 2 * save),
            static_cast<std::uint8_t>(copy * 71 + 3 * save)};
}

// A copy of the game: stores, saves, and after each successful save reports the result
// (table, score) on `log`.
[[noreturn]] void RunCopy(const fs::path& file, int copy, int log) {
    DataFile data(file);
    Settings settings;
    if (!data.LoadDataFile(settings).ok) {
        ::_exit(2);
    }
    for (int save = 0; save < kSaves; ++save) {
        const int table = save % 2 == 0 ? 1 + copy : kSharedTable;
        const std::string name = "c" + std::to_string(copy) + "s" + std::to_string(save);
        data.Refresh();
        const bool stored =
            Store(data, table, ScoreOf(copy, save), std::u32string(name.begin(), name.end())) != 0;
        const auto bytes = SettingsOf(copy, save);
        settings.Language = bytes[0];
        settings.WindowMode = bytes[1];
        settings.ColorScheme = bytes[2];
        if (!data.SaveDataFile(settings).ok) {
            ::_exit(3);
        }
        const int report[2] = {table, stored ? ScoreOf(copy, save) : 0};
        if (::write(log, report, sizeof report) != sizeof report) {
            ::_exit(4);
        }
    }
    ::_exit(0);
}

// The file is one whole version: 6,816 bytes, markers set, every list in order with each
// result at most once.
::testing::AssertionResult OneWholeVersion(const fs::path& file) {
    bool whole = false;
    const DataRecord record = ReadRecord(file, whole);
    if (!whole || record[3] != 1 || record[4] != 1) {
        return ::testing::AssertionFailure() << "not one whole record";
    }
    Settings unused;
    HighScoreStore lists;
    DecodeRecord(record, unused, lists);
    for (int t = 1; t <= kTableCount; ++t) {
        std::set<std::string> names;
        const HighScoreList list = lists.GetList(t);
        for (std::size_t r = 0; r < kEntriesPerList; ++r) {
            if (r > 0 && list[r].score() > list[r - 1].score()) {
                return ::testing::AssertionFailure() << "table " << t << " out of order";
            }
            if (list[r].score() > 0 && !names.insert(Name(list[r])).second) {
                return ::testing::AssertionFailure() << Name(list[r]) << " twice";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

struct CopiesCase {
    const char* name;
    int killed;       // copies killed at random moments
    bool deleteLock;  // the lock file is deleted again and again while they run
    mode_t umask;
};

class Copies : public ::testing::TestWithParam<CopiesCase> {};

TEST_P(Copies, KeepEveryResultAtItsRankAndTheLastWritersSettings) {
    const CopiesCase& c = GetParam();
    TempFolder dir(std::string("copies-") + c.name);
    const fs::path file = dir / kDataFileName;
    WriteRecord(file, Clean());
    ::chmod(file.c_str(), 0664);
    const mode_t oldMask = ::umask(c.umask);
    int log[2];
    ASSERT_EQ(::pipe(log), 0);
    std::vector<pid_t> copies;
    for (int copy = 0; copy < kCopies; ++copy) {
        copies.push_back(::fork());
        if (copies.back() == 0) {
            ::close(log[0]);
            RunCopy(file, copy, log[1]);
        }
    }
    ::close(log[1]);
    ::umask(oldMask);
    // While they run the file is looked at again and again, and the lock file deleted.
    std::atomic<bool> running{true};
    std::atomic<int> torn{0};
    std::thread watcher([&] {
        while (running) {
            torn += OneWholeVersion(file) ? 0 : 1;
            if (c.deleteLock) {
                ::unlink((file.string() + ".lock").c_str());
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(3));
        }
    });
    std::mt19937 random(20240611);
    for (int copy = 0; copy < c.killed; ++copy) {
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 500));
        ::kill(copies[static_cast<std::size_t>(copy)], SIGKILL);
    }
    // The results saved, by table; a killed copy's last result may be saved unreported.
    std::map<int, std::vector<int>> saved;
    int report[2];
    while (::read(log[0], report, sizeof report) == sizeof report) {
        if (report[1] != 0) {
            saved[report[0]].push_back(report[1]);
        }
    }
    running = false;
    watcher.join();
    EXPECT_EQ(torn, 0) << "times the file was not one whole version";
    ::close(log[0]);
    for (std::size_t copy = 0; copy < copies.size(); ++copy) {
        int status = 0;
        ASSERT_EQ(::waitpid(copies[copy], &status, 0), copies[copy]);
        if (static_cast<int>(copy) >= c.killed) {
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "copy " << copy;
        }
    }
    ASSERT_TRUE(OneWholeVersion(file));
    bool whole = false;
    const DataRecord record = ReadRecord(file, whole);
    Settings last;
    HighScoreStore lists;
    DecodeRecord(record, last, lists);
    // Every saved result is in its list at its rank, unless twelve better ones are. A
    // killed copy may have saved a result it could not report: then each reported one is
    // there or beaten by twelve.
    for (auto& [table, scores] : saved) {
        std::sort(scores.rbegin(), scores.rend());
        const HighScoreList list = lists.GetList(table);
        for (std::size_t r = 0; r < std::min(scores.size(), kEntriesPerList); ++r) {
            const auto at = std::find_if(list.begin(), list.end(), [&](const HighScoreEntry& e) {
                return e.score() == scores[r];
            });
            if (c.killed == 0) {
                EXPECT_EQ(list[r].score(), scores[r]) << "table " << table << " rank " << r + 1;
            } else {
                EXPECT_TRUE(at != list.end() || list[11].score() > scores[r]) << scores[r];
            }
        }
    }
    // The settings bytes are one surviving copy's last.
    bool lastWriters = false;
    for (int copy = c.killed; copy < kCopies; ++copy) {
        lastWriters |=
            SettingsOf(copy, kSaves - 1) ==
            std::array<std::uint8_t, 3>{last.Language, last.WindowMode, last.ColorScheme};
    }
    EXPECT_TRUE(lastWriters);
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == kDataFileName || name == "Quorelin.dat.lock") << name << " left";
    }
    struct stat lock {};
    if (::stat((file.string() + ".lock").c_str(), &lock) == 0) {
        EXPECT_EQ(lock.st_mode & 0777, 0664u) << "the data file's mode, whatever the umask";
    }
}

INSTANTIATE_TEST_SUITE_P(SharedFile, Copies,
                         ::testing::Values(CopiesCase{"Side_by_side", 0, false, 022},
                                           CopiesCase{"Three_killed", 3, false, 022},
                                           CopiesCase{"Lock_deleted_umask_077", 0, true, 077}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Names that are not what they claim ---------------------------------------------

// Runs `plant` as another account (nobody) in a child process. This file's own stand-in
// for the shared other-account helper.
bool AsAnotherAccount(const std::function<bool()>& plant) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && plant() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

const char* const kNames[] = {"Quorelin.dat", "Quorelin.dat.lock", "Quorelin.dat.tmp"};

TEST(SharedFile, AnotherAccountsLinkAtAnyNameIsNotFollowedAndSaysSo) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "planting as another account needs root";
    }
    TempFolder dir("foreign-links");
    ::chmod(dir.path().c_str(), 01777);  // a shared folder, sticky as /tmp is
    TempFolder other("foreign-victim");
    const fs::path victim = other / "victim";
    WriteRecord(victim, DefaultDataRecord());
    for (const char* name : kNames) {
        SCOPED_TRACE(name);
        WriteRecord(dir / kDataFileName, Clean());
        DataFile data(dir / kDataFileName);
        Settings settings;
        ASSERT_TRUE(data.LoadDataFile(settings).ok);
        fs::remove(dir / name);
        ASSERT_TRUE(
            AsAnotherAccount([&] { return ::symlink(victim.c_str(), (dir / name).c_str()) == 0; }));
        settings.Language = 4;
        const DataFileResult saved = data.SaveDataFile(settings);
        EXPECT_EQ(saved.problem, DataFileProblem::ForeignLink);
        EXPECT_NE(saved.message.find(name), std::string::npos) << saved.message;
        Settings unused;
        // A start is told too, where it uses the name.
        EXPECT_EQ(DataFile(dir / kDataFileName).LoadDataFile(unused).problem,
                  name == kNames[2] ? DataFileProblem::None : DataFileProblem::ForeignLink);
        bool whole = false;
        EXPECT_EQ(ReadRecord(victim, whole), DefaultDataRecord()) << "the target is untouched";
        fs::remove(dir / name);
    }
}

TEST(SharedFile, APipeAtAnyNameFailsAtOnce) {
    TempFolder dir("fifos");
    for (const char* name : kNames) {
        SCOPED_TRACE(name);
        WriteRecord(dir / kDataFileName, Clean());
        DataFile data(dir / kDataFileName);
        Settings settings;
        ASSERT_TRUE(data.LoadDataFile(settings).ok);
        fs::remove(dir / name);
        ASSERT_EQ(::mkfifo((dir / name).c_str(), 0666), 0);
        ::alarm(10);  // a hang ends the test
        const auto start = std::chrono::steady_clock::now();
        const DataFileResult saved = data.SaveDataFile(settings);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        ::alarm(0);
        EXPECT_EQ(saved.problem, DataFileProblem::NotAFile);
        EXPECT_NE(saved.message.find(name), std::string::npos) << saved.message;
        fs::remove(dir / name);
    }
}

// A save whose lock another copy holds throughout gives up and says so.
class ImpatientFile : public DataFile {
public:
    using DataFile::DataFile;

protected:
    void PauseBeforeLockRetry() override {}
};

TEST(SharedFile, ALockHeldThroughoutFailsTheSaveAndChangesNothing) {
    TempFolder dir("lock-held");
    WriteRecord(dir / kDataFileName, Clean());
    ImpatientFile data(dir / kDataFileName);
    Settings settings;
    ASSERT_TRUE(data.LoadDataFile(settings).ok);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        const int fd = ::open((dir / "Quorelin.dat.lock").c_str(), O_RDWR);
        struct flock lock {};
        lock.l_type = F_WRLCK;
        const char held = ::fcntl(fd, F_SETLK, &lock) == 0 ? 1 : 0;
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &held, 1);
        ::pause();
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 1);
    Store(data, 2, 50, U"Ann");
    settings.Language = 5;
    EXPECT_EQ(data.SaveDataFile(settings).problem, DataFileProblem::LockBusy);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    bool whole = false;
    EXPECT_EQ(ReadRecord(dir / kDataFileName, whole), Clean());
    ASSERT_TRUE(data.SaveDataFile(settings).ok) << "the result waited in memory";
    EXPECT_EQ(Name(DataFile(data).store().GetList(2)[0]), "Ann");
}

// --- The data folder's first filling --------------------------------------------------

TEST(DataFolder, AFullDiskLeavesNoShortFileAndTheNextStartFillsTheFolder) {
    TempFolder disk("full-disk");
    if (::geteuid() != 0 || ::mount("tmpfs", disk.path().c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "needs a small tmpfs of its own";
    }
    const fs::path shipped = fs::path(QUORELIN_SOURCE_DIR) / "data";
    const fs::path folder = disk / "quorelin";
    std::FILE* filler = std::fopen((disk / "filler").c_str(), "wb");
    while (std::fputc(0, filler) != EOF && std::fflush(filler) == 0) {
    }
    std::fclose(filler);
    const DataFileResult full = PrepareDataFolder(folder, shipped);
    EXPECT_EQ(full.problem, DataFileProblem::CannotWrite);
    EXPECT_NE(full.message.find("No space left"), std::string::npos) << full.message;
    EXPECT_FALSE(fs::exists(folder)) << "nothing is left behind";
    fs::remove(disk / "filler");
    EXPECT_TRUE(PrepareDataFolder(folder, shipped).ok);
    for (const char* name : {kDataFileName, kReserveFileName}) {
        EXPECT_EQ(fs::file_size(folder / name), kRecordSize) << name;
    }
    ::umount(disk.path().c_str());
}

TEST(DataFolder, AFileThatStandsThereIsKeptAndTheReserveCopyHoldsCleanLists) {
    TempFolder dir("keep");
    WriteRecord(dir / kDataFileName, Clean());
    ASSERT_TRUE(PrepareDataFolder(dir.path(), fs::path(QUORELIN_SOURCE_DIR) / "data").ok);
    bool whole = false;
    EXPECT_EQ(ReadRecord(dir / kDataFileName, whole), Clean()) << "the player's own file";
    // The teacher clears the lists: the reserve copy in place of the data file. A first
    // game's result then enters every table at rank 1, with no name shown above it.
    fs::copy_file(dir / kReserveFileName, dir / kDataFileName,
                  fs::copy_options::overwrite_existing);
    DataFile data(dir / kDataFileName);
    Settings settings;
    ASSERT_TRUE(data.LoadDataFile(settings).ok);
    for (int table = 1; table <= kTableCount; ++table) {
        EXPECT_EQ(Store(data, table, 1, U"Ann"), 1) << "table " << table;
    }
}

TEST(ListRule, ControlCharactersInANameAreStoredAsBlanks) {
    HighScoreStore store;
    WorkingList working;
    working.FillAndInsert(store, 1, 10, 1);
    working.StoreEntry(U"A\nB\tC\u007F\u0085D\u00E9", store);
    EXPECT_EQ(store.GetList(1)[0].nameBytes(), "A B C  D\xE9");
}

}  // namespace
}  // namespace quorelin
