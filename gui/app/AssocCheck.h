#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "app/FileAssoc.h"

// The start-up check of the GEDCOM file association.  It asks xdg-mime which program opens GEDCOM
// files and, when it is another one, asks the user; on Yes this program becomes the default and
// is added as a second viewer of PAF files.  Without xdg-mime it quietly does nothing.
class TAssocCheck {
 public:
  using Question = std::function<WFileAssoc::Answer()>;

  // program: the xdg-mime to run (tests give a stand-in).
  explicit TAssocCheck(QString program = QString::fromUtf8(WFileAssoc::kProgram));

  // Runs the whole check (when "GEDAssoc" is on); ask is called only when there is a question.
  void Run(const Question& ask);

  // The output of `xdg-mime query default type`, or nothing when xdg-mime cannot be run.
  std::optional<std::string> QueryDefault(const char* type) const;
  bool SetDefault(const char* type) const;

 private:
  bool RunProgram(const QStringList& args, std::string* output) const;
  QString program_;
};
