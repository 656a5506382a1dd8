// The data file: where each field stands in the record, what the load refuses, and a save
// that never leaves a broken file behind.
#include "store/data_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "store/high_score_list.h"
#include "store/windows1252.h"
#include "tests/support/other_account.h"
#include "tests/support/temp_folder.h"
#include "tools/default_data.h"

namespace quorelin {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A record whose every byte tells its own offset, so a misplaced field shows.
Bytes Patterned(std::size_t size) {
    Bytes bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{3});
    return bytes;
}

void Put(Bytes& bytes, std::size_t at, std::initializer_list<std::uint8_t> values) {
    std::copy(values.begin(), values.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

ino_t Inode(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_ino;
}

// A data file on a disk that fails where the test says, the same for every account, root
// included; it also notes each flush of a temporary file.
class TestDisk : public DataFile {
public:
    using DataFile::DataFile;
    enum class Temporary { Works, CannotCreate, Full } temporary = Temporary::Works;
    int syncError = 0;               // errno of a failing flush, or 0
    std::vector<ino_t> syncedFiles;  // the file each flush was for
    Bytes dataFileAtSync;            // the data file's bytes at the last flush

protected:
    int CreateTemporary(const fs::path& temp) override {
        if (temporary == Temporary::CannotCreate) {  // a folder the player may not write
            errno = EACCES;
            return -1;
        }
        return temporary == Temporary::Full  // every write fails with ENOSPC
                   ? ::open("/dev/full", O_WRONLY | O_CLOEXEC)
                   : DataFile::CreateTemporary(temp);
    }
    int SyncToDisk(int fd) override {
        struct stat st {};
        ::fstat(fd, &st);
        syncedFiles.push_back(st.st_ino);
        dataFileAtSync = testing::ReadFile(path());
        if (syncError != 0) {
            errno = syncError;
            return -1;
        }
        return DataFile::SyncToDisk(fd);
    }
};

// Each test has a folder of its own for the data file "Quorelin.dat".
class DataFileTest : public ::testing::Test {
protected:
    fs::path File() const { return folder / kDataFileName; }
    void WriteFile(const Bytes& bytes) const { folder.Write(kDataFileName, bytes); }
    Bytes FileBytes() const { return folder.Read(kDataFileName); }
    // Names in a folder besides lock files: no temporary may stay after a save.
    static long Entries(const fs::path& dir) {
        return std::count_if(fs::directory_iterator(dir), fs::directory_iterator(),
                             [](const auto& e) { return e.path().extension() != ".lock"; });
    }

    testing::TempFolder folder{"data"};
    Settings settings;
};

TEST_F(DataFileTest, FieldsStandLittleEndianAtTheirOffsetsAndASaveKeepsEveryOtherByte) {
    Bytes bytes = Patterned(7000);  // bytes past one record are ignored, and then dropped
    Put(bytes, 0, {3, 1, 2});
    Put(bytes, 432, {0x34, 0x12, 3, 'A', 'n', 'n'});            // table 2, rank 1
    Put(bytes, 432 + 24, {0xFE, 0xFF, 0xFF, 0xFF});             // its level, -2
    Put(bytes, 6480 + 11 * 28 + 24, {0x10, 0x20, 0x30, 0x40});  // table 20, rank 12
    WriteFile(bytes);
    DataFile file(File());
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    EXPECT_EQ(settings.Language, 3);
    EXPECT_EQ(settings.WindowMode, 1);
    EXPECT_EQ(settings.ColorScheme, 2);
    const HighScoreEntry ann = file.store().GetList(2)[0];
    EXPECT_EQ(ann.score(), 0x1234);
    EXPECT_EQ(ann.nameBytes(), "Ann");
    EXPECT_EQ(ann.level(), -2);
    EXPECT_EQ(file.store().GetList(20)[11].level(), 0x40302010);

    settings.Language = 5;
    WorkingList working;  // table 17's first score is 0x6463: the result enters at rank 1
    working.FillAndInsert(file.store(), 17, 30000, -2);
    ASSERT_TRUE(working.StoreEntry(U"Zoë", file.store()));
    ASSERT_TRUE(file.SaveDataFile(settings).ok);
    bytes.resize(kRecordSize);
    Put(bytes, 0, {5, 1, 2, 1, 1});
    // The list's entries move down one rank whole, the last drops off, and the new one
    // stands at rank 1; whatever its unused name bytes hold is not checked.
    std::copy_backward(bytes.begin() + 5472, bytes.begin() + 5472 + 11 * 28,
                       bytes.begin() + 5472 + 12 * 28);
    Put(bytes, 5472, {0x30, 0x75, 3, 'Z', 'o', 0xEB});
    Put(bytes, 5472 + 24, {0xFE, 0xFF, 0xFF, 0xFF});
    const Bytes saved = FileBytes();
    ASSERT_EQ(saved.size(), kRecordSize);
    std::copy(saved.begin() + 5472 + 6, saved.begin() + 5472 + 24, bytes.begin() + 5472 + 6);
    EXPECT_EQ(saved, bytes);
}

// Root may open any file for writing, so a file of mode 0444 is opened by a player who
// does not own it; an account that is not root may not write even its own.
TEST_F(DataFileTest, TheLoadRefusesAFileMissingTooShortOrNotWritableAndChangesNothing) {
    WriteFile(Patterned(kRecordSize));
    DataFile file(File());
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    const DataRecord loaded = file.record();
    const HighScoreList list = file.store().GetList(20);
    const auto refused = [&] {
        Settings changed;
        changed.Language = 77;
        const DataFileResult result = file.LoadDataFile(changed);
        return !result.ok && result.message.find(File().string()) != std::string::npos &&
               changed.Language == 77 && file.record() == loaded &&
               file.store().GetList(20) == list;
    };
    for (const std::size_t size : {std::size_t{0}, kRecordSize - 1}) {
        WriteFile(Bytes(size, 0x55));
        EXPECT_TRUE(refused()) << size << " bytes";
    }
    fs::remove(File());
    EXPECT_TRUE(refused()) << "no file";

    WriteFile(Patterned(kRecordSize));
    fs::permissions(folder.path(), fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::add);
    ASSERT_EQ(::chmod(File().c_str(), 0444), 0);
    const auto asPlayer = [&] {
        return ::access(File().c_str(), R_OK) != 0 ? 2 : refused() ? 0 : 1;
    };
    const int status = testing::CanSwitchAccount() ? testing::RunAsAccount(asPlayer) : asPlayer();
    if (status == testing::kCannotSwitch) {
        GTEST_SKIP() << "root cannot become another account here";
    }
    EXPECT_EQ(status, 0) << "1: the file loaded, 2: it was not even readable";
}

TEST_F(DataFileTest, TheTemporaryReachesTheDiskBeforeItReplacesTheDataFile) {
    const Bytes old = Patterned(kRecordSize);
    WriteFile(old);
    TestDisk file(File());
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    const DataRecord loaded = file.record();
    settings.Language = 4;
    WorkingList working;  // a result that must wait through the failed save for the next
    working.FillAndInsert(file.store(), 17, 30000, 3);
    ASSERT_TRUE(working.StoreEntry(U"Ann", file.store()));

    // A failed flush fails the save: the old file stays whole and no temporary is left.
    file.syncError = EIO;
    const DataFileResult failed = file.SaveDataFile(settings);
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.message.find(File().string()), std::string::npos) << failed.message;
    EXPECT_EQ(FileBytes(), old);
    EXPECT_EQ(Entries(folder.path()), 1);
    EXPECT_EQ(file.record(), loaded) << "the record in memory stays as it was";

    file.syncError = 0;
    file.syncedFiles.clear();
    ASSERT_TRUE(file.SaveDataFile(settings).ok);
    ASSERT_EQ(file.syncedFiles.size(), 1u) << "flushed once";
    EXPECT_EQ(file.dataFileAtSync, old) << "flushed while the old file still stood";
    EXPECT_EQ(Inode(File()), file.syncedFiles[0]) << "the flushed file replaced it";
    EXPECT_EQ(file.store().GetList(17)[0].score(), 30000) << "the waiting result is saved";
}

TEST_F(DataFileTest, WithoutAUsableTemporaryTheFileIsRewrittenInPlaceOrTheSaveFails) {
    for (const auto temporary : {TestDisk::Temporary::CannotCreate, TestDisk::Temporary::Full}) {
        SCOPED_TRACE(temporary == TestDisk::Temporary::Full ? "disk full" : "no temporary");
        WriteFile(Patterned(7000));  // longer than a record: the cut shows too
        const ino_t inode = Inode(File());
        TestDisk file(File());
        file.temporary = temporary;
        ASSERT_TRUE(file.LoadDataFile(settings).ok);
        settings.Language = 2;
        const DataFileResult result = file.SaveDataFile(settings);
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_EQ(Inode(File()), inode) << "the same file, rewritten in place";
        EXPECT_EQ(FileBytes(), Bytes(file.record().begin(), file.record().end()));
        EXPECT_EQ(file.record()[0], 2) << "the record in memory is the one saved";
        EXPECT_EQ(Entries(folder.path()), 1);
    }
    // A file that cannot take the record either (a quota past 100 bytes) fails the save.
    TestDisk file(File());
    file.temporary = TestDisk::Temporary::CannotCreate;
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{100, limit.rlim_max};
    const auto handler = ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_FALSE(file.SaveDataFile(settings).ok);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, handler);
}

