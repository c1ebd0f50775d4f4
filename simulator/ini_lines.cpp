#include "simulator/ini_lines.h"

#include <cctype>

namespace sim {
namespace {

std::string Trim(const std::string& s) {
  size_t begin = 0;
  size_t end = s.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(s[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(s[end - 1]))) --end;
  return s.substr(begin, end - begin);
}

}  // namespace

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

bool SplitIni(const std::string& text, std::vector<IniEntry>* entries, int* errorLine,
              std::string* reason) {
  std::vector<IniEntry> result;
  std::string section;
  bool haveSection = false;
  int lineNumber = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    ++lineNumber;
    std::string line = Trim(text.substr(pos, end - pos));  // also drops the '\r' of CRLF files
    pos = end + 1;
    if (lineNumber == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line = Trim(line.substr(3));
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;

    if (line[0] == '[') {
      if (line.back() != ']' || line.size() < 3) {
        *errorLine = lineNumber;
        *reason = "malformed section header \"" + line + "\"";
        return false;
      }
      section = Trim(line.substr(1, line.size() - 2));
      haveSection = true;
      result.push_back({section, std::string(), std::string(), lineNumber, true});
      continue;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos || eq == 0) {
      *errorLine = lineNumber;
      *reason = "expected key=value, found \"" + line + "\"";
      return false;
    }
    if (!haveSection) {
      *errorLine = lineNumber;
      *reason = "key outside any section";
      return false;
    }
    result.push_back({section, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)), lineNumber, false});
  }
  *entries = std::move(result);
  return true;
}

}  // namespace sim
