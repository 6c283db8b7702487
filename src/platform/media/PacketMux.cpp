#include "platform/media/PacketMux.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/media/MediaGuids.h"

namespace {

// Bytes per sample to the writer: a 640 x 480 frame goes in one; larger ones in pieces.
constexpr int32_t kSampleBytes = 1 << 20;

}  // namespace

PacketMux::PacketMux(MovieContainer container, const char16_t* outputName, const Guid& subtype)
    : container_(MuxContainer::Of(container)),
      subtype_(subtype),
      input_(*this, u"Input 01"),
      output_(*this, outputName) {
  AddPin(&input_);
  AddPin(&output_);
}

PacketMux::~PacketMux() = default;

MediaType PacketMux::StreamType() const {
  MediaType type;
  type->majortype = MEDIATYPE_Stream;
  type->subtype = subtype_;
  type->formattype = FORMAT_None;
  return type;
}

HRESULT PacketMux::CheckMediaType(const FilterPin& pin, const AM_MEDIA_TYPE& type) {
  if (&pin == &output_) {
    return type.majortype == MEDIATYPE_Stream && type.subtype == subtype_ ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
  }
  PacketStreamFormat format;
  return PacketStreamFormat::FromMediaType(type, container_, &format) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

void PacketMux::GetMediaTypes(const FilterPin& pin, std::vector<MediaType>* types) {
  if (&pin == &output_) types->push_back(StreamType());
}

HRESULT PacketMux::DecideBufferSize(const OutputPin&, ALLOCATOR_PROPERTIES* properties) {
  // Delivery is synchronous: the writer is done with a sample when Deliver returns.
  properties->cBuffers = std::max(properties->cBuffers, 1);
  properties->cbBuffer = std::max(properties->cbBuffer, kSampleBytes);
  return S_OK;
}

HRESULT PacketMux::OnStart() {
  if (!input_.IsConnected() || !PacketStreamFormat::FromMediaType(input_.ConnectionType(), container_, &format_)) {
    return VFW_E_NOT_CONNECTED;
  }
  muxer_ = std::make_unique<PacketMuxer>(
      [this](int64_t offset, const uint8_t* bytes, int count) { return DeliverBytes(offset, bytes, count); });
  muxer_->SetSoundtrack(soundtrack_, frameCount_);
  soundtrackBreak_.clear();
  framesStored_ = 0;
  const HRESULT hr = muxer_->Open(format_, container_, MuxerOptions());
  if (FAILED(hr)) muxer_.reset();
  return hr;
}

HRESULT PacketMux::OnStop() {
  const HRESULT hr = Finish();
  return FAILED(hr) ? Abort(hr) : hr;
}

HRESULT PacketMux::Receive(InputPin&, IMediaSample* sample) {
  if (!muxer_) return VFW_E_WRONG_STATE;
  REFERENCE_TIME start = 0;
  REFERENCE_TIME end = 0;
  uint8_t* data = nullptr;
  if (FAILED(sample->GetTime(&start, &end))) return Abort(VFW_E_SAMPLE_TIME_NOT_SET);
  if (FAILED(sample->GetPointer(&data))) return Abort(E_POINTER);
  int size = sample->GetActualDataLength();
  // An uncompressed frame is stored whole, never cut short or with trailing bytes.
  if (format_.IsUncompressed()) {
    if (size < format_.frameBytes) return Abort(E_INVALIDARG);
    size = static_cast<int>(format_.frameBytes);
  }
  const auto frame = std::llround(static_cast<double>(start) / static_cast<double>(format_.frameTime));
  int64_t shown = frame;
  int64_t shownEnd = 0;
  if (FAILED(sample->GetMediaTime(&shown, &shownEnd))) shown = frame;
  const bool key = format_.IsUncompressed() || sample->IsSyncPoint() == S_OK;
  const HRESULT hr = muxer_->WritePacket(data, size, frame, shown, key);
  return FAILED(hr) ? Abort(hr) : S_OK;
}

HRESULT PacketMux::EndOfStream(InputPin&) {
  const HRESULT hr = Finish();
  output_.DeliverEndOfStream();
  return FAILED(hr) ? Abort(hr) : hr;
}

HRESULT PacketMux::Finish() {
  if (!muxer_) return S_OK;
  const HRESULT hr = muxer_->Finish();
  soundtrackBreak_ = muxer_->soundtrackBreak();
  framesStored_ = muxer_->framesStored();
  muxer_.reset();
  return hr;
}

HRESULT PacketMux::KeepFrameCount(int64_t frames) {
  if (frames < 0) return E_INVALIDARG;
  if (State() != State_Stopped) return VFW_E_NOT_STOPPED;
  frameCount_ = frames;
  return S_OK;
}

HRESULT PacketMux::KeepSoundtrack(const Soundtrack& soundtrack) {
  if (State() != State_Stopped) return VFW_E_NOT_STOPPED;
  soundtrack_ = soundtrack;
  return S_OK;
}

HRESULT PacketMux::SoundtrackBreak(std::u16string* file) const {
  if (file == nullptr) return E_POINTER;
  *file = soundtrackBreak_;
  return soundtrackBreak_.empty() ? S_FALSE : S_OK;
}

HRESULT PacketMux::FramesStored(int64_t* frames) const {
  if (frames == nullptr) return E_POINTER;
  *frames = framesStored_;
  return S_OK;
}

// A sample with no bytes asks the writer for room up to its offset (see FileWriter).
HRESULT PacketMux::DeliverBytes(int64_t offset, const uint8_t* bytes, int count) {
  do {
    ComPtr<IMediaSample> sample;
    HRESULT hr = output_.GetDeliveryBuffer(sample.Receive());
    uint8_t* buffer = nullptr;
    if (SUCCEEDED(hr)) hr = sample->GetPointer(&buffer);
    if (FAILED(hr)) return hr;
    const int piece = std::min(count, sample->GetSize());
    if (piece < 0 || (piece == 0 && count > 0)) return E_UNEXPECTED;
    if (piece > 0) std::memcpy(buffer, bytes, static_cast<size_t>(piece));
    REFERENCE_TIME start = offset;
    REFERENCE_TIME end = offset + piece;
    sample->SetTime(&start, &end);
    sample->SetActualDataLength(piece);
    hr = output_.Deliver(sample.Get());
    // "Send no more" would silently lose part of the file.
    if (hr != S_OK) return FAILED(hr) ? hr : VFW_E_WRONG_STATE;
    offset += piece;
    bytes += piece;
    count -= piece;
  } while (count > 0);
  return S_OK;
}
