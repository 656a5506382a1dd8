#include "store/data_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>
#include <vector>

#include "store/high_score_list.h"
#include "store/windows1252.h"
#include "tools/default_data.h"

namespace quorelin {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// Each test gets a folder of its own.
class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quorelin-data-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path File() const { return dir_ / kDataFileName; }

    // A record whose every byte tells its own offset, so misplaced fields show.
    static std::vector<std::uint8_t> Patterned(std::size_t size) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<std::uint8_t>((i * 7 + 3) & 0xFF);
        }
        return bytes;
    }

    fs::path dir_;
};

TEST_F(DataFileTest, ListsSitAtTheirOffsetsAndEntriesDecodeLittleEndian) {
    std::vector<std::uint8_t> bytes(kRecordSize, 0);
    bytes[0] = 3;
    bytes[1] = 1;
    bytes[2] = 1;
    // Table 2, rank 1 at 432; table 20, rank 12 at 6480 + 11 * 28.
    const std::size_t t2 = 432;
    bytes[t2 + 0] = 0x34;
    bytes[t2 + 1] = 0x12;
    bytes[t2 + 2] = 3;
    bytes[t2 + 3] = 'A';
    bytes[t2 + 4] = 'n';
    bytes[t2 + 5] = 'n';
    bytes[t2 + 24] = 0xFE;
    bytes[t2 + 25] = 0xFF;
    bytes[t2 + 26] = 0xFF;
    bytes[t2 + 27] = 0xFF;
    const std::size_t t20last = 6480 + 11 * 28;
    bytes[t20last] = 0xFF;
    bytes[t20last + 1] = 0xFF;
    bytes[t20last + 24] = 19;
    bytes[96] = 7;  // table 1, rank 1
    WriteBytes(File(), bytes);

    DataFile file(File());
    Settings settings;
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    EXPECT_EQ(settings.Language, 3);
    EXPECT_EQ(settings.WindowMode, 1);
    EXPECT_EQ(settings.ColorScheme, 1);

    const HighScoreEntry e = file.store().GetList(2)[0];
    EXPECT_EQ(e.score(), 0x1234);
    EXPECT_EQ(e.nameBytes(), "Ann");
    EXPECT_EQ(e.level(), -2);
    EXPECT_EQ(file.store().GetList(20)[11].score(), 65535);
    EXPECT_EQ(file.store().GetList(20)[11].level(), 19);
    EXPECT_EQ(file.store().GetList(1)[0].score(), 7);
    EXPECT_EQ(file.store().GetList(1)[1].score(), 0);
}

TEST_F(DataFileTest, SaveWritesSettingsAndMarkersAndTheChangedListInItsTableOnly) {
    WriteBytes(File(), Patterned(kRecordSize));
    DataFile file(File());
    Settings settings;
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    settings.Language = 5;
    settings.WindowMode = 2;
    settings.ColorScheme = 3;
    WorkingList working;
    working.FillAndInsert(file.store(), 17, 30000, 9);  // rank 2: the list reads 43683, 28263
    ASSERT_TRUE(working.StoreEntry(U"Zoë", file.store()));
    ASSERT_TRUE(file.SaveDataFile(settings).ok);

    DataFile again(File());
    ASSERT_TRUE(again.LoadDataFile(settings).ok);
    EXPECT_EQ(again.store().GetList(17)[1].score(), 30000);
    EXPECT_EQ(again.store().GetList(17)[1].nameBytes(), "Zo\xEB");
    EXPECT_EQ(again.store().GetList(17)[1].level(), 9);
    const std::vector<std::uint8_t> before = Patterned(kRecordSize);
    const std::vector<std::uint8_t> after = ReadBytes(File());
    ASSERT_EQ(after.size(), kRecordSize);
    EXPECT_EQ(std::vector<std::uint8_t>(after.begin(), after.begin() + 5),
              (std::vector<std::uint8_t>{5, 2, 3, 1, 1}));
    // Reserved bytes, name bytes past the length and padding all travel unchanged; the
    // entries below the new one move down one rank, whole.
    const std::size_t entry = ListOffset(17) + kEntrySize;
    for (std::size_t i = 5; i < kRecordSize; ++i) {
        if (i < entry || i >= ListOffset(18)) {
            ASSERT_EQ(before[i], after[i]) << "byte " << i;
        } else if (i >= entry + kEntrySize) {
            ASSERT_EQ(before[i - kEntrySize], after[i]) << "byte " << i;
        }
    }
    // The new entry takes over the padding byte of the entry that stood at its rank.
    EXPECT_EQ(after[entry + 23], before[entry + 23]);
}

