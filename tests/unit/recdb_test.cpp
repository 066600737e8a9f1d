// The record-database stand-in: a round trip through its file, damaged files refused
// without ever being overwritten, and a store that fails or is cut short at any step
// leaves the previous file whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/memory_file_system.h"
#include "recdb/core/database_file.h"
#include "recdb/core/record_database.h"
#include "recdb/core/write_failure.h"

namespace {

using namespace recdb;

constexpr uint32_t kSize = kMethodRecordSize;
const std::string kPath = "C:\\data\\m1.db";

std::vector<uint8_t> Pattern(uint8_t seed) {
  std::vector<uint8_t> record(kSize);
  for (size_t i = 0; i < record.size(); ++i) record[i] = static_cast<uint8_t>(seed + i * 7);
  return record;
}

std::vector<uint8_t> FileWith(const std::vector<std::vector<uint8_t>>& records) {
  DatabaseImage image{.database = kMethodDatabase,
                      .recordSize = kSize,
                      .count = static_cast<uint32_t>(records.size()),
                      .records = {}};
  for (const auto& r : records) image.records.insert(image.records.end(), r.begin(), r.end());
  return SerializeDatabase(image);
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
    return out;
  }
};

// Check mode opens no session and leaves an open one alone; update mode creates a
// missing file at the first store, and only appends next to the last record.
TEST_F(RecdbTest, AStoredRecordReadsBack) {
  EXPECT_EQ(db.Open(kMethodDatabase, kPath, kModeCheck), kFileNotFound);
  ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeUpdate), kOk);
  EXPECT_EQ(Store(2, Pattern(5)), kBadRecord);     // no gaps
  EXPECT_EQ(Store(1, Pattern(5), 0), kBadRecord);  // appending needs flag 1
  ASSERT_EQ(Store(1, Pattern(5)), kOk);
  EXPECT_EQ(db.Open(kMethodDatabase, "C:\\other.db", kModeCheck), kFileNotFound);
  ASSERT_EQ(db.Close(kMethodDatabase), kOk);
  EXPECT_EQ(fs.files.count(kPath + ".new"), 0u);

  ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeCheck), kOk);
  EXPECT_EQ(Fetch(1), kNotOpen);
  EXPECT_EQ(db.Close(kMethodDatabase), kNotOpen);
  ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeRead), kOk);
  ASSERT_EQ(Fetch(1), kOk);
  EXPECT_EQ(buffer, Pattern(5));
  EXPECT_EQ(Fetch(2), kBadRecord);
  EXPECT_EQ(db.Close(kMethodDatabase), kOk);
  EXPECT_EQ(fs.log.size(), 2u) << "only the session that stored wrote";
}

