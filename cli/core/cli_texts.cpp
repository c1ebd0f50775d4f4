#include "cli/core/cli_texts.h"

namespace cli {
namespace {

struct KeyText {
  const wchar_t* key;
  const wchar_t* text;
};

constexpr KeyText kEnglish[] = {
    {L"BadArguments", L"The command line is not understood: %s. Run Tandra_Cli --help."},
    {L"LibraryMissing", L"The device-access library DLL\\DLL_Hidora.dll is missing or does not load."},
    {L"NoReceiver", L"No receiver was found. Please plug the receiver into a USB port."},
    {L"SeveralReceivers", L"More than one receiver is plugged in. Please leave only one receiver connected."},
    {L"UnsupportedReceiver", L"This receiver (generation %s) is not supported."},
    {L"HostRunning", L"Tandra is running. Close it first: only one program may change the receiver at a time."},
    {L"LastMouse", L"The last working mouse cannot be switched off or removed."},
    {L"LastKeyboard", L"This is the last working keyboard. Add --force to switch it off anyway."},
    {L"HiddenSlot", L"%s is a hidden slot; it is not changed."},
    {L"NotFound", L"No paired device has the code %s."},
    {L"NameTooLong", L"A device name has at most 14 characters."},
    {L"NotVerified", L"The receiver did not keep the change. Nothing was changed."},
    {L"WriteCut", L"The receiver stopped answering during the change. Plug it in again and run Tandra_Cli recover."},
    {L"BackupUnreadable", L"The file %s cannot be read."},
    {L"BackupDamaged", L"The file %s is not an intact receiver backup."},
    {L"BackupGeneration", L"The backup comes from a receiver of generation %s, not from this receiver's generation."},
    {L"FileNotWritten", L"The file %s cannot be written."},
    {L"Cancelled", L"Nothing was changed."},
    {L"ConfirmRestore", L"Write this configuration to the receiver? [y/N]"},
    {L"TimedOut", L"No device reported in time. Nothing was paired."},
    {L"PairMouseNow", L"Take the batteries out of the mouse and put them back now."},
    {L"PairKeyboardNow", L"Take the batteries out of the keyboard and put them back now."},
    {L"Recovered", L"An interrupted change of the receiver was completed."},
    {L"RecordKept", L"An interrupted change was not completed: the receiver's page does not match it. It is kept."},
};

}  // namespace

std::wstring EnglishText(const std::wstring& key) {
  for (const KeyText& entry : kEnglish) {
    if (key == entry.key) return entry.text;
  }
  return std::wstring();
}

std::wstring Message(const TextLookup& lookup, const std::wstring& key, const std::wstring& argument) {
  std::wstring text = lookup ? lookup(key) : std::wstring();
  if (text.empty()) text = EnglishText(key);
  if (text.empty()) text = key;
  const size_t mark = text.find(L"%s");
  if (mark != std::wstring::npos) text.replace(mark, 2, argument);
  return text;
}

}  // namespace cli
