#include "platform/media/MovieEncoderList.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

#include "platform/media/MuxContainer.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

constexpr char16_t kH264[] = u"H.264";
constexpr char16_t kH265[] = u"H.265 (HEVC)";
constexpr char16_t kAv1[] = u"AV1";
constexpr char16_t kVp9[] = u"VP9";

const char* const kX26xPresets[] = {"ultrafast", "superfast", "veryfast", "faster", "fast",
                                    "medium",    "slow",      "slower",   "veryslow"};

std::vector<std::string> Numbers(int from, int to) {
  std::vector<std::string> numbers;
  for (int n = from; from <= to ? n <= to : n >= to; n += from <= to ? 1 : -1) numbers.push_back(std::to_string(n));
  return numbers;
}

// The software encoders of each plain name, best first. Constant quality needs the bit rate
// off; the x265 and AOM libraries would otherwise chatter on the console or run single-threaded.
std::vector<MovieEncoder> SoftwareCandidates() {
  const std::vector<std::string> x26x(std::begin(kX26xPresets), std::end(kX26xPresets));
  return {
      {kH264, "libx264", "", "crf", 0, 51, 20, "preset", x26x, "medium", {}},
      {kH265, "libx265", "", "crf", 0, 51, 24, "preset", x26x, "medium", {{"x265-params", "log-level=error"}}},
      {kAv1, "libsvtav1", "", "crf", 1, 63, 35, "preset", Numbers(12, 0), "8", {{"b", "0"}}},
      {kAv1, "libaom-av1", "", "crf", 0, 63, 32, "cpu-used", Numbers(8, 0), "6", {{"b", "0"}, {"row-mt", "1"}}},
      {kVp9, "libvpx-vp9", "", "crf", 0, 63, 31, "cpu-used", Numbers(8, 0), "4", {{"b", "0"}, {"row-mt", "1"}}},
  };
}

std::vector<MovieEncoder> NvencCandidates() {
  const std::vector<std::string> presets = {"p1", "p2", "p3", "p4", "p5", "p6", "p7"};
  const MovieEncoder::Options constantQuality{{"rc", "vbr"}, {"b", "0"}};
  return {
      {u"H.264 (NVENC)", "h264_nvenc", "H.264", "cq", 1, 51, 23, "preset", presets, "p4", constantQuality},
      {u"H.265 (HEVC) (NVENC)", "hevc_nvenc", "H.265 (HEVC)", "cq", 1, 51, 25, "preset", presets, "p4",
       constantQuality},
  };
}

// The speed of a VAAPI encoder is the driver's quality level, where a higher level is faster.
std::vector<MovieEncoder> VaapiCandidates() {
  const std::vector<std::string> levels = Numbers(7, 1);
  const MovieEncoder::Options constantQuality{{"rc_mode", "CQP"}};
  return {
      {u"H.264 (VAAPI)", "h264_vaapi", "H.264", "qp", 1, 51, 20, "compression_level", levels, "4", constantQuality},
      {u"H.265 (HEVC) (VAAPI)", "hevc_vaapi", "H.265 (HEVC)", "qp", 1, 51, 25, "compression_level", levels, "4",
       constantQuality},
  };
}

bool IsInstalled(const MovieEncoder& encoder) { return avcodec_find_encoder_by_name(encoder.ffmpegName.c_str()); }

// A device node is the cheap sign that a hardware encoder can work: NVIDIA's for NVENC, a render
// node for VAAPI. Whether it really opens is found when a movie starts, with the software encoder
// standing in.
bool HasDevice(const char* node) {
  std::error_code ignored;
  return std::filesystem::exists(node, ignored);
}

std::vector<MovieEncoder> HardwareCandidates() {
  std::vector<MovieEncoder> candidates;
  if (HasDevice("/dev/nvidiactl")) candidates = NvencCandidates();
  if (HasDevice("/dev/dri/renderD128")) {
    for (MovieEncoder& vaapi : VaapiCandidates()) candidates.push_back(std::move(vaapi));
  }
  return candidates;
}

AVCodecID CodecOf(const MovieEncoder& encoder) {
  const AVCodec* codec = avcodec_find_encoder_by_name(encoder.ffmpegName.c_str());
  return codec != nullptr ? codec->id : AV_CODEC_ID_NONE;
}

std::vector<std::u16string> NamesFor(MovieContainer container) {
  if (container == MovieContainer::WebM) return {kVp9, kAv1};
  return {kH264, kH265, kAv1, kVp9};
}

}  // namespace

MovieEncoderList MovieEncoderList::Installed(MovieContainer container) {
  MovieEncoderList list;
  if (container == MovieContainer::Avi) return list;
  const MuxContainer mux = MuxContainer::Of(container);
  const std::vector<MovieEncoder> software = SoftwareCandidates();
  for (const std::u16string& name : NamesFor(container)) {
    auto best = std::find_if(software.begin(), software.end(), [&](const MovieEncoder& encoder) {
      return encoder.name == name && IsInstalled(encoder) && mux.Accepts(CodecOf(encoder));
    });
    if (best != software.end()) list.entries_.push_back(*best);
  }
  for (const MovieEncoder& hardware : HardwareCandidates()) {
    if (IsInstalled(hardware) && mux.Accepts(CodecOf(hardware))) list.entries_.push_back(hardware);
  }
  return list;
}

const MovieEncoder* MovieEncoderList::Find(const std::u16string& name) const {
  auto found = std::find_if(entries_.begin(), entries_.end(), [&](const MovieEncoder& e) { return e.name == name; });
  return found == entries_.end() ? nullptr : &*found;
}

std::u16string MovieEncoderList::PlainNameOf(const std::u16string& name) {
  if (name == u"h264") return kH264;
  if (name == u"hevc") return kH265;
  if (name == u"av1") return kAv1;
  if (name == u"vp9") return kVp9;
  return name;
}
