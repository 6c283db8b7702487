#include "platform/media/EncoderOptionTable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include "platform/sys/StringConvert.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/avutil.h>
#include <libavutil/dict.h>
#include <libavutil/mem.h>
#include <libavutil/opt.h>
}

namespace {

constexpr const char* kFixedQuantiser = "qscale";
constexpr int kWorstQuantiser = 31;
// The library's help texts for these are terse or missing.
constexpr const char* kFixedQuantiserLabel = "Fixed quantiser, 1 (best) to 31; 0 uses the bit rate";

const char* const kTriState[] = {"auto", "false", "true"};

// The options offered from the codec context's own table rather than the encoder's private one;
// B-frames only for codecs that reorder frames.
constexpr const char* kGenericOptions[] = {"b", "g", "bf"};
constexpr const char* kBFrames = "bf";

bool IsGenericOption(const std::string& name) {
  return std::find(std::begin(kGenericOptions), std::end(kGenericOptions), name) != std::end(kGenericOptions);
}

bool IsVideoEncodingOption(const AVOption* option) {
  const int wanted = AV_OPT_FLAG_ENCODING_PARAM | AV_OPT_FLAG_VIDEO_PARAM;
  return (option->flags & wanted) == wanted && (option->flags & AV_OPT_FLAG_DEPRECATED) == 0;
}

// The named values of an integer option's unit, in the table's order.
std::vector<std::pair<std::string, int64_t>> NamedValues(const AVClass* table, const char* unit) {
  std::vector<std::pair<std::string, int64_t>> named;
  if (unit == nullptr) return named;
  for (const AVOption* o = av_opt_next(&table, nullptr); o != nullptr; o = av_opt_next(&table, o)) {
    if (o->type == AV_OPT_TYPE_CONST && o->unit != nullptr && std::string(o->unit) == unit) {
      named.emplace_back(o->name, o->default_val.i64);
    }
  }
  return named;
}

bool ParseQuantiser(const std::string& text, int* value) {
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, *value);
  return error == std::errc() && stop == end && *value >= 0 && *value <= kWorstQuantiser;
}

bool IsMpegVideoFamily(const AVCodec* codec) {
  // Every encoder built on the MPEG-video core shares its option block.
  return codec->priv_class != nullptr && av_opt_find2(const_cast<AVClass**>(&codec->priv_class), "mpv_flags", nullptr,
                                                      0, AV_OPT_SEARCH_FAKE_OBJ, nullptr) != nullptr;
}

}  // namespace

EncoderOptionTable::EncoderOptionTable(const AVCodec* codec) : codec_(codec), scratch_(avcodec_alloc_context3(codec)) {
  if (scratch_ == nullptr) return;
  AddGenericOptions();
  AddOwnOptions();
}

EncoderOptionTable::~EncoderOptionTable() { avcodec_free_context(&scratch_); }

void EncoderOptionTable::AddGenericOptions() {
  const AVCodecDescriptor* descriptor = avcodec_descriptor_get(codec_->id);
  const bool reorders = descriptor != nullptr && (descriptor->props & AV_CODEC_PROP_REORDER) != 0;
  const AVClass* table = avcodec_get_class();
  for (const char* name : kGenericOptions) {
    if (!reorders && std::string(name) == kBFrames) continue;
    const AVOption* option = av_opt_find2(&table, name, nullptr, 0, AV_OPT_SEARCH_FAKE_OBJ, nullptr);
    EncoderOption described;
    if (option != nullptr && Describe(option, table, &described)) options_.push_back(described);
  }
  if (!IsMpegVideoFamily(codec_)) return;
  EncoderOption quantiser{
      kFixedQuantiser, FromUtf8(kFixedQuantiserLabel), EncoderOption::Kind::Integer, 0, kWorstQuantiser, {}, "0", "0"};
  options_.push_back(quantiser);
}

void EncoderOptionTable::AddOwnOptions() {
  const AVClass* table = codec_->priv_class;
  if (table == nullptr || scratch_->priv_data == nullptr) return;
  for (const AVOption* o = av_opt_next(&table, nullptr); o != nullptr; o = av_opt_next(&table, o)) {
    EncoderOption described;
    if (IsVideoEncodingOption(o) && Find(o->name) == nullptr && Describe(o, table, &described)) {
      options_.push_back(described);
    }
  }
}

