#include <gtest/gtest.h>

#include "GraphRig.h"
#include "dshow/CBaseFilter.h"

namespace {

TEST(CBaseFilterTest, TheGraphIsKnownWithoutAReferenceAndNamedInTheFilterInfo) {
  ComPtr<FilterGraph> graph = MakeCom<FilterGraph>(nullptr);
  auto* source = new TestSource;
  ComPtr<IBaseFilter> filter(source);
  EXPECT_EQ(source->NotifyEvent(EC_COMPLETE, 0, 0), E_NOTIMPL);
  graph->AddRef();
  const uint32_t graphCount = graph->Release();
  ASSERT_EQ(graph->AddFilter(filter.Get(), u"My Source Filter"), S_OK);
  graph->AddRef();
  EXPECT_EQ(graph->Release(), graphCount);

  FILTER_INFO info;
  ASSERT_EQ(filter->QueryFilterInfo(&info), S_OK);
  EXPECT_EQ(std::u16string(info.achName), u"My Source Filter");
  EXPECT_EQ(info.pGraph, static_cast<IFilterGraph*>(graph.Get()));
  info.pGraph->Release();

  // Events reach the graph the filter joined, through its event sink.
  EXPECT_EQ(source->NotifyEvent(EC_COMPLETE, 7, 0), S_OK);
  int32_t code = 0;
  intptr_t param1 = 0, param2 = 0;
  ASSERT_EQ(graph->GetEvent(&code, &param1, &param2, 0), S_OK);
  EXPECT_EQ(code, EC_COMPLETE);
  EXPECT_EQ(param1, 7);

  ASSERT_EQ(graph->RemoveFilter(filter.Get()), S_OK);
  ASSERT_EQ(filter->QueryFilterInfo(&info), S_OK);
  EXPECT_EQ(info.pGraph, nullptr);
  EXPECT_EQ(info.achName[0], u'\0');
  EXPECT_EQ(source->NotifyEvent(EC_COMPLETE, 0, 0), E_NOTIMPL);
}

TEST(CBaseFilterTest, PinsAreFoundByIdAndTheClassIdIsTheFiltersOwn) {
  auto* source = new TestSource;
  ComPtr<IBaseFilter> filter(source);
  ComPtr<IPin> pin;
  ASSERT_EQ(filter->FindPin(u"Test", pin.Receive()), S_OK);
  EXPECT_EQ(pin.Get(), static_cast<IPin*>(source->stream));
  EXPECT_EQ(filter->FindPin(u"Other", pin.Receive()), VFW_E_NOT_FOUND);
  EXPECT_EQ(pin.Get(), nullptr);
  EXPECT_EQ(source->FindPinNumber(source->stream), 0);
  Guid classId;
  ASSERT_EQ(filter->GetClassID(&classId), S_OK);
  EXPECT_EQ(classId, TestSource::kClassId);
}

// Unconnected pins take no part in state changes, so the filter only records them.
TEST(CBaseFilterTest, StateFollowsStopPauseRun) {
  auto* source = new TestSource;
  ComPtr<IBaseFilter> filter(source);
  FILTER_STATE state = State_Running;
  const auto stateNow = [&] { return filter->GetState(0, &state) == S_OK ? state : State_Running; };
  EXPECT_EQ(stateNow(), State_Stopped);
  ASSERT_EQ(filter->Run(5), S_OK);
  EXPECT_EQ(stateNow(), State_Running);
  ASSERT_EQ(filter->Pause(), S_OK);
  EXPECT_EQ(stateNow(), State_Paused);
  ASSERT_EQ(filter->Stop(), S_OK);
  EXPECT_EQ(stateNow(), State_Stopped);
  EXPECT_FALSE(source->stream->ThreadExists());
}

}  // namespace
