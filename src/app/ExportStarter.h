#pragma once

#include <memory>
#include <string>

#include "app/ExportSession.h"

// Starts a movie export once the user has confirmed its settings and path. Implemented by the
// export driver. User-interface thread only.
class ExportStarter {
 public:
  virtual ~ExportStarter() = default;
  // The running session, or nullptr when the export could not start (the starter has told the
  // user why).
  virtual std::unique_ptr<ExportSession> StartExport(const std::u16string& moviePath) = 0;
};
