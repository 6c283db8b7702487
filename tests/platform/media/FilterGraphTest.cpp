#include "platform/media/FilterGraph.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "FakeFilter.h"

namespace {

using Log = std::vector<std::string>;

constexpr uint32_t kAny = 0;
constexpr uint32_t kRgb = 1;
constexpr uint32_t kYuv = 2;
constexpr uint32_t kOther = 3;

class FilterGraphTest : public ::testing::Test {
 protected:
  FilterGraphTest() : graph_(MakeCom<FilterGraph>([this](IBaseFilter** made) { return MakeConverter(made); })) {}

  ComPtr<FakeFilter> Add(const char* label, std::initializer_list<std::pair<PIN_DIRECTION, uint32_t>> pins) {
    ComPtr<FakeFilter> filter = MakeCom<FakeFilter>(label, &log_);
    for (const auto& [direction, format] : pins) filter->AddPin(direction, format);
    EXPECT_EQ(graph_->AddFilter(filter.Get(), nullptr), S_OK);
    return filter;
  }

  HRESULT MakeConverter(IBaseFilter** made) {
    ++convertersMade_;
    if (FAILED(converterResult_)) return converterResult_;
    converter_ = MakeCom<FakeFilter>("converter", &log_);
    converter_->AddPin(PINDIR_INPUT, kAny);
    converter_->AddPin(PINDIR_OUTPUT, converterOutput_);
    *made = ComPtr<FakeFilter>(converter_).Detach();
    return S_OK;
  }

  // source -> encoder -> mux -> writer, added and connected out of order.
  void BuildChain() {
    mux_ = Add("mux", {{PINDIR_INPUT, kYuv}, {PINDIR_OUTPUT, kOther}});
    source_ = Add("source", {{PINDIR_OUTPUT, kRgb}});
    writer_ = Add("writer", {{PINDIR_INPUT, kOther}});
    encoder_ = Add("encoder", {{PINDIR_INPUT, kRgb}, {PINDIR_OUTPUT, kYuv}});
    ASSERT_EQ(graph_->ConnectDirect(encoder_->Pin(1), mux_->Pin(0), nullptr), S_OK);
    ASSERT_EQ(graph_->Connect(source_->Pin(0), encoder_->Pin(0)), S_OK);
    ASSERT_EQ(graph_->ConnectDirect(mux_->Pin(1), writer_->Pin(0), nullptr), S_OK);
    log_.clear();
  }

