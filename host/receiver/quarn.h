// One receiver as the host reaches it through the device-access library: one operation per receiver
// command, and the composite operations that read and rewrite flash pages with read-back.
#pragma once
#include <cstdint>
#include <string>

#include "host/receiver/device_commands.h"
#include "receiver/command_channel.h"
#include "receiver/page_journal.h"

namespace host {

class TQUARN : public receiver::CommandChannel {
 public:
  // Called once per written block with (0, block address + 32, 0, 0).
  using Progress = receiver::Progress;

  // No receiver: every command fails.
  TQUARN() = default;
  // Commands go through library (not owned; must outlive this object) with this path and tag.
  TQUARN(DeviceCommands* library, const std::u16string& path, uint16_t tag);

  const std::u16string& Path() const { return path_; }
  // Where rewrites of the configuration page are recorded (not owned); none: a record in memory
  // for the length of one rewrite.
  void SetJournal(receiver::PageJournal* journal) { journal_ = journal; }
  receiver::PageJournal* Journal() const { return journal_; }
  uint16_t Tag() const { return tag_; }

  // The two primitives: true when the library reports success.
  bool SendCommand(uint16_t command, uint16_t value, uint16_t length) override;
  // On failure buffer is left as it was.
  bool ReadCommand(uint16_t command, uint16_t value, uint16_t length, uint8_t* buffer) override;

  // wordCount words from address into words[] (low byte first on the wire); untouched on failure.
  bool ReadMemory(uint16_t address, uint16_t wordCount, uint16_t* words);

  // Loads and programs 32 words, then reads each back. True only when every word reads back as
  // written; a read-back that fails counts as a difference.
  bool WriteBlock(uint16_t address, const uint16_t* words, const Progress& progress = {});
  // Erases the page and writes 128 words as four verified blocks; stops at the first that fails.
  bool WritePage(uint16_t address, const uint16_t* words, const Progress& progress = {});
  // 128 words in 4-word reads; stops at the first failed read.
  bool ReadPage(uint16_t address, uint16_t* words);

  // First word × 65536 + second word.
  bool ReadDword(uint16_t address, uint32_t* value);
  // A slot's two words, or -1 when the read fails or n is not a slot (a free slot also reads -1).
  int32_t ReadMouseSlot(int n);
  int32_t ReadKeyboardSlot(int n);
  // 104, 0..99 from the fallback word, 0 when the receiver does not answer, -1 when unmarked.
  int ReadGeneration();

 private:
  DeviceCommands* library_ = nullptr;
  std::u16string path_;
  uint16_t tag_ = 0;
  receiver::PageJournal* journal_ = nullptr;
};

}  // namespace host
