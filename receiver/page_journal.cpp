#include "receiver/page_journal.h"

#include <algorithm>
#include <cstring>

namespace receiver {
namespace {

constexpr char kSignature[8] = {'R', 'C', 'V', 'P', 'A', 'G', 'E', '1'};
constexpr size_t kAddressAt = 8;
constexpr size_t kOriginalAt = 12;
constexpr size_t kIntendedAt = kOriginalAt + kPageBytes;
constexpr size_t kCrcAt = kIntendedAt + kPageBytes;
static_assert(kCrcAt + 4 == kJournalRecordBytes, "record layout");

void PutLittle(std::string* bytes, size_t at, uint32_t value, size_t count) {
  for (size_t i = 0; i < count; ++i) (*bytes)[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t GetLittle(const uint8_t* bytes, size_t count) {
  uint32_t value = 0;
  for (size_t i = 0; i < count; ++i) value |= static_cast<uint32_t>(bytes[i]) << (8 * i);
  return value;
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string SerializeJournalRecord(const JournalRecord& record) {
  std::string bytes(kJournalRecordBytes, '\0');
  std::memcpy(&bytes[0], kSignature, sizeof(kSignature));
  PutLittle(&bytes, kAddressAt, record.address, 2);
  std::memcpy(&bytes[kOriginalAt], record.original.data(), kPageBytes);
  std::memcpy(&bytes[kIntendedAt], record.intended.data(), kPageBytes);
  PutLittle(&bytes, kCrcAt, Crc32(reinterpret_cast<const uint8_t*>(bytes.data()), kCrcAt), 4);
  return bytes;
}

bool ParseJournalRecord(const uint8_t* data, size_t size, JournalRecord* record) {
  if (data == nullptr || record == nullptr || size != kJournalRecordBytes) return false;
  if (std::memcmp(data, kSignature, sizeof(kSignature)) != 0) return false;
  if (GetLittle(data + kCrcAt, 4) != Crc32(data, kCrcAt)) return false;
  // Only the configuration page is ever rewritten; a record of another page is not ours.
  if (GetLittle(data + kAddressAt, 2) != kConfigPageAddress || GetLittle(data + 10, 2) != 0) {
    return false;
  }
  record->address = kConfigPageAddress;
  std::copy(data + kOriginalAt, data + kOriginalAt + kPageBytes, record->original.begin());
  std::copy(data + kIntendedAt, data + kIntendedAt + kPageBytes, record->intended.begin());
  return true;
}

PageJournal::PageJournal(userfiles::FileOps ops, std::wstring folder)
    : ops_(std::move(ops)), folder_(std::move(folder)) {}

bool PageJournal::Open(const JournalRecord& record) {
  memory_ = record;
  return userfiles::ReplaceFile(ops_, folder_, kFileName, SerializeJournalRecord(record));
}

void PageJournal::Close() {
  memory_.reset();
  if (!folder_.empty() && ops_.remove) ops_.remove(folder_ + kFileName);
}

std::optional<JournalRecord> PageJournal::Pending() const {
  if (memory_) return memory_;
  std::string bytes;
  if (folder_.empty() || !ops_.read || !ops_.read(folder_ + kFileName, &bytes)) return std::nullopt;
  JournalRecord record;
  if (!ParseJournalRecord(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &record)) {
    return std::nullopt;
  }
  return record;
}

}  // namespace receiver
