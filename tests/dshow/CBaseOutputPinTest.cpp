#include <gtest/gtest.h>

#include "GraphRig.h"
#include "dshow/CBaseOutputPin.h"
#include "platform/media/MemoryAllocator.h"

namespace {

ComPtr<IMemAllocator> StandardAllocator() {
  ComPtr<IMemAllocator> allocator;
  CreateMemoryAllocator(allocator.Receive());
  return allocator;
}

TEST(CBaseOutputPinTest, TheInputPinsAllocatorIsTakenWhenItAgrees) {
  GraphRig rig;
  rig.input->ownAllocator = StandardAllocator();
  ASSERT_EQ(rig.Connect(), S_OK);
  EXPECT_EQ(rig.source->stream->Allocator(), rig.input->ownAllocator.Get());
  EXPECT_EQ(rig.input->notified, std::vector<IMemAllocator*>{rig.input->ownAllocator.Get()});
}

TEST(CBaseOutputPinTest, ARefusedInputAllocatorGivesWayToTheStandardOne) {
  GraphRig rig;
  rig.input->ownAllocator = StandardAllocator();
  IMemAllocator* own = rig.input->ownAllocator.Get();
  rig.input->onNotify = [own](IMemAllocator* allocator) { return allocator == own ? E_FAIL : S_OK; };
  ASSERT_EQ(rig.Connect(), S_OK);
  IMemAllocator* chosen = rig.source->stream->Allocator();
  ASSERT_NE(chosen, nullptr);
  EXPECT_NE(chosen, own);
  EXPECT_EQ(rig.input->notified, (std::vector<IMemAllocator*>{own, chosen}));

  // An input allocator that cannot be sized (already committed) gives way likewise.
  GraphRig committed;
  committed.input->ownAllocator = StandardAllocator();
  ALLOCATOR_PROPERTIES some{1, 16, 1, 0}, actual;
  committed.input->ownAllocator->SetProperties(&some, &actual);
  committed.input->ownAllocator->Commit();
  ASSERT_EQ(committed.Connect(), S_OK);
  EXPECT_NE(committed.source->stream->Allocator(), committed.input->ownAllocator.Get());
}

TEST(CBaseOutputPinTest, TheDownstreamRequirementsReachDecideBufferSizeWithAlignmentAtLeastOne) {
  GraphRig none;
  ASSERT_EQ(none.Connect(), S_OK);
  EXPECT_EQ(none.source->stream->sizeRequest.cbAlign, 1);

  GraphRig zero;
  zero.input->hasRequirements = true;
  zero.input->requirements = {2, 500, 0, 8};
  ASSERT_EQ(zero.Connect(), S_OK);
  const ALLOCATOR_PROPERTIES seen = zero.source->stream->sizeRequest;
  EXPECT_EQ(seen.cBuffers, 2);
  EXPECT_EQ(seen.cbBuffer, 500);
  EXPECT_EQ(seen.cbAlign, 1);
  EXPECT_EQ(seen.cbPrefix, 8);

  GraphRig sixteen;
  sixteen.input->hasRequirements = true;
  sixteen.input->requirements = {1, 0, 16, 0};
  ASSERT_EQ(sixteen.Connect(), S_OK);
  EXPECT_EQ(sixteen.source->stream->sizeRequest.cbAlign, 16);
}

TEST(CBaseOutputPinTest, WithoutAnAllocatorTheConnectionIsUndoneOnBothSides) {
  GraphRig rig;
  rig.source->stream->bufferResult = E_OUTOFMEMORY;
  EXPECT_EQ(rig.Connect(), E_OUTOFMEMORY);
  EXPECT_FALSE(rig.source->stream->IsConnected());
  ComPtr<IPin> peer;
  EXPECT_EQ(rig.input->ConnectedTo(peer.Receive()), VFW_E_NOT_CONNECTED);
  EXPECT_EQ(rig.source->stream->Allocator(), nullptr);
}

}  // namespace