TEST_F(DataFileTest, ASymlinkedFileIsSavedIntoItsTargetAndStaysALink) {
    const fs::path target = fs::path("target") / "scores.bin";
    fs::create_directories(folder / "target");
    folder.Write(target.string(), Patterned(kRecordSize));
    fs::create_symlink(target, File());
    DataFile file(File());
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    settings.Language = 4;
    ASSERT_TRUE(file.SaveDataFile(settings).ok);
    EXPECT_EQ(fs::read_symlink(File()), target);
    EXPECT_EQ(folder.Read(target.string())[0], 4);
    EXPECT_EQ(Entries(folder.path()), 2);
    EXPECT_EQ(Entries(folder / "target"), 1);
}

TEST_F(DataFileTest, ASaveKeepsTheOldModeAndOwnerAndRemovesAStaleTemporary) {
    WriteFile(Patterned(kRecordSize));
    ASSERT_EQ(::chmod(File().c_str(), 0640), 0);
    // Another account's file, as on a class-room folder; only root can hand it over.
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || ::chown(File().c_str(), 4321, 4322) == 0);
    folder.Write("Quorelin.dat.tmp", Bytes(100, 9));  // left by a killed save
    DataFile file(File());
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    ASSERT_TRUE(file.SaveDataFile(settings).ok);
    struct stat st {};
    ASSERT_EQ(::stat(File().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_TRUE(!root || (st.st_uid == 4321u && st.st_gid == 4322u));
    EXPECT_EQ(Entries(folder.path()), 1) << "the stale temporary is gone";
}

TEST(Names, AtMostTwentyWindows1252BytesWhateverTheLengthByteSays) {
    HighScoreEntry e;
    e.setNameBytes("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(e.nameLength(), 20);
    e.bytes()[2] = 200;  // a damaged length
    EXPECT_EQ(e.nameBytes(), "ABCDEFGHIJKLMNOPQRST");

    EXPECT_EQ(EncodeWindows1252(U"Jürgen € Œuvre Жанна 😀"), "J\xFCrgen \x80 \x8Cuvre ????? ?");
    std::string all(256, '\0');  // every byte survives a trip through text and back
    std::iota(all.begin(), all.end(), '\0');
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
}

// The reserve copy holds clean lists: after a teacher puts it in place, the first result
// of every table enters at rank 1.
TEST(ShippedData, DefaultFilesMatchTheirGeneratorsAndTheReserveHoldsCleanLists) {
    const DataRecord record = DefaultDataRecord(), reserve = ReserveDataRecord();
    EXPECT_EQ(testing::ReadFile(fs::path(QUORELIN_SOURCE_DIR) / "data" / kDataFileName),
              Bytes(record.begin(), record.end()));
    EXPECT_EQ(testing::ReadFile(fs::path(QUORELIN_SOURCE_DIR) / "data" / kReserveFileName),
              Bytes(reserve.begin(), reserve.end()));
    Settings settings;
    HighScoreStore clean;
    DecodeRecord(reserve, settings, clean);
    for (int t = 1; t <= kTableCount; ++t) {
        for (const HighScoreEntry& entry : clean.GetList(t)) {
            EXPECT_TRUE(entry.nameLength() == 0 && entry.score() == 0 && entry.level() == 0);
        }
        WorkingList first;  // a first game's result enters at rank 1
        first.FillAndInsert(clean, t, 1, 1);
        EXPECT_EQ(first.NewEntryRank(), 1) << "table " << t;
    }
}

}  // namespace
}  // namespace quorelin
