// The command that carries a file of any kind out as GEDCOM: export.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/MakerLinks.h"
#include "app/ReaderChoice.h"
#include "base/TextUtils.h"
#include "base/UIHooks.h"
#include "cli/Commands.h"
#include "cli/FileOpen.h"
#include "export/GedcomExport.h"

namespace {

// The records written so far on one terminal line while the file is written.
class ExportProgress {
 public:
  explicit ExportProgress(WGedcomExport& exporter) : exporter_(exporter), active_(::isatty(2) != 0) {
    if (active_) SetYieldHook([this] { Show(); });
  }
  ~ExportProgress() {
    if (!active_) return;
    SetYieldHook(nullptr);
    if (shown_) std::fprintf(stderr, "\r\033[K");
  }

 private:
  void Show() {
    auto now = std::chrono::steady_clock::now();
    if (shown_ && now - last_ < std::chrono::milliseconds(100)) return;
    last_ = now;
    shown_ = true;
    const WGedcomExport::Counts& c = exporter_.GetCounts();
    std::fprintf(stderr, "\rExporting... I: %s  F: %s  S: %s\033[K",
                 AnsiToUtf8(FormatCount(c.individuals)).c_str(), AnsiToUtf8(FormatCount(c.families)).c_str(),
                 AnsiToUtf8(FormatCount(c.sources)).c_str());
    std::fflush(stderr);
  }

  WGedcomExport& exporter_;
  bool active_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point last_{};
};

}  // namespace

// Writes FILE, of any kind the viewer reads, as the GEDCOM 5.5.1 file OUT.
int CmdExport(const CliArgs& args) {
  if (args.positional().size() != 2) return UsageError("export: expects FILE and OUT.ged");
  const std::string& in = args.positional()[0];
  const std::string& out = args.positional()[1];
  if (const std::string refusal = ExportTargetRefusal(out); !refusal.empty()) {
    std::fprintf(stderr, "taravell-cli: export: %s\n", refusal.c_str());
    return kExitFailure;
  }
  OpenedFile opened = OpenFileForCommand(in);
  if (!opened.collection) return opened.status;
  WGedcomExport exporter(*opened.collection);
  if (exporter.WritesOverSource(out)) {
    std::fprintf(stderr, "taravell-cli: export: will not write over the file it reads: %s\n", out.c_str());
    return kExitFailure;
  }
  exporter.SetProgramVersion(WMakerLinks::VersionNumber());
  std::string error;
  WGedcomExport::Result result;
  {
    ExportProgress progress(exporter);
    result = exporter.WriteFile(out, error);
  }
  if (result == WGedcomExport::Result::Cancelled) return kExitCancelled;
  // The temporary file is gone; main says which file changed.
  if (result == WGedcomExport::Result::Changed) return kExitFailure;
  if (result == WGedcomExport::Result::Failed) {
    std::fprintf(stderr, "taravell-cli: export: %s\n", error.c_str());
    return kExitFailure;
  }
  const WGedcomExport::Counts& c = exporter.GetCounts();
  std::printf("%d individuals, %d families, %d sources, %d repositories written to %s\n", c.individuals,
              c.families, c.sources, c.repositories, out.c_str());
  return kExitOk;
}