TEST_F(DataFileTest, ShortOrMissingFileFailsWithItsNameAndChangesNothing) {
    Settings settings;
    settings.Language = 4;
    DataFile missing(File());
    const DataFileResult none = missing.LoadDataFile(settings);
    EXPECT_FALSE(none.ok);
    EXPECT_NE(none.message.find("Quorelin.dat"), std::string::npos);

    WriteBytes(File(), std::vector<std::uint8_t>(kRecordSize - 1, 2));
    DataFile shortFile(File());
    const DataFileResult cut = shortFile.LoadDataFile(settings);
    EXPECT_FALSE(cut.ok);
    EXPECT_NE(cut.message.find("6815"), std::string::npos);
    EXPECT_EQ(settings.Language, 4);
    EXPECT_EQ(shortFile.store().GetList(1)[0].score(), 0);
}

TEST_F(DataFileTest, FailedWriteKeepsOldFileAndMemoryAndLeavesNoTemporary) {
    const std::vector<std::uint8_t> original = Patterned(kRecordSize);
    WriteBytes(File(), original);
    DataFile file(File());
    Settings settings;
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    WorkingList working;
    working.FillAndInsert(file.store(), 3, 60000, 9);
    ASSERT_TRUE(working.StoreEntry(U"Ann", file.store()));

    // A file-size limit fails the temporary file and an in-place rewrite alike, so the
    // rewrite is not tried: a write cut off there would mix new bytes into the old file.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto* oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old;
    tiny.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const DataFileResult result = file.SaveDataFile(settings);
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.message.empty());
    EXPECT_EQ(ReadBytes(File()), original);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2)
        << "the data file and its lock file only";
    EXPECT_EQ(file.store().GetList(3)[0].score(), 60000);
    // Once the disk has room again the kept result is saved.
    ASSERT_TRUE(file.SaveDataFile(settings).ok);
    DataFile again(File());
    ASSERT_TRUE(again.LoadDataFile(settings).ok);
    EXPECT_EQ(again.store().GetList(3)[0].score(), 60000);
}

// --- Saving where a temporary file cannot be used -------------------------------------

struct stat Stat(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

// Every file in the folder except the data file and its reserve: temporaries left behind.
std::vector<std::string> Leftovers(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name != kDataFileName && name != "target" && name != "Quorelin.dat.lock") {
            names.push_back(name);
        }
    }
    return names;
}

// A data file whose temporary file fails the way a folder or a disk makes it fail, the
// same for every account, root included.
class TemporaryFails : public DataFile {
public:
    enum class Fault {
        CannotCreate,  // a folder the player may not write
        DiskFull,      // no free block: every write fails with ENOSPC
    };
    TemporaryFails(fs::path path, Fault fault) : DataFile(std::move(path)), fault_(fault) {}

protected:
    int CreateTemporary(const fs::path& temp) override {
        if (fault_ == Fault::CannotCreate) {
            errno = EACCES;
            return -1;
        }
        temp_ = temp;
        return ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    }

public:
    fs::path temp_;

private:
    Fault fault_;
};

