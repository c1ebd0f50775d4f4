// A small writer of one JSON document: members in the order written (so the field order of the
// tool's output is stable), strings from UTF-16 escaped as JSON requires, output UTF-8.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace cli {

class JsonWriter {
 public:
  // Inside an object, every value is preceded by Key().
  JsonWriter& Key(const char* name);
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& String(const std::wstring& text);
  JsonWriter& String(const char* text);
  JsonWriter& Number(int64_t value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

  // The document so far, ending with a newline once the outermost value is closed.
  const std::string& Text() const { return out_; }

 private:
  void BeforeValue();
  JsonWriter& Open(char mark);   // '{' or '['
  JsonWriter& Close(char mark);  // '}' or ']'; a newline after the outermost

  std::string out_;
  std::vector<bool> first_;  // per open container: no member written yet
  bool afterKey_ = false;
};

// The UTF-16 text as a quoted JSON string in UTF-8 (control characters, quotes and backslashes
// escaped; a lone surrogate becomes U+FFFD, as in every UTF-8 the suite writes).
std::string JsonString(const std::wstring& text);

}  // namespace cli
