// The wait-and-cancel of every hub request, on the one kind of handle a machine without USB
// hardware can hold an overlapped request open on for good: a named pipe that nobody writes to.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "usb/win32/overlapped_request.h"
#include "usb/win32/win32_usb_platform.h"

namespace {

constexpr DWORD kLimitMs = 300;
// FSCTL_PIPE_LISTEN: waits, as ConnectNamedPipe does, for a client that never comes.
constexpr uint32_t kPipeListen = 0x00110008;

BOOL StartRead(void*, HANDLE handle, void* data, DWORD, DWORD outSize, OVERLAPPED* overlapped) {
  return ReadFile(handle, data, outSize, nullptr, overlapped);
}

class OverlappedRequestTest : public testing::Test {
 protected:
  void SetUp() override {
    name_ = L"\\\\.\\pipe\\usb-overlapped-" + std::to_wstring(GetCurrentProcessId());
    server_ = CreateNamedPipeW(name_.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                               PIPE_TYPE_BYTE | PIPE_WAIT, 2, 64, 64, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, server_);
  }
  void TearDown() override {
    if (client_ != INVALID_HANDLE_VALUE) CloseHandle(client_);
    CloseHandle(server_);
  }
  void Connect() {
    client_ = CreateFileW(name_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, client_);
  }

  std::wstring name_;
  HANDLE server_ = INVALID_HANDLE_VALUE;
  HANDLE client_ = INVALID_HANDLE_VALUE;
};

TEST_F(OverlappedRequestTest, ReadNobodyAnswersIsCancelledAtItsLimitAndLetsGoOfTheBuffer) {
  Connect();
  char reply[8];
  std::memset(reply, 'x', sizeof reply);
  DWORD bytes = 99;
  const DWORD start = GetTickCount();
  EXPECT_EQ(usb::RequestEnd::kTimedOut, usb::RunOverlappedRequest(server_, StartRead, nullptr,
                                                                  nullptr, 0, reply, sizeof reply,
                                                                  kLimitMs, &bytes));
  const DWORD elapsed = GetTickCount() - start;
  EXPECT_GE(elapsed + 20, kLimitMs);  // GetTickCount ticks coarsely
  EXPECT_LT(elapsed, kLimitMs + 1500);
  EXPECT_EQ(0u, bytes);

  // The cancelled read is really gone: what is written now waits in the pipe for the next read,
  // and nothing lands in the old buffer.
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(client_, "late", 4, &written, nullptr));
  Sleep(50);
  EXPECT_EQ('x', reply[0]);
  char next[8] = {};
  EXPECT_EQ(usb::RequestEnd::kCompleted,
            usb::RunOverlappedRequest(server_, StartRead, nullptr, nullptr, 0, next, sizeof next,
                                      kLimitMs, &bytes));
  EXPECT_EQ(4u, bytes);
  EXPECT_EQ(std::string("late"), std::string(next, bytes));
}

TEST_F(OverlappedRequestTest, HubTableControlRequestThatNeverCompletesFails) {
  const usb::UsbPlatformOps& ops = usb::Win32UsbPlatform();
  uint8_t buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
  uint32_t bytes = 99;
  const DWORD start = GetTickCount();
  EXPECT_FALSE(ops.deviceIoControl(ops.context, reinterpret_cast<usb::PlatformHandle>(server_),
                                   kPipeListen, buffer, sizeof buffer, buffer, sizeof buffer,
                                   &bytes, kLimitMs));
  const DWORD elapsed = GetTickCount() - start;
  EXPECT_GE(elapsed + 20, kLimitMs);  // it did wait: the request was pending, not refused
  EXPECT_LT(elapsed, kLimitMs + 1500);
  EXPECT_EQ(0u, bytes);
  EXPECT_EQ(0xEE, buffer[0]);
}

}  // namespace
