#include "cli/CommandLineExport.h"

#include <climits>

#include "app/AppServices.h"
#include "app/BookTextures.h"
#include "app/ExportDriver.h"
#include "app/PhotoBookApp.h"
#include "cli/ExportOptions.h"
#include "cli/HeadlessFramework.h"
#include "cli/HeadlessGui.h"
#include "cli/StopSignals.h"
#include "export/ExportReport.h"
#include "export/ExportRequest.h"
#include "export/MovieFormat.h"
#include "photos/FilePaths.h"
#include "platform/gfx/GLDevice.h"
#include "platform/gfx/HeadlessContext.h"
#include "platform/gfx/HeadlessWindow.h"
#include "platform/media/MovieContainer.h"
#include "platform/media/MovieEncoderList.h"
#include "platform/media/VideoCompressorList.h"
#include "platform/sys/Clock.h"
#include "platform/sys/StringConvert.h"
#include "settings/Settings.h"

namespace {

// The whole movie fits: the command line has no screen to halve the size for.
PixelSize UnlimitedScreen() { return {INT_MAX / 2, INT_MAX / 2}; }

bool CompressorInstalled(const std::u16string& name) { return VideoCompressorList::Installed().Find(name) != nullptr; }

// The folder a relative movie path lies in is the current one.
bool FolderOfFileExists(const std::u16string& path) {
  const size_t slash = path.rfind(u'/');
  return slash == std::u16string::npos || FolderExists(slash == 0 ? u"/" : path.substr(0, slash));
}

}  // namespace

CommandLineExport::CommandLineExport(std::ostream& out, std::ostream& err, bool errIsTerminal)
    : out_(out), err_(err), messages_(out, err), errIsTerminal_(errIsTerminal), progress_(errIsTerminal, 0) {}

int CommandLineExport::Run(const std::vector<std::string>& arguments) {
  const ParsedExportOptions parsed = ParseExportOptions(arguments);
  if (!parsed.ok) return BadCommandLine(parsed.error);
  if (parsed.options.help) {
    out_ << ExportOptionsHelp();
    return kSucceeded;
  }
  if (parsed.options.listEncoders) return ListEncoders();
  return Export(parsed.options);
}

int CommandLineExport::ListEncoders() {
  out_ << "AVI (.avi), --encoder none for full frames or one of:\n";
  const VideoCompressorList installed = VideoCompressorList::Installed();
  for (const VideoCompressor& compressor : installed.entries()) out_ << "  " << ToUtf8(compressor.friendlyName) << '\n';
  for (MovieContainer container : {MovieContainer::Mp4, MovieContainer::Matroska, MovieContainer::WebM}) {
    out_ << '\n' << ToUtf8(ContainerName(container)) << " (." << ToUtf8(ContainerExtension(container)) << "):\n";
    const MovieEncoderList encoders = MovieEncoderList::Installed(container);
    for (const MovieEncoder& encoder : encoders.entries()) ListMovieEncoder(encoder);
  }
  return kSucceeded;
}

void CommandLineExport::ListMovieEncoder(const MovieEncoder& encoder) {
  std::string speeds;
  for (const std::string& speed : encoder.speeds) speeds += (speeds.empty() ? "" : " ") + speed;
  out_ << "  " << ToUtf8(encoder.name) << " (" << encoder.ffmpegName << "): --quality " << encoder.minimumQuality
       << " to " << encoder.maximumQuality << " (default " << encoder.defaultQuality << "), --speed " << speeds
       << " (default " << encoder.defaultSpeed << ")\n";
}

int CommandLineExport::Export(const ExportOptions& options) {
  const std::u16string settingsFile = options.settingsFile.value_or(Settings::UserSettingsFile());
  if (options.settingsFile && !FileExists(settingsFile))
    return BadCommandLine("no settings file \"" + ToUtf8(settingsFile) + "\"");
  if (!FolderExists(options.folder)) return BadCommandLine("no photo folder \"" + ToUtf8(options.folder) + "\"");
  if (options.output.empty() || !FolderOfFileExists(options.output))
    return BadCommandLine("the folder of the movie \"" + ToUtf8(options.output) + "\" does not exist");

  HeadlessFramework framework({0, 0});
  HeadlessGui gui;
  AppServices services{framework, gui, messages_, gui, gui, gui, gui, gui, gui, nullptr,
                       SettingsEnvironment{ExecutableFolder(), 0, 0, u""}, SystemMilliseconds,
                       [&framework] {
                         const PixelSize client = framework.ClientSize();
                         return ClientSizeState{static_cast<uint32_t>(client.width),
                                                static_cast<uint32_t>(client.height), false, 0, 0};
                       },
                       u"", settingsFile};
  PhotoBookApp app(services);
  if (!app.Init()) return kFailed;
  if (!decodeOnWorkers_) app.textures().window().SetLoader(nullptr);
  const std::string refused = Configure(app, options);
  if (!refused.empty()) return BadCommandLine(refused);
  framework.ResizeClientArea(app.settings().ExportWidth, app.settings().ExportHeight);
  return Render(app, options);
}

