#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/Options.h"
#include "gui/app/OptionsDlg.h"

class OptionsDlgTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  // Answers the next modal dialog with a click on OK or Cancel after changing it.
  static void WhenShown(const std::function<void(TOptionsDlg*)>& act) {
    QTimer::singleShot(0, [act] {
      auto* dialog = qobject_cast<TOptionsDlg*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      act(dialog);
    });
  }

 private slots:
  void init() {
    Options().ResetToDefaults();
    Options().OpenSettingsFile(dir_.filePath(QStringLiteral("taravell-lite.ini")).toStdString());
    Options().LoadSettings();
  }
  void cleanup() { Options().CloseSettingsFile(); }

  void tabsAndCaptions() {
    TOptionsDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Options"));
    QCOMPARE(dialog.Tabs()->count(), 4);
    QStringList tabs;
    for (int i = 0; i < 4; ++i) tabs << dialog.Tabs()->tabText(i);
    QCOMPARE(tabs, (QStringList{"General", "Display", "TMG", "Legacy"}));
    QCOMPARE(dialog.CheckBoxFor(WOptions::NameSlash)->text(),
             QStringLiteral("Display \"/\" around Surnames"));
    QCOMPARE(dialog.CheckBoxFor(WOptions::TMGEngage)->text(),
             QStringLiteral("When contructing marriages, include the Engagement Tag"));
    QCOMPARE(dialog.RadioItem(2)->text(), QStringLiteral("{Custom ID}"));
    QVERIFY(dialog.CheckBoxFor(WOptions::NameSlash)->isChecked());
    QVERIFY(!dialog.CheckBoxFor(WOptions::UseLDS)->isChecked());
    QVERIFY(dialog.RadioItem(0)->isChecked());

    // TARAVELL_SCREENSHOTS=folder keeps a picture of every tab for a look by eye.
    QString shots = qEnvironmentVariable("TARAVELL_SCREENSHOTS");
    if (!shots.isEmpty()) {
      dialog.show();
      for (int i = 0; i < 4; ++i) {
        dialog.Tabs()->setCurrentIndex(i);
        dialog.grab().save(QStringLiteral("%1/options-%2.png").arg(shots).arg(i));
      }
    }
  }

  void untickingTheValueDisablesTheGroupButKeepsTheSelection() {
    Options().SetInt(WOptions::FNValue, 2);
    TOptionsDlg dialog;
    QVERIFY(dialog.RadioGroup()->isEnabled());
    QVERIFY(dialog.RadioItem(1)->isChecked());
    dialog.CheckBoxFor(WOptions::FNValueFlag)->click();
    QVERIFY(!dialog.RadioGroup()->isEnabled());
    QVERIFY(dialog.RadioItem(1)->isChecked());
    dialog.SaveToSettings();
    QVERIFY(!Options().GetBool(WOptions::FNValueFlag));
    QCOMPARE(Options().GetInt(WOptions::FNValue), 2);
    dialog.CheckBoxFor(WOptions::FNValueFlag)->click();
    QVERIFY(dialog.RadioGroup()->isEnabled());
  }

  void okWritesAndSavesCancelChangesNothing() {
    const std::string path = Options().SettingsFilePath();
    WhenShown([](TOptionsDlg* dialog) {
      dialog->CheckBoxFor(WOptions::UseLDS)->click();
      dialog->RadioItem(2)->click();
      dialog->CancelButton()->click();
    });
    QVERIFY(!TOptionsDlg::Execute(nullptr));
    QVERIFY(!Options().GetBool(WOptions::UseLDS));
    QCOMPARE(Options().GetInt(WOptions::FNValue), 1);
    QVERIFY(!QFile::exists(QString::fromStdString(path)));

    WhenShown([](TOptionsDlg* dialog) {
      dialog->CheckBoxFor(WOptions::UseLDS)->click();
      dialog->CheckBoxFor(WOptions::NameSlash)->click();
      dialog->RadioItem(2)->click();
      dialog->OkButton()->click();
    });
    QVERIFY(TOptionsDlg::Execute(nullptr));
    QVERIFY(Options().GetBool(WOptions::UseLDS));
    QVERIFY(!Options().GetBool(WOptions::NameSlash));
    QCOMPARE(Options().GetInt(WOptions::FNValue), 3);
    // The file was written at once.
    WOptions reread;
    reread.OpenSettingsFile(path);
    reread.LoadSettings();
    QVERIFY(reread.GetBool(WOptions::UseLDS));
    QCOMPARE(reread.GetInt(WOptions::FNValue), 3);
  }
};

QTEST_MAIN(OptionsDlgTest)
#include "OptionsDlgTest.moc"
