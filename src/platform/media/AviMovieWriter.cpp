#include "platform/media/AviMovieWriter.h"

#include <cmath>
#include <cstring>

#include "platform/media/AviContainer.h"
#include "platform/media/FfmpegError.h"
#include "platform/media/VideoEncoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

namespace {

constexpr int kLargestSide = 16384;
constexpr double kSlowestRate = 0.01;
constexpr double kFastestRate = 1000;

MediaStatus BadRequest(const std::string& text) {
  return MediaStatus::Failure(MediaStatus::Kind::BadRequest, text);
}

MediaStatus MuxFailure(const char* what, int code) {
  return MediaStatus::Failure(MediaStatus::Kind::EncodingFailed,
                              std::string("The AVI muxer could not ") + what + ": " +
                                  FfmpegErrorText(code));
}

// Duration of one frame as an exact fraction, so 29.97 becomes 100/2997 and not a rounded one.
AVRational FrameTime(double framesPerSecond) { return av_inv_q(av_d2q(framesPerSecond, 100000)); }

}  // namespace

AviMovieWriter::AviMovieWriter() : packet_(av_packet_alloc()) {}

AviMovieWriter::~AviMovieWriter() {
  Finish();
  av_packet_free(&packet_);
}

MediaStatus AviMovieWriter::Open(const std::u16string& path, const MovieFormat& format) {
  Finish();
  status_ = CheckFormat(format);
  if (!status_.Succeeded()) return status_;
  format_ = format;
  frames_ = 0;
  status_ = CreateOutput(path);
  if (status_.Succeeded()) status_ = AddStream();
  if (status_.Succeeded()) status_ = WriteHeader();
  if (!status_.Succeeded()) Release();
  return status_;
}

MediaStatus AviMovieWriter::CheckFormat(const MovieFormat& format) const {
  if (format.width < 1 || format.height < 1 || format.width > kLargestSide ||
      format.height > kLargestSide) {
    return BadRequest("Unsupported movie size " + std::to_string(format.width) + " x " +
                      std::to_string(format.height));
  }
  double rate = format.framesPerSecond;
  if (!std::isfinite(rate) || rate < kSlowestRate || rate > kFastestRate) {
    return BadRequest("Unsupported frame rate " + std::to_string(rate));
  }
  if (!packet_) return BadRequest("Out of memory for packets");
  return MediaStatus::Success();
}

MediaStatus AviMovieWriter::CreateOutput(const std::u16string& path) {
  MediaStatus opened = sink_.Open(path);
  if (!opened.Succeeded()) return opened;
  int result = avformat_alloc_output_context2(&output_, AviOutputFormat(), nullptr, nullptr);
  if (result < 0) return MuxFailure("start", result);
  output_->pb = sink_.context();
  return MediaStatus::Success();
}

MediaStatus AviMovieWriter::AddStream() {
  stream_ = avformat_new_stream(output_, nullptr);
  if (!stream_) return MuxFailure("add a stream", AVERROR(ENOMEM));
  stream_->time_base = FrameTime(format_.framesPerSecond);
  stream_->avg_frame_rate = av_inv_q(stream_->time_base);
  stream_->r_frame_rate = stream_->avg_frame_rate;
  return format_.encoder.empty() ? AddRawStream() : AddEncodedStream();
}

MediaStatus AviMovieWriter::AddRawStream() {
  AVCodecParameters* parameters = stream_->codecpar;
  parameters->codec_type = AVMEDIA_TYPE_VIDEO;
  parameters->codec_id = AV_CODEC_ID_RAWVIDEO;
  parameters->format = AV_PIX_FMT_BGR24;
  parameters->bits_per_coded_sample = 24;
  parameters->width = format_.width;
  parameters->height = format_.height;
  return MediaStatus::Success();
}

