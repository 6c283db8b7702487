#include <gtest/gtest.h>

#include "GraphEvents.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "platform/com/TaskMemory.h"
#include "platform/media/FilterGraph.h"
#include "platform/media/IMediaEvent.h"
#include "platform/media/IMediaEventSink.h"
#include "platform/media/InputPin.h"
#include "platform/media/MediaFilter.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/MemoryAllocator.h"
#include "platform/media/OutputPin.h"
#include "platform/sys/AutoResetEvent.h"

namespace {

using Log = std::vector<std::string>;

// A media type told apart by its subtype's first word.
MediaType TypeNumbered(uint32_t number) {
  MediaType type;
  type->majortype = MEDIATYPE_Stream;
  type->subtype.data1 = number;
  type->formattype = FORMAT_None;
  return type;
}

// A filter with one input and one output pin whose behaviour each test sets: which types each
// pin accepts and proposes, and what its hooks do. It logs the hooks it runs.
class ProbeFilter final : public ComObject<MediaFilter> {
 public:
  ProbeFilter(Log* log, bool* destroyed = nullptr)
      : input(*this, u"in"), output(*this, u"out"), log_(log), destroyed_(destroyed) {
    AddPin(&input);
    AddPin(&output);
  }
  ~ProbeFilter() override {
    if (destroyed_ != nullptr) *destroyed_ = true;
  }

  HRESULT GetClassID(Guid* classId) override {
    *classId = GUID_NULL;
    return S_OK;
  }
  HRESULT CheckMediaType(const FilterPin&, const AM_MEDIA_TYPE& type) override {
    for (uint32_t number : accepted) {
      if (type.subtype.data1 == number) return S_OK;
    }
    return VFW_E_TYPE_NOT_ACCEPTED;
  }
  void GetMediaTypes(const FilterPin& pin, std::vector<MediaType>* types) override {
    for (uint32_t number : &pin == &input ? preferred : offered) types->push_back(TypeNumbered(number));
  }
  HRESULT CompleteConnect(FilterPin& pin) override {
    Record(&pin == &input ? "input connected" : "output connected");
    return completeResult;
  }
  HRESULT DecideBufferSize(const OutputPin&, ALLOCATOR_PROPERTIES* properties) override {
    properties->cBuffers = 1;
    properties->cbBuffer = 64;
    return S_OK;
  }
  HRESULT Receive(InputPin&, IMediaSample*) override {
    Record("receive");
    if (onReceive) onReceive();
    Record("received");
    return receiveResult;
  }
  HRESULT OnStart() override { return Record("start"); }
  HRESULT OnStop() override { return Record("stop"); }

  // Sends one empty sample from the output pin.
  HRESULT Send() {
    ComPtr<IMediaSample> sample;
    const HRESULT hr = output.GetDeliveryBuffer(sample.Receive());
    return FAILED(hr) ? hr : output.Deliver(sample.Get());
  }

  InputPin input;
  OutputPin output;
  std::vector<uint32_t> accepted{1, 2};
  std::vector<uint32_t> offered{1, 2};
  std::vector<uint32_t> preferred;
  HRESULT completeResult = S_OK;
  HRESULT receiveResult = S_OK;
  std::function<void()> onReceive;

 private:
  HRESULT Record(const char* what) {
    if (log_ != nullptr) log_->push_back(what);
    return S_OK;
  }

  Log* log_;
  bool* destroyed_;
};

class MediaFilterTest : public ::testing::Test {
 protected:
  MediaFilterTest() : upstream_(MakeCom<ProbeFilter>(nullptr)), downstream_(MakeCom<ProbeFilter>(&log_)) {
    CreateFilterGraph(graph_.Receive());
    graph_->AddFilter(upstream_.Get(), u"Up");
    graph_->AddFilter(downstream_.Get(), u"Down");
  }

  uint32_t ConnectedType(FilterPin& pin) {
    AM_MEDIA_TYPE type;
    pin.ConnectionMediaType(&type);
    FreeMediaType(type);
    return type.subtype.data1;
  }

