#include "platform/media/VideoCompressorFilter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>

#include "platform/media/EncoderSettingsStore.h"
#include "platform/media/FfmpegError.h"
#include "platform/media/MediaGuids.h"
#include "platform/media/MuxContainer.h"
#include "platform/media/YuvRange.h"
#include "platform/sys/StringConvert.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/dict.h>
}

namespace {

// The same YUV layout in the other range; AV_PIX_FMT_NONE when format has no twin.
AVPixelFormat RangeTwinOf(AVPixelFormat format) {
  const AVPixelFormat limited = LimitedRangeTwin(format);
  return limited != AV_PIX_FMT_NONE ? limited : FullRangeTwin(format);
}

// Position of format in the encoder's list; -1 when it is not there.
int PositionIn(const AVPixelFormat* list, AVPixelFormat format) {
  for (int i = 0; list != nullptr && list[i] != AV_PIX_FMT_NONE; ++i) {
    if (list[i] == format) return i;
  }
  return -1;
}

// Room for any one packet: a compressed frame is far below four bytes a pixel, and the extra
// megabyte covers headers on tiny frames.
int32_t LargestPacket(const RawVideoFormat& input) {
  const int64_t bytes = int64_t{input.width} * input.height * 4 + (1 << 20);
  return static_cast<int32_t>(std::min<int64_t>(bytes, std::numeric_limits<int32_t>::max()));
}

std::u16string LibraryVersion() {
  const unsigned version = avcodec_version();
  return u"libavcodec " + DecimalText(AV_VERSION_MAJOR(version)) + u"." + DecimalText(AV_VERSION_MINOR(version)) +
         u"." + DecimalText(AV_VERSION_MICRO(version));
}

}  // namespace

VideoCompressorFilter::VideoCompressorFilter(VideoCompressor compressor)
    : compressor_(std::move(compressor)),
      codec_(avcodec_find_encoder_by_name(compressor_.ffmpegName.c_str())),
      input_(*this, u"Input"),
      output_(*this, u"Output"),
      packet_(av_packet_alloc()) {
  AddPin(&input_);
  AddPin(&output_);
}

VideoCompressorFilter::VideoCompressorFilter(const std::u16string& name, std::vector<EncoderAttempt> attempts)
    : compressor_{name, attempts.empty() ? std::string() : attempts.front().ffmpegName},
      codec_(avcodec_find_encoder_by_name(compressor_.ffmpegName.c_str())),
      input_(*this, u"Input"),
      output_(*this, u"Output"),
      packet_(av_packet_alloc()),
      attempts_(std::move(attempts)) {
  for (size_t i = 0; codec_ == nullptr && i < attempts_.size(); ++i) {
    codec_ = avcodec_find_encoder_by_name(attempts_[i].ffmpegName.c_str());
  }
  AddPin(&input_);
  AddPin(&output_);
}

VideoCompressorFilter::~VideoCompressorFilter() { av_packet_free(&packet_); }

HRESULT VideoCompressorFilter::GetClassID(Guid* classId) {
  if (classId == nullptr) return E_POINTER;
  *classId = CLSID_VideoCompressorFilter;
  return S_OK;
}

EncoderOptionTable& VideoCompressorFilter::Options() {
  if (!options_) options_ = std::make_unique<EncoderOptionTable>(codec_);
  return *options_;
}

HRESULT VideoCompressorFilter::GetOptions(std::vector<EncoderOption>* options) {
  if (options == nullptr) return E_POINTER;
  if (codec_ == nullptr) return E_UNEXPECTED;
  *options = Options().OptionsWith(EncoderSettingsStore::Instance().Get(compressor_.friendlyName));
  return S_OK;
}

HRESULT VideoCompressorFilter::SetOption(const std::string& name, const std::string& value) {
  if (codec_ == nullptr) return E_UNEXPECTED;
  std::string canonical;
  if (!Options().Normalize(name, value, &canonical)) return E_INVALIDARG;
  EncoderSettingsStore::Instance().Set(compressor_.friendlyName, name, canonical);
  return S_OK;
}

HRESULT VideoCompressorFilter::ResetOptions() {
  EncoderSettingsStore::Instance().Clear(compressor_.friendlyName);
  return S_OK;
}

HRESULT VideoCompressorFilter::GetAboutText(std::u16string* text) {
  if (text == nullptr) return E_POINTER;
  if (codec_ == nullptr) return E_UNEXPECTED;
  const char* longName = codec_->long_name != nullptr ? codec_->long_name : codec_->name;
  *text = FromUtf8(longName) + u"\nEncoder: " + FromUtf8(codec_->name) + u" (FFmpeg)\n" + LibraryVersion();
  return S_OK;
}

