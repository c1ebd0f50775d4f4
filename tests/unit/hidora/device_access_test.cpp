// The export semantics of DLL_Hidora over a recording backend: bad arguments, the path buffer, and
// Read's exact-length rule.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "outside/hidora/core/device_access.h"

namespace {

struct Call {
  std::u16string path;
  uint16_t tag, wValue, wIndex, wLength;
};

class RecordingBackend : public hidora::Backend {
 public:
  int32_t count = 1;
  std::u16string path = u"HUB#1";
  uint32_t tag = 3;
  std::vector<uint8_t> reply = {1, 2, 3, 4, 5, 6, 7, 8};
  bool answers = true;
  std::vector<Call> calls;

  int32_t Find(uint16_t, uint16_t, int32_t index, std::u16string* pathOut,
               uint32_t* tagOut) override {
    if (index >= 0 && index < count) {
      *pathOut = path;
      *tagOut = tag;
    }
    return count;
  }
  bool Transfer(const std::u16string& where, uint16_t tagIn, uint16_t wValue, uint16_t wIndex,
                uint16_t wLength, uint8_t* out, uint16_t* length) override {
    calls.push_back({where, tagIn, wValue, wIndex, wLength});
    if (!answers) return false;
    const size_t n = std::min<size_t>(reply.size(), wLength);
    std::memcpy(out, reply.data(), n);
    *length = static_cast<uint16_t>(n);
    return true;
  }
};

class DeviceAccessTest : public ::testing::Test {
 protected:
  DeviceAccessTest()
      : access([this] {
          auto backend = std::make_unique<RecordingBackend>();
          current = backend.get();
          return backend;
        }) {}

  RecordingBackend* current = nullptr;
  hidora::DeviceAccess access;
};

TEST_F(DeviceAccessTest, BadArgumentsFailWithoutReachingTheReceiver) {
  access.Initial();
  uint8_t buffer[8] = {};
  EXPECT_EQ(0, access.Write(nullptr, 3, 0xBF01, 1, 1));
  EXPECT_EQ(0, access.Write(u"", 3, 0xBF01, 1, 1));
  EXPECT_EQ(0, access.Write(u"HUB#1", 3, 0xBF01, 1, 0));
  EXPECT_EQ(0, access.Read(u"HUB#1", 3, 0xB501, 0, 0, buffer));
  EXPECT_EQ(0, access.Read(u"HUB#1", 3, 0xB501, 0, 8, nullptr));
  const std::u16string unterminated(hidora::kPathUnits, u'H');  // no NUL within the buffer size
  std::vector<char16_t> units(unterminated.begin(), unterminated.end());
  units.push_back(u'\0');
  EXPECT_EQ(0, access.Write(units.data(), 3, 0xBF01, 1, 1));

  char16_t path[hidora::kPathUnits];
  uint32_t tag = 0;
  EXPECT_EQ(-1, access.GetUsbDeviceFromHub(0x2B6E, 0x054F, 0, nullptr, &tag));
  EXPECT_EQ(-1, access.GetUsbDeviceFromHub(0x2B6E, 0x054F, 0, path, nullptr));
  ASSERT_NE(nullptr, current);
  EXPECT_TRUE(current->calls.empty());
}

TEST_F(DeviceAccessTest, ReadSucceedsOnlyWithExactlyLengthBytes) {
  access.Initial();
  uint8_t buffer[10];
  std::memset(buffer, 0xEE, sizeof buffer);
  EXPECT_EQ(0, access.Read(u"HUB#1", 3, 0xB501, 0x2700, 10, buffer));  // 8 bytes came back
  EXPECT_EQ(0xEE, buffer[0]);
  EXPECT_EQ(1, access.Read(u"HUB#1", 3, 0xB501, 0x2700, 8, buffer));
  EXPECT_EQ(8, buffer[7]);
  EXPECT_EQ(0xEE, buffer[8]);

  current->answers = false;
  EXPECT_EQ(0, access.Write(u"HUB#1", 3, 0xBF01, 1, 1));
}

TEST_F(DeviceAccessTest, PathBufferHoldsAt127UnitsAndTheTerminator) {
  char16_t path[hidora::kPathUnits];
  uint32_t tag = 0;
  access.Initial();
  current->path = std::u16string(127, u'a');
  EXPECT_EQ(1, access.GetUsbDeviceFromHub(0x2B6E, 0x054F, 0, path, &tag));
  EXPECT_EQ(current->path, std::u16string(path));
  EXPECT_EQ(3u, tag);

  // One unit more would not fit: no cut-off path is handed out, but the count stands.
  current->path = std::u16string(128, u'a');
  EXPECT_EQ(1, access.GetUsbDeviceFromHub(0x2B6E, 0x054F, 0, path, &tag));
  EXPECT_EQ(u"", std::u16string(path));

  current->count = 2;
  EXPECT_EQ(2, access.GetUsbDeviceFromHub(0x2B6E, 0x054F, 5, path, &tag));
  EXPECT_EQ(u"", std::u16string(path));
  EXPECT_EQ(0u, tag);
}

TEST(DeviceAccessWithoutBackend, GivesFailureValues) {
  const hidora::BackendFactory noBackend = [] { return std::unique_ptr<hidora::Backend>(); };
  // Reading the settings file, for one, allocates.
  const hidora::BackendFactory outOfMemory = []() -> std::unique_ptr<hidora::Backend> {
    throw std::bad_alloc();
  };
  for (const auto& factory : {noBackend, outOfMemory}) {
    hidora::DeviceAccess access(factory);
    char16_t path[hidora::kPathUnits];
    uint32_t tag = 0;
    uint8_t buffer[2];
    EXPECT_EQ(0, access.Initial());
    EXPECT_EQ(-1, access.GetUsbDeviceFromHub(0x2B6E, 0x054F, 0, path, &tag));
    EXPECT_EQ(0, access.Write(u"HUB#1", 3, 0xBF01, 1, 1));
    EXPECT_EQ(0, access.Read(u"HUB#1", 3, 0xB501, 0, 2, buffer));
  }
}

}  // namespace
