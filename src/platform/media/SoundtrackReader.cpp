#include "platform/media/SoundtrackReader.h"

#include <algorithm>
#include <cstring>

#include "platform/sys/DebugOutput.h"
#include "platform/sys/StringConvert.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
}

namespace {

// The sound's length as the file's header states it, in seconds; 0 when it states none. The
// sound's own stream is asked first: a file may hold longer pictures too. A length worked out
// from the file's size and bit rate shrinks with the file itself, so it counts as none.
double AnnouncedSeconds(const AVFormatContext* input, const AVStream* sound) {
  if (input->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE) return 0.0;
  if (sound->duration > 0) return static_cast<double>(sound->duration) * av_q2d(sound->time_base);
  return input->duration > 0 ? static_cast<double>(input->duration) / AV_TIME_BASE : 0.0;
}

}  // namespace

SoundtrackReader::SoundtrackReader(Soundtrack soundtrack) : soundtrack_(std::move(soundtrack)) {
  frame_ = av_frame_alloc();
  ended_ = soundtrack_.empty() || frame_ == nullptr || !OpenFile(0);
}

SoundtrackReader::~SoundtrackReader() {
  CloseFile();
  av_frame_free(&frame_);
}

void SoundtrackReader::Read(float* out, int count) {
  size_t wanted = static_cast<size_t>(count) * kChannels;
  while (wanted > 0) {
    if (pendingStart_ == pending_.size()) {
      pending_.clear();
      pendingStart_ = 0;
      if (ended_ || !Refill()) {
        std::fill(out, out + wanted, 0.0f);
        return;
      }
      continue;
    }
    const size_t piece = std::min(wanted, pending_.size() - pendingStart_);
    std::memcpy(out, pending_.data() + pendingStart_, piece * sizeof(float));
    pendingStart_ += piece;
    out += piece;
    wanted -= piece;
  }
}

bool SoundtrackReader::OpenFile(size_t index) {
  CloseFile();
  index_ = index;
  const std::string path = ToUtf8(soundtrack_.files[index]);
  if (avformat_open_input(&input_, path.c_str(), nullptr, nullptr) < 0 ||
      avformat_find_stream_info(input_, nullptr) < 0) {
    Break();
    return false;
  }
  const AVCodec* codec = nullptr;
  stream_ = av_find_best_stream(input_, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
  if (stream_ < 0 || codec == nullptr) return Break(), false;
  announcedSeconds_ = AnnouncedSeconds(input_, input_->streams[stream_]);
  decodedSamples_ = 0;
  decoder_ = avcodec_alloc_context3(codec);
  if (decoder_ == nullptr || avcodec_parameters_to_context(decoder_, input_->streams[stream_]->codecpar) < 0 ||
      avcodec_open2(decoder_, codec, nullptr) < 0) {
    return Break(), false;
  }
  AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
  if (decoder_->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
    av_channel_layout_default(&decoder_->ch_layout, decoder_->ch_layout.nb_channels);
  }
  if (swr_alloc_set_opts2(&resampler_, &stereo, AV_SAMPLE_FMT_FLT, kRate, &decoder_->ch_layout, decoder_->sample_fmt,
                          decoder_->sample_rate, 0, nullptr) < 0 ||
      swr_init(resampler_) < 0) {
    return Break(), false;
  }
  return true;
}

void SoundtrackReader::CloseFile() {
  swr_free(&resampler_);
  avcodec_free_context(&decoder_);
  avformat_close_input(&input_);
  stream_ = -1;
  draining_ = false;
}

void SoundtrackReader::Break() {
  brokenFile_ = soundtrack_.files[index_];
  DebugOutput(u"Soundtrack: \"" + brokenFile_ + u"\" broke off; the rest of the movie is silent\n");
  CloseFile();
  ended_ = true;
}

bool SoundtrackReader::Refill() {
  while (!ended_ && pending_.empty()) {
    if (draining_) {
      // The resampler's last samples, then the next file.
      Convert(nullptr);
      if (!pending_.empty()) continue;
      if (CutShort()) return Break(), false;
      if (!NextFile()) return false;
      continue;
    }
    AVPacket* packet = av_packet_alloc();
    if (packet == nullptr) return Break(), false;
    const int read = av_read_frame(input_, packet);
    bool ok = true;
    if (read == AVERROR_EOF) {
      ok = DecodePacket(nullptr);
      draining_ = true;
    } else if (read < 0) {
      ok = false;
    } else if (packet->stream_index == stream_) {
      ok = DecodePacket(packet);
    }
    av_packet_free(&packet);
    if (!ok) return Break(), false;
  }
  return !pending_.empty();
}

bool SoundtrackReader::CutShort() const {
  // Headers and the decoders' start and end padding differ by a few hundredths of a second.
  constexpr double kSlackSeconds = 0.5;
  if (announcedSeconds_ <= 0.0 || decoder_ == nullptr || decoder_->sample_rate <= 0) return false;
  return static_cast<double>(decodedSamples_) / decoder_->sample_rate < announcedSeconds_ - kSlackSeconds;
}

bool SoundtrackReader::NextFile() {
  size_t next = index_ + 1;
  if (next == soundtrack_.files.size()) {
    if (!soundtrack_.loop || !soundSinceStart_) {
      CloseFile();
      ended_ = true;
      return false;
    }
    next = 0;
    soundSinceStart_ = false;
  }
  return OpenFile(next);
}

bool SoundtrackReader::DecodePacket(AVPacket* packet) {
  if (avcodec_send_packet(decoder_, packet) < 0) return false;
  for (;;) {
    const int received = avcodec_receive_frame(decoder_, frame_);
    if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return true;
    if (received < 0) return false;
    decodedSamples_ += frame_->nb_samples;
    const bool ok = Convert(frame_);
    av_frame_unref(frame_);
    if (!ok) return false;
  }
}

bool SoundtrackReader::Convert(const AVFrame* frame) {
  const int inCount = frame != nullptr ? frame->nb_samples : 0;
  const int room = swr_get_out_samples(resampler_, inCount);
  if (room <= 0) return room == 0;
  const size_t start = pending_.size();
  pending_.resize(start + static_cast<size_t>(room) * kChannels);
  auto* out = reinterpret_cast<uint8_t*>(pending_.data() + start);
  const int made = swr_convert(resampler_, &out, room, frame != nullptr ? const_cast<const uint8_t**>(frame->extended_data) : nullptr,
                               inCount);
  if (made < 0) return false;
  pending_.resize(start + static_cast<size_t>(made) * kChannels);
  if (made > 0) soundSinceStart_ = true;
  return true;
}
