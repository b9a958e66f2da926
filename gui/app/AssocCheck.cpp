#include "gui/app/AssocCheck.h"

#include <QProcess>
#include <QStringList>

#include "app/Options.h"

namespace {
// xdg-mime is a small shell script; a stuck one must not hold up the start.
constexpr int kWaitMs = 5000;
}  // namespace

TAssocCheck::TAssocCheck(QString program) : program_(std::move(program)) {}

bool TAssocCheck::RunProgram(const QStringList& args, std::string* output) const {
  QProcess process;
  process.setProcessChannelMode(QProcess::SeparateChannels);
  process.start(program_, args, QIODevice::ReadOnly);
  if (!process.waitForStarted(kWaitMs)) return false;
  if (!process.waitForFinished(kWaitMs)) {
    process.kill();
    process.waitForFinished(1000);
    return false;
  }
  if (output) *output = process.readAllStandardOutput().toStdString();
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

std::optional<std::string> TAssocCheck::QueryDefault(const char* type) const {
  std::string output;
  if (!RunProgram({QStringLiteral("query"), QStringLiteral("default"), QString::fromUtf8(type)}, &output))
    return std::nullopt;
  return output;
}

bool TAssocCheck::SetDefault(const char* type) const {
  return RunProgram(
      {QStringLiteral("default"), QString::fromUtf8(WFileAssoc::kDesktopId), QString::fromUtf8(type)},
      nullptr);
}

void TAssocCheck::Run(const Question& ask) {
  if (!Options().GetBool(WOptions::GEDAssoc)) return;
  std::optional<std::string> current = QueryDefault(WFileAssoc::kGedcomType);
  switch (WFileAssoc::Decide(true, current ? &*current : nullptr)) {
    case WFileAssoc::Step::Nothing:
      return;
    case WFileAssoc::Step::Ask:
      if (!WFileAssoc::ApplyAnswer(ask(), Options())) return;
      SetDefault(WFileAssoc::kGedcomType);
      break;
    case WFileAssoc::Step::AlreadyOurs:
      break;
  }
  std::optional<std::string> paf = QueryDefault(WFileAssoc::kPafType);
  if (WFileAssoc::WantsPafAssociation(paf ? &*paf : nullptr))
    WFileAssoc::AddAssociation(WFileAssoc::UserMimeAppsPath(), WFileAssoc::kPafType, WFileAssoc::kDesktopId);
}
