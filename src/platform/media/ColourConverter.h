#pragma once

#include <cstdint>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/media/InputPin.h"
#include "platform/media/MediaFilter.h"
#include "platform/media/OutputPin.h"
#include "platform/media/PixelConverter.h"
#include "platform/media/RawVideoFormat.h"

// The colour converter (CLSID_Colour) the graph puts between the program's source and a
// compressor that does not take the source's RGB24: its input takes uncompressed video
// (RawVideoFormat), its output offers the same frames in every format libswscale makes, in the
// order of PixelConverter::TargetsFor, for the compressor to pick the one its encoder takes.
// One frame in, one converted frame out, with the same times. Graph's thread for everything but
// the pins' streaming calls.
class ColourConverter final : public ComObject<MediaFilter> {
 public:
  ColourConverter();
  ~ColourConverter() override = default;

  HRESULT GetClassID(Guid* classId) override;

  HRESULT CheckMediaType(const FilterPin& pin, const AM_MEDIA_TYPE& type) override;
  void GetMediaTypes(const FilterPin& pin, std::vector<MediaType>* types) override;
  HRESULT CompleteConnect(FilterPin& pin) override;
  HRESULT DecideBufferSize(const OutputPin& pin, ALLOCATOR_PROPERTIES* properties) override;
  HRESULT Receive(InputPin& pin, IMediaSample* sample) override;

 private:
  HRESULT CheckOutputType(const AM_MEDIA_TYPE& type) const;
  // Converts one frame, or copies the last conversion when the frame equals the last one.
  void Convert(const uint8_t* from, uint8_t* to);

  InputPin input_;
  OutputPin output_;
  RawVideoFormat from_;  // the input's format while it is connected
  RawVideoFormat to_;    // the output's format while it is connected
  PixelConverter converter_;
  // The last frame converted and its conversion: a movie that holds still sends the same frame
  // many times, and comparing it costs far less than converting it again.
  std::vector<uint8_t> lastFrom_;
  std::vector<uint8_t> lastTo_;
};
