// A minimal INI reader private to the simulator: it only splits text into sections and key=value
// entries with their line numbers; the scenario decides what the entries mean.
#pragma once
#include <string>
#include <vector>

namespace sim {

struct IniEntry {
  std::string section;  // as written between the brackets, trimmed
  std::string key;      // trimmed; empty for the section header itself
  std::string value;    // trimmed; may be empty
  int line;             // 1-based
  bool header;          // the "[section]" line, listed so that unknown sections are caught even if empty
};

// Splits INI text into headers and key=value entries in file order. Blank lines and lines starting
// with ';' or '#' are skipped. A line that is neither a section header nor key=value, or an entry
// before the first section, is an error: returns false and sets *errorLine and *reason.
bool SplitIni(const std::string& text, std::vector<IniEntry>* entries, int* errorLine,
              std::string* reason);

// ASCII case-insensitive comparison; section and key names are matched this way.
bool SameName(const std::string& a, const std::string& b);

}  // namespace sim