TEST_F(DataFileTest, WithoutAUsableTemporaryTheFileIsRewrittenInPlace) {
    for (const auto fault :
         {TemporaryFails::Fault::CannotCreate, TemporaryFails::Fault::DiskFull}) {
        SCOPED_TRACE(fault == TemporaryFails::Fault::CannotCreate ? "no temporary" : "disk full");
        // Longer than a record, so the cut to 6,816 bytes shows too.
        WriteBytes(File(), Patterned(7000));
        const ino_t inode = Stat(File()).st_ino;
        TemporaryFails file(File(), fault);
        Settings settings;
        ASSERT_TRUE(file.LoadDataFile(settings).ok);
        WorkingList working;
        working.FillAndInsert(file.store(), 20, 20000, 9);
        ASSERT_TRUE(working.StoreEntry(U"Ann", file.store()));
        settings.Language = 2;

        const DataFileResult result = file.SaveDataFile(settings);
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_EQ(Stat(File()).st_ino, inode) << "the same file, rewritten in place";
        DataRecord expected{};
        const std::vector<std::uint8_t> original = Patterned(kRecordSize);
        std::copy(original.begin(), original.end(), expected.begin());
        EncodeRecord(settings, file.store(), expected);
        const std::vector<std::uint8_t> saved = ReadBytes(File());
        ASSERT_EQ(saved.size(), kRecordSize);
        EXPECT_TRUE(std::equal(saved.begin(), saved.end(), expected.begin()));
        EXPECT_EQ(file.record(), expected) << "the record in memory follows the file";
        EXPECT_TRUE(Leftovers(dir_).empty());
    }
}

// The same through the folder's real permissions. Root may write any folder, so this
// runs for a developer's account only; the test above covers root.
TEST_F(DataFileTest, AReadOnlyFolderWithAWritableFileStillSaves) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    WriteBytes(File(), Patterned(kRecordSize));
    DataFile file(File());
    Settings settings;
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    settings.Language = 3;
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    const DataFileResult result = file.SaveDataFile(settings);
    fs::permissions(dir_, fs::perms::owner_all);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(ReadBytes(File())[0], 3);
}

TEST_F(DataFileTest, ASymlinkedFileIsSavedIntoItsTargetAndStaysALink) {
    const fs::path targetDir = dir_ / "target";
    fs::create_directories(targetDir);
    WriteBytes(targetDir / "scores.bin", Patterned(kRecordSize));
    fs::create_symlink(fs::path("target") / "scores.bin", File());
    DataFile file(File());
    Settings settings;
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    settings.Language = 4;
    ASSERT_TRUE(file.SaveDataFile(settings).ok);
    ASSERT_TRUE(fs::is_symlink(File()));
    EXPECT_EQ(fs::read_symlink(File()), fs::path("target") / "scores.bin");
    EXPECT_EQ(ReadBytes(targetDir / "scores.bin")[0], 4);
    EXPECT_TRUE(Leftovers(dir_).empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(targetDir), fs::directory_iterator()), 2)
        << "the file and its lock file only";
}

TEST_F(DataFileTest, TheSavedFileKeepsTheOldModeAndWherePossibleItsOwner) {
    const bool root = ::geteuid() == 0;
    for (const mode_t mode : {0666, 0640, 0604}) {
        SCOPED_TRACE(mode);
        WriteBytes(File(), Patterned(kRecordSize));
        ASSERT_EQ(::chmod(File().c_str(), mode), 0);
        // Another account's file, as on a class-room folder; only root can hand it over.
        if (root) {
            ASSERT_EQ(::chown(File().c_str(), 4321, 4322), 0);
        }
        DataFile file(File());
        Settings settings;
        ASSERT_TRUE(file.LoadDataFile(settings).ok);
        settings.Language = 5;
        ASSERT_TRUE(file.SaveDataFile(settings).ok);
        const struct stat st = Stat(File());
        EXPECT_EQ(st.st_mode & 07777, mode);
        if (root) {
            EXPECT_EQ(st.st_uid, 4321u);
            EXPECT_EQ(st.st_gid, 4322u);
        }
        EXPECT_EQ(ReadBytes(File())[0], 5);
    }
}

