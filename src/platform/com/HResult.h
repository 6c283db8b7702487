#pragma once

#include <cstdint>

// 32-bit status codes in the style of the component object model: negative values are
// failures, 0 and other non-negative values success (S_FALSE: success with a "no" answer).
// The media graph and the source filter speak them to each other.
using HRESULT = int32_t;

namespace hresult_detail {
constexpr HRESULT Code(uint32_t bits) { return static_cast<HRESULT>(bits); }
}  // namespace hresult_detail

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = hresult_detail::Code(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = hresult_detail::Code(0x80004002u);
inline constexpr HRESULT E_POINTER = hresult_detail::Code(0x80004003u);
inline constexpr HRESULT E_FAIL = hresult_detail::Code(0x80004005u);
inline constexpr HRESULT E_UNEXPECTED = hresult_detail::Code(0x8000FFFFu);
inline constexpr HRESULT E_OUTOFMEMORY = hresult_detail::Code(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = hresult_detail::Code(0x80070057u);
inline constexpr HRESULT VFW_S_NO_MORE_ITEMS = hresult_detail::Code(0x00040103u);
inline constexpr HRESULT VFW_E_ENUM_OUT_OF_SYNC = hresult_detail::Code(0x80040203u);
inline constexpr HRESULT VFW_E_TYPE_NOT_ACCEPTED = hresult_detail::Code(0x8004022Au);
inline constexpr HRESULT E_ABORT = hresult_detail::Code(0x80004004u);
inline constexpr HRESULT E_HANDLE = hresult_detail::Code(0x80070006u);
// Media-graph failures.
inline constexpr HRESULT VFW_E_INVALIDMEDIATYPE = hresult_detail::Code(0x80040200u);
inline constexpr HRESULT VFW_E_NO_ACCEPTABLE_TYPES = hresult_detail::Code(0x80040207u);
inline constexpr HRESULT VFW_E_INVALID_DIRECTION = hresult_detail::Code(0x80040208u);
inline constexpr HRESULT VFW_E_NOT_CONNECTED = hresult_detail::Code(0x80040209u);
inline constexpr HRESULT VFW_E_NO_ALLOCATOR = hresult_detail::Code(0x8004020Au);
inline constexpr HRESULT VFW_E_RUNTIME_ERROR = hresult_detail::Code(0x8004020Bu);
inline constexpr HRESULT VFW_E_ALREADY_CONNECTED = hresult_detail::Code(0x80040204u);
inline constexpr HRESULT VFW_E_ALREADY_COMMITTED = hresult_detail::Code(0x80040210u);
inline constexpr HRESULT VFW_E_NOT_COMMITTED = hresult_detail::Code(0x80040211u);
inline constexpr HRESULT VFW_E_SIZENOTSET = hresult_detail::Code(0x80040212u);
inline constexpr HRESULT VFW_E_NOT_FOUND = hresult_detail::Code(0x80040216u);
inline constexpr HRESULT VFW_E_CANNOT_CONNECT = hresult_detail::Code(0x80040217u);
inline constexpr HRESULT VFW_E_NOT_STOPPED = hresult_detail::Code(0x80040224u);
inline constexpr HRESULT VFW_E_BUFFERS_OUTSTANDING = hresult_detail::Code(0x80040225u);
inline constexpr HRESULT VFW_E_WRONG_STATE = hresult_detail::Code(0x80040227u);
inline constexpr HRESULT VFW_E_TIMEOUT = hresult_detail::Code(0x8004022Eu);
inline constexpr HRESULT VFW_E_DUPLICATE_NAME = hresult_detail::Code(0x8004022Fu);
inline constexpr HRESULT VFW_E_SAMPLE_TIME_NOT_SET = hresult_detail::Code(0x80040249u);
inline constexpr HRESULT VFW_E_MEDIA_TIME_NOT_SET = hresult_detail::Code(0x80040251u);
inline constexpr HRESULT VFW_E_NOT_IN_GRAPH = hresult_detail::Code(0x8004025Fu);
inline constexpr HRESULT VFW_S_NO_STOP_TIME = hresult_detail::Code(0x00040270u);

inline constexpr uint32_t FACILITY_WIN32 = 7;

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

// A system error code as a failure of facility WIN32 (its low 16 bits kept); a code that is
// zero or negative is taken as a status already and passed through unchanged.
constexpr HRESULT HResultFromWin32(int32_t error) {
  if (error <= 0) return error;
  return hresult_detail::Code((static_cast<uint32_t>(error) & 0xFFFFu) | (FACILITY_WIN32 << 16) | 0x80000000u);
}

// The calling thread's last system error (errno) as HResultFromWin32 gives it; E_FAIL when
// no error is recorded, so a failure never reads as success.
HRESULT HResultFromLastError();