bool EncoderOptionTable::Describe(const AVOption* option, const AVClass* table, EncoderOption* described) const {
  described->name = option->name;
  described->label = FromUtf8(option->help != nullptr && *option->help != '\0' ? option->help : option->name);
  described->minimum = option->min;
  described->maximum = option->max;
  switch (option->type) {
    case AV_OPT_TYPE_INT:
    case AV_OPT_TYPE_INT64:
    case AV_OPT_TYPE_UINT64:
      described->kind = EncoderOption::Kind::Integer;
      for (auto& [name, value] : NamedValues(table, option->unit)) described->choices.push_back(name);
      if (!described->choices.empty()) described->kind = EncoderOption::Kind::Choice;
      break;
    case AV_OPT_TYPE_FLOAT:
    case AV_OPT_TYPE_DOUBLE:
      described->kind = EncoderOption::Kind::Real;
      break;
    case AV_OPT_TYPE_BOOL:
      described->kind = option->min < 0 ? EncoderOption::Kind::Choice : EncoderOption::Kind::Boolean;
      if (option->min < 0) described->choices.assign(std::begin(kTriState), std::end(kTriState));
      break;
    case AV_OPT_TYPE_STRING:
      described->kind = EncoderOption::Kind::Text;
      break;
    default:
      return false;
  }
  described->defaultValue = described->value = ValueText(*described);
  // A default with no name of its own ("-1": the library decides) is a choice too.
  auto& choices = described->choices;
  if (described->kind == EncoderOption::Kind::Choice &&
      std::find(choices.begin(), choices.end(), described->value) == choices.end()) {
    choices.insert(choices.begin(), described->value);
  }
  return true;
}

void* EncoderOptionTable::ObjectOf(const std::string& name) const {
  return IsGenericOption(name) ? static_cast<void*>(scratch_) : scratch_->priv_data;
}

std::string EncoderOptionTable::ValueText(const EncoderOption& option) const {
  void* object = ObjectOf(option.name);
  const AVOption* found = av_opt_find(object, option.name.c_str(), nullptr, 0, 0);
  if (found == nullptr) return option.value;
  int64_t number = 0;
  if (found->type == AV_OPT_TYPE_BOOL && av_opt_get_int(object, option.name.c_str(), 0, &number) >= 0) {
    if (option.kind == EncoderOption::Kind::Boolean) return number != 0 ? "1" : "0";
    return kTriState[std::clamp<int64_t>(number, -1, 1) + 1];
  }
  if (option.kind == EncoderOption::Kind::Choice && av_opt_get_int(object, option.name.c_str(), 0, &number) >= 0) {
    const AVClass* table = *static_cast<const AVClass**>(object);
    for (auto& [name, value] : NamedValues(table, found->unit)) {
      if (value == number) return name;
    }
    return std::to_string(number);
  }
  uint8_t* text = nullptr;
  if (av_opt_get(object, option.name.c_str(), 0, &text) < 0) return option.value;
  std::string read = text != nullptr ? reinterpret_cast<const char*>(text) : "";
  av_free(text);
  return read;
}

const EncoderOption* EncoderOptionTable::Find(const std::string& name) const {
  auto found = std::find_if(options_.begin(), options_.end(), [&](const EncoderOption& o) { return o.name == name; });
  return found == options_.end() ? nullptr : &*found;
}

std::vector<EncoderOption> EncoderOptionTable::OptionsWith(const Values& values) const {
  std::vector<EncoderOption> options = options_;
  for (EncoderOption& option : options) {
    auto chosen = values.find(option.name);
    if (chosen != values.end()) option.value = chosen->second;
  }
  return options;
}

bool EncoderOptionTable::Normalize(const std::string& name, const std::string& value, std::string* canonical) const {
  const EncoderOption* option = Find(name);
  if (option == nullptr || canonical == nullptr) return false;
  if (name == kFixedQuantiser) {
    int quantiser = 0;
    if (!ParseQuantiser(value, &quantiser)) return false;
    *canonical = std::to_string(quantiser);
    return true;
  }
  const auto& choices = option->choices;
  if (option->kind == EncoderOption::Kind::Choice &&
      std::find(choices.begin(), choices.end(), value) == choices.end()) {
    return false;
  }
  void* object = ObjectOf(name);
  if (av_opt_set(object, name.c_str(), value.c_str(), 0) < 0) return false;
  double number = 0;
  if (option->kind == EncoderOption::Kind::Real &&
      (av_opt_get_double(object, name.c_str(), 0, &number) < 0 || !std::isfinite(number))) {
    return false;
  }
  *canonical = ValueText(*option);
  return true;
}

AVDictionary* EncoderOptionTable::OpenOptions(const Values& values) {
  AVDictionary* options = nullptr;
  for (const auto& [name, value] : values) {
    int quantiser = 0;
    if (name != kFixedQuantiser) {
      av_dict_set(&options, name.c_str(), value.c_str(), 0);
    } else if (ParseQuantiser(value, &quantiser) && quantiser > 0) {
      av_dict_set(&options, "flags", "+qscale", 0);
      av_dict_set_int(&options, "global_quality", int64_t{quantiser} * FF_QP2LAMBDA, 0);
    }
  }
  return options;
}