std::string CommandLineExport::Configure(PhotoBookApp& app, const ExportOptions& options) {
  Settings& settings = app.settings();
  std::string error;
  if (!options.ApplyTo(settings, error)) return error;
  const ExportRequest request = ExportRequest::FromSettings(settings);
  if (!request.InRange()) return "the movie's size, rate or pixel aspect from the settings is out of range";
  if (request.ScreenGrab()) return "screen grabs need the desktop program's window; give --antialiasing 1 to 4";
  if (options.loopSoundtrack && request.soundtrack.empty()) return "--loop-soundtrack needs a soundtrack (--soundtrack FILE)";
  if (const std::u16string problem = SoundtrackProblem(request.soundtrack); !problem.empty()) return ToUtf8(problem);
  MovieFormat format;
  format.container = ContainerOfPath(options.output);
  if (format.IsAvi() && !request.encoderName.empty() && !CompressorInstalled(request.encoderName))
    return "no compressor is called \"" + ToUtf8(request.encoderName) + "\" (see --list-encoders)";
  return ToUtf8(format.SizeProblem(request.width, request.height));
}

int CommandLineExport::Render(PhotoBookApp& app, const ExportOptions& options) {
  HeadlessContext context;
  if (!context.Create()) {
    messages_.ShowError("no OpenGL device: " + context.error());
    return kFailed;
  }
  GLDevice device;
  HeadlessWindow window;
  const PixelSize client = app.services().framework.ClientSize();
  if (!device.Create() || !window.Create(device, client) || !window.BeginFrame()) {
    messages_.ShowError("the OpenGL device could not be prepared");
    return kFailed;
  }
  app.OnDeviceCreated(device, client);
  app.OnDeviceReset(device, client);
  app.OpenFolder(options.folder + u"/");
  StopSignals signals;
  ExportDriver driver(app, messages_, UnlimitedScreen);
  driver.SetObserver(this);
  if (exporterMaker_) driver.SetExporterMaker(exporterMaker_);
  if (drawEveryFrame_) driver.DrawEveryFrame();
  // Rates and time left count from here, not from loading the settings and the device.
  progress_ = ExportProgress(errIsTerminal_, SystemMilliseconds());
  app.BeginExport(driver.StartExport(options.output));
  if (app.mode() != AppMode::Exporting) return kFailed;
  const int code = Loop(app, device, window, signals);
  app.OnDeviceLost();
  app.OnDeviceDestroyed();
  return code;
}

int CommandLineExport::Loop(PhotoBookApp& app, GLDevice& device, HeadlessWindow& window, const StopSignals& signals) {
  while (app.mode() == AppMode::Exporting) {
    if (signals.Received() != 0) {
      app.EndExport();
      break;
    }
    window.BeginFrame();
    app.OnFrameMove(0, 0);
    if (app.mode() == AppMode::Exporting) app.OnFrameRender(device, 0, 0);
  }
  if (signals.Received() != 0) return signals.ExitCode();
  return framesStored_ > 0 && framesStored_ >= framesPlanned_ && !failed_ ? kSucceeded : kFailed;
}

int CommandLineExport::BadCommandLine(const std::string& why) {
  messages_.ShowError(why);
  return kBadCommandLine;
}

void CommandLineExport::FrameOffered(int32_t index, int32_t frameCount) {
  framesPlanned_ = frameCount;
  err_ << progress_.Update(index, frameCount, SystemMilliseconds()) << std::flush;
}

void CommandLineExport::Ended(const ExportReportFacts& facts) {
  err_ << progress_.Finish() << std::flush;
  framesStored_ = facts.framesStored;
  failed_ = facts.failed;
}
