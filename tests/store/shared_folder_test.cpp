// One data file shared by copies of the game in a class-room folder: saves merge, nothing
// another account puts at the file's names is touched; and the data folder's first filling.
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
#include <map>
#include <random>
#include <thread>
#include <utility>

#include "store/data_file.h"
#include "store/data_folder.h"
#include "store/high_score_list.h"
#include "tests/support/other_account.h"
#include "tests/support/temp_folder.h"
#include "tools/default_data.h"

namespace quorelin {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const DataRecord& record) {
    return {record.begin(), record.end()};
}
// A file with clean lists: twelve empty entries of score 0 in every table.
const Bytes kClean = BytesOf(ReserveDataRecord());

// Stores `score` into `table` by the list rule, as the high-score window does; the rank.
int Store(DataFile& data, int table, int score, const std::u32string& name) {
    WorkingList working;
    working.FillAndInsert(data.store(), table, score, 1);
    working.StoreEntry(name, data.store());
    return working.EntryPending() ? working.NewEntryRank() : 0;
}

std::string NameAt(const DataFile& data, int table, int rank) {
    return data.store().GetList(table)[static_cast<std::size_t>(rank - 1)].nameBytes();
}

TEST(SharedFile, TwoCopiesKeepEachOthersResultsAndSettings) {
    TempFolder dir("two-copies");
    dir.Write(kDataFileName, kClean);
    DataFile a(dir / kDataFileName), b(dir / kDataFileName);
    Settings sa, sb;
    ASSERT_TRUE(a.LoadDataFile(sa).ok && b.LoadDataFile(sb).ok);
    // A full total above 65,535 outranks a stored 65,535, in memory as in the merge.
    ASSERT_EQ(Store(a, 3, 65535, U"Ann"), 1);
    ASSERT_EQ(Store(a, 3, 70000, U"Big"), 1);
    sa.Language = 3;
    ASSERT_TRUE(a.SaveDataFile(sa).ok);
    ASSERT_EQ(Store(b, 3, 500, U"Bo"), 1) << "b has not seen a's results yet";
    ASSERT_EQ(Store(b, 4, 9, U"Cy"), 1);
    sb.WindowMode = 1;
    ASSERT_TRUE(b.SaveDataFile(sb).ok);
    EXPECT_EQ(b.record()[0], 3) << "a's language";
    EXPECT_EQ(b.record()[1], 1) << "b's window mode";
    // b shows the merged lists; a shows them on a refresh, with its unsaved result.
    EXPECT_EQ(NameAt(b, 3, 1), "Big");
    ASSERT_EQ(Store(a, 3, 600, U"Di"), 3);
    ASSERT_TRUE(a.Refresh().ok);
    ASSERT_TRUE(a.SaveDataFile(sa).ok);
    ASSERT_TRUE(b.LoadDataFile(sb).ok);
    EXPECT_EQ(a.store().GetList(3), b.store().GetList(3));
    const char* const expected[] = {"Big", "Ann", "Di", "Bo", ""};
    for (int rank = 1; rank <= 5; ++rank) {
        EXPECT_EQ(NameAt(a, 3, rank), expected[rank - 1]) << "rank " << rank;
    }
    EXPECT_EQ(NameAt(b, 4, 1), "Cy");
    EXPECT_EQ(b.record()[1], 1) << "a keeps b's window mode";
}

// A save that another copy's save (lock file deleted) overtakes between its read and rename.
struct Overtaken : DataFile {
    using DataFile::DataFile;
    int CreateTemporary(const fs::path& temp) override {
        if (DataFile* o = std::exchange(other, nullptr)) {
            EXPECT_TRUE(o->SaveDataFile(Settings{}).ok);
        }
        return DataFile::CreateTemporary(temp);
    }
    DataFile* other = nullptr;
};

TEST(SharedFile, ASaveOvertakenByAnotherStartsAgainAndKeepsBoth) {
    TempFolder dir("overtaken");
    dir.Write(kDataFileName, kClean);
    DataFile other(dir / kDataFileName);
    Overtaken late(dir / kDataFileName);
    late.other = &other;
    Settings settings;
    ASSERT_TRUE(other.LoadDataFile(settings).ok && late.LoadDataFile(settings).ok);
    Store(other, 9, 70, U"Ann");
    Store(late, 9, 50, U"Bo");
    ASSERT_TRUE(late.SaveDataFile(settings).ok);
    EXPECT_EQ(NameAt(late, 9, 1), "Ann");
    EXPECT_EQ(NameAt(late, 9, 2), "Bo");
}

constexpr int kCopies = 8;
constexpr int kSaves = 20;