  Log log_;
  ComPtr<FilterGraph> graph_;
  ComPtr<FakeFilter> source_, encoder_, mux_, writer_, converter_;
  HRESULT converterResult_ = S_OK;
  uint32_t converterOutput_ = kYuv;
  int convertersMade_ = 0;
};

TEST_F(FilterGraphTest, FiltersJoinUnderGivenOrMadeUpUniqueNames) {
  ComPtr<FakeFilter> named = MakeCom<FakeFilter>("named", nullptr);
  ASSERT_EQ(graph_->AddFilter(named.Get(), u"Writer"), S_OK);
  EXPECT_EQ(named->graph, static_cast<IFilterGraph*>(graph_.Get()));
  EXPECT_EQ(named->joinedName, u"Writer");
  ComPtr<FakeFilter> a = Add("a", {});
  ComPtr<FakeFilter> b = MakeCom<FakeFilter>("b", nullptr);
  ASSERT_EQ(graph_->AddFilter(b.Get(), u""), S_OK);
  EXPECT_FALSE(a->joinedName.empty());
  EXPECT_NE(a->joinedName, b->joinedName);

  ComPtr<IBaseFilter> found;
  ASSERT_EQ(graph_->FindFilterByName(b->joinedName.c_str(), found.Receive()), S_OK);
  EXPECT_EQ(found.Get(), b.Get());
  EXPECT_EQ(graph_->FindFilterByName(u"Nobody", found.Receive()), VFW_E_NOT_FOUND);
  EXPECT_EQ(found.Get(), nullptr);
}

TEST_F(FilterGraphTest, DuplicatesAndFailedJoinsStayOutOfTheGraph) {
  ComPtr<FakeFilter> first = MakeCom<FakeFilter>("first", nullptr);
  ComPtr<FakeFilter> second = MakeCom<FakeFilter>("second", nullptr);
  ASSERT_EQ(graph_->AddFilter(first.Get(), u"Mux"), S_OK);
  EXPECT_EQ(graph_->AddFilter(second.Get(), u"Mux"), VFW_E_DUPLICATE_NAME);
  EXPECT_EQ(second->joins, 0);
  EXPECT_EQ(graph_->AddFilter(first.Get(), u"Again"), E_INVALIDARG);
  second->joinResult = E_FAIL;
  EXPECT_EQ(graph_->AddFilter(second.Get(), u"Other"), E_FAIL);
  ComPtr<IBaseFilter> found;
  EXPECT_EQ(graph_->FindFilterByName(u"Other", found.Receive()), VFW_E_NOT_FOUND);
}

TEST_F(FilterGraphTest, RemovedFilterIsStoppedDisconnectedAndItsNameFreed) {
  BuildChain();
  ASSERT_EQ(graph_->Run(), S_OK);
  log_.clear();
  const std::u16string name = encoder_->joinedName;
  ASSERT_EQ(graph_->RemoveFilter(encoder_.Get()), S_OK);
  EXPECT_EQ(log_, Log{"encoder Stop"});
  EXPECT_EQ(encoder_->graph, nullptr);
  EXPECT_FALSE(source_->Pin(0)->IsConnected());
  EXPECT_FALSE(mux_->Pin(0)->IsConnected());
  EXPECT_EQ(graph_->RemoveFilter(encoder_.Get()), VFW_E_NOT_FOUND);
  graph_->Stop();
  EXPECT_EQ(graph_->AddFilter(encoder_.Get(), name.c_str()), S_OK);
}

TEST_F(FilterGraphTest, RunStartsDownstreamFirstAndStopStartsUpstreamPastFailures) {
  BuildChain();
  ASSERT_EQ(graph_->Run(), S_OK);
  FILTER_STATE state = State_Stopped;
  graph_->GetState(0, &state);
  EXPECT_EQ(state, State_Running);
  EXPECT_EQ(log_, (Log{"writer Pause", "mux Pause", "encoder Pause", "source Pause", "writer Run", "mux Run",
                       "encoder Run", "source Run"}));
  log_.clear();
  encoder_->stopResult = E_UNEXPECTED;
  EXPECT_EQ(graph_->Stop(), E_UNEXPECTED);
  EXPECT_EQ(log_, (Log{"source Stop", "encoder Stop", "mux Stop", "writer Stop"}));
  graph_->GetState(0, &state);
  EXPECT_EQ(state, State_Stopped);
}

TEST_F(FilterGraphTest, FilterFedByTwoBranchesStartsBeforeEither) {
  ComPtr<FakeFilter> video = Add("video", {{PINDIR_OUTPUT, kRgb}});
  ComPtr<FakeFilter> mux = Add("mux", {{PINDIR_INPUT, kRgb}, {PINDIR_INPUT, kYuv}});
  ComPtr<FakeFilter> audio = Add("audio", {{PINDIR_OUTPUT, kYuv}});
  ASSERT_EQ(graph_->ConnectDirect(video->Pin(0), mux->Pin(0), nullptr), S_OK);
  ASSERT_EQ(graph_->ConnectDirect(audio->Pin(0), mux->Pin(1), nullptr), S_OK);
  ASSERT_EQ(graph_->Pause(), S_OK);
  EXPECT_EQ(log_.front(), "mux Pause");
  graph_->Stop();
}

TEST_F(FilterGraphTest, DestroyingARunningGraphStopsAndReleasesItsFilters) {
  BuildChain();
  ASSERT_EQ(graph_->Run(), S_OK);
  log_.clear();
  graph_.Reset();
  EXPECT_EQ(log_, (Log{"source Stop", "encoder Stop", "mux Stop", "writer Stop"}));
  for (FakeFilter* filter : {source_.Get(), encoder_.Get(), mux_.Get(), writer_.Get()}) {
    EXPECT_EQ(filter->graph, nullptr);
    filter->AddRef();
    EXPECT_EQ(filter->Release(), 1u);  // only this test's reference is left
  }
}

TEST_F(FilterGraphTest, ConnectGoesThroughAConverterOnlyWhenThePinsDisagree) {
  BuildChain();
  EXPECT_EQ(convertersMade_, 0);
  ComPtr<FakeFilter> sink = Add("sink", {{PINDIR_INPUT, kYuv}});
  ComPtr<FakeFilter> source = Add("source2", {{PINDIR_OUTPUT, kRgb}});
  ASSERT_EQ(graph_->Connect(source->Pin(0), sink->Pin(0)), S_OK);
  ASSERT_EQ(convertersMade_, 1);
  EXPECT_EQ(source->Pin(0)->Peer(), converter_->Pin(0));
  EXPECT_EQ(sink->Pin(0)->Peer(), converter_->Pin(1));
  EXPECT_EQ(converter_->graph, static_cast<IFilterGraph*>(graph_.Get()));
  // Pins already taken are not worth a converter.
  EXPECT_EQ(graph_->Connect(source_->Pin(0), sink->Pin(0)), VFW_E_ALREADY_CONNECTED);
  EXPECT_EQ(convertersMade_, 1);
}

TEST_F(FilterGraphTest, FailedConversionRemovesTheConverterAndReportsTheFirstError) {
  converterOutput_ = kOther;
  ComPtr<FakeFilter> source = Add("source", {{PINDIR_OUTPUT, kRgb}});
  ComPtr<FakeFilter> encoder = Add("encoder", {{PINDIR_INPUT, kYuv}});
  EXPECT_EQ(graph_->Connect(source->Pin(0), encoder->Pin(0)), VFW_E_NO_ACCEPTABLE_TYPES);
  ASSERT_TRUE(converter_);
  EXPECT_EQ(converter_->graph, nullptr);
  EXPECT_FALSE(source->Pin(0)->IsConnected());
  converterResult_ = E_NOINTERFACE;
  EXPECT_EQ(graph_->Connect(source->Pin(0), encoder->Pin(0)), VFW_E_NO_ACCEPTABLE_TYPES);
  EXPECT_EQ(convertersMade_, 2);
}

TEST_F(FilterGraphTest, EventsFromAnyThreadAreReadInOrder) {
  ComPtr<IMediaEventSink> sink;
  ComPtr<IMediaEvent> events;
  ASSERT_EQ(graph_.As(sink), S_OK);
  ASSERT_EQ(graph_.As(events), S_OK);
  int32_t code = 0;
  intptr_t p1 = 0;
  intptr_t p2 = 0;
  EXPECT_EQ(events->GetEvent(&code, &p1, &p2, 0), E_ABORT);
  std::thread([&sink] {
    sink->Notify(EC_ERRORABORT, static_cast<intptr_t>(E_OUTOFMEMORY), 0);
    sink->Notify(EC_COMPLETE, 1, 2);
  }).join();
  ASSERT_EQ(events->GetEvent(&code, &p1, &p2, 0), S_OK);
  EXPECT_EQ(code, EC_ERRORABORT);
  EXPECT_EQ(p1, static_cast<intptr_t>(E_OUTOFMEMORY));
  ASSERT_EQ(events->GetEvent(&code, &p1, &p2, 0), S_OK);
  EXPECT_EQ(code, EC_COMPLETE);
  EXPECT_EQ(events->GetEvent(&code, &p1, &p2, 1), E_ABORT);

  std::thread late([&sink] {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    sink->Notify(EC_USERABORT, 0, 0);
  });
  ASSERT_EQ(events->GetEvent(&code, &p1, &p2, 0xFFFFFFFFu), S_OK);  // waits for it
  EXPECT_EQ(code, EC_USERABORT);
  late.join();
}

}  // namespace
