#include "platform/media/SoundtrackStream.h"

#include <algorithm>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
}

namespace {

constexpr int kPcmFrameSamples = 1024;

struct AudioCodecChoice {
  const AVCodec* codec = nullptr;
  int64_t bitRate = 0;
};

AudioCodecChoice AudioCodecFor(MovieContainer container) {
  switch (container) {
    case MovieContainer::Mp4:
      return {avcodec_find_encoder_by_name("aac"), 192000};
    case MovieContainer::Matroska:
    case MovieContainer::WebM:
      return {avcodec_find_encoder_by_name("libopus"), 128000};
    default:
      if (const AVCodec* mp3 = avcodec_find_encoder_by_name("libmp3lame")) return {mp3, 192000};
      return {avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE), 0};
  }
}

// Float interleaved when the encoder takes it (no conversion), else its first format.
AVSampleFormat SampleFormatFor(const AVCodec* codec) {
  if (codec->sample_fmts == nullptr) return AV_SAMPLE_FMT_FLT;
  for (const AVSampleFormat* f = codec->sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f) {
    if (*f == AV_SAMPLE_FMT_FLT) return *f;
  }
  return codec->sample_fmts[0];
}

}  // namespace

SoundtrackStream::SoundtrackStream(const Soundtrack& soundtrack, MovieContainer container)
    : container_(container), reader_(soundtrack) {}

SoundtrackStream::~SoundtrackStream() {
  av_packet_free(&packet_);
  av_frame_free(&frame_);
  swr_free(&converter_);
  avcodec_free_context(&encoder_);
}

HRESULT SoundtrackStream::Open(AVFormatContext* output, int64_t plannedSamples) {
  output_ = output;
  planned_ = plannedSamples;
  const AudioCodecChoice choice = AudioCodecFor(container_);
  if (choice.codec == nullptr) return E_NOTIMPL;
  encoder_ = avcodec_alloc_context3(choice.codec);
  frame_ = av_frame_alloc();
  packet_ = av_packet_alloc();
  if (encoder_ == nullptr || frame_ == nullptr || packet_ == nullptr) return E_OUTOFMEMORY;
  AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
  av_channel_layout_copy(&encoder_->ch_layout, &stereo);
  encoder_->sample_rate = SoundtrackReader::kRate;
  encoder_->sample_fmt = SampleFormatFor(choice.codec);
  encoder_->time_base = {1, SoundtrackReader::kRate};
  encoder_->bit_rate = choice.bitRate;
  if (output->oformat->flags & AVFMT_GLOBALHEADER) encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  if (avcodec_open2(encoder_, choice.codec, nullptr) < 0) return E_FAIL;
  frameSize_ = encoder_->frame_size > 0 ? encoder_->frame_size : kPcmFrameSamples;
  smallLastFrame_ = encoder_->frame_size == 0 ||
                    (choice.codec->capabilities & (AV_CODEC_CAP_SMALL_LAST_FRAME | AV_CODEC_CAP_VARIABLE_FRAME_SIZE));
  if (swr_alloc_set_opts2(&converter_, &stereo, encoder_->sample_fmt, SoundtrackReader::kRate, &stereo,
                          AV_SAMPLE_FMT_FLT, SoundtrackReader::kRate, 0, nullptr) < 0 ||
      swr_init(converter_) < 0) {
    return E_FAIL;
  }
  stream_ = avformat_new_stream(output, nullptr);
  if (stream_ == nullptr) return E_OUTOFMEMORY;
  stream_->time_base = encoder_->time_base;
  return avcodec_parameters_from_context(stream_->codecpar, encoder_) < 0 ? E_FAIL : S_OK;
}

HRESULT SoundtrackStream::WriteUntil(int64_t end, bool last) {
  if (encoder_ == nullptr) return E_UNEXPECTED;
  while (written_ + frameSize_ <= end) {
    if (const HRESULT hr = EncodeFrame(frameSize_); FAILED(hr)) return hr;
  }
  if (!last) return S_OK;
  if (written_ < end) {
    // The movie ends inside the encoder's frame: a short last frame where the encoder takes
    // one, else silence fills it.
    const auto rest = static_cast<int>(end - written_);
    if (const HRESULT hr = EncodeFrame(smallLastFrame_ ? rest : frameSize_); FAILED(hr)) return hr;
  }
  if (avcodec_send_frame(encoder_, nullptr) < 0) return E_FAIL;
  return Drain();
}

HRESULT SoundtrackStream::EncodeFrame(int count) {
  samples_.resize(static_cast<size_t>(count) * SoundtrackReader::kChannels);
  reader_.Read(samples_.data(), count);
  Fade(samples_.data(), count);
  av_frame_unref(frame_);
  frame_->nb_samples = count;
  frame_->format = encoder_->sample_fmt;
  frame_->sample_rate = encoder_->sample_rate;
  if (av_channel_layout_copy(&frame_->ch_layout, &encoder_->ch_layout) < 0 || av_frame_get_buffer(frame_, 0) < 0) {
    return E_OUTOFMEMORY;
  }
  const auto* in = reinterpret_cast<const uint8_t*>(samples_.data());
  if (swr_convert(converter_, frame_->data, count, &in, count) != count) return E_FAIL;
  frame_->pts = written_;
  written_ += count;
  if (avcodec_send_frame(encoder_, frame_) < 0) return E_FAIL;
  return Drain();
}

HRESULT SoundtrackStream::Drain() {
  for (;;) {
    const int received = avcodec_receive_packet(encoder_, packet_);
    if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return S_OK;
    if (received < 0) return E_FAIL;
    av_packet_rescale_ts(packet_, encoder_->time_base, stream_->time_base);
    packet_->stream_index = stream_->index;
    if (Write() < 0) return E_FAIL;
  }
}

// The AVI muxer stores chunks in the order they come, as the video's frames always have been;
// the sound's follow each frame. The other muxers interleave the two streams by time.
int SoundtrackStream::Write() {
  if (container_ != MovieContainer::Avi) return av_interleaved_write_frame(output_, packet_);
  const int result = av_write_frame(output_, packet_);
  av_packet_unref(packet_);
  return result;
}

// A straight line down to silence at the planned end; sound past it (a longer movie than
// planned) stays silent.
void SoundtrackStream::Fade(float* samples, int count) const {
  if (planned_ <= 0) return;
  const int64_t fadeLength = int64_t{kFadeSeconds} * SoundtrackReader::kRate;
  const int64_t fadeStart = planned_ - fadeLength;
  for (int i = 0; i < count; ++i) {
    const int64_t at = written_ + i;
    if (at < fadeStart) continue;
    const float gain = at >= planned_ ? 0.0f : static_cast<float>(planned_ - at) / static_cast<float>(fadeLength);
    samples[2 * i] *= std::min(gain, 1.0f);
    samples[2 * i + 1] *= std::min(gain, 1.0f);
  }
}
