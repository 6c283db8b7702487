#include "platform/gfx/HevcDecoderPlugin.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}
#include <libheif/heif_plugin.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "platform/media/YuvRange.h"
#include "platform/sys/FrameGate.h"

namespace {

constexpr int kPriority = 200;  // above libheif's own HEVC decoder

struct CodecFree {
  void operator()(AVCodecContext* codec) const { avcodec_free_context(&codec); }
};
struct FrameFree {
  void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFree {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ImageRelease {
  void operator()(heif_image* image) const { heif_image_release(image); }
};
using Codec = std::unique_ptr<AVCodecContext, CodecFree>;
using Frame = std::unique_ptr<AVFrame, FrameFree>;
using Packet = std::unique_ptr<AVPacket, PacketFree>;
using Image = std::unique_ptr<heif_image, ImageRelease>;

// The coded picture as start-code-separated units, as FFmpeg's decoder reads a raw stream.
struct Decoder {
  std::vector<uint8_t> stream;
  HevcOutput output = HevcOutput::Samples;
};

heif_error Ok() { return {heif_error_Ok, heif_suberror_Unspecified, "Success"}; }
heif_error DecoderError(const char* message) {
  return {heif_error_Decoder_plugin_error, heif_suberror_Unspecified, message};
}

const char* PluginName() { return "FFmpeg HEVC"; }

// Without FFmpeg's HEVC decoder, libheif's own one decodes.
int SupportsFormat(heif_compression_format format) {
  return format == heif_compression_HEVC && avcodec_find_decoder(AV_CODEC_ID_HEVC) != nullptr ? kPriority : 0;
}

template <HevcOutput kOutput>
heif_error NewDecoder(void** decoder) {
  *decoder = new Decoder{{}, kOutput};
  return Ok();
}

void FreeDecoder(void* decoder) { delete static_cast<Decoder*>(decoder); }

// libheif hands the units each behind a four-byte big-endian length.
heif_error PushData(void* decoder, const void* data, size_t size) {
  auto& stream = static_cast<Decoder*>(decoder)->stream;
  const auto* bytes = static_cast<const uint8_t*>(data);
  static constexpr uint8_t kStartCode[] = {0, 0, 0, 1};
  while (size >= 4) {
    const size_t unit = (size_t{bytes[0]} << 24) | (size_t{bytes[1]} << 16) | (size_t{bytes[2]} << 8) | bytes[3];
    if (unit > size - 4) return DecoderError("a coded unit runs past the end of the picture's data");
    stream.insert(stream.end(), std::begin(kStartCode), std::end(kStartCode));
    stream.insert(stream.end(), bytes + 4, bytes + 4 + unit);
    bytes += 4 + unit;
    size -= 4 + unit;
  }
  return size == 0 ? Ok() : DecoderError("the picture's data ends inside a unit length");
}

// FFmpeg hands a picture's work out as jobs: its rows where the stream allows decoding them side
// by side, else its slices. Each job first passes the frame gate, so that decoding stops for a
// frame of an animation within a row or a slice, not a whole picture (a phone's picture is a grid
// of small ones). libheif decodes such tiles on several threads at once; while frames run they
// take turns, so that a frame finds one tile's rows in flight, not several. The decoder's own
// runner still runs the jobs; the context's opaque points here while a picture decodes.
struct GatedJobs {
  using Job = int (*)(AVCodecContext*, void*);
  using Job2 = int (*)(AVCodecContext*, void*, int, int);
  FrameGate::Piece tile{FrameGate::Shared()};
  decltype(AVCodecContext::execute) execute = nullptr;
  decltype(AVCodecContext::execute2) execute2 = nullptr;
  Job job = nullptr;
  Job2 job2 = nullptr;
};

GatedJobs& JobsOf(AVCodecContext* codec) { return *static_cast<GatedJobs*>(codec->opaque); }

int GatedJob(AVCodecContext* codec, void* argument) {
  JobsOf(codec).tile.PassInTurn();
  return JobsOf(codec).job(codec, argument);
}

int GatedJob2(AVCodecContext* codec, void* argument, int job, int thread) {
  JobsOf(codec).tile.PassInTurn();
  return JobsOf(codec).job2(codec, argument, job, thread);
}

int ExecuteGated(AVCodecContext* codec, GatedJobs::Job job, void* arguments, int* results, int count, int size) {
  JobsOf(codec).job = job;
  return JobsOf(codec).execute(codec, GatedJob, arguments, results, count, size);
}

int ExecuteGated2(AVCodecContext* codec, GatedJobs::Job2 job, void* arguments, int* results, int count) {
  JobsOf(codec).job2 = job;
  return JobsOf(codec).execute2(codec, GatedJob2, arguments, results, count);
}

void GateJobs(AVCodecContext& codec, GatedJobs& jobs) {
  jobs.execute = codec.execute;
  jobs.execute2 = codec.execute2;
  codec.opaque = &jobs;
  codec.execute = ExecuteGated;
  codec.execute2 = ExecuteGated2;
}

Codec OpenCodec() {
  const AVCodec* hevc = avcodec_find_decoder(AV_CODEC_ID_HEVC);
  if (hevc == nullptr) return nullptr;
  Codec codec(avcodec_alloc_context3(hevc));
  if (!codec) return nullptr;
  // One picture: frame threads would only add delay; slice threads share its rows.
  codec->thread_type = FF_THREAD_SLICE;
  codec->thread_count = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
  return avcodec_open2(codec.get(), hevc, nullptr) == 0 ? std::move(codec) : nullptr;
}

bool DecodeStream(AVCodecContext& codec, std::vector<uint8_t>& stream, AVFrame& frame) {
  Packet packet(av_packet_alloc());
  if (!packet || stream.empty()) return false;
  packet->data = stream.data();
  packet->size = static_cast<int>(stream.size());
  if (avcodec_send_packet(&codec, packet.get()) < 0) return false;
  avcodec_send_packet(&codec, nullptr);
  return avcodec_receive_frame(&codec, &frame) == 0;
}

// The libheif chroma of FFmpeg's planar layouts, or undefined for any other.
heif_chroma ChromaOf(const AVPixFmtDescriptor& format) {
  if ((format.flags & AV_PIX_FMT_FLAG_BE) != 0) return heif_chroma_undefined;
  // Grey, as alpha images decode, is one plane without being flagged planar.
  if (format.nb_components == 1) return heif_chroma_monochrome;
  if ((format.flags & AV_PIX_FMT_FLAG_PLANAR) == 0 || format.nb_components != 3) return heif_chroma_undefined;
  if (format.log2_chroma_w == 1 && format.log2_chroma_h == 1) return heif_chroma_420;
  if (format.log2_chroma_w == 1 && format.log2_chroma_h == 0) return heif_chroma_422;
  if (format.log2_chroma_w == 0 && format.log2_chroma_h == 0) return heif_chroma_444;
  return heif_chroma_undefined;
}

bool CopyPlane(const AVFrame& frame, int plane, heif_channel channel, int width, int height, int depth,
               heif_image& image) {
  if (heif_image_add_plane(&image, channel, width, height, depth).code != heif_error_Ok) return false;
  int stride = 0;
  uint8_t* to = heif_image_get_plane(&image, channel, &stride);
  if (to == nullptr) return false;
  const size_t rowBytes = static_cast<size_t>(width) * (depth > 8 ? 2 : 1);
  for (int y = 0; y < height; ++y) {
    std::memcpy(to + static_cast<ptrdiff_t>(y) * stride,
                frame.data[plane] + static_cast<ptrdiff_t>(y) * frame.linesize[plane], rowBytes);
  }
  return true;
}

// The colour description the stream carries, which libheif needs to turn the samples into RGB.
void SetColourProfile(const AVFrame& frame, heif_image& image) {
  heif_color_profile_nclx* nclx = heif_nclx_color_profile_alloc();
  if (nclx == nullptr) return;
  heif_nclx_color_profile_set_color_primaries(nclx, static_cast<uint16_t>(frame.color_primaries));
  heif_nclx_color_profile_set_transfer_characteristics(nclx, static_cast<uint16_t>(frame.color_trc));
  heif_nclx_color_profile_set_matrix_coefficients(nclx, static_cast<uint16_t>(frame.colorspace));
  nclx->full_range_flag = frame.color_range == AVCOL_RANGE_JPEG ? 1 : 0;
  heif_image_set_nclx_color_profile(&image, nclx);
  heif_nclx_color_profile_free(nclx);
}

heif_error ToHeifImage(const AVFrame& frame, heif_image** out) {
  const AVPixFmtDescriptor* format = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(frame.format));
  const heif_chroma chroma = format != nullptr ? ChromaOf(*format) : heif_chroma_undefined;
  if (chroma == heif_chroma_undefined) return DecoderError("the picture's sample layout is not supported");
  const int depth = format->comp[0].depth;
  const heif_colorspace space = chroma == heif_chroma_monochrome ? heif_colorspace_monochrome : heif_colorspace_YCbCr;
  heif_image* created = nullptr;
  if (heif_image_create(frame.width, frame.height, space, chroma, &created).code != heif_error_Ok)
    return DecoderError("cannot make the decoded picture");
  Image image(created);
  bool copied = CopyPlane(frame, 0, heif_channel_Y, frame.width, frame.height, depth, *image);
  if (chroma != heif_chroma_monochrome) {
    const int width = (frame.width + (1 << format->log2_chroma_w) - 1) >> format->log2_chroma_w;
    const int height = (frame.height + (1 << format->log2_chroma_h) - 1) >> format->log2_chroma_h;
    copied = copied && CopyPlane(frame, 1, heif_channel_Cb, width, height, depth, *image) &&
             CopyPlane(frame, 2, heif_channel_Cr, width, height, depth, *image);
  }
  if (!copied) return DecoderError("cannot copy the decoded picture");
  SetColourProfile(frame, *image);
  *out = image.release();
  return Ok();
}

// The converter's matrix for the stream's; false for one it does not know, left to libheif.
bool MatrixOf(const AVFrame& frame, int& matrix) {
  switch (frame.colorspace) {
    case AVCOL_SPC_UNSPECIFIED:
    case AVCOL_SPC_BT470BG:
    case AVCOL_SPC_SMPTE170M:
      matrix = SWS_CS_ITU601;
      return true;
    case AVCOL_SPC_BT709:
      matrix = SWS_CS_ITU709;
      return true;
    case AVCOL_SPC_BT2020_NCL:
      matrix = SWS_CS_BT2020;
      return true;
    default:
      return false;
  }
}

// The frame's layout as the converter takes it, a full-range "yuvj" name given as its plain twin
// with fullRange set; none for deeper samples, grey or packed layouts, which are left to
// libheif's own conversion.
AVPixelFormat ConvertibleLayout(const AVFrame& frame, bool& fullRange) {
  const auto format = static_cast<AVPixelFormat>(frame.format);
  const AVPixelFormat twin = LimitedRangeTwin(format);
  const AVPixelFormat layout = twin != AV_PIX_FMT_NONE ? twin : format;
  fullRange = twin != AV_PIX_FMT_NONE || frame.color_range == AVCOL_RANGE_JPEG;
  const bool eightBitPlanar =
      layout == AV_PIX_FMT_YUV420P || layout == AV_PIX_FMT_YUV422P || layout == AV_PIX_FMT_YUV444P;
  return eightBitPlanar ? layout : AV_PIX_FMT_NONE;
}

struct ScalerFree {
  void operator()(SwsContext* scaler) const { sws_freeContext(scaler); }
};

// The picture as libheif's planar 8-bit RGB, converted straight into the image's planes; the
// chroma samples are repeated, as libheif does.
heif_error ToRgbImage(const AVFrame& frame, AVPixelFormat layout, int matrix, bool fullRange, heif_image** out) {
  heif_image* created = nullptr;
  if (heif_image_create(frame.width, frame.height, heif_colorspace_RGB, heif_chroma_444, &created).code !=
      heif_error_Ok)
    return DecoderError("cannot make the decoded picture");
  Image image(created);
  std::array<uint8_t*, 4> planes{};
  std::array<int, 4> strides{};
  // FFmpeg's planar RGB keeps green, blue, red.
  const heif_channel order[] = {heif_channel_G, heif_channel_B, heif_channel_R};
  for (int k = 0; k < 3; ++k) {
    if (heif_image_add_plane(image.get(), order[k], frame.width, frame.height, 8).code != heif_error_Ok)
      return DecoderError("cannot make the decoded picture");
    planes[k] = heif_image_get_plane(image.get(), order[k], &strides[k]);
  }
  // Exact rounding keeps the converter off its packed-RGB shortcut, which has no planar form.
  const std::unique_ptr<SwsContext, ScalerFree> scaler(
      sws_getContext(frame.width, frame.height, layout, frame.width, frame.height, AV_PIX_FMT_GBRP,
                     SWS_POINT | SWS_ACCURATE_RND, nullptr, nullptr, nullptr));
  if (!scaler) return DecoderError("cannot convert the decoded picture");
  const int* coefficients = sws_getCoefficients(matrix);
  sws_setColorspaceDetails(scaler.get(), coefficients, fullRange ? 1 : 0, coefficients, 1, 0, 1 << 16, 1 << 16);
  if (sws_scale(scaler.get(), frame.data, frame.linesize, 0, frame.height, planes.data(), strides.data()) !=
      frame.height)
    return DecoderError("cannot convert the decoded picture");
  SetColourProfile(frame, *image);
  *out = image.release();
  return Ok();
}

heif_error DecodeImage(void* decoder, heif_image** out) {
  *out = nullptr;
  GatedJobs jobs;  // outlives the codec that points to it; ends the tile's turn
  Codec codec = OpenCodec();
  Frame frame(av_frame_alloc());
  if (!codec || !frame) return DecoderError("cannot start the HEVC decoder");
  GateJobs(*codec, jobs);
  if (!DecodeStream(*codec, static_cast<Decoder*>(decoder)->stream, *frame))
    return DecoderError("cannot decode the HEVC picture");
  int matrix = 0;
  bool fullRange = false;
  const AVPixelFormat layout = ConvertibleLayout(*frame, fullRange);
  if (static_cast<Decoder*>(decoder)->output == HevcOutput::Rgb && layout != AV_PIX_FMT_NONE &&
      MatrixOf(*frame, matrix))
    return ToRgbImage(*frame, layout, matrix, fullRange, out);
  return ToHeifImage(*frame, out);
}

void SetStrictDecoding(void*, int) {}

constexpr heif_decoder_plugin PluginWith(heif_error (*newDecoder)(void**)) {
  return {
      .plugin_api_version = 3,
      .get_plugin_name = PluginName,
      .init_plugin = nullptr,
      .deinit_plugin = nullptr,
      .does_support_format = SupportsFormat,
      .new_decoder = newDecoder,
      .free_decoder = FreeDecoder,
      .push_data = PushData,
      .decode_image = DecodeImage,
      .set_strict_decoding = SetStrictDecoding,
      .id_name = "ffmpeg-hevc",
  };
}

// In the order of HevcOutput.
constexpr heif_decoder_plugin kPlugins[] = {PluginWith(NewDecoder<HevcOutput::Samples>),
                                            PluginWith(NewDecoder<HevcOutput::Rgb>)};

}  // namespace

const heif_decoder_plugin& HevcDecoderPlugin(HevcOutput output) { return kPlugins[static_cast<int>(output)]; }