TEST_F(RecdbTest, UnusableFilesFailInEveryModeAndAreNeverWritten) {
  const auto good = FileWith({Pattern(1), Pattern(2)});
  auto flip = [&good](size_t at) {
    auto f = good;
    f[at] ^= 0x10;
    return f;
  };
  auto swapped = good;
  std::swap_ranges(swapped.begin() + 28, swapped.begin() + 28 + kSize + 4,
                   swapped.begin() + 28 + kSize + 4);
  auto textCopy = good;  // what a text-mode copy makes of the magic's line end
  textCopy.erase(textCopy.begin() + 4);
  struct Case {
    const char* what;
    std::vector<uint8_t> file;
    Result want;
  } cases[] = {
      {"empty", {}, kNotADatabase},
      {"header cut short", std::vector<uint8_t>(good.begin(), good.begin() + 27), kNotADatabase},
      {"truncated by one byte", std::vector<uint8_t>(good.begin(), good.end() - 1), kNotADatabase},
      {"foreign magic", flip(1), kNotADatabase},
      {"text-mode copy", textCopy, kNotADatabase},
      {"header checksum", flip(25), kCorrupt},
      {"record checksum", flip(28 + kSize + 1), kCorrupt},
      {"last record byte", flip(good.size() - 5), kCorrupt},
      {"records swapped", swapped, kCorrupt},
      {"too large to be one", std::vector<uint8_t>(MaxFileSize(kSize) + 1), kNotADatabase},
  };
  for (const Case& c : cases) {
    for (int32_t mode : {kModeRead, kModeUpdate, kModeCheck}) {
      SCOPED_TRACE(std::string(c.what) + " mode " + std::to_string(mode));
      fs.files[kPath] = c.file;
      EXPECT_EQ(db.Open(kMethodDatabase, kPath, mode), c.want);
      EXPECT_EQ(db.TakeWriteFailure().has_value(), mode == kModeUpdate) << "opened to write";
      EXPECT_EQ(Store(1, Pattern(2)), kNotOpen);
      EXPECT_EQ(db.Close(kMethodDatabase), kNotOpen);
      EXPECT_EQ(fs.files[kPath], c.file);
    }
  }
  fs.files[kPath] = good;  // each record's checksum is found at its own place
  ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeRead), kOk);
  EXPECT_EQ(Fetch(0), kBadRecord);
  ASSERT_EQ(Fetch(2), kOk);
  EXPECT_EQ(buffer, Pattern(2));
  EXPECT_EQ(db.Close(kMethodDatabase), kOk);
  fs.files.erase(kPath);
  EXPECT_EQ(db.Open(kMethodDatabase, kPath, kModeRead), kFileNotFound);
  EXPECT_TRUE(fs.log.empty());
}

// A full disk, a refused replace or a crash between writing and replacing: the user is
// told why (the crash aside) and the old file stays whole.
TEST_F(RecdbTest, InterruptedStoresLeaveTheOldFileWhole) {
  const struct {
    const char* what;
    bool MemoryFileSystem::*fault;
    const char* reason;  // what the user is told
  } faults[] = {
      {"disk full", &MemoryFileSystem::diskFullOnWrite, "the disk is full"},
      {"replace fails", &MemoryFileSystem::replaceFails,
       "access was denied (the file or its folder is read-only)"},
      {"crash between writing and replacing", &MemoryFileSystem::crashBeforeReplace, nullptr}};
  for (const auto& f : faults) {
    SCOPED_TRACE(f.what);
    fs.files = {{kPath, FileWith({Pattern(1)})}};
    const auto before = fs.files[kPath];
    ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeUpdate), kOk);
    ASSERT_EQ(Store(1, Pattern(2)), kOk);
    fs.*f.fault = true;
    if (f.fault == &MemoryFileSystem::crashBeforeReplace) {
      EXPECT_THROW(db.Close(kMethodDatabase), SimulatedCrash);
    } else {
      EXPECT_EQ(db.Close(kMethodDatabase), kIoError);
      const auto failure = db.TakeWriteFailure();
      ASSERT_TRUE(failure);
      EXPECT_EQ(fs.files.count(kPath + ".new"), 0u);
      EXPECT_EQ(FailureReason(*failure), f.reason);
      EXPECT_EQ(FailureAuditText(*failure),
                "Record database write FAILED: nothing was written to disk.\r\n"
                "Filename : C:\\DATA\\M1.DB\r\nReason : " +
                    std::string(f.reason));
    }
    EXPECT_EQ(fs.files[kPath], before);
    EXPECT_EQ(RecordOnDisk(1), Pattern(1));

    ASSERT_EQ(db.Open(kMethodDatabase, kPath, kModeUpdate), kOk);
    ASSERT_EQ(Store(1, Pattern(2)), kOk);
    ASSERT_EQ(db.Close(kMethodDatabase), kOk);
    EXPECT_FALSE(db.TakeWriteFailure());
    EXPECT_EQ(RecordOnDisk(1), Pattern(2));
    EXPECT_EQ(fs.files.count(kPath + ".new"), 0u);
  }
}

}  // namespace
