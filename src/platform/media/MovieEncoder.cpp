#include "platform/media/MovieEncoder.h"

#include <algorithm>
#include <string>

MovieEncoder::Options MovieEncoder::OpenOptions(int quality, const std::string& speed) const {
  Options options = fixedOptions;
  const bool inRange = quality >= minimumQuality && quality <= maximumQuality;
  options[qualityOption] = std::to_string(inRange ? quality : defaultQuality);
  const bool known = std::find(speeds.begin(), speeds.end(), speed) != speeds.end();
  options[speedOption] = known ? speed : defaultSpeed;
  // MP4, Matroska and WebM carry the codec's headers once, in the stream's private data.
  options["flags"] = "+global_header";
  return options;
}
