// The record-database stand-in: its file format, its sessions, and that a store which
// fails or is cut short at any step leaves the previous file whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/memory_file_system.h"
#include "recdb/core/database_file.h"
#include "recdb/core/record_database.h"

namespace {

using namespace recdb;

constexpr uint32_t kSize = kMethodRecordSize;
const std::string kPath = "C:\\DATA\\M1.DB";

std::vector<uint8_t> Pattern(uint8_t seed) {
  std::vector<uint8_t> record(kSize);
  for (size_t i = 0; i < record.size(); ++i) record[i] = static_cast<uint8_t>(seed + i * 7);
  return record;
}

std::vector<uint8_t> FileWith(const std::vector<std::vector<uint8_t>>& records) {
  DatabaseImage image;
  image.database = kMethodDatabase;
  image.recordSize = kSize;
  for (const auto& r : records) image.records.insert(image.records.end(), r.begin(), r.end());
  image.count = static_cast<uint32_t>(records.size());
  return SerializeDatabase(image);
}

uint32_t U32At(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t{bytes[at + 3]} << 24;
}

TEST(RecdbFormat, HeaderFieldsSitAtTheirOffsets) {
  const auto file = FileWith({Pattern(1), Pattern(2)});
  ASSERT_EQ(file.size(), 28u + 2 * (kSize + 4));
  EXPECT_EQ(std::string(file.begin(), file.begin() + 8), std::string("RDB3\r\n\x1a\n", 8));
  EXPECT_EQ(U32At(file, 8), 1u);
  EXPECT_EQ(U32At(file, 12), 14u);
  EXPECT_EQ(U32At(file, 16), kSize);
  EXPECT_EQ(U32At(file, 20), 2u);
  const auto second = Pattern(2);
  EXPECT_TRUE(std::equal(second.begin(), second.end(), file.begin() + 28 + kSize + 4));
}

TEST(RecdbFormat, ParseRestoresWhatWasSerialised) {
  const auto file = FileWith({Pattern(1), Pattern(9)});
  DatabaseImage image;
  ASSERT_EQ(ParseDatabase(file, kMethodDatabase, kSize, image), kOk);
  ASSERT_EQ(image.count, 2u);
  EXPECT_TRUE(std::ranges::equal(image.Record(2), Pattern(9)));
}

TEST(RecdbFormat, DamagedOrForeignFilesAreRefused) {
  const auto good = FileWith({Pattern(1), Pattern(2)});
  struct Case {
    const char* what;
    std::vector<uint8_t> file;
    Result want;
  };
  auto flip = [&good](size_t at) {
    auto f = good;
    f[at] ^= 0x10;
    return f;
  };
  auto truncated = good;
  truncated.pop_back();
  auto longer = good;
  longer.push_back(0);
  auto textCopy = good;  // what a text-mode copy makes of the magic's line end
  textCopy.erase(textCopy.begin() + 4);
  auto swapped = good;
  std::swap_ranges(swapped.begin() + 28, swapped.begin() + 28 + kSize + 4,
                   swapped.begin() + 28 + kSize + 4);
  const std::vector<uint8_t> text = {'[', 'S',  'y',  's',  't', 'e', 'm', 'L', 'i', 's',
                                     't', ']',  '\r', '\n', 'G', 'C', '_', 'D', 'B', '=',
                                     'x', '\r', '\n', 'a',  'b', 'c', 'd', 'e', 'f', 'g'};
  const Case cases[] = {
      {"empty", {}, kNotADatabase},
      {"header cut short", std::vector<uint8_t>(good.begin(), good.begin() + 27), kNotADatabase},
      {"foreign text file", text, kNotADatabase},
      {"foreign magic", flip(0), kNotADatabase},
      {"text-mode copy", textCopy, kNotADatabase},
      {"other version", flip(8), kNotADatabase},
      {"header checksum", flip(25), kCorrupt},
      {"truncated by one byte", truncated, kNotADatabase},
      {"one byte too long", longer, kNotADatabase},
      {"record byte", flip(28 + 100), kCorrupt},
      {"record checksum", flip(28 + kSize + 1), kCorrupt},
      {"last record byte", flip(good.size() - 5), kCorrupt},
      {"records swapped", swapped, kCorrupt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DatabaseImage image;
    image.count = 77;
    EXPECT_EQ(ParseDatabase(c.file, kMethodDatabase, kSize, image), c.want);
    EXPECT_EQ(image.count, 77u);  // untouched
  }
  DatabaseImage image;
  EXPECT_EQ(ParseDatabase(good, 13, kSize, image), kNotADatabase);
  EXPECT_EQ(ParseDatabase(good, kMethodDatabase, kSize - 1, image), kNotADatabase);
}

class RecdbTest : public testing::Test {
 protected:
  MemoryFileSystem fs;
  RecordDatabase db{fs};
  std::vector<uint8_t> buffer = std::vector<uint8_t>(kSize, 0xCC);

  Result Fetch(int32_t number) {
    return db.HandleRecord(kMethodDatabase, number, buffer.data(), kOpFetch, 0);
  }
  Result Store(int32_t number, std::vector<uint8_t> record, int32_t flag = 1) {
    return db.HandleRecord(kMethodDatabase, number, record.data(), kOpStore, flag);
  }
  // What a fresh process would find in the file now.
  std::vector<uint8_t> RecordOnDisk(int32_t number) {
    MemoryFileSystem copy;
    copy.files = fs.files;
    RecordDatabase fresh(copy);
    std::vector<uint8_t> out(kSize);
    if (fresh.Open(kMethodDatabase, kPath, kModeRead) != kOk) return {};
    if (fresh.HandleRecord(kMethodDatabase, number, out.data(), kOpFetch, 0) != kOk) return {};
    fresh.Close(kMethodDatabase);
    return out;
  }
};

TEST_F(RecdbTest, SaveThenOpenAsTheEditorDoes) {
  EXPECT_EQ(db.Open(kMethodDatabase, kPath, kModeCheck), kFileNotFound);  // new file
  ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeUpdate), kOk);
  ASSERT_EQ(Store(1, Pattern(5)), kOk);
  ASSERT_EQ(db.Close(kMethodDatabase), kOk);
  EXPECT_EQ(fs.files.count(kPath + ".new"), 0u);

  ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeCheck), kOk);
  ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeRead), kOk);
  ASSERT_EQ(Fetch(1), kOk);
  EXPECT_EQ(buffer, Pattern(5));
  EXPECT_EQ(db.Close(kMethodDatabase), kOk);
}

