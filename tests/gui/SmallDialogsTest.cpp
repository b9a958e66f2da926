// Quick help, the link label and the Help menu's dialogs, answered through the test hooks.

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include "app/Options.h"
#include "app/QuickHelp.h"
#include "gui/app/AboutBox.h"
#include "gui/app/AnsiText.h"
#include "gui/app/DialogHooks.h"
#include "gui/app/HelpMenu.h"
#include "gui/app/InitHelpDialog.h"
#include "gui/app/SuggestDlg.h"
#include "gui/app/URLLabel.h"

class SmallDialogsTest : public QObject {
  Q_OBJECT
 private:
  QStringList shown_;  // window title + ": " + item title of each dialog shown
  bool tick_stop_ = false;
  QList<QUrl> opened_;

 private slots:
  void init() {
    Options().ResetToDefaults();
    shown_.clear();
    opened_.clear();
    tick_stop_ = false;
    SetModalHook([this](QDialog& dialog) {
      QString entry = dialog.windowTitle();
      if (auto* help = qobject_cast<TInitHelpDialog*>(&dialog)) {
        entry += QStringLiteral(": ") + help->Title();
        if (tick_stop_) help->StopBox()->setChecked(true);
      }
      shown_ << entry;
      return int(QDialog::Accepted);
    });
    SetUrlHook([this](const QUrl& url) { opened_ << url; });
  }
  void cleanup() {
    SetModalHook(nullptr);
    SetUrlHook(nullptr);
    Options().ResetToDefaults();
  }

  // Switching between the tabs shows each tab's help once; other pages show none.
  void quickHelpOncePerTab() {
    for (int round = 0; round < 2; ++round)
      for (int tab : {0, 1, 2, 3, 4, 5, 1}) TInitHelpDialog::ShowQuickHelpForTab(tab, nullptr);
    QCOMPARE(shown_, QStringList({"Quick Help: General Tab", "Quick Help: Individual Tab",
                                  "Quick Help: Family Tab", "Quick Help: Pedigree Tab",
                                  "Quick Help: Descendants Tab"}));
  }

  // The stop box silences every later item until the Help menu's reset.
  void stopBoxThenReset() {
    tick_stop_ = true;
    QVERIFY(TInitHelpDialog::ShowQuickHelp(WQuickHelp::kWelcome, nullptr));
    tick_stop_ = false;
    QVERIFY(!TInitHelpDialog::ShowQuickHelpForTab(1, nullptr));
    QVERIFY(!Options().GetBool(WOptions::DispInitHelp));
    ResetQuickHelp();
    QVERIFY(TInitHelpDialog::ShowQuickHelpForTab(1, nullptr));
    QVERIFY(TInitHelpDialog::ShowQuickHelp(WQuickHelp::kWelcome, nullptr));
    QCOMPARE(shown_.size(), 3);
  }

  // The dialog's texts; the links area exists only when entries are passed.
  void dialogTexts() {
    TInitHelpDialog plain(QStringLiteral("Family Tab"), QStringLiteral("Some\ntext"));
    QCOMPARE(plain.windowTitle(), QStringLiteral("Quick Help"));
    QCOMPARE(plain.Notice(),
             QStringLiteral("This help dialog box for \"Family Tab\" is only displayed once."));
    QCOMPARE(plain.Text(), QStringLiteral("Some\ntext"));
    QCOMPARE(plain.LinkCount(), 0);
    QCOMPARE(plain.StopBox()->text(), QStringLiteral("Stop displaying these help dialog boxes"));
    TInitHelpDialog linked(QStringLiteral("T"), QString(), QStringLiteral("Intro|10;Tabs|20;broken"));
    QCOMPARE(linked.LinkCount(), 2);
  }

  // A link opens on a release inside it, not when the mouse is dragged off first; without
  // an address it opens its caption.
  void linkLabelOpensOnReleaseInside() {
    TURLLabel link(QStringLiteral("https://example.org/caption"));
    link.resize(200, 20);
    link.show();
    QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(opened_.size(), 1);
    QCOMPARE(opened_[0].toString(), QStringLiteral("https://example.org/caption"));

    link.SetURL(QStringLiteral("mailto:a@b.example?subject=Hi%20there"));
    QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(link.CurrentColor(), TURLLabel::PressedColor());
    QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(500, 5));  // outside
    QCOMPARE(opened_.size(), 1);
    QCOMPARE(link.CurrentColor(), TURLLabel::NormalColor());
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(opened_.size(), 2);
    QCOMPARE(opened_[1].scheme(), QStringLiteral("mailto"));
    QCOMPARE(opened_[1].query(QUrl::FullyDecoded), QStringLiteral("subject=Hi there"));
  }

  // The Help menu's dialogs and the mail to a friend.
  void helpMenuCommands() {
    ShowAboutBox(nullptr);
    ShowSuggestionDialog(nullptr);
    QCOMPARE(shown_, QStringList({"About", "Have a Suggestion?"}));
    TAboutBox about;
    QCOMPARE(about.VersionText(), QStringLiteral("Version: 1.15.555"));
    TSuggestDlg suggest;
    QVERIFY(suggest.SuggestionLink()->Target().contains(QStringLiteral("subject=Suggestion")));
    EmailAFriend();
    QCOMPARE(opened_.size(), 1);
    QCOMPARE(opened_[0].scheme(), QStringLiteral("mailto"));
    QVERIFY(opened_[0].query(QUrl::FullyDecoded).contains(QStringLiteral("subject=Taravell Lite")));
  }

  // Pictures of the dialogs for a person to look at, only when TARAVELL_SCREENSHOT_DIR is set.
  void screenshots() {
    const QString dir = qEnvironmentVariable("TARAVELL_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("set TARAVELL_SCREENSHOT_DIR to take the pictures");
    TInitHelpDialog help(QString::fromStdString(WQuickHelp::Title(3)), AnsiToQ(WQuickHelp::Text(3)));
    TAboutBox about;
    TSuggestDlg suggest;
    for (auto [dialog, name] :
         {std::pair<QDialog*, const char*>{&help, "quickhelp"}, {&about, "about"}, {&suggest, "suggest"}}) {
      dialog->show();
      QTest::qWait(50);
      QVERIFY(dialog->grab().save(dir + QStringLiteral("/") + QLatin1String(name) + QStringLiteral(".png")));
    }
  }
};

QTEST_MAIN(SmallDialogsTest)
#include "SmallDialogsTest.moc"
