#include "cli/core/json_writer.h"

#include <cstdio>

#include "framework/core/text_codec.h"

namespace cli {

std::string JsonString(const std::wstring& text) {
  std::string out = "\"";
  for (char c : framework::EncodeUtf8(text)) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"') out += "\\\"";
    else if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (u < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof(escape), "\\u%04x", u);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_ += ",";
    first_.back() = false;
  }
}

JsonWriter& JsonWriter::Key(const char* name) {
  BeforeValue();
  out_ += JsonString(framework::DecodeUtf8(name)) + ":";
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::Open(char mark) {
  BeforeValue();
  out_ += mark;
  first_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::Close(char mark) {
  out_ += mark;
  first_.pop_back();
  if (first_.empty()) out_ += "\n";
  return *this;
}

JsonWriter& JsonWriter::BeginObject() { return Open('{'); }
JsonWriter& JsonWriter::EndObject() { return Close('}'); }
JsonWriter& JsonWriter::BeginArray() { return Open('['); }
JsonWriter& JsonWriter::EndArray() { return Close(']'); }

JsonWriter& JsonWriter::String(const std::wstring& text) {
  BeforeValue();
  out_ += JsonString(text);
  return *this;
}

JsonWriter& JsonWriter::String(const char* text) { return String(framework::DecodeUtf8(text)); }

JsonWriter& JsonWriter::Number(int64_t value) {
  BeforeValue();
  out_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
  return *this;
}

}  // namespace cli
