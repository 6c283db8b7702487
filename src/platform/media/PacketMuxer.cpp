#include "platform/media/PacketMuxer.h"

#include <algorithm>
#include <cstring>

#include "platform/media/FfmpegError.h"
#include "platform/media/SoundtrackStream.h"
#include "platform/sys/DebugOutput.h"
#include "platform/sys/StringConvert.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/macros.h>
#include <libavutil/mathematics.h>
#include <libavutil/mem.h>
}

namespace {

// Room asked for beyond a frame's bytes before it is written: per frame its chunk or block
// header and its index entries, and for the whole file the end that completes it (a
// Matroska index, a large AVI's index of indexes, a frame's sound).
constexpr int64_t kRoomPerPacket = 64;
constexpr int64_t kRoomForTheEnd = 256 * 1024;

// The stream's time unit is exactly one frame: AvgTimePerFrame of 100 ns units, reduced
// (400000 -> 1/25, 333667 -> 333667/10000000).
AVRational FrameTimeOf(REFERENCE_TIME frameTime) {
  AVRational reduced{0, 1};
  av_reduce(&reduced.num, &reduced.den, frameTime, kReferenceTimePerSecond, INT32_MAX);
  return reduced;
}

}  // namespace

PacketMuxer::PacketMuxer(MuxByteStream::Sink sink) : bytes_(std::move(sink)) {}

PacketMuxer::~PacketMuxer() { Release(); }

HRESULT PacketMuxer::Open(const PacketStreamFormat& format, const MuxContainer& container, const Options& options) {
  Release();
  status_ = S_OK;
  framesStored_ = 0;
  container_ = container;
  if (container.format == nullptr) return Keep(E_NOTIMPL);
  frameTime_ = FrameTimeOf(format.frameTime);
  packet_ = av_packet_alloc();
  if (packet_ == nullptr) return Keep(E_OUTOFMEMORY);
  const int result = avformat_alloc_output_context2(&output_, container.format, nullptr, nullptr);
  if (result < 0) return Fail("start", result);
  HRESULT hr = bytes_.Open();
  if (FAILED(hr)) return Keep(hr);
  output_->pb = bytes_.context();
  hr = AddStream(format);
  if (SUCCEEDED(hr)) hr = AddSound();
  return SUCCEEDED(hr) ? WriteHeader(format, options) : hr;
}

void PacketMuxer::SetSoundtrack(Soundtrack soundtrack, int64_t plannedFrames) {
  soundtrack_ = std::move(soundtrack);
  plannedFrames_ = plannedFrames;
}

HRESULT PacketMuxer::AddSound() {
  framesEnd_ = 0;
  soundtrackBreak_.clear();
  if (soundtrack_.empty()) return S_OK;
  sound_ = std::make_unique<SoundtrackStream>(soundtrack_, container_.kind);
  const HRESULT hr = sound_->Open(output_, SamplesOf(plannedFrames_));
  if (FAILED(hr)) DebugOutput(FromUtf8(container_.MuxName() + ": could not start the sound\n"));
  return Keep(hr);
}

// Movie time to sound time: frames times the frame time, in samples.
int64_t PacketMuxer::SamplesOf(int64_t frames) const {
  return av_rescale(frames, int64_t{SoundtrackReader::kRate} * frameTime_.num, frameTime_.den);
}

HRESULT PacketMuxer::AddStream(const PacketStreamFormat& format) {
  stream_ = avformat_new_stream(output_, nullptr);
  if (stream_ == nullptr) return Keep(E_OUTOFMEMORY);
  stream_->time_base = frameTime_;
  stream_->avg_frame_rate = av_inv_q(frameTime_);
  stream_->r_frame_rate = stream_->avg_frame_rate;
  AVCodecParameters* parameters = stream_->codecpar;
  parameters->codec_type = AVMEDIA_TYPE_VIDEO;
  parameters->codec_id = format.codec;
  // Other containers name the codec their own way; the muxer picks the code.
  parameters->codec_tag = container_.IsAvi() ? format.fourcc : 0;
  // Browsers and Apple's players want H.265 in MP4 under this code, not the muxer's default.
  if (container_.kind == MovieContainer::Mp4 && format.codec == AV_CODEC_ID_HEVC) {
    parameters->codec_tag = MKTAG('h', 'v', 'c', '1');
  }
  parameters->width = format.width;
  parameters->height = format.height;
  parameters->bits_per_coded_sample = format.bitCount;
  if (format.IsUncompressed()) parameters->format = AV_PIX_FMT_BGR24;
  // The movie encoders of the other containers code 4:2:0 with the colours the converter made;
  // MP4 describes VP9 and AV1 streams from these.
  if (!container_.IsAvi()) {
    parameters->format = AV_PIX_FMT_YUV420P;
    parameters->color_range = AVCOL_RANGE_MPEG;
    parameters->color_space = AVCOL_SPC_SMPTE170M;
  }
  if (format.extradata.empty()) return S_OK;
  const size_t size = format.extradata.size();
  parameters->extradata = static_cast<uint8_t*>(av_mallocz(size + AV_INPUT_BUFFER_PADDING_SIZE));
  if (parameters->extradata == nullptr) return Keep(E_OUTOFMEMORY);
  std::memcpy(parameters->extradata, format.extradata.data(), size);
  parameters->extradata_size = static_cast<int>(size);
  return S_OK;
}

