#include "app/MediaEncoderCatalogue.h"

#include <map>

#include <gtest/gtest.h>

#include "platform/com/ComObject.h"
#include "platform/media/IBaseFilter.h"
#include "platform/media/IEncoderSettings.h"
#include "ui/RecordingMessages.h"

namespace {

using Values = std::map<std::string, std::string>;

// A filter that does nothing as a filter, answering the further interfaces More.
template <class... More>
class StubFilter : public ComObject<IBaseFilter, More...> {
 public:
  HRESULT GetClassID(Guid*) override { return E_NOTIMPL; }
  HRESULT Stop() override { return S_OK; }
  HRESULT Pause() override { return S_OK; }
  HRESULT Run(REFERENCE_TIME) override { return S_OK; }
  HRESULT GetState(uint32_t, FILTER_STATE*) override { return E_NOTIMPL; }
  HRESULT SetSyncSource(IReferenceClock*) override { return S_OK; }
  HRESULT GetSyncSource(IReferenceClock**) override { return E_NOTIMPL; }
  HRESULT EnumPins(IEnumPins**) override { return E_NOTIMPL; }
  HRESULT FindPin(const char16_t*, IPin**) override { return E_NOTIMPL; }
  HRESULT QueryFilterInfo(FILTER_INFO*) override { return E_NOTIMPL; }
  HRESULT JoinFilterGraph(IFilterGraph*, const char16_t*) override { return S_OK; }
  HRESULT QueryVendorInfo(char16_t**) override { return E_NOTIMPL; }
};

// Keeps the values set on it but those of the option named refuse.
class FakeCompressor final : public StubFilter<IEncoderSettings> {
 public:
  HRESULT GetOptions(std::vector<EncoderOption>* out) override {
    *out = options;
    return optionsResult;
  }
  HRESULT SetOption(const std::string& name, const std::string& value) override {
    if (name == refuse) return E_INVALIDARG;
    applied[name] = value;
    return S_OK;
  }
  HRESULT ResetOptions() override { return S_OK; }
  HRESULT GetAboutText(std::u16string* text) override {
    *text = about;
    return S_OK;
  }

  std::vector<EncoderOption> options{{"preset", u"", EncoderOption::Kind::Text, 0, 0, {}, "medium", "medium"}};
  HRESULT optionsResult = S_OK;
  std::string refuse;
  Values applied;
  std::u16string about = u"libx264 H.264";
};

class FakeDialogs : public EncoderOptionsDialog {
 public:
  std::optional<Changes> ShowSettings(const std::u16string& name, const std::vector<EncoderOption>& options) override {
    shown.push_back(name + u" settings of " + std::u16string(options.at(0).name.begin(), options.at(0).name.end()));
    return answer;
  }
  void ShowAbout(const std::u16string& name, const std::u16string& text) override {
    shown.push_back(name + u" about: " + text);
  }

  std::optional<Changes> answer;
  std::vector<std::u16string> shown;
};

template <class Object>
uint32_t References(Object& object) {
  object.AddRef();
  return object.Release();
}

class MediaEncoderCatalogueTest : public testing::Test {
 protected:
  HRESULT Bind(const std::u16string& name, IBaseFilter** filter) {
    ComPtr<IBaseFilter> found;
    if (name == u"libx264") found = ComPtr<IBaseFilter>(x264.Get());
    if (name == u"plain") found = ComPtr<IBaseFilter>(plain.Get());
    *filter = found.Detach();
    return *filter != nullptr ? S_OK : VFW_E_NOT_FOUND;
  }

  ComPtr<FakeCompressor> x264 = MakeCom<FakeCompressor>();
  ComPtr<StubFilter<>> plain = MakeCom<StubFilter<>>();
  int listings = 0;
  FakeDialogs dialogs;
  RecordingMessages messages;
  MediaEncoderCatalogue catalogue{dialogs, messages,
                                  [this](auto& name, IBaseFilter** filter) { return Bind(name, filter); },
                                  [this] {
                                    ++listings;
                                    return std::vector<VideoCompressor>{{u"MPEG-4", "mpeg4"}, {u"libx264", "libx264"}};
                                  }};
};

TEST_F(MediaEncoderCatalogueTest, NamesAreListedAnewEachTime) {
  EXPECT_EQ(catalogue.Names(), (std::vector<std::u16string>{u"MPEG-4", u"libx264"}));
  catalogue.Names();
  EXPECT_EQ(listings, 2);
}

TEST_F(MediaEncoderCatalogueTest, OkAppliesTheChangesCancelNothingAndTheFilterIsReleased) {
  EXPECT_TRUE(catalogue.ShowSettings(u"libx264"));
  EXPECT_TRUE(x264->applied.empty());
  dialogs.answer = Values{{"b", "1000000"}, {"preset", "slow"}};
  EXPECT_TRUE(catalogue.ShowSettings(u"libx264"));
  EXPECT_EQ(dialogs.shown, std::vector<std::u16string>(2, u"libx264 settings of preset"));
  EXPECT_EQ(x264->applied, (Values{{"b", "1000000"}, {"preset", "slow"}}));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(References(*x264), 1u);
}

TEST_F(MediaEncoderCatalogueTest, ARefusedValueIsReportedAndTheOthersStillApplied) {
  x264->refuse = "b";
  dialogs.answer = Values{{"b", "-5"}, {"preset", "slow"}};
  EXPECT_TRUE(catalogue.ShowSettings(u"libx264"));
  EXPECT_EQ(x264->applied, (Values{{"preset", "slow"}}));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::Error);
  EXPECT_EQ(messages.shown[0].text,
            u"The \"libx264\" encoder filter did not accept these settings; they keep their previous values:\n"
            u"\"b\" = \"-5\"");
}

TEST_F(MediaEncoderCatalogueTest, WithoutCompressorInterfaceOptionsOrTextThereIsNothingToShow) {
  EXPECT_FALSE(catalogue.ShowSettings(u"Full Frames (Uncompressed)"));
  EXPECT_FALSE(catalogue.ShowSettings(u"plain"));
  EXPECT_FALSE(catalogue.ShowAbout(u"plain"));
  EXPECT_EQ(References(*plain), 1u);
  x264->optionsResult = E_FAIL;
  EXPECT_FALSE(catalogue.ShowSettings(u"libx264"));
  x264->optionsResult = S_OK;
  x264->options.clear();
  EXPECT_FALSE(catalogue.ShowSettings(u"libx264"));
  EXPECT_TRUE(catalogue.ShowAbout(u"libx264"));
  x264->about.clear();
  EXPECT_FALSE(catalogue.ShowAbout(u"libx264"));
  EXPECT_EQ(dialogs.shown, std::vector<std::u16string>{u"libx264 about: libx264 H.264"});
  EXPECT_EQ(References(*x264), 1u);

  MediaEncoderCatalogue unbound(dialogs, messages, nullptr, nullptr);
  EXPECT_TRUE(unbound.Names().empty());
  EXPECT_FALSE(unbound.ShowSettings(u"libx264"));
}

}  // namespace