TEST_F(RecdbTest, StoreReplacesOrAppendsOnlyNextToTheLastRecord) {
  fs.files[kPath] = FileWith({Pattern(1)});
  ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeUpdate), kOk);
  EXPECT_EQ(Store(2, Pattern(2), 0), kBadRecord);  // appending needs flag 1
  EXPECT_EQ(Store(3, Pattern(3)), kBadRecord);     // no gaps
  EXPECT_EQ(Store(0, Pattern(3)), kBadRecord);
  EXPECT_EQ(Store(1, Pattern(7), 0), kOk);
  EXPECT_EQ(Store(2, Pattern(8)), kOk);
  ASSERT_EQ(db.Close(kMethodDatabase), kOk);
  EXPECT_EQ(RecordOnDisk(1), Pattern(7));
  EXPECT_EQ(RecordOnDisk(2), Pattern(8));
}

TEST_F(RecdbTest, RequestsOutsideTheContractFail) {
  fs.files[kPath] = FileWith({Pattern(1)});
  EXPECT_EQ(db.Open(13, kPath, kModeRead), kUnknownDatabase);
  EXPECT_EQ(db.Open(kMethodDatabase, "", kModeRead), kNoFile);
  EXPECT_EQ(db.Open(kMethodDatabase, kPath, 1), kBadRequest);
  EXPECT_EQ(Fetch(1), kNotOpen);
  EXPECT_EQ(db.Close(kMethodDatabase), kNotOpen);

  ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeRead), kOk);
  EXPECT_EQ(Store(1, Pattern(2)), kBadRequest);  // read session
  EXPECT_EQ(db.HandleRecord(kMethodDatabase, 1, buffer.data(), 2, 0), kBadRequest);
  EXPECT_EQ(db.HandleRecord(kMethodDatabase, 1, nullptr, kOpFetch, 0), kBadRecord);
  EXPECT_EQ(Fetch(2), kBadRecord);
  EXPECT_EQ(Fetch(-1), kBadRecord);
  EXPECT_EQ(buffer, std::vector<uint8_t>(kSize, 0xCC));  // no failed fetch wrote
  EXPECT_EQ(db.Close(kMethodDatabase), kOk);
  EXPECT_EQ(db.Close(kMethodDatabase), kNotOpen);
  EXPECT_TRUE(fs.log.empty());  // nothing was written
}

TEST_F(RecdbTest, CheckModeLeavesAnOpenSessionAlone) {
  fs.files[kPath] = FileWith({Pattern(1)});
  ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeUpdate), kOk);
  ASSERT_EQ(Store(1, Pattern(4)), kOk);
  EXPECT_EQ(db.Open(kMethodDatabase, "C:\\other.db", kModeCheck), kFileNotFound);
  ASSERT_EQ(db.Close(kMethodDatabase), kOk);
  EXPECT_EQ(RecordOnDisk(1), Pattern(4));
}

TEST_F(RecdbTest, AnUnchangedSessionWritesNothing) {
  ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeUpdate), kOk);
  EXPECT_EQ(db.Close(kMethodDatabase), kOk);
  EXPECT_TRUE(fs.files.empty());
  EXPECT_TRUE(fs.log.empty());
}

