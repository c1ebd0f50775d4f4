// The record a program keeps while it rewrites the receiver's configuration page: the page as it
// was read and the page it is about to write. A rewrite erases the page and programs four blocks in
// some 389 transfers; a receiver pulled out, or a program stopped, in between leaves the page erased
// or half written, and without this record every pairing on it would be lost. With it, the next
// receiver check finishes the write (page_recovery.h).
//
// The record is one small binary file, written durably (a new file, flushed, then moved into place)
// before the erase and removed once the new page has verified:
//
//   offset  size  field
//   0       8     "RCVPAGE1"
//   8       2     word address of the page, little-endian (0x2700)
//   10      2     0
//   12      256   the page as it was read
//   268     256   the page being written
//   524     4     CRC-32 (IEEE) of bytes 0..523, little-endian
//
// A record of any other size, another signature or address, or a wrong checksum is damaged: it is
// ignored, never written to a receiver.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "receiver/command_channel.h"
#include "userfiles/user_file_ops.h"

namespace receiver {

struct JournalRecord {
  uint16_t address = kConfigPageAddress;
  Page original{};  // the page as it was read
  Page intended{};  // the page being written
};

constexpr size_t kJournalRecordBytes = 528;

std::string SerializeJournalRecord(const JournalRecord& record);
// False, and *record untouched, for anything but an intact record of the configuration page.
bool ParseJournalRecord(const uint8_t* data, size_t size, JournalRecord* record);

uint32_t Crc32(const uint8_t* data, size_t size);

// The pending record of one program for one user. The record is also kept in memory, so a receiver
// pulled out and plugged in again while the program runs is recovered even where the file cannot be
// written (no user profile, a full disk).
class PageJournal {
 public:
  static constexpr wchar_t kFileName[] = L"PageJournal.dat";

  // Memory only.
  PageJournal() = default;
  // `folder` ends with a backslash; an empty folder keeps the record in memory only.
  PageJournal(userfiles::FileOps ops, std::wstring folder);

  // Records the rewrite that is about to start. False when the file could not be written (the
  // record is still kept in memory).
  bool Open(const JournalRecord& record);
  // The rewrite is settled: the record goes.
  void Close();
  // The pending record: the one in memory, else an intact one in the file.
  std::optional<JournalRecord> Pending() const;

 private:
  userfiles::FileOps ops_;
  std::wstring folder_;
  std::optional<JournalRecord> memory_;
};

}  // namespace receiver