// Save `save` of copy `copy` stores a result of a score no other save has, into the copy's
// own table or the shared table 20, and changes all three settings bytes.
int ScoreOf(int copy, int save) {
    return 1 + ((save * kCopies + copy) * 7919) % 30011;
}
int TableOf(int copy, int save) {
    return save % 2 == 0 ? 1 + copy : 20;
}
std::array<std::uint8_t, 3> SettingsOf(int copy, int save) {
    return {static_cast<std::uint8_t>(copy * 37 + save),
            static_cast<std::uint8_t>(copy * 53 + 2 * save),
            static_cast<std::uint8_t>(copy * 71 + 3 * save)};
}

// A copy of the game: refreshes, stores and saves, and reports each result it saved.
[[noreturn]] void RunCopy(const fs::path& file, int copy, int log) {
    DataFile data(file);
    Settings settings;
    if (!data.LoadDataFile(settings).ok) {
        ::_exit(2);
    }
    for (int save = 0; save < kSaves; ++save) {
        const std::string name = "c" + std::to_string(copy) + "s" + std::to_string(save);
        data.Refresh();
        const bool stored = Store(data, TableOf(copy, save), ScoreOf(copy, save),
                                  std::u32string(name.begin(), name.end())) != 0;
        std::tie(settings.Language, settings.WindowMode, settings.ColorScheme) =
            std::tuple_cat(SettingsOf(copy, save));
        // Under heavy load a save may outwait its lock; a player would try again.
        for (int tries = 1; !data.SaveDataFile(settings).ok; ++tries) {
            if (tries == 5) {
                ::_exit(3);
            }
        }
        const int report[2] = {TableOf(copy, save), stored ? ScoreOf(copy, save) : 0};
        if (::write(log, report, sizeof report) != sizeof report) {
            ::_exit(4);
        }
    }
    ::_exit(0);
}

// The file is one whole version: one record, markers set.
bool OneWholeVersion(const TempFolder& dir) {
    const Bytes bytes = dir.Read(kDataFileName);
    return bytes.size() == kRecordSize && bytes[3] == 1 && bytes[4] == 1;
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
    const fs::path file = dir / kDataFileName, lock = dir / "Quorelin.dat.lock";
    dir.Write(kDataFileName, kClean);
    ::chmod(file.c_str(), 0664);
    const mode_t oldMask = ::umask(c.umask);
    int log[2];
    ASSERT_EQ(::pipe(log), 0);
    std::vector<pid_t> copies;
    for (int copy = 0; copy < kCopies; ++copy) {
        copies.push_back(::fork());
        if (copies.back() == 0) {
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
            torn += OneWholeVersion(dir) ? 0 : 1;
            if (c.deleteLock) {
                ::unlink(lock.c_str());
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(3));
        }
    });
    std::mt19937 random(20240611);
    for (int copy = 0; copy < c.killed; ++copy) {
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 500));
        ::kill(copies[static_cast<std::size_t>(copy)], SIGKILL);
    }
    std::map<int, std::vector<int>> saved;  // by table; a killed copy may not report its last
    int report[2];
    while (::read(log[0], report, sizeof report) == sizeof report) {
        if (report[1] != 0) {
            saved[report[0]].push_back(report[1]);
        }
    }
    running = false;
    watcher.join();
    ::close(log[0]);
    for (std::size_t copy = 0; copy < copies.size(); ++copy) {
        int status = 0;
        ASSERT_EQ(::waitpid(copies[copy], &status, 0), copies[copy]);
        EXPECT_TRUE(static_cast<int>(copy) < c.killed || status == 0)
            << "copy " << copy << " ended with " << status;
    }
    EXPECT_EQ(torn, 0) << "times the file was not one whole version";
    ASSERT_TRUE(OneWholeVersion(dir));
    DataRecord record{};
    std::ranges::copy(dir.Read(kDataFileName), record.begin());
    Settings last;
    HighScoreStore lists;
    DecodeRecord(record, last, lists);
    // Every saved result is at its rank, unless twelve better ones are; beside killed
    // copies, each is there or beaten by twelve.
    for (auto& [table, scores] : saved) {
        std::sort(scores.rbegin(), scores.rend());
        const HighScoreList list = lists.GetList(table);
        for (std::size_t r = 0; r < std::min(scores.size(), kEntriesPerList); ++r) {
            const bool there = std::any_of(list.begin(), list.end(),
                                           [&](const auto& e) { return e.score() == scores[r]; });
            EXPECT_TRUE(c.killed == 0 ? list[r].score() == scores[r]
                                      : there || list[11].score() > scores[r])
                << "table " << table << ": " << scores[r];
        }
    }
    // The settings bytes are a surviving copy's last, or a killed copy's that saved after
    // every survivor had ended.
    bool lastWriters = false;
    for (int copy = 0; copy < kCopies; ++copy) {
        for (int save = copy < c.killed ? 0 : kSaves - 1; save < kSaves; ++save) {
            lastWriters |= SettingsOf(copy, save) ==
                           std::array{last.Language, last.WindowMode, last.ColorScheme};
        }
    }
    EXPECT_TRUE(lastWriters);
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        EXPECT_TRUE(entry.path() == file || entry.path() == lock) << entry.path() << " left";
    }
    struct stat st {};
    if (::stat(lock.c_str(), &st) == 0) {
        EXPECT_EQ(st.st_mode & 0777, 0664u) << "the data file's mode, whatever the umask";
    }
}

