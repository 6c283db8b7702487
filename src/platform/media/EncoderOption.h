#pragma once

#include <string>
#include <vector>

// One setting of a video compressor as its settings dialog shows it: the encoder's own option
// (bit rate, quality, key-frame interval, preset, ...), its range or choices, and the value it
// has now. Values travel as text in the encoder library's own syntax ("800000", "0.5", "1",
// "fast"), so the dialog never needs to know the option's C type.
struct EncoderOption {
  enum class Kind { Integer, Real, Boolean, Choice, Text };

  std::string name;         // the library's option name, e.g. "b", "g", "preset"
  std::u16string label;     // what the dialog shows beside the field: the option's help text
  Kind kind = Kind::Text;
  double minimum = 0;       // Integer and Real: the accepted range
  double maximum = 0;
  std::vector<std::string> choices;  // Choice: the named values, in the library's order
  std::string defaultValue;
  std::string value;        // the value the next movie would be encoded with

  bool operator==(const EncoderOption&) const = default;
};
