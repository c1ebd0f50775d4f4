// One request on a handle opened with FILE_FLAG_OVERLAPPED, held to a time limit. The request
// works on a block of memory of its own, so that a request the system cannot stop keeps its block
// for good instead of writing, some time later, into memory that has been handed out again.
#pragma once
#include <windows.h>

namespace usb {

enum class RequestEnd { kCompleted, kFailed, kTimedOut };

// Issues the request on handle: data is the request's own block of max(inSize, outSize) bytes,
// holding a copy of the input, and overlapped its OVERLAPPED with an event. Returns what the
// starting call (DeviceIoControl, ReadFile, ...) returned; GetLastError tells a pending request.
using StartRequest = BOOL (*)(void* context, HANDLE handle, void* data, DWORD inSize,
                              DWORD outSize, OVERLAPPED* overlapped);

// Starts the request and waits at most timeLimitMs for it. On expiry it is cancelled (CancelIoEx)
// and the cancellation is waited for before the block is freed. On completion the first
// min(bytes, outSize) bytes of the block are copied to out and their count to *bytes (0 on any
// other end). Never throws.
RequestEnd RunOverlappedRequest(HANDLE handle, StartRequest start, void* context, const void* in,
                                DWORD inSize, void* out, DWORD outSize, DWORD timeLimitMs,
                                DWORD* bytes);

}  // namespace usb