HRESULT PacketMuxer::WriteHeader(const PacketStreamFormat& format, const Options& muxerOptions) {
  AVDictionary* options = nullptr;
  // Without this the muxer declares a negative height and wants top-down rows.
  if (format.IsUncompressed()) av_dict_set(&options, "flipped_raw_rgb", "1", 0);
  for (const auto& [name, value] : muxerOptions) av_dict_set(&options, name.c_str(), value.c_str(), 0);
  const int result = avformat_write_header(output_, &options);
  av_dict_free(&options);
  // The header must be on its way to the file before the first frame.
  if (result >= 0) avio_flush(output_->pb);
  headerEnd_ = bytes_.size();
  payload_ = packets_ = 0;
  return result < 0 ? Fail("write the header", result) : Keep(bytes_.failure());
}

HRESULT PacketMuxer::WritePacket(const uint8_t* data, int size, int64_t frame, int64_t shown, bool keyFrame) {
  if (output_ == nullptr) return VFW_E_WRONG_STATE;
  if (FAILED(status_)) return status_;
  // A frame the disk has no room for is refused whole: the muxer never learns of it, so the
  // index it writes at the end lists only frames that are in the file.
  if (const HRESULT room = bytes_.Reserve(RoomFor(size)); FAILED(room)) return Keep(room);
  payload_ += size;
  ++packets_;
  // The packet lends the sample's bytes: the muxer writes them straight through, no copy.
  packet_->data = const_cast<uint8_t*>(data);
  packet_->size = size;
  packet_->dts = av_rescale_q(frame, frameTime_, stream_->time_base);
  packet_->pts = container_.IsAvi() ? packet_->dts : av_rescale_q(shown, frameTime_, stream_->time_base);
  packet_->duration = av_rescale_q(1, frameTime_, stream_->time_base);
  packet_->flags = keyFrame ? AV_PKT_FLAG_KEY : 0;
  packet_->stream_index = stream_->index;
  framesEnd_ = std::max(framesEnd_, (container_.IsAvi() ? frame : shown) + 1);
  const int result = WriteVideo();
  if (FAILED(bytes_.failure())) return Keep(bytes_.failure());
  if (result < 0) return Fail("store a frame", result);
  ++framesStored_;
  // The sound keeps up with the frames decoded so far.
  if (sound_ && FAILED(sound_->WriteUntil(SamplesOf(frame + 1), false)))
    return Fail("store the sound", AVERROR_UNKNOWN);
  return S_OK;
}

// Where the file may reach once a packet of size bytes is written and the movie completed. A
// muxer may still hold earlier frames (a Matroska cluster), so those count as well.
int64_t PacketMuxer::RoomFor(int size) const {
  const int64_t held = std::max<int64_t>(0, payload_ - (bytes_.size() - headerEnd_));
  return bytes_.size() + held + size + kRoomPerPacket * (packets_ + 1) + kRoomForTheEnd;
}

// Without sound the video's packets go straight to the file, as they always have; with sound
// the muxer interleaves the two streams by time.
int PacketMuxer::WriteVideo() {
  return sound_ && !container_.IsAvi() ? av_interleaved_write_frame(output_, packet_)
                                       : av_write_frame(output_, packet_);
}

HRESULT PacketMuxer::Finish() {
  if (output_ == nullptr) return status_;
  if (sound_ && SUCCEEDED(status_)) {
    // The sound ends with the last frame.
    if (FAILED(sound_->WriteUntil(SamplesOf(framesEnd_), true))) Fail("store the sound", AVERROR_UNKNOWN);
  }
  if (sound_) soundtrackBreak_ = sound_->brokenFile();
  const int result = av_write_trailer(output_);
  if (result < 0) Fail("write the index", result);
  bytes_.Close();
  Keep(bytes_.failure());
  Release();
  return status_;
}

HRESULT PacketMuxer::Fail(const char* what, int code) {
  if (SUCCEEDED(bytes_.failure())) {
    DebugOutput(FromUtf8(container_.MuxName() + ": could not " + what + ": " + FfmpegErrorText(code) + "\n"));
  }
  return Keep(FAILED(bytes_.failure()) ? bytes_.failure() : HResultFromAverror(code));
}

HRESULT PacketMuxer::Keep(HRESULT hr) {
  if (SUCCEEDED(status_) && FAILED(hr)) status_ = hr;
  return hr;
}

void PacketMuxer::Release() {
  if (output_ != nullptr) output_->pb = nullptr;
  avformat_free_context(output_);
  output_ = nullptr;
  stream_ = nullptr;
  sound_.reset();
  bytes_.Discard();
  av_packet_free(&packet_);
}
