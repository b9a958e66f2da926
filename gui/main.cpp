// The viewer: taravell-lite [FILE [IDENTIFIER]]
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "app/FileMask.h"
#include "app/Options.h"
#include "gui/app/MainForm.h"
#include "gui/app/PrintCommand.h"
#include "gui/app/QtHooks.h"
#include "gui/app/Splash.h"
#include "gui/app/ToolsCommands.h"

namespace {

// The usage text; the kinds of file come from the registry of readers.
std::string UsageText() {
  return "Usage: taravell-lite [FILE [IDENTIFIER]]\n"
         "A read-only viewer for genealogy files: " +
         WFileMask::FormatsText() +
         ".\n"
         "\n"
         "  FILE         the file to open (otherwise the last file viewed is reopened)\n"
         "  IDENTIFIER   the identifier of the person to show first, such as I12\n"
         "  --help       show this text and exit\n"
         "  --version    show the version and exit\n"
         "  --tab=NAME   show that tab (General, Individual, Family, Pedigree, Descendants)\n"
         "  --print-pdf=OUT.pdf  write the report of the tab shown as a PDF file and quit\n"
         "\n"
         "Other arguments beginning with \"-\" are ignored.\n";
}

}  // namespace

int main(int argc, char** argv) {
  QString screenshot, tab, print_pdf;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == "--help" || arg == "-h") {
      std::fputs(UsageText().c_str(), stdout);
      return 0;
    }
    if (arg == "--version") {
      std::puts("Taravell Lite 1.15");
      return 0;
    }
    if (arg.startsWith("--screenshot=")) screenshot = arg.mid(13);
    if (arg.startsWith("--tab=")) tab = arg.mid(6);
    if (arg.startsWith("--print-pdf=")) print_pdf = arg.mid(12);
  }
  // Writing a report and quitting is as unattended as a screenshot.
  const bool unattended = !screenshot.isEmpty() || !print_pdf.isEmpty();

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Taravell Lite"));
  QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
  InstallQtHooks();

  if (!unattended) (new TSplash)->show();
  Options().OpenSettingsFile();
  Options().LoadSettings();

  // The arguments as the process received them (QApplication has taken out its own): a file
  // name stays bytes in the file system's encoding all the way to open().
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  int status = 0;
  {
    TMainForm form;
    if (unattended) form.SetQuickHelpEnabled(false);
    // The file association and update checks ask questions: not while taking a screenshot.
    if (!unattended) form.ToolsCommands()->RunStartupChecks();
    form.show();
    form.StartWithArgs(args);
    if (!tab.isEmpty()) {
      for (int i = 0; i < form.Tabs()->count(); ++i)
        if (form.Tabs()->tabText(i).compare(tab, Qt::CaseInsensitive) == 0) form.Tabs()->setCurrentIndex(i);
    }
    if (!print_pdf.isEmpty()) {
      QString error;
      const bool saved = form.PrintCommand()->SaveTabAsPdf(print_pdf, form.Tabs()->currentIndex(), &error);
      std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "saved" : "cannot save",
                   (saved ? print_pdf : error).toLocal8Bit().constData());
      status = saved ? 0 : 1;
    } else if (!screenshot.isEmpty()) {
      // Without a window manager nothing maximizes the window: give it the screen.
      if (form.isMaximized())
        if (QScreen* screen = QGuiApplication::primaryScreen()) form.setGeometry(screen->availableGeometry());
      QTimer::singleShot(700, &form, [&form, screenshot] {
        const bool saved = form.grab().save(screenshot);
        std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "saved" : "cannot save",
                     screenshot.toLocal8Bit().constData());
        QApplication::exit(saved ? 0 : 1);
      });
    }
    if (print_pdf.isEmpty()) status = app.exec();
  }
  Options().SaveSettings();
  Options().CloseSettingsFile();
  return status;
}
