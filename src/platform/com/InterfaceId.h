#pragma once

#include "platform/com/Guid.h"

// Names one interface for QueryInterface. Each interface class declares its id as a static
// member kIid, so templates (ComPtr::As, ComObject) find it from the type.
using InterfaceId = Guid;
