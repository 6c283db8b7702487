#pragma once

#include "book/LightRecord.h"
#include "platform/gfx/PointLight.h"

// Light 0 of the device as the scene's light record describes it, switched on.
PointLight DevicePointLight(const LightRecord& record);