TEST_F(DataFileTest, AStaleTemporaryIsRemovedAndALinkPlantedThereIsNotFollowed) {
    WriteBytes(File(), Patterned(kRecordSize));
    const fs::path victim = dir_ / "target";
    WriteBytes(victim, {1, 2, 3});
    const fs::path temp = dir_ / "Quorelin.dat.tmp";
    for (const bool link : {false, true}) {
        SCOPED_TRACE(link ? "link" : "stale file");
        if (link) {
            fs::create_symlink(victim, temp);
        } else {
            WriteBytes(temp, std::vector<std::uint8_t>(100, 9));
        }
        DataFile file(File());
        Settings settings;
        ASSERT_TRUE(file.LoadDataFile(settings).ok);
        settings.Language = link ? 1 : 2;
        // A link there is no temporary of the game's: the save says so and leaves it.
        EXPECT_EQ(file.SaveDataFile(settings).problem,
                  link ? DataFileProblem::NotAFile : DataFileProblem::None);
        EXPECT_EQ(fs::exists(fs::symlink_status(temp)), link);
        EXPECT_EQ(ReadBytes(File()).size(), kRecordSize);
        EXPECT_EQ(ReadBytes(File())[0], 2);
        EXPECT_EQ(ReadBytes(victim), (std::vector<std::uint8_t>{1, 2, 3}));
    }
}

// --- A save killed at any moment ------------------------------------------------------

// Save number v of the kill test: the language and a result of score v in the lists at
// the start, in the middle and at the end of the record, so a file written only in part
// shows.
void ApplyVersion(std::int32_t v, Settings& settings, HighScoreStore& store) {
    settings.Language = static_cast<std::uint8_t>(1 + v % 5);
    HighScoreEntry entry;
    char name[21];
    std::snprintf(name, sizeof name, "v%09d", static_cast<int>(v));
    entry.setNameBytes(name);
    entry.setScore(static_cast<std::uint16_t>(100 + v));  // above every shipped score
    entry.setLevel(v);
    for (const int table : {1, 10, 20}) {
        HighScoreList list = store.GetList(table);
        InsertEntry(list, 100 + v, entry);
        store.StoreEntry(table, list, 100 + v, entry);
    }
}

// The file after saves 0..v, one after the other.
DataRecord VersionRecord(std::int32_t v) {
    DataRecord record = DefaultDataRecord();
    Settings settings;
    HighScoreStore store;
    DecodeRecord(record, settings, store);
    for (std::int32_t u = 0; u <= v; ++u) {
        ApplyVersion(u, settings, store);
    }
    EncodeRecord(settings, store, record);
    return record;
}

// Loads the file and saves versions from..., one after the other, until it is killed.
// Tells the parent through `ready` once the first save is done.
[[noreturn]] void SaveForever(const fs::path& path, std::int32_t from, int ready) {
    DataFile file(path);
    Settings settings;
    if (!file.LoadDataFile(settings).ok) {
        ::_exit(2);
    }
    for (std::int32_t v = from;; ++v) {
        ApplyVersion(v, settings, file.store());
        if (!file.SaveDataFile(settings).ok) {
            ::_exit(3);
        }
        if (v == from) {
            const char byte = 1;
            [[maybe_unused]] const ssize_t n = ::write(ready, &byte, 1);
        }
    }
}

