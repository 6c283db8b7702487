#include "framework/DeviceSelection.h"

#include <optional>

#include "framework/ComboRank.h"
#include "framework/FinalSettings.h"
#include "framework/KeepChoices.h"
#include "framework/OptimalSettings.h"

namespace {

struct Best {
  std::optional<DeviceSettings> settings;
  int rank = 0;
};

void Weigh(const ComboCandidate& candidate, const DeviceSettings& optimal, const MatchOptions& options, Best& best) {
  if (!MeetsKeepChoices(candidate, optimal, options)) return;
  const int rank = ComboRank(candidate, optimal);
  if (best.settings && rank <= best.rank) return;
  best.settings = FinalSettings(candidate, optimal, options);
  best.rank = rank;
}

}  // namespace

SettingsSelection FindValidDeviceSettings(const DeviceEnumeration& enumeration, const SettingsRequest& request) {
  const DeviceSettings optimal = OptimalSettings(request.wanted, request.options, enumeration);
  Best best;
  for (const EnumeratedAdapter& adapter : enumeration.adapters) {
    for (const EnumeratedDevice& device : adapter.devices) {
      for (const DeviceCombo& combo : device.combos) Weigh({adapter, device, combo}, optimal, request.options, best);
    }
  }
  if (!best.settings) return {FrameworkStatus::NoCompatibleDevices, {}};
  return {FrameworkStatus::Ok, *best.settings};
}
