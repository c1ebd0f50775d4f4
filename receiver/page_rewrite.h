// Rewriting the configuration page so that no pairing is ever lost, and settling a rewrite that was
// cut off. Both programs rewrite the page only through RewriteConfigPage and settle a pending
// record at every receiver check, before anything else (a blank page has lost its generation word
// too, so even the generation check must wait).
#pragma once
#include <cstdint>
#include <functional>

#include "receiver/command_channel.h"
#include "receiver/page_journal.h"

namespace receiver {

// Blocking waits between commands; tests pass one that only records.
using Wait = std::function<void(uint32_t milliseconds)>;

// Update mode brackets every rewrite; each program waits its own time after entering and leaving.
struct UpdateModeWaits {
  uint32_t afterEnter = 0;
  uint32_t afterLeave = 0;
};

// Records the rewrite, enters update mode, writes `intended` with read-back and leaves update mode.
// A write that fails while the receiver still answers puts `original` back at once. The record is
// closed once the page verifiably holds one of the two; otherwise it stays for the next check. True
// only when `intended` was written and verified.
bool RewriteConfigPage(CommandChannel& channel, PageJournal& journal, const Page& original,
                       const Page& intended, const Wait& wait, const UpdateModeWaits& waits);

// What a page read back during a check says about a pending record.
enum class PageState {
  kIntended,     // the rewrite got there
  kOriginal,     // the erase never happened
  kInterrupted,  // each block is the intended one, the original one or erased: cut off mid-write
  kForeign,      // anything else: another receiver, or another program changed the page
};
PageState ClassifyPage(const JournalRecord& record, const Page& page);

enum class SettleResult {
  kNothingPending,
  kClosed,      // the page was already one of the two: nothing had to be written
  kCompleted,   // an interrupted rewrite was finished now; the user is told
  kKept,        // the page could not be read, is foreign, or the completion was cut off again
};

// Settles a pending record against the receiver behind `channel`. With kCompleted, *completed (if
// given) holds the page now on the receiver.
SettleResult SettlePendingRewrite(CommandChannel& channel, PageJournal& journal, const Wait& wait,
                                  const UpdateModeWaits& waits, Page* completed = nullptr);

}  // namespace receiver