TEST_F(RecdbTest, UnusableFilesFailInEveryModeAndAreNeverOverwritten) {
  auto corrupt = FileWith({Pattern(1)});
  corrupt[40] ^= 1;
  auto foreign = FileWith({Pattern(1)});
  foreign[1] = 'X';
  const std::vector<uint8_t> huge(MaxFileSize(kSize) + 1, 0);
  struct Case {
    const char* what;
    std::vector<uint8_t> file;
    Result want;
  } cases[] = {
      {"short", std::vector<uint8_t>(10, 'R'), kNotADatabase},
      {"truncated", std::vector<uint8_t>(corrupt.begin(), corrupt.end() - 100), kNotADatabase},
      {"foreign magic", foreign, kNotADatabase},
      {"bad checksum", corrupt, kCorrupt},
      {"too large to be one", huge, kNotADatabase},
  };
  for (const Case& c : cases) {
    for (int32_t mode : {kModeRead, kModeUpdate, kModeCheck}) {
      SCOPED_TRACE(std::string(c.what) + " mode " + std::to_string(mode));
      fs.files[kPath] = c.file;
      EXPECT_EQ(db.Open(kMethodDatabase, kPath, mode), c.want);
      EXPECT_EQ(Store(1, Pattern(2)), kNotOpen);
      EXPECT_EQ(db.Close(kMethodDatabase), kNotOpen);
      EXPECT_EQ(fs.files[kPath], c.file);
    }
  }
  fs.files.erase(kPath);
  EXPECT_EQ(db.Open(kMethodDatabase, kPath, kModeRead), kFileNotFound);
  fs.files[kPath] = FileWith({Pattern(1)});
  fs.readError = true;
  EXPECT_EQ(db.Open(kMethodDatabase, kPath, kModeRead), kIoError);
}

TEST_F(RecdbTest, AFailedOpenEndsTheSessionItReplaces) {
  fs.files[kPath] = FileWith({Pattern(1)});
  ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeUpdate), kOk);
  ASSERT_EQ(Store(1, Pattern(3)), kOk);
  EXPECT_EQ(db.Open(kMethodDatabase, "C:\\missing.db", kModeRead), kFileNotFound);
  EXPECT_EQ(db.Close(kMethodDatabase), kNotOpen);
  EXPECT_EQ(RecordOnDisk(1), Pattern(1));
}

// A store that fails or is interrupted at any step: the old file stays whole and a new
// process reads it; the next store succeeds.
TEST_F(RecdbTest, InterruptedStoresLeaveTheOldFileWhole) {
  enum Fault { kDiskFull, kReplaceFails, kCrashBeforeReplace };
  for (Fault fault : {kDiskFull, kReplaceFails, kCrashBeforeReplace}) {
    SCOPED_TRACE(fault);
    fs.files.clear();
    fs.files[kPath] = FileWith({Pattern(1)});
    const auto before = fs.files[kPath];
    RecordDatabase session(fs);
    ASSERT_EQ(session.Open(kMethodDatabase, kPath, kModeUpdate), kOk);
    auto record = Pattern(2);
    ASSERT_EQ(session.HandleRecord(kMethodDatabase, 1, record.data(), kOpStore, 1), kOk);
    switch (fault) {
      case kDiskFull:
        fs.diskFullOnWrite = true;
        EXPECT_EQ(session.Close(kMethodDatabase), kIoError);
        EXPECT_EQ(fs.files.count(kPath + ".new"), 0u);
        break;
      case kReplaceFails:
        fs.replaceFails = true;
        EXPECT_EQ(session.Close(kMethodDatabase), kIoError);
        EXPECT_EQ(fs.files.count(kPath + ".new"), 0u);
        break;
      case kCrashBeforeReplace:
        fs.crashBeforeReplace = true;
        EXPECT_THROW(session.Close(kMethodDatabase), SimulatedCrash);
        EXPECT_EQ(fs.files.count(kPath + ".new"), 1u);  // the crash left it behind
        break;
    }
    EXPECT_EQ(fs.files[kPath], before);
    EXPECT_EQ(RecordOnDisk(1), Pattern(1));

    RecordDatabase next(fs);
    ASSERT_EQ(next.Open(kMethodDatabase, kPath, kModeUpdate), kOk);
    ASSERT_EQ(next.HandleRecord(kMethodDatabase, 1, record.data(), kOpStore, 1), kOk);
    ASSERT_EQ(next.Close(kMethodDatabase), kOk);
    EXPECT_EQ(RecordOnDisk(1), Pattern(2));
    EXPECT_EQ(fs.files.count(kPath + ".new"), 0u);
  }
}

TEST_F(RecdbTest, TheNewFileIsFlushedBesideTheOldBeforeItReplacesIt) {
  fs.files[kPath] = FileWith({Pattern(1)});
  ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeUpdate), kOk);
  ASSERT_EQ(Store(1, Pattern(2)), kOk);
  ASSERT_EQ(db.Close(kMethodDatabase), kOk);
  const std::vector<std::string> want = {"write " + kPath + ".new",
                                         "replace " + kPath + ".new " + kPath};
  EXPECT_EQ(fs.log, want);
}

}  // namespace
