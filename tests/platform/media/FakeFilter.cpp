#include "FakeFilter.h"

#include "platform/media/IEnumPins.h"

namespace {

// Walks a snapshot of a filter's pins.
class FakePinWalker final : public ComObject<IEnumPins> {
 public:
  explicit FakePinWalker(std::vector<ComPtr<IPin>> pins) : pins_(std::move(pins)) {}

  HRESULT Next(uint32_t count, IPin** pins, uint32_t* fetched) override {
    uint32_t given = 0;
    for (; given < count && next_ < pins_.size(); ++given) pins[given] = ComPtr<IPin>(pins_[next_++]).Detach();
    if (fetched != nullptr) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT Skip(uint32_t count) override {
    next_ += count;
    return next_ <= pins_.size() ? S_OK : S_FALSE;
  }
  HRESULT Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT Clone(IEnumPins**) override { return E_NOTIMPL; }

 private:
  std::vector<ComPtr<IPin>> pins_;
  size_t next_ = 0;
};

}  // namespace

FakeFilter::FakeFilter(std::string label, std::vector<std::string>* log) : label_(std::move(label)), log_(log) {}

FakePin* FakeFilter::AddPin(PIN_DIRECTION direction, uint32_t format) {
  pins_.push_back(MakeCom<FakePin>(this, direction, format));
  return pins_.back().Get();
}

HRESULT FakeFilter::GetClassID(Guid* classId) {
  *classId = GUID_NULL;
  return S_OK;
}

HRESULT FakeFilter::GetState(uint32_t, FILTER_STATE* state) {
  *state = State_Stopped;
  return S_OK;
}

HRESULT FakeFilter::GetSyncSource(IReferenceClock** clock) {
  *clock = nullptr;
  return S_OK;
}

HRESULT FakeFilter::EnumPins(IEnumPins** pins) {
  std::vector<ComPtr<IPin>> snapshot;
  for (const auto& pin : pins_) snapshot.emplace_back(pin.Get());
  *pins = MakeCom<FakePinWalker>(std::move(snapshot)).Detach();
  return S_OK;
}

HRESULT FakeFilter::FindPin(const char16_t*, IPin**) { return E_NOTIMPL; }

HRESULT FakeFilter::QueryFilterInfo(FILTER_INFO*) { return E_NOTIMPL; }

HRESULT FakeFilter::JoinFilterGraph(IFilterGraph* joined, const char16_t* name) {
  if (FAILED(joinResult)) return joinResult;
  ++joins;
  graph = joined;
  joinedName = name != nullptr ? name : u"";
  return S_OK;
}

HRESULT FakeFilter::QueryVendorInfo(char16_t**) { return E_NOTIMPL; }

HRESULT FakeFilter::Record(const char* call) {
  if (log_ != nullptr) log_->push_back(label_ + " " + call);
  return S_OK;
}
