#include "usb/win32/overlapped_request.h"

#include <cstring>

namespace usb {
namespace {

// How long a cancelled request may take to let go of its block. Drivers complete a cancelled
// request at once; one that does not is broken, and waiting on it would hang the caller anyway.
constexpr DWORD kCancelGraceMs = 2000;

// The OVERLAPPED first, the request's data right behind it, in one heap block.
struct RequestBlock {
  OVERLAPPED overlapped;
  BYTE* Data() { return reinterpret_cast<BYTE*>(this + 1); }
};

RequestBlock* NewBlock(DWORD dataSize) {
  void* memory = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(RequestBlock) + dataSize);
  if (memory == nullptr) return nullptr;
  auto* block = static_cast<RequestBlock*>(memory);
  block->overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (block->overlapped.hEvent == nullptr) {
    HeapFree(GetProcessHeap(), 0, memory);
    return nullptr;
  }
  return block;
}

void FreeBlock(RequestBlock* block) {
  CloseHandle(block->overlapped.hEvent);
  HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace

RequestEnd RunOverlappedRequest(HANDLE handle, StartRequest start, void* context, const void* in,
                                DWORD inSize, void* out, DWORD outSize, DWORD timeLimitMs,
                                DWORD* bytes) {
  *bytes = 0;
  if (in == nullptr) inSize = 0;
  if (out == nullptr) outSize = 0;
  RequestBlock* block = NewBlock(inSize > outSize ? inSize : outSize);
  if (block == nullptr) return RequestEnd::kFailed;
  if (inSize > 0) std::memcpy(block->Data(), in, inSize);

  OVERLAPPED* overlapped = &block->overlapped;
  if (!start(context, handle, block->Data(), inSize, outSize, overlapped) &&
      GetLastError() != ERROR_IO_PENDING) {
    FreeBlock(block);
    return RequestEnd::kFailed;
  }

  RequestEnd end = RequestEnd::kCompleted;
  if (WaitForSingleObject(overlapped->hEvent, timeLimitMs) != WAIT_OBJECT_0) {
    CancelIoEx(handle, overlapped);
    if (WaitForSingleObject(overlapped->hEvent, kCancelGraceMs) != WAIT_OBJECT_0) {
      // The system still owns the block and may write into it: it is never freed.
      return RequestEnd::kTimedOut;
    }
    // A request that completed just as its time ran out is taken as it came.
    end = RequestEnd::kTimedOut;
  }

  DWORD transferred = 0;
  if (GetOverlappedResult(handle, overlapped, &transferred, FALSE)) {
    const DWORD kept = transferred < outSize ? transferred : outSize;
    if (kept > 0) std::memcpy(out, block->Data(), kept);
    *bytes = kept;
    end = RequestEnd::kCompleted;
  } else if (end != RequestEnd::kTimedOut) {
    end = RequestEnd::kFailed;
  }
  FreeBlock(block);
  return end;
}

}  // namespace usb