MediaStatus AviMovieWriter::AddEncodedStream() {
  const AVCodec* codec = avcodec_find_encoder_by_name(format_.encoder.c_str());
  if (codec && !AviAcceptsCodec(codec->id)) {
    return MediaStatus::Failure(MediaStatus::Kind::EncoderUnavailable,
                                "AVI files cannot hold the output of \"" + format_.encoder + "\"");
  }
  encoder_ = std::make_unique<VideoEncoder>();
  bool globalHeader = (output_->oformat->flags & AVFMT_GLOBALHEADER) != 0;
  MediaStatus opened = encoder_->Open(format_.encoder, format_.width, format_.height,
                                      stream_->time_base, globalHeader);
  if (!opened.Succeeded()) return opened;
  int result = avcodec_parameters_from_context(stream_->codecpar, encoder_->context());
  return result < 0 ? MuxFailure("take the encoder's parameters", result) : opened;
}

MediaStatus AviMovieWriter::WriteHeader() {
  AVDictionary* options = nullptr;
  // Without this the muxer declares a negative height and wants top-down rows.
  if (!encoder_) av_dict_set(&options, "flipped_raw_rgb", "1", 0);
  int result = avformat_write_header(output_, &options);
  av_dict_free(&options);
  if (result < 0) return Keep(MuxFailure("write the header", result));
  return sink_.status();
}

MediaStatus AviMovieWriter::WriteFrame(const uint8_t* rows, size_t stride) {
  if (!IsOpen()) return BadRequest("No movie is open");
  if (!status_.Succeeded()) return status_;
  if (!rows || stride < static_cast<size_t>(format_.width) * 3) {
    return BadRequest("A frame needs rows of " + std::to_string(format_.width * 3) + " bytes");
  }
  MediaStatus written = encoder_ ? encoder_->Send(rows, stride, frames_) : WriteRawFrame(rows, stride);
  if (written.Succeeded() && encoder_) written = WritePendingPackets();
  if (written.Succeeded()) ++frames_;
  return Keep(written);
}

MediaStatus AviMovieWriter::WriteRawFrame(const uint8_t* rows, size_t stride) {
  // Packed rows: the muxer pads them to four bytes itself, as a bitmap's rows are.
  size_t rowBytes = static_cast<size_t>(format_.width) * 3;
  int result = av_new_packet(packet_, static_cast<int>(rowBytes * format_.height));
  if (result < 0) return MuxFailure("make room for a frame", result);
  for (int row = 0; row < format_.height; ++row) {
    std::memcpy(packet_->data + rowBytes * row, rows + stride * row, rowBytes);
  }
  packet_->pts = frames_;
  packet_->dts = frames_;
  packet_->duration = 1;
  packet_->flags |= AV_PKT_FLAG_KEY;
  return WritePacket(packet_);
}

MediaStatus AviMovieWriter::WritePendingPackets() {
  int result;
  while ((result = encoder_->Receive(packet_)) >= 0) {
    MediaStatus written = WritePacket(packet_);
    if (!written.Succeeded()) return written;
  }
  if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return MediaStatus::Success();
  return MediaStatus::Failure(MediaStatus::Kind::EncodingFailed,
                              "The encoder failed: " + FfmpegErrorText(result));
}

MediaStatus AviMovieWriter::WritePacket(AVPacket* packet) {
  packet->stream_index = stream_->index;
  av_packet_rescale_ts(packet, FrameTime(format_.framesPerSecond), stream_->time_base);
  int result = av_interleaved_write_frame(output_, packet);
  if (!sink_.status().Succeeded()) return sink_.status();
  return result < 0 ? MuxFailure("store a frame", result) : MediaStatus::Success();
}

MediaStatus AviMovieWriter::Finish() {
  if (!IsOpen()) return status_;
  if (encoder_ && status_.Succeeded()) Keep(encoder_->SendEnd());
  if (encoder_ && status_.Succeeded()) Keep(WritePendingPackets());
  // The trailer is written even after a failure: it is what makes the frames so far playable.
  int result = av_write_trailer(output_);
  if (result < 0) Keep(MuxFailure("write the index", result));
  Release();
  return status_;
}

MediaStatus AviMovieWriter::Keep(MediaStatus status) {
  if (status_.Succeeded() && !status.Succeeded()) status_ = status;
  return status;
}

void AviMovieWriter::Release() {
  encoder_.reset();
  avformat_free_context(output_);
  output_ = nullptr;
  stream_ = nullptr;
  Keep(sink_.Close());
}
