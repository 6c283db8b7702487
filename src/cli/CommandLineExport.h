#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "app/ExportDriver.h"
#include "app/ExportObserver.h"
#include "cli/ConsoleMessages.h"
#include "cli/ExportProgress.h"

struct ExportOptions;
struct MovieEncoder;
class GLDevice;
class HeadlessWindow;
class PhotoBookApp;
class StopSignals;

// The command-line movie export: reads the options and the settings file, renders the book on a
// headless OpenGL device with the desktop program's own application object and export driver,
// shows progress and prints the report. Exit codes: 0 when frames were stored, 1 when the export
// failed, 2 for a bad command line (nothing written then), 128 + n after signal n.
// User-interface thread only; one run per object.
class CommandLineExport : private ExportObserver {
 public:
  static constexpr int kSucceeded = 0;
  static constexpr int kFailed = 1;
  static constexpr int kBadCommandLine = 2;

  // progress goes to err; errIsTerminal: rewrite one progress line in place.
  CommandLineExport(std::ostream& out, std::ostream& err, bool errIsTerminal);

  int Run(const std::vector<std::string>& arguments);
  // Another exporter than the AVI one (the benchmark's, which only captures); before Run.
  void SetExporterMaker(ExportDriver::ExporterMaker maker) { exporterMaker_ = std::move(maker); }
  // Photos decoded on this thread rather than on worker threads, which must give the same movie;
  // before Run.
  void DecodeOnThisThread() { decodeOnWorkers_ = false; }
  // Every frame drawn and read whole, even one that repeats the last (ExportDriver); before Run.
  void DrawEveryFrame() { drawEveryFrame_ = true; }

 private:
  int ListEncoders();
  void ListMovieEncoder(const MovieEncoder& encoder);
  int Export(const ExportOptions& options);
  // The settings file's values with the options over them, checked; empty when fine.
  std::string Configure(PhotoBookApp& app, const ExportOptions& options);
  int Render(PhotoBookApp& app, const ExportOptions& options);
  int Loop(PhotoBookApp& app, GLDevice& device, HeadlessWindow& window, const StopSignals& signals);
  int BadCommandLine(const std::string& why);

  void FrameOffered(int32_t index, int32_t frameCount) override;
  void Ended(const ExportReportFacts& facts) override;

  std::ostream& out_;
  std::ostream& err_;
  ConsoleMessages messages_;
  bool errIsTerminal_;
  ExportProgress progress_;
  int32_t framesStored_ = 0;
  bool failed_ = false;  // the export showed a failure
  // The tour's length as the export announced it; a movie that stored fewer frames without being
  // stopped by a signal ended on an error (a full disk, say) and does not count as a success.
  int32_t framesPlanned_ = 0;
  ExportDriver::ExporterMaker exporterMaker_;
  bool decodeOnWorkers_ = true;
  bool drawEveryFrame_ = false;
};
