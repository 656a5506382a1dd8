#include "scores/data_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "scores/windows1252.h"
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
    EXPECT_EQ(ListOffset(1), 96u);
    EXPECT_EQ(ListOffset(2), 432u);
    EXPECT_EQ(ListOffset(20), 6480u);

    const HighScoreEntry e = file.store().GetList(2)[0];
    EXPECT_EQ(e.score(), 0x1234);
    EXPECT_EQ(e.nameBytes(), "Ann");
    EXPECT_EQ(e.level(), -2);
    EXPECT_EQ(file.store().GetList(20)[11].score(), 65535);
    EXPECT_EQ(file.store().GetList(20)[11].level(), 19);
    EXPECT_EQ(file.store().GetList(1)[0].score(), 7);
    EXPECT_EQ(file.store().GetList(1)[1].score(), 0);
}

TEST_F(DataFileTest, SaveKeepsReservedAndUnusedBytesAndWritesMarkers) {
    const std::vector<std::uint8_t> original = Patterned(kRecordSize);
    WriteBytes(File(), original);
    DataFile file(File());
    Settings settings;
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    settings.Language = 5;
    settings.WindowMode = 2;
    settings.ColorScheme = 2;
    ASSERT_TRUE(file.SaveDataFile(settings).ok);

    const std::vector<std::uint8_t> saved = ReadBytes(File());
    ASSERT_EQ(saved.size(), kRecordSize);
    EXPECT_EQ(saved[0], 5);
    EXPECT_EQ(saved[1], 2);
    EXPECT_EQ(saved[2], 2);
    EXPECT_EQ(saved[3], 1);
    EXPECT_EQ(saved[4], 1);
    // Reserved bytes, name bytes past the length and padding all travel unchanged.
    EXPECT_TRUE(std::equal(original.begin() + 5, original.end(), saved.begin() + 5));
}

TEST_F(DataFileTest, ChangedListLandsInItsTableOnly) {
    WriteBytes(File(), Patterned(kRecordSize));
    DataFile file(File());
    Settings settings;
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    HighScoreList list = file.store().GetList(17);
    list[1].setScore(777);
    list[1].setNameBytes(EncodeWindows1252(U"Zoë"));
    list[1].setLevel(9);
    file.store().ReplaceList(17, list);
    ASSERT_TRUE(file.SaveDataFile(settings).ok);

    DataFile again(File());
    ASSERT_TRUE(again.LoadDataFile(settings).ok);
    EXPECT_EQ(again.store().GetList(17)[1].score(), 777);
    EXPECT_EQ(again.store().GetList(17)[1].nameBytes(), "Zo\xEB");
    EXPECT_EQ(again.store().GetList(17)[1].level(), 9);
    const std::vector<std::uint8_t> before = Patterned(kRecordSize);
    const std::vector<std::uint8_t> after = ReadBytes(File());
    const std::size_t entry = ListOffset(17) + kEntrySize;
    for (std::size_t i = 5; i < kRecordSize; ++i) {
        if (i < entry || i >= entry + kEntrySize) {
            ASSERT_EQ(before[i], after[i]) << "byte " << i;
        }
    }
    // The new name is three bytes; the old bytes after it stay in the entry.
    EXPECT_EQ(after[entry + 6], before[entry + 6]);
}

TEST_F(DataFileTest, LongFileLoadsAndSavesBackAtRecordSize) {
    WriteBytes(File(), Patterned(7000));
    DataFile file(File());
    Settings settings;
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    ASSERT_TRUE(file.SaveDataFile(settings).ok);
    EXPECT_EQ(fs::file_size(File()), kRecordSize);
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

TEST_F(DataFileTest, AllZeroFileLoadsAsEmptyLists) {
    WriteBytes(File(), std::vector<std::uint8_t>(kRecordSize, 0));
    DataFile file(File());
    Settings settings;
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    EXPECT_EQ(settings.Language, 0);
    for (int t = 1; t <= kTableCount; ++t) {
        for (const HighScoreEntry& e : file.store().GetList(t)) {
            ASSERT_EQ(e.score(), 0);
            ASSERT_EQ(e.nameBytes(), "");
            ASSERT_EQ(e.level(), 0);
        }
    }
}

TEST_F(DataFileTest, FailedWriteKeepsOldFileAndMemoryAndLeavesNoTemporary) {
    const std::vector<std::uint8_t> original = Patterned(kRecordSize);
    WriteBytes(File(), original);
    DataFile file(File());
    Settings settings;
    ASSERT_TRUE(file.LoadDataFile(settings).ok);
    HighScoreList list = file.store().GetList(3);
    list[0].setScore(999);
    file.store().ReplaceList(3, list);

    // A file-size limit makes the write fail the way a full disk does.
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
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
    EXPECT_EQ(file.store().GetList(3)[0].score(), 999);
    // Once the disk has room again the kept result is saved.
    ASSERT_TRUE(file.SaveDataFile(settings).ok);
    DataFile again(File());
    ASSERT_TRUE(again.LoadDataFile(settings).ok);
    EXPECT_EQ(again.store().GetList(3)[0].score(), 999);
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
    const DataRecord expected = DefaultDataRecord();
    for (const char* name : {kDataFileName, kReserveFileName}) {
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
                ASSERT_GT(list[r].nameLength(), 0);
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
