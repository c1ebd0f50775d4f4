#include "receiver/page_rewrite.h"

#include <algorithm>

namespace receiver {
namespace {

constexpr uint8_t kErasedByte = 0xFF;

bool WriteInUpdateMode(CommandChannel& channel, const Page& page, const Wait& wait,
                       const UpdateModeWaits& waits) {
  channel.UpdateMode(kUpdateModeEnter);
  wait(waits.afterEnter);
  const bool written = WritePage(channel, kConfigPageAddress, page.data());
  channel.UpdateMode(kUpdateModeLeave);
  wait(waits.afterLeave);
  return written;
}

bool BlockEquals(const Page& a, const Page& b, int block) {
  const auto first = a.begin() + block * kBlockBytes;
  return std::equal(first, first + kBlockBytes, b.begin() + block * kBlockBytes);
}

bool BlockErased(const Page& page, int block) {
  const auto first = page.begin() + block * kBlockBytes;
  return std::all_of(first, first + kBlockBytes, [](uint8_t b) { return b == kErasedByte; });
}

}  // namespace

bool RewriteConfigPage(CommandChannel& channel, PageJournal& journal, const Page& original,
                       const Page& intended, const Wait& wait, const UpdateModeWaits& waits) {
  JournalRecord record;
  record.original = original;
  record.intended = intended;
  // A record that only lives in memory still covers a receiver pulled out while this program runs.
  journal.Open(record);

  channel.UpdateMode(kUpdateModeEnter);
  wait(waits.afterEnter);
  bool written = WritePage(channel, kConfigPageAddress, intended.data());
  bool settled = written;
  // The page is erased or half written now; while the receiver answers, the page as it was read
  // goes back at once. A receiver that is gone keeps the record for its return.
  if (!written) settled = WritePage(channel, kConfigPageAddress, original.data());
  channel.UpdateMode(kUpdateModeLeave);
  wait(waits.afterLeave);
  if (settled) journal.Close();
  return written;
}

PageState ClassifyPage(const JournalRecord& record, const Page& page) {
  if (page == record.intended) return PageState::kIntended;
  if (page == record.original) return PageState::kOriginal;
  for (int block = 0; block < kBlocksPerPage; ++block) {
    if (!BlockEquals(page, record.intended, block) && !BlockEquals(page, record.original, block) &&
        !BlockErased(page, block)) {
      return PageState::kForeign;
    }
  }
  return PageState::kInterrupted;
}

SettleResult SettlePendingRewrite(CommandChannel& channel, PageJournal& journal, const Wait& wait,
                                  const UpdateModeWaits& waits, Page* completed) {
  const std::optional<JournalRecord> record = journal.Pending();
  if (!record) return SettleResult::kNothingPending;
  Page page{};
  if (!ReadPage(channel, kConfigPageAddress, page.data())) return SettleResult::kKept;
  switch (ClassifyPage(*record, page)) {
    case PageState::kIntended:
    case PageState::kOriginal:
      journal.Close();
      return SettleResult::kClosed;
    case PageState::kForeign:
      return SettleResult::kKept;
    case PageState::kInterrupted:
      break;
  }
  // Cut off again: the page is still intended, original or erased block by block, and the record
  // stays for the next check.
  if (!WriteInUpdateMode(channel, record->intended, wait, waits)) return SettleResult::kKept;
  journal.Close();
  if (completed != nullptr) *completed = record->intended;
  return SettleResult::kCompleted;
}

}  // namespace receiver
