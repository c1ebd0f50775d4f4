// A text file's bytes as every reader of language, layout and settings files decodes them.
#include <cstdlib>
#include <string>

#include "framework/core/file_io.h"
#include "framework/core/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::wstring text = framework::DecodeTextFile(bytes, framework::SystemCodePageToWide);
  // Whatever was decoded must encode to well-formed UTF-8 (lone surrogates become U+FFFD).
  if (!framework::IsWellFormedUtf8(framework::EncodeUtf8(text))) std::abort();
  if (framework::IsWellFormedUtf8(bytes) &&
      framework::EncodeUtf8(framework::DecodeUtf8(bytes)) != bytes) {
    std::abort();  // well-formed UTF-8 must survive the round trip unchanged
  }
  framework::DecodeCp1252(bytes);
  return 0;
}