  std::vector<std::pair<int32_t, intptr_t>> Events() { return TakeGraphEvents(graph_); }

  Log log_;
  ComPtr<ProbeFilter> upstream_;
  ComPtr<ProbeFilter> downstream_;
  ComPtr<IGraphBuilder> graph_;
};

TEST_F(MediaFilterTest, PinsAreObjectsOfTheirOwnThatKeepTheirFilterAlive) {
  bool destroyed = false;
  ComPtr<ProbeFilter> filter = MakeCom<ProbeFilter>(nullptr, &destroyed);
  void* asFilter = nullptr;
  ASSERT_EQ(filter->QueryInterface(IBaseFilter::kIid, &asFilter), S_OK);
  EXPECT_EQ(asFilter, static_cast<IBaseFilter*>(filter.Get()));
  static_cast<IBaseFilter*>(asFilter)->Release();

  ComPtr<IPin> pin;
  ASSERT_EQ(filter->FindPin(u"in", pin.Receive()), S_OK);
  ComPtr<IUnknown> pinIdentity;
  ComPtr<IUnknown> filterIdentity;
  pin.As(pinIdentity);
  filter.As(filterIdentity);
  EXPECT_NE(pinIdentity.Get(), filterIdentity.Get());
  ComPtr<IMemInputPin> memInput;
  ASSERT_EQ(pin.As(memInput), S_OK);
  ComPtr<IPin> back;
  ASSERT_EQ(memInput.As(back), S_OK);
  EXPECT_EQ(back.Get(), pin.Get());

  filterIdentity.Reset();
  filter.Reset();
  EXPECT_FALSE(destroyed);
  PIN_INFO info;
  ASSERT_EQ(pin->QueryPinInfo(&info), S_OK);
  EXPECT_EQ(info.dir, PINDIR_INPUT);
  EXPECT_EQ(std::u16string(info.achName), u"in");
  info.pFilter->Release();
  pin.Reset();
  pinIdentity.Reset();
  memInput.Reset();
  back.Reset();
  EXPECT_TRUE(destroyed);
}

TEST_F(MediaFilterTest, PinsAreListedInOrderAndFoundByName) {
  ComPtr<IEnumPins> pins;
  ASSERT_EQ(upstream_->EnumPins(pins.Receive()), S_OK);
  IPin* got[3] = {};
  uint32_t fetched = 0;
  EXPECT_EQ(pins->Next(3, got, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 2u);
  EXPECT_EQ(got[0], static_cast<IPin*>(&upstream_->input));
  EXPECT_EQ(got[1], static_cast<IPin*>(&upstream_->output));
  got[0]->Release();
  got[1]->Release();
  ASSERT_EQ(pins->Reset(), S_OK);
  EXPECT_EQ(pins->Skip(1), S_OK);
  ComPtr<IEnumPins> copy;
  ASSERT_EQ(pins->Clone(copy.Receive()), S_OK);
  ASSERT_EQ(copy->Next(1, got, nullptr), S_OK);
  EXPECT_EQ(got[0], static_cast<IPin*>(&upstream_->output));
  got[0]->Release();
  EXPECT_EQ(pins->Skip(2), S_FALSE);

  char16_t* id = nullptr;
  ASSERT_EQ(upstream_->output.QueryId(&id), S_OK);
  EXPECT_EQ(std::u16string(id), u"out");
  TaskMemFree(id);
  ComPtr<IPin> missing;
  EXPECT_EQ(upstream_->FindPin(u"nowhere", missing.Receive()), VFW_E_NOT_FOUND);

  FILTER_INFO info;
  ASSERT_EQ(upstream_->QueryFilterInfo(&info), S_OK);
  EXPECT_EQ(std::u16string(info.achName), u"Up");
  EXPECT_EQ(info.pGraph, static_cast<IFilterGraph*>(graph_.Get()));
  info.pGraph->Release();
}

TEST_F(MediaFilterTest, ConnectTriesTheReceiversTypesFirstThenItsOwn) {
  downstream_->preferred = {2};
  ASSERT_EQ(graph_->ConnectDirect(&upstream_->output, &downstream_->input, nullptr), S_OK);
  EXPECT_EQ(ConnectedType(upstream_->output), 2u);
  EXPECT_EQ(ConnectedType(downstream_->input), 2u);
  EXPECT_EQ(upstream_->output.Peer(), static_cast<IPin*>(&downstream_->input));
  EXPECT_EQ(log_, (Log{"input connected"}));
  ASSERT_EQ(graph_->Disconnect(&upstream_->output), S_OK);
  ASSERT_EQ(graph_->Disconnect(&downstream_->input), S_OK);

  downstream_->preferred = {7};  // a type the output cannot make is passed over
  downstream_->accepted = {2};
  ASSERT_EQ(graph_->ConnectDirect(&upstream_->output, &downstream_->input, nullptr), S_OK);
  EXPECT_EQ(ConnectedType(upstream_->output), 2u);
  graph_->Disconnect(&upstream_->output);
  graph_->Disconnect(&downstream_->input);

  // A partial type narrows the candidates.
  downstream_->accepted = {1, 2};
  const MediaType partial = TypeNumbered(1);
  ASSERT_EQ(upstream_->output.Connect(&downstream_->input, &partial.get()), S_OK);
  EXPECT_EQ(ConnectedType(downstream_->input), 1u);
}

TEST_F(MediaFilterTest, ConnectionsFollowTheRules) {
  downstream_->accepted = {3};
  EXPECT_EQ(upstream_->output.Connect(&downstream_->input, nullptr), VFW_E_NO_ACCEPTABLE_TYPES);
  EXPECT_FALSE(downstream_->input.IsConnected());
  downstream_->accepted = {1};
  downstream_->completeResult = E_ABORT;  // the receiving filter backs out: nothing stays connected
  EXPECT_EQ(upstream_->output.Connect(&downstream_->input, nullptr), VFW_E_NO_ACCEPTABLE_TYPES);
  EXPECT_FALSE(downstream_->input.IsConnected());
  EXPECT_FALSE(upstream_->output.IsConnected());
  downstream_->completeResult = S_OK;

  EXPECT_EQ(upstream_->output.Connect(&downstream_->output, nullptr), VFW_E_INVALID_DIRECTION);
  EXPECT_EQ(downstream_->input.Connect(&upstream_->output, nullptr), E_UNEXPECTED);
  EXPECT_EQ(upstream_->output.ReceiveConnection(&downstream_->output, &TypeNumbered(1).get()), E_UNEXPECTED);
  ASSERT_EQ(upstream_->output.Connect(&downstream_->input, nullptr), S_OK);
  EXPECT_EQ(upstream_->output.Connect(&downstream_->input, nullptr), VFW_E_ALREADY_CONNECTED);

  ComPtr<IMediaControl> control;
  graph_.As(control);
  ASSERT_EQ(control->Run(), S_OK);
  EXPECT_EQ(upstream_->output.Disconnect(), VFW_E_NOT_STOPPED);
  EXPECT_EQ(upstream_->input.ReceiveConnection(&downstream_->output, &TypeNumbered(1).get()), VFW_E_NOT_STOPPED);
  control->Stop();
  EXPECT_EQ(upstream_->output.Disconnect(), S_OK);
  EXPECT_EQ(upstream_->output.Disconnect(), S_FALSE);
  AM_MEDIA_TYPE type;
  EXPECT_EQ(upstream_->output.ConnectionMediaType(&type), VFW_E_NOT_CONNECTED);
}

TEST_F(MediaFilterTest, SamplesArriveOnlyBetweenStartAndStopAndUntilTheEnd) {
  ASSERT_EQ(graph_->ConnectDirect(&upstream_->output, &downstream_->input, nullptr), S_OK);
  log_.clear();
  ComPtr<IMediaControl> control;
  graph_.As(control);
  ASSERT_EQ(control->Run(), S_OK);
  EXPECT_EQ(upstream_->Send(), S_OK);
  EXPECT_EQ(upstream_->output.DeliverEndOfStream(), S_OK);
  EXPECT_EQ(upstream_->Send(), VFW_E_WRONG_STATE);  // after the end
  control->Stop();
  EXPECT_EQ(log_, (Log{"start", "receive", "received", "stop"}));

  ComPtr<IMemInputPin> input;
  ComPtr<IPin>(&downstream_->input).As(input);
  ComPtr<IMemAllocator> allocator;
  CreateMemoryAllocator(allocator.Receive());
  ALLOCATOR_PROPERTIES wanted{1, 16, 1, 0};
  ALLOCATOR_PROPERTIES actual;
  allocator->SetProperties(&wanted, &actual);
  allocator->Commit();
  ComPtr<IMediaSample> sample;
  allocator->GetBuffer(sample.Receive(), nullptr, nullptr, 0);
  EXPECT_EQ(input->Receive(sample.Get()), VFW_E_WRONG_STATE);  // stopped

  ASSERT_EQ(control->Run(), S_OK);  // a new run takes samples again
  EXPECT_EQ(input->Receive(sample.Get()), S_OK);
  control->Stop();
}

TEST_F(MediaFilterTest, TheEndOfTheStreamIsPassedOnAndAFailureReportedOncePerRun) {
  ComPtr<ProbeFilter> last = MakeCom<ProbeFilter>(&log_);
  graph_->AddFilter(last.Get(), u"Last");
  ASSERT_EQ(graph_->ConnectDirect(&upstream_->output, &downstream_->input, nullptr), S_OK);
  ASSERT_EQ(graph_->ConnectDirect(&downstream_->output, &last->input, nullptr), S_OK);
  downstream_->onReceive = [this] { downstream_->Abort(E_OUTOFMEMORY); };
  downstream_->receiveResult = E_OUTOFMEMORY;
  ComPtr<IMediaControl> control;
  graph_.As(control);
  for (int run = 0; run < 2; ++run) {
    ASSERT_EQ(control->Run(), S_OK);
    EXPECT_EQ(upstream_->Send(), E_OUTOFMEMORY);
    EXPECT_EQ(upstream_->Send(), E_OUTOFMEMORY);
    EXPECT_EQ(upstream_->output.DeliverEndOfStream(), S_OK);
    EXPECT_EQ(downstream_->Send(), VFW_E_WRONG_STATE);  // the last filter has seen the end too
    control->Stop();
  }
  const auto report = std::make_pair(EC_ERRORABORT, static_cast<intptr_t>(E_OUTOFMEMORY));
  EXPECT_EQ(Events(), (std::vector<std::pair<int32_t, intptr_t>>{report, report}));
}

TEST_F(MediaFilterTest, StopWaitsForTheSampleInHand) {
  ASSERT_EQ(graph_->ConnectDirect(&upstream_->output, &downstream_->input, nullptr), S_OK);
  AutoResetEvent inReceive;
  AutoResetEvent release;
  downstream_->onReceive = [&] {
    inReceive.Set();
    release.Wait(10000);
  };
  ComPtr<IMediaControl> control;
  graph_.As(control);
  ASSERT_EQ(control->Run(), S_OK);
  log_.clear();
  std::thread streaming([this] { upstream_->Send(); });
  ASSERT_EQ(inReceive.Wait(10000), AutoResetEvent::WaitResult::Signalled);
  std::thread stopping([this] { downstream_->Stop(); });
  while (downstream_->State() != State_Stopped) std::this_thread::yield();
  // Give a Stop that did not wait every chance to finish early.
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  release.Set();
  stopping.join();
  streaming.join();
  EXPECT_EQ(log_, (Log{"receive", "received", "stop"}));
  control->Stop();
}

}  // namespace