TEST_F(DataFileTest, AKilledSaveLeavesOneCompleteVersionAndAtMostOneTemporary) {
    const DataRecord initial = VersionRecord(0);
    WriteBytes(File(), std::vector<std::uint8_t>(initial.begin(), initial.end()));
    std::mt19937 random(20240611);
    std::int32_t version = 0;
    int staleSeen = 0;
    constexpr int kTrials = 150;
    const auto start = std::chrono::steady_clock::now();
    for (int trial = 0; trial < kTrials; ++trial) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            SaveForever(File(), version + 1, ready[1]);
        }
        ::close(ready[1]);
        char byte = 0;
        const bool started = ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
        // Anywhere from the first microseconds of a save to a few saves later.
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(started) << "the saving child failed before its first save, status " << status;
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself, status " << status;

        const std::vector<std::uint8_t> bytes = ReadBytes(File());
        ASSERT_EQ(bytes.size(), kRecordSize) << "trial " << trial;
        DataRecord record{};
        std::copy(bytes.begin(), bytes.end(), record.begin());
        Settings settings;
        HighScoreStore store;
        DecodeRecord(record, settings, store);
        const std::int32_t saved = store.GetList(20)[0].level();
        ASSERT_GT(saved, version) << "trial " << trial << ": the child's first save is kept";
        ASSERT_EQ(record, VersionRecord(saved)) << "trial " << trial << ": a torn file";
        version = saved;
        const std::vector<std::string> leftovers = Leftovers(dir_);
        ASSERT_LE(leftovers.size(), 1u) << "trial " << trial;
        staleSeen += leftovers.empty() ? 0 : 1;
    }
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    std::printf("%d of %d kills left a temporary file; %d saves; %.2f s\n", staleSeen, kTrials,
                version, seconds.count());
    // The next save removes what a killed one left.
    DataFile file(File());
    Settings settings;
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    ASSERT_TRUE(file.SaveDataFile(settings).ok);
    EXPECT_TRUE(Leftovers(dir_).empty());
}

TEST(HighScoreEntry, NameKeepsAtMostTwentyBytesAndADamagedLengthShowsTwenty) {
    HighScoreEntry e;
    e.setNameBytes("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(e.nameLength(), 20);
    EXPECT_EQ(e.nameBytes(), "ABCDEFGHIJKLMNOPQRST");
    e.bytes()[2] = 200;
    EXPECT_EQ(e.nameBytes(), "ABCDEFGHIJKLMNOPQRST");
    e.setNameBytes("Jo");
    EXPECT_EQ(e.nameBytes(), "Jo");
    EXPECT_EQ(e.bytes()[5], 'C');  // bytes past the length travel unchanged
}

TEST(Windows1252, NamesInAnyAlphabetEncodeOneByteACharacter) {
    EXPECT_EQ(EncodeWindows1252(U"Jürgen"), "J\xFCrgen");
    EXPECT_EQ(EncodeWindows1252(U"€ Œuvre"), "\x80 \x8Cuvre");
    EXPECT_EQ(EncodeWindows1252(U"Жанна"), "?????");
    EXPECT_EQ(EncodeWindows1252(U"Ana 😀"), "Ana ?");
    EXPECT_EQ(DecodeWindows1252("J\xFCrgen \x80\x9F"), U"Jürgen €Ÿ");
    // Every byte survives a trip through text and back.
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
}

TEST(ShippedData, DefaultFilesLoadAndMatchTheirGenerator) {
    for (const char* name : {kDataFileName, kReserveFileName}) {
        const bool reserve = name == std::string(kReserveFileName);
        const DataRecord expected = reserve ? ReserveDataRecord() : DefaultDataRecord();
        const fs::path path = fs::path(QUORELIN_SOURCE_DIR) / "data" / name;
        const std::vector<std::uint8_t> bytes = ReadBytes(path);
        ASSERT_EQ(bytes.size(), kRecordSize) << name;
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected.begin())) << name;
        // Loaded read-write from a copy, so the shipped file is never touched.
        const fs::path copy = fs::temp_directory_path() / ("quorelin-shipped-" + std::string(name));
        fs::copy_file(path, copy, fs::copy_options::overwrite_existing);
        DataFile file(copy);
        Settings settings;
        ASSERT_TRUE(file.LoadDataFile(settings).ok);
        fs::remove(copy);
        EXPECT_EQ(settings.Language, 1);
        for (int t = 1; t <= kTableCount; ++t) {
            const HighScoreList list = file.store().GetList(t);
            for (std::size_t r = 0; r < kEntriesPerList; ++r) {
                ASSERT_EQ(list[r].nameLength() > 0, !reserve);
                ASSERT_LE(list[r].score(), 24);
                if (r > 0) {
                    ASSERT_GE(list[r - 1].score(), list[r].score());
                }
            }
        }
    }
}

}  // namespace
}  // namespace quorelin
