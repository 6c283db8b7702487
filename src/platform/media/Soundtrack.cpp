#include "platform/media/Soundtrack.h"

#include <filesystem>

#include "platform/sys/StringConvert.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

// Whether the stream's first packets decode to sound.
bool DecodesSound(AVFormatContext* input, int stream, const AVCodec* codec) {
  AVCodecContext* decoder = avcodec_alloc_context3(codec);
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  bool sound = decoder != nullptr && packet != nullptr && frame != nullptr &&
               avcodec_parameters_to_context(decoder, input->streams[stream]->codecpar) >= 0 &&
               avcodec_open2(decoder, codec, nullptr) >= 0;
  bool decoded = false;
  // A few packets: some decoders need more than one before the first samples.
  for (int packets = 0; sound && !decoded && packets < 64 && av_read_frame(input, packet) >= 0; ++packets) {
    if (packet->stream_index == stream && avcodec_send_packet(decoder, packet) >= 0) {
      decoded = avcodec_receive_frame(decoder, frame) >= 0 && frame->nb_samples > 0;
    }
    av_packet_unref(packet);
  }
  av_frame_free(&frame);
  av_packet_free(&packet);
  avcodec_free_context(&decoder);
  return decoded;
}

}  // namespace

std::u16string SoundtrackFileProblem(const std::u16string& file) {
  const std::u16string named = u"The soundtrack file \"" + file + u"\"";
  const std::string path = ToUtf8(file);
  std::error_code error;
  if (file.empty() || !std::filesystem::is_regular_file(std::filesystem::u8path(path), error)) {
    return named + u" does not exist.";
  }
  AVFormatContext* input = nullptr;
  if (avformat_open_input(&input, path.c_str(), nullptr, nullptr) < 0) {
    return named + u" could not be read as sound.";
  }
  std::u16string problem;
  const AVCodec* codec = nullptr;
  const int stream = avformat_find_stream_info(input, nullptr) >= 0
                         ? av_find_best_stream(input, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0)
                         : -1;
  if (stream < 0 || codec == nullptr) {
    problem = named + u" holds no sound that can be played.";
  } else if (!DecodesSound(input, stream, codec)) {
    problem = named + u" could not be decoded.";
  }
  avformat_close_input(&input);
  return problem;
}

std::u16string SoundtrackProblem(const Soundtrack& soundtrack) {
  for (const std::u16string& file : soundtrack.files) {
    if (std::u16string problem = SoundtrackFileProblem(file); !problem.empty()) return problem;
  }
  return {};
}
