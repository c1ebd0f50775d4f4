// Paths of the framework's test files below tests/unit/data/framework.
#pragma once
#include <string>

#include "framework/core/text_codec.h"

inline std::wstring FrameworkTestData(const std::wstring& relative) {
  return framework::DecodeUtf8(SUITE_TEST_DATA) + L"/framework/" + relative;
}
