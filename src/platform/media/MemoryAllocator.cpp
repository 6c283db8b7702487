#include "platform/media/MemoryAllocator.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>

#include "platform/com/ComPtr.h"

namespace {

bool IsPowerOfTwo(int32_t value) { return value > 0 && (value & (value - 1)) == 0; }

int64_t RoundUp(int64_t value, int64_t multiple) { return (value + multiple - 1) / multiple * multiple; }

// Past this a single allocation is surely a mistake in the request rather than a need.
constexpr int64_t kMaxBlockBytes = int64_t{1} << 34;

}  // namespace

MemoryAllocator::~MemoryAllocator() = default;

HRESULT MemoryAllocator::SetProperties(const ALLOCATOR_PROPERTIES* request, ALLOCATOR_PROPERTIES* actual) {
  if (request == nullptr || actual == nullptr) return E_POINTER;
  // A zero alignment means "no preference"; other values must be a power of two.
  const int32_t align = request->cbAlign == 0 ? 1 : request->cbAlign;
  if (!IsPowerOfTwo(align) || request->cBuffers < 0 || request->cbBuffer < 0 || request->cbPrefix < 0) {
    return E_INVALIDARG;
  }
  std::lock_guard lock(mutex_);
  if (committed_) return VFW_E_ALREADY_COMMITTED;
  if (free_.size() != samples_.size()) return VFW_E_BUFFERS_OUTSTANDING;
  // Each buffer together with its prefix fills a whole number of alignment units, so that
  // every buffer of the block starts aligned; the rounding goes to the buffer.
  const int64_t stride = RoundUp(int64_t{request->cbPrefix} + request->cbBuffer, align);
  if (stride - request->cbPrefix > std::numeric_limits<int32_t>::max()) return E_INVALIDARG;
  properties_ = {std::max(request->cBuffers, 1), static_cast<int32_t>(stride - request->cbPrefix), align,
                 request->cbPrefix};
  *actual = properties_;
  return S_OK;
}

HRESULT MemoryAllocator::GetProperties(ALLOCATOR_PROPERTIES* properties) {
  if (properties == nullptr) return E_POINTER;
  std::lock_guard lock(mutex_);
  *properties = properties_;
  return S_OK;
}

HRESULT MemoryAllocator::Commit() {
  std::lock_guard lock(mutex_);
  if (committed_) return S_OK;
  if (properties_.cbBuffer <= 0) return VFW_E_SIZENOTSET;
  // Samples still out from before a decommit keep their memory: reuse it.
  if (samples_.empty()) {
    const HRESULT hr = AllocateLocked();
    if (FAILED(hr)) return hr;
  }
  committed_ = true;
  return S_OK;
}

HRESULT MemoryAllocator::Decommit() {
  {
    std::lock_guard lock(mutex_);
    if (!committed_) return S_OK;
    committed_ = false;
    FreeIfIdleLocked();
  }
  returned_.notify_all();
  return S_OK;
}

HRESULT MemoryAllocator::GetBuffer(IMediaSample** sample, REFERENCE_TIME*, REFERENCE_TIME*, uint32_t) {
  if (sample == nullptr) return E_POINTER;
  *sample = nullptr;
  std::unique_lock lock(mutex_);
  returned_.wait(lock, [this] { return !committed_ || !free_.empty(); });
  if (!committed_) return VFW_E_NOT_COMMITTED;
  MediaSample* lent = free_.back();
  free_.pop_back();
  lent->PrepareForLoan();
  AddRef();  // the sample on loan keeps the allocator alive; ReleaseBuffer gives it back
  *sample = lent;
  return S_OK;
}

HRESULT MemoryAllocator::ReleaseBuffer(IMediaSample* sample) {
  if (sample == nullptr) return E_POINTER;
  {
    std::lock_guard lock(mutex_);
    auto owned = std::find_if(samples_.begin(), samples_.end(), [sample](const auto& s) { return s.get() == sample; });
    if (owned == samples_.end() || std::find(free_.begin(), free_.end(), owned->get()) != free_.end()) {
      return E_INVALIDARG;
    }
    free_.push_back(owned->get());
    if (!committed_) FreeIfIdleLocked();
  }
  returned_.notify_one();
  Release();  // may be the last reference: nothing of this object is used after it
  return S_OK;
}

HRESULT MemoryAllocator::AllocateLocked() {
  const int64_t stride = StrideLocked();
  const int64_t bytes = stride * properties_.cBuffers + properties_.cbPrefix + properties_.cbAlign;
  if (bytes > kMaxBlockBytes) return E_OUTOFMEMORY;
  block_.reset(new (std::nothrow) uint8_t[static_cast<size_t>(bytes)]);
  if (block_ == nullptr) return E_OUTOFMEMORY;
  // The first buffer starts after room for its prefix, moved up to the alignment; the stride
  // keeps every later one aligned too.
  uint8_t* first = block_.get() + properties_.cbPrefix;
  const auto misalignment = reinterpret_cast<uintptr_t>(first) % static_cast<uintptr_t>(properties_.cbAlign);
  if (misalignment != 0) first += properties_.cbAlign - static_cast<int32_t>(misalignment);
  for (int32_t i = 0; i < properties_.cBuffers; ++i) {
    samples_.push_back(std::make_unique<MediaSample>(this, first + stride * i, properties_.cbBuffer));
    free_.push_back(samples_.back().get());
  }
  return S_OK;
}

void MemoryAllocator::FreeIfIdleLocked() {
  if (free_.size() != samples_.size()) return;
  free_.clear();
  samples_.clear();
  block_.reset();
}

int64_t MemoryAllocator::StrideLocked() const { return int64_t{properties_.cbPrefix} + properties_.cbBuffer; }

HRESULT CreateMemoryAllocator(IMemAllocator** allocator) {
  if (allocator == nullptr) return E_POINTER;
  *allocator = MakeCom<MemoryAllocator>().Detach();
  return S_OK;
}