HRESULT VideoCompressorFilter::CheckMediaType(const FilterPin& pin, const AM_MEDIA_TYPE& type) {
  if (&pin == &input_) return CheckInputType(type);
  if (!encoder_.IsOpen()) return VFW_E_NOT_CONNECTED;
  return MediaTypesEqual(type, OutputType().get()) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT VideoCompressorFilter::CheckInputType(const AM_MEDIA_TYPE& type) {
  RawVideoFormat format;
  if (codec_ == nullptr || !RawVideoFormat::FromMediaType(type, &format) || !TakesNatively(format.pixelFormat)) {
    return VFW_E_TYPE_NOT_ACCEPTED;
  }
  // Once connected, a question about another type must not disturb the open encoder.
  const bool openForIt = encoder_.IsOpen() && encoder_.input() == format;
  if (input_.IsConnected()) return openForIt ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
  if (openForIt && !used_) return S_OK;
  if (packet_ == nullptr) return E_OUTOFMEMORY;
  return OpenEncoder(format);
}

bool VideoCompressorFilter::TakesNatively(AVPixelFormat format) const {
  // Every player shows 4:2:0; the encoders' other formats (4:4:4, 10 bits) many do not.
  if (!attempts_.empty()) return format == AV_PIX_FMT_YUV420P;
  const int position = PositionIn(codec_->pix_fmts, format);
  if (position < 0) return false;
  // Of a limited-range and full-range pair the encoder takes the one it lists first (Motion JPEG
  // the full range, H.264 the limited one); the other would be refused or mislabelled.
  const int twin = PositionIn(codec_->pix_fmts, RangeTwinOf(format));
  return twin < 0 || position < twin;
}

HRESULT VideoCompressorFilter::OpenEncoder(const RawVideoFormat& input) {
  if (!attempts_.empty()) return OpenFirstAttempt(input);
  AVDictionary* options =
      EncoderOptionTable::OpenOptions(EncoderSettingsStore::Instance().Get(compressor_.friendlyName));
  const HRESULT hr = encoder_.Open(codec_, input, options);
  av_dict_free(&options);
  used_ = drained_ = false;
  nextFrame_ = 0;
  return hr;
}

HRESULT VideoCompressorFilter::OpenFirstAttempt(const RawVideoFormat& input) {
  used_ = drained_ = false;
  nextFrame_ = 0;
  HRESULT hr = VFW_E_TYPE_NOT_ACCEPTED;
  for (const EncoderAttempt& attempt : attempts_) {
    const AVCodec* codec = avcodec_find_encoder_by_name(attempt.ffmpegName.c_str());
    if (codec == nullptr) continue;
    AVDictionary* options = EncoderOptionTable::OpenOptions(attempt.options);
    hr = encoder_.Open(codec, input, options);
    av_dict_free(&options);
    if (SUCCEEDED(hr)) {
      codec_ = codec;
      return hr;
    }
  }
  return hr;
}

void VideoCompressorFilter::GetMediaTypes(const FilterPin& pin, std::vector<MediaType>* types) {
  if (&pin == &output_ && encoder_.IsOpen()) types->push_back(OutputType());
}

MediaType VideoCompressorFilter::OutputType() const {
  const RawVideoFormat& input = encoder_.input();
  const uint32_t fourcc = MuxContainer::FourccOf(codec_->id);
  VIDEOINFOHEADER header;
  header.AvgTimePerFrame = input.frameTime;
  header.bmiHeader.biWidth = input.width;
  header.bmiHeader.biHeight = input.height;
  header.bmiHeader.biBitCount =
      static_cast<uint16_t>(encoder_.BitsPerCodedSample() > 0 ? encoder_.BitsPerCodedSample() : 24);
  header.bmiHeader.biCompression = fourcc;
  header.bmiHeader.biSizeImage = static_cast<uint32_t>(LargestPacket(input));
  const std::vector<uint8_t> extradata = encoder_.Extradata();
  MediaType type = MediaType::Video(MediaSubtypeFromFourcc(fourcc), header, extradata.data(),
                                    static_cast<uint32_t>(extradata.size()));
  const AVCodecDescriptor* descriptor = avcodec_descriptor_get(codec_->id);
  type->bTemporalCompression = descriptor == nullptr || (descriptor->props & AV_CODEC_PROP_INTRA_ONLY) == 0;
  return type;
}

HRESULT VideoCompressorFilter::CompleteConnect(FilterPin& pin) {
  if (&pin != &input_) return S_OK;
  RawVideoFormat format;
  if (!RawVideoFormat::FromMediaType(pin.ConnectionType(), &format)) return VFW_E_TYPE_NOT_ACCEPTED;
  if (encoder_.IsOpen() && !used_ && encoder_.input() == format) return S_OK;
  return OpenEncoder(format);
}

void VideoCompressorFilter::BreakConnect(FilterPin& pin) {
  if (&pin == &input_) encoder_.Close();
}

HRESULT VideoCompressorFilter::DecideBufferSize(const OutputPin&, ALLOCATOR_PROPERTIES* properties) {
  if (!encoder_.IsOpen()) return VFW_E_NOT_CONNECTED;
  properties->cBuffers = std::max(properties->cBuffers, 1);
  properties->cbBuffer = std::max(properties->cbBuffer, LargestPacket(encoder_.input()));
  return S_OK;
}

HRESULT VideoCompressorFilter::OnStart() {
  // A drained encoder takes no more frames: a second run needs a fresh one.
  if (used_ && encoder_.IsOpen()) return OpenEncoder(encoder_.input());
  nextFrame_ = 0;
  return S_OK;
}

HRESULT VideoCompressorFilter::Receive(InputPin&, IMediaSample* sample) {
  if (!encoder_.IsOpen()) return VFW_E_NOT_CONNECTED;
  const RawVideoFormat& input = encoder_.input();
  uint8_t* image = nullptr;
  if (FAILED(sample->GetPointer(&image)) || sample->GetActualDataLength() < input.ImageSize()) {
    return Abort(E_INVALIDARG);
  }
  REFERENCE_TIME start = 0;
  REFERENCE_TIME end = 0;
  int64_t frame = nextFrame_;
  if (SUCCEEDED(sample->GetTime(&start, &end))) {
    frame = std::llround(static_cast<double>(start) / static_cast<double>(input.frameTime));
  }
  nextFrame_ = frame + 1;
  used_ = true;
  const HRESULT hr = encoder_.Send(image, frame);
  return FAILED(hr) ? Abort(hr) : DeliverPackets();
}

HRESULT VideoCompressorFilter::DeliverPackets() {
  for (;;) {
    const int result = encoder_.Receive(packet_);
    if (result == AVERROR_EOF) drained_ = true;
    if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return S_OK;
    if (result < 0) return Abort(HResultFromAverror(result));
    const HRESULT hr = DeliverPacket(*packet_);
    av_packet_unref(packet_);
    // A downstream failure is reported by the filter that failed.
    if (hr != S_OK) return hr;
  }
}

HRESULT VideoCompressorFilter::DeliverPacket(const AVPacket& packet) {
  ComPtr<IMediaSample> sample;
  HRESULT hr = output_.GetDeliveryBuffer(sample.Receive());
  uint8_t* buffer = nullptr;
  if (SUCCEEDED(hr)) hr = sample->GetPointer(&buffer);
  if (FAILED(hr)) return Abort(hr);
  if (packet.size > sample->GetSize()) return Abort(E_OUTOFMEMORY);
  std::memcpy(buffer, packet.data, static_cast<size_t>(packet.size));
  sample->SetActualDataLength(packet.size);
  // Packets count frames, so the decode time is the frame number times the frame duration.
  const int64_t decodeFrame = packet.dts != AV_NOPTS_VALUE ? packet.dts : packet.pts;
  REFERENCE_TIME start = decodeFrame * encoder_.input().frameTime;
  REFERENCE_TIME end = start + encoder_.input().frameTime;
  sample->SetTime(&start, &end);
  const int64_t shown = packet.pts != AV_NOPTS_VALUE ? packet.pts : decodeFrame;
  const int64_t shownEnd = shown + 1;
  sample->SetMediaTime(&shown, &shownEnd);
  sample->SetSyncPoint((packet.flags & AV_PKT_FLAG_KEY) != 0);
  return output_.Deliver(sample.Get());
}

HRESULT VideoCompressorFilter::Drain() {
  if (!used_ || drained_) return S_OK;
  const HRESULT hr = encoder_.SendEnd();
  return FAILED(hr) ? Abort(hr) : DeliverPackets();
}

HRESULT VideoCompressorFilter::EndOfStream(InputPin&) {
  const HRESULT hr = Drain();
  output_.DeliverEndOfStream();
  return hr;
}

HRESULT VideoCompressorFilter::OnStop() {
  // Stopped without an end of stream: what the encoder still holds goes out now, while the
  // filters downstream, which stop after this one, still take it.
  if (!used_ || drained_) return S_OK;
  const HRESULT hr = Drain();
  if (output_.IsConnected()) output_.DeliverEndOfStream();
  return hr;
}
