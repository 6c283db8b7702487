#include "platform/media/MemoryAllocator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/com/ComPtr.h"

namespace {

ComPtr<IMemAllocator> Committed(ALLOCATOR_PROPERTIES request) {
  ComPtr<IMemAllocator> allocator;
  EXPECT_EQ(CreateMemoryAllocator(allocator.Receive()), S_OK);
  ALLOCATOR_PROPERTIES actual;
  EXPECT_EQ(allocator->SetProperties(&request, &actual), S_OK);
  EXPECT_EQ(allocator->Commit(), S_OK);
  return allocator;
}

ComPtr<IMediaSample> Take(IMemAllocator* allocator) {
  ComPtr<IMediaSample> sample;
  EXPECT_EQ(allocator->GetBuffer(sample.Receive(), nullptr, nullptr, 0), S_OK);
  return sample;
}

uint8_t* PointerOf(IMediaSample* sample) {
  uint8_t* pointer = nullptr;
  sample->GetPointer(&pointer);
  return pointer;
}

// A GetBuffer on another thread, for an allocator whose buffers are all out.
struct Waiter {
  std::atomic<bool> done{false};
  HRESULT result = E_FAIL;
  IMediaSample* sample = nullptr;
  std::thread thread;

  explicit Waiter(IMemAllocator* allocator)
      : thread([this, allocator] {
          result = allocator->GetBuffer(&sample, nullptr, nullptr, 0);
          done = true;
        }) {}
  ~Waiter() {
    if (thread.joinable()) thread.join();
    if (sample != nullptr) sample->Release();
  }
};

TEST(MemoryAllocatorTest, PropertiesAreRoundedAndBadOnesRefused) {
  ComPtr<IMemAllocator> allocator;
  ASSERT_EQ(CreateMemoryAllocator(allocator.Receive()), S_OK);
  EXPECT_EQ(allocator->Commit(), VFW_E_SIZENOTSET);
  ALLOCATOR_PROPERTIES request{3, 100, 16, 4};
  ALLOCATOR_PROPERTIES actual;
  ASSERT_EQ(allocator->SetProperties(&request, &actual), S_OK);
  // The buffer grows so that prefix and buffer fill whole alignment units.
  EXPECT_EQ(actual.cbBuffer, 108);
  EXPECT_EQ(actual.cBuffers, 3);
  ALLOCATOR_PROPERTIES oddAlign{1, 100, 12, 0};
  EXPECT_EQ(allocator->SetProperties(&oddAlign, &actual), E_INVALIDARG);
  ALLOCATOR_PROPERTIES negative{1, -5, 1, 0};
  EXPECT_EQ(allocator->SetProperties(&negative, &actual), E_INVALIDARG);

  IMediaSample* sample = nullptr;
  EXPECT_EQ(allocator->GetBuffer(&sample, nullptr, nullptr, 0), VFW_E_NOT_COMMITTED);
  ASSERT_EQ(allocator->Commit(), S_OK);
  EXPECT_EQ(allocator->SetProperties(&request, &actual), VFW_E_ALREADY_COMMITTED);
}

TEST(MemoryAllocatorTest, BuffersAreAlignedAndDoNotOverlapWithTheirPrefixes) {
  ComPtr<IMemAllocator> allocator = Committed({2, 100, 64, 8});
  ComPtr<IMediaSample> a = Take(allocator.Get());
  ComPtr<IMediaSample> b = Take(allocator.Get());
  EXPECT_EQ(reinterpret_cast<uintptr_t>(PointerOf(a.Get())) % 64, 0u);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(PointerOf(b.Get())) % 64, 0u);
  const intptr_t gap = PointerOf(b.Get()) - PointerOf(a.Get());
  EXPECT_GE(gap < 0 ? -gap : gap, a->GetSize() + 8);
}

TEST(MemoryAllocatorTest, GetBufferWaitsUntilAnotherThreadReleasesASample) {
  ComPtr<IMemAllocator> allocator = Committed({1, 32, 1, 0});
  ComPtr<IMediaSample> held = Take(allocator.Get());
  uint8_t* heldPointer = PointerOf(held.Get());
  Waiter waiter(allocator.Get());
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_FALSE(waiter.done);
  held.Reset();
  waiter.thread.join();
  ASSERT_EQ(waiter.result, S_OK);
  EXPECT_EQ(PointerOf(waiter.sample), heldPointer);
}

TEST(MemoryAllocatorTest, DecommitWakesAWaiterWithNotCommitted) {
  ComPtr<IMemAllocator> allocator = Committed({1, 32, 1, 0});
  ComPtr<IMediaSample> held = Take(allocator.Get());
  Waiter waiter(allocator.Get());
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_EQ(allocator->Decommit(), S_OK);
  waiter.thread.join();
  EXPECT_EQ(waiter.result, VFW_E_NOT_COMMITTED);
  EXPECT_EQ(waiter.sample, nullptr);
}

TEST(MemoryAllocatorTest, SampleGoesBackOnItsLastReleaseAndComesOutAgainClean) {
  ComPtr<IMemAllocator> allocator = Committed({1, 32, 1, 0});
  IMediaSample* sample = Take(allocator.Get()).Detach();
  REFERENCE_TIME start = 10;
  sample->SetTime(&start, nullptr);
  sample->SetSyncPoint(true);
  EXPECT_EQ(sample->SetActualDataLength(33), E_INVALIDARG);
  sample->SetActualDataLength(32);
  sample->AddRef();
  ASSERT_EQ(allocator->Decommit(), S_OK);
  ALLOCATOR_PROPERTIES request{1, 32, 1, 0};
  ALLOCATOR_PROPERTIES actual;
  sample->Release();
  EXPECT_EQ(allocator->SetProperties(&request, &actual), VFW_E_BUFFERS_OUTSTANDING);
  sample->Release();
  EXPECT_EQ(allocator->SetProperties(&request, &actual), S_OK);

  ASSERT_EQ(allocator->Commit(), S_OK);
  ComPtr<IMediaSample> again = Take(allocator.Get());
  EXPECT_EQ(again->GetTime(&start, nullptr), VFW_E_SAMPLE_TIME_NOT_SET);
  EXPECT_EQ(again->IsSyncPoint(), S_FALSE);
  EXPECT_EQ(again->GetActualDataLength(), 0);
}

}  // namespace
