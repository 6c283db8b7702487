#include "platform/media/VideoCompressorList.h"

#include <algorithm>
#include <set>

#include "platform/media/AviContainer.h"
#include "platform/sys/StringConvert.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

// A codec whose AVI code names another codec first (Lossless JPEG's is Motion JPEG's, H.263+'s
// is H.263's) would be read back as that other codec, so it is not offered.
bool AviNamesUniquely(AVCodecID codec) { return CodecOfAviFourcc(AviFourccOf(codec)) == codec; }

// Video codecs AVI can hold, each once, uncompressed frames left out.
std::set<AVCodecID> StorableVideoCodecs() {
  std::set<AVCodecID> codecs;
  void* position = nullptr;
  while (const AVCodec* codec = av_codec_iterate(&position)) {
    if (codec->type == AVMEDIA_TYPE_VIDEO && codec->id != AV_CODEC_ID_RAWVIDEO && av_codec_is_encoder(codec) &&
        AviAcceptsCodec(codec->id) && AviNamesUniquely(codec->id)) {
      codecs.insert(codec->id);
    }
  }
  return codecs;
}

VideoCompressor Describe(const AVCodec* encoder) {
  const char* longName = encoder->long_name ? encoder->long_name : encoder->name;
  return {FromUtf8(longName), encoder->name};
}

bool ComesBefore(const VideoCompressor& a, const VideoCompressor& b) {
  if (a.friendlyName != b.friendlyName) return a.friendlyName < b.friendlyName;
  return a.ffmpegName < b.ffmpegName;
}

}  // namespace

VideoCompressorList VideoCompressorList::Installed() {
  VideoCompressorList list;
  for (AVCodecID codec : StorableVideoCodecs()) {
    if (const AVCodec* encoder = avcodec_find_encoder(codec)) list.entries_.push_back(Describe(encoder));
  }
  std::sort(list.entries_.begin(), list.entries_.end(), ComesBefore);
  if (list.entries_.size() > kMaxEntries) list.entries_.resize(kMaxEntries);
  return list;
}

const VideoCompressor* VideoCompressorList::Find(const std::u16string& friendlyName) const {
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [&](const VideoCompressor& entry) { return entry.friendlyName == friendlyName; });
  return found == entries_.end() ? nullptr : &*found;
}
