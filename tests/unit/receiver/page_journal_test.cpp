// The page journal's record: only an intact record of the configuration page is ever taken, and a
// pending record is settled by what the page holds.
#include "receiver/page_journal.h"

#include <gtest/gtest.h>

#include <string>

#include "receiver/page_rewrite.h"
#include "tests/unit/support/memory_files.h"

namespace {

using receiver::JournalRecord;
using receiver::Page;
using receiver::PageState;

JournalRecord SampleRecord() {
  JournalRecord record;
  for (size_t i = 0; i < record.original.size(); ++i) {
    record.original[i] = static_cast<uint8_t>(i * 7);
    record.intended[i] = static_cast<uint8_t>(i * 7 + (i >= 228 && i < 232 ? 1 : 0));
  }
  return record;
}

bool Parses(const std::string& bytes) {
  JournalRecord parsed;
  return receiver::ParseJournalRecord(reinterpret_cast<const uint8_t*>(bytes.data()),
                                      bytes.size(), &parsed);
}

TEST(PageJournalRecord, RoundTripsThroughItsBytes) {
  const JournalRecord record = SampleRecord();
  const std::string bytes = receiver::SerializeJournalRecord(record);
  ASSERT_EQ(receiver::kJournalRecordBytes, bytes.size());
  JournalRecord parsed;
  ASSERT_TRUE(receiver::ParseJournalRecord(reinterpret_cast<const uint8_t*>(bytes.data()),
                                           bytes.size(), &parsed));
  EXPECT_EQ(record.original, parsed.original);
  EXPECT_EQ(record.intended, parsed.intended);
  EXPECT_EQ(0xCBF43926u, receiver::Crc32(reinterpret_cast<const uint8_t*>("123456789"), 9));
}

TEST(PageJournalRecord, DamagedRecordsAreRefused) {
  const std::string good = receiver::SerializeJournalRecord(SampleRecord());
  EXPECT_FALSE(Parses(""));
  EXPECT_FALSE(Parses(good.substr(0, good.size() - 1)));  // truncated
  EXPECT_FALSE(Parses(good + '\0'));                       // wrong size
  EXPECT_FALSE(Parses(std::string(good.size(), '\0')));
  // Every single bit flipped anywhere in the record.
  for (size_t byte = 0; byte < good.size(); ++byte) {
    for (int bit = 0; bit < 8; ++bit) {
      std::string damaged = good;
      damaged[byte] = static_cast<char>(damaged[byte] ^ (1 << bit));
      ASSERT_FALSE(Parses(damaged)) << "byte " << byte << " bit " << bit;
    }
  }
  // A record of another page, with a checksum that matches it, is not ours either.
  JournalRecord other = SampleRecord();
  other.address = 0x2600;
  EXPECT_FALSE(Parses(receiver::SerializeJournalRecord(other)));
}

TEST(PageJournal, KeepsTheRecordInMemoryWhenTheFileCannotBeWritten) {
  testfiles::MemoryFiles files;
  files.failWrites = true;
  receiver::PageJournal journal(files.Ops(), testfiles::kUserFolder);
  EXPECT_FALSE(journal.Open(SampleRecord()));
  ASSERT_TRUE(journal.Pending().has_value());
  journal.Close();
  EXPECT_FALSE(journal.Pending().has_value());
}

TEST(PageJournal, AnotherRunFindsTheRecordUntilItIsClosed) {
  testfiles::MemoryFiles files;
  receiver::PageJournal(files.Ops(), testfiles::kUserFolder).Open(SampleRecord());
  receiver::PageJournal later(files.Ops(), testfiles::kUserFolder);
  ASSERT_TRUE(later.Pending().has_value());
  EXPECT_EQ(SampleRecord().intended, later.Pending()->intended);
  later.Close();
  EXPECT_TRUE(files.files.empty());
  // A damaged file is as good as none.
  files.files[std::wstring(testfiles::kUserFolder) + L"PageJournal.dat"] = "RCVPAGE1 torn";
  EXPECT_FALSE(receiver::PageJournal(files.Ops(), testfiles::kUserFolder).Pending());
}

TEST(PageJournal, PageStatesBlockByBlock) {
  const JournalRecord record = SampleRecord();
  Page erased;
  erased.fill(0xFF);
  // Block 3 (bytes 192..255) is the one that changes.
  Page firstBlocksOnly = erased;
  std::copy(record.intended.begin(), record.intended.begin() + 192, firstBlocksOnly.begin());
  Page mixed = record.original;
  std::copy(record.intended.begin() + 192, record.intended.end(), mixed.begin() + 192);
  std::fill(mixed.begin() + 64, mixed.begin() + 128, 0xFF);
  Page strayByte = firstBlocksOnly;
  strayByte[70] ^= 0x01;
  Page otherReceiver = record.original;
  otherReceiver[2] ^= 0x40;

  const struct {
    const char* name;
    Page page;
    PageState state;
  } cases[] = {
      {"intended", record.intended, PageState::kIntended},
      {"original", record.original, PageState::kOriginal},
      {"erased", erased, PageState::kInterrupted},
      {"three blocks written", firstBlocksOnly, PageState::kInterrupted},
      {"blocks of both and an erased one", mixed, PageState::kInterrupted},
      {"a byte that neither page has", strayByte, PageState::kForeign},
      {"another receiver's page", otherReceiver, PageState::kForeign},
  };
  for (const auto& c : cases) EXPECT_EQ(c.state, receiver::ClassifyPage(record, c.page)) << c.name;
}

}  // namespace