void PrintTo(const CopiesCase& c, std::ostream* out) {  // ctest's list names the case
    *out << c.name;
}

INSTANTIATE_TEST_SUITE_P(SharedFile, Copies,
                         ::testing::Values(CopiesCase{"Side_by_side", 0, false, 022},
                                           CopiesCase{"Three_killed", 3, false, 022},
                                           CopiesCase{"Lock_deleted_umask_077", 0, true, 077}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SharedFile, APipeOrAnotherAccountsLinkAtAnyNameIsLeftAloneAndTheSaveSaysSo) {
    TempFolder dir("planted");
    ::chmod(dir.path().c_str(), 01777);  // a shared folder, sticky as /tmp is
    TempFolder elsewhere("planted-victim");
    const Bytes victim = BytesOf(DefaultDataRecord());
    elsewhere.Write("victim", victim);
    for (const bool link : {false, true}) {
        for (const char* name : {"Quorelin.dat", "Quorelin.dat.lock", "Quorelin.dat.tmp"}) {
            SCOPED_TRACE(std::string(link ? "link at " : "pipe at ") + name);
            if (link && !testing::CanSwitchAccount()) {
                continue;  // planting as another account needs root
            }
            dir.Write(kDataFileName, kClean);
            DataFile data(dir / kDataFileName);
            Settings settings;
            ASSERT_TRUE(data.LoadDataFile(settings).ok);
            fs::remove(dir / name);
            const std::string at = (dir / name).string();
            ASSERT_TRUE(link ? testing::RunAsAccount([&] {
                                   return ::symlink((elsewhere / "victim").c_str(), at.c_str());
                               }) == 0
                             : ::mkfifo(at.c_str(), 0666) == 0);
            ::alarm(10);  // a hang ends the test
            const auto start = std::chrono::steady_clock::now();
            const DataFileResult saved = data.SaveDataFile(settings);
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
            ::alarm(0);
            EXPECT_EQ(saved.problem,
                      link ? DataFileProblem::ForeignLink : DataFileProblem::NotAFile);
            EXPECT_NE(saved.message.find(name), std::string::npos) << saved.message;
            EXPECT_EQ(elsewhere.Read("victim"), victim) << "the target is untouched";
            fs::remove(dir / name);
        }
    }
}

// A save whose lock another copy holds throughout gives up at once here, and says so.
struct ImpatientFile : DataFile {
    using DataFile::DataFile;
    void PauseBeforeLockRetry() override {}
};

TEST(SharedFile, ALockHeldThroughoutFailsTheSaveAndChangesNothing) {
    TempFolder dir("lock-held");
    dir.Write(kDataFileName, kClean);
    ImpatientFile data(dir / kDataFileName);
    Settings settings;
    ASSERT_TRUE(data.LoadDataFile(settings).ok);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        struct flock lock {};
        lock.l_type = F_WRLCK;
        const int fd = ::open((dir / "Quorelin.dat.lock").c_str(), O_RDWR);
        const char held = ::fcntl(fd, F_SETLK, &lock) == 0 ? 1 : 0;
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &held, 1);
        ::pause();
    }
    char held = 0;
    ASSERT_TRUE(::read(ready[0], &held, 1) == 1 && held == 1);
    Store(data, 2, 50, U"Ann");
    settings.Language = 5;
    EXPECT_EQ(data.SaveDataFile(settings).problem, DataFileProblem::LockBusy);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(dir.Read(kDataFileName), kClean);
    ASSERT_TRUE(data.SaveDataFile(settings).ok) << "the result waited in memory";
    EXPECT_EQ(NameAt(data, 2, 1), "Ann");
}

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

TEST(DataFolder, AFileThatStandsThereIsKeptEvenWhenDamaged) {
    TempFolder dir("keep");
    const Bytes own(kRecordSize - 1, 7);
    dir.Write(kDataFileName, own);
    ASSERT_TRUE(PrepareDataFolder(dir.path(), fs::path(QUORELIN_SOURCE_DIR) / "data").ok);
    EXPECT_EQ(dir.Read(kDataFileName), own);
    EXPECT_EQ(dir.Read(kReserveFileName), kClean);
}

}  // namespace
}  // namespace quorelin
