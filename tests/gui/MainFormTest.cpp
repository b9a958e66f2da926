#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QtTest>
#include <fstream>
#include <memory>

#include "app/Options.h"
#include "base/UIHooks.h"
#include "gui/app/DialogHooks.h"
#include "gui/app/InitHelpDialog.h"
#include "gui/app/MainForm.h"
#include "gui/app/Messages.h"
#include "gui/app/QtHooks.h"
#include "gui/app/WaitDlg.h"
#include "gui/views/IndPanel.h"
#include "gui/views/IndScrollLite.h"
#include "gui/views/SelectionButton.h"
#include "model/ABSCollection.h"
#include "support/TestPaths.h"

namespace {

// A GEDCOM file of `persons` people in couples, each couple with the next couple's husband
// as a child, large enough that its import yields to the event loop many times.
void WriteLargeGedcom(const QString& path, int persons) {
  std::ofstream out(path.toStdString(), std::ios::binary);
  out << "0 HEAD\n1 CHAR ANSEL\n";
  const int families = persons / 2;
  for (int i = 1; i <= persons; ++i) {
    const int family = (i + 1) / 2;
    out << "0 @I" << i << "@ INDI\n1 NAME Given" << i << " /Surname" << (i % 977) << "/\n1 SEX "
        << (i % 2 ? 'M' : 'F') << "\n1 BIRT\n2 DATE " << (1 + i % 28) << " JAN " << (1700 + i % 300)
        << "\n1 FAMS @F" << family << "@\n";
    if (family > 1 && i % 2 == 1) out << "1 FAMC @F" << family - 1 << "@\n";
  }
  for (int f = 1; f <= families; ++f) {
    out << "0 @F" << f << "@ FAM\n1 HUSB @I" << 2 * f - 1 << "@\n1 WIFE @I" << 2 * f << "@\n";
    if (f < families) out << "1 CHIL @I" << 2 * f + 1 << "@\n";
  }
  out << "0 TRLR\n";
}

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir_;
  QStringList messages_;
  const QString sample_ = QString::fromStdString(TestDataPath("sample.ged"));

  std::unique_ptr<TMainForm> NewForm() {
    auto form = std::make_unique<TMainForm>();
    form->SetQuickHelpEnabled(false);
    form->show();
    return form;
  }

 private slots:
  void initTestCase() {
    InstallQtHooks();
    QVERIFY(dir_.isValid());
    Options().OpenSettingsFile(dir_.filePath("taravell-lite.ini").toStdString());
    Options().LoadSettings();
    Options().SetBool(WOptions::LoadLastFile, false);
    TMessages::SetInterceptor([this](const QString&, const QString& text, QMessageBox::StandardButtons) {
      messages_ << text;
      return QMessageBox::Ok;
    });
  }

  void init() { messages_.clear(); }

  // The command line names a file and a person: both are shown, with the counts.
  void openFromCommandLine() {
    auto form = NewForm();
    QCOMPARE(form->windowTitle(), QStringLiteral("Brambleford Taravell Lite 1.15"));
    QVERIFY(!form->QuickFindAction()->isEnabled());
    QVERIFY(!form->AdvancedFindAction()->isEnabled());
    form->Start({QStringLiteral("--tab=Family"), sample_, QStringLiteral("I4")});
    QCOMPARE(form->windowTitle(), QStringLiteral("Brambleford Taravell Lite 1.15 - ") + sample_);
    WABSCollection* c = form->Collection();
    QVERIFY(c);
    QCOMPARE(form->Scroller()->CurrentIndividual(), c->FindIndividual("I4"));
    QCOMPARE(form->StatusText(0), QString());
    QCOMPARE(form->StatusText(1), QStringLiteral("I: %1").arg(c->IndividualCount()));
    QCOMPARE(form->StatusText(2), QStringLiteral("F: %1").arg(c->FamilyCount()));
    QCOMPARE(form->StatusText(3), QStringLiteral("N: %1").arg(c->NoteCount()));
    QCOMPARE(form->StatusText(4), QStringLiteral("S: %1").arg(c->SourceCount()));
    QVERIFY(form->QuickFindAction()->isEnabled());
    QVERIFY(form->AdvancedFindAction()->isEnabled());
    QVERIFY(form->Scroller()->CaptionLabel()->text().startsWith(
        QStringLiteral(" %1 - ").arg(c->FindIndividual("I4"))));
    QVERIFY(messages_.isEmpty());
  }

  // F, M and S lead to the relatives; the scroll bar steps through the list; Back twice and
  // Forward once retrace the steps.
  void walkRelativesAndHistory() {
    auto form = NewForm();
    form->Start({sample_});
    WABSCollection* c = form->Collection();
    QVERIFY(c);
    WIndScrollLite* strip = form->Scroller();
    // Somebody with a father, a mother and a spouse family.
    RecNo child = 0;
    for (RecNo n = 1; n <= c->IndividualCount() && !child; ++n)
      if (c->GetFatherOf(n) && c->GetMotherOf(n) && c->HasChildren(c->GetFatherOf(n))) child = n;
    QVERIFY(child > 0);
    form->GoToIndividual(child);
    QCOMPARE(strip->CurrentIndividual(), child);
    QVERIFY(strip->FatherButton()->isEnabled());
    QVERIFY(strip->MotherButton()->isEnabled());
    const RecNo father = c->GetFatherOf(child);
    const RecNo mother = c->GetMotherOf(child);
    QTest::mouseClick(strip->FatherButton(), Qt::LeftButton);
    QCOMPARE(strip->CurrentIndividual(), father);
    QVERIFY(strip->SpouseButton()->isEnabled());
    // The father's S menu lists his spouse and children; choosing the child goes back down.
    strip->SpouseButton()->ShowMenu();
    QMenu* menu = strip->SpouseButton()->Menu();
    QVERIFY(menu->actions().size() >= 2);
    QVERIFY(menu->actions().first()->text().startsWith(QStringLiteral("Spouse: ")));
    menu->close();
    int child_item = -1;
    for (int i = 0; i < static_cast<int>(strip->Logic().JumpList().size()); ++i)
      if (strip->Logic().JumpList()[i] == child) child_item = i;
    QVERIFY(child_item > 0);
    strip->SpouseButton()->ChooseItem(child_item);
    QCOMPARE(strip->CurrentIndividual(), child);
    QTest::mouseClick(strip->MotherButton(), Qt::LeftButton);
    QCOMPARE(strip->CurrentIndividual(), mother);

    // History: child, father, child, mother.  Back twice ends on the father; Forward once
    // on the child again.
    QVERIFY(form->BackAction()->isEnabled());
    QVERIFY(!form->ForwardAction()->isEnabled());
    form->BackAction()->trigger();
    QCOMPARE(strip->CurrentIndividual(), child);
    form->BackAction()->trigger();
    QCOMPARE(strip->CurrentIndividual(), father);
    QVERIFY(form->ForwardAction()->isEnabled());
    form->ForwardAction()->trigger();
    QCOMPARE(strip->CurrentIndividual(), child);
    QVERIFY(form->BackAction()->isEnabled());
    QVERIFY(form->ForwardAction()->isEnabled());

    // A step of the scroll bar moves one place on and forgets the forward history.
    const int position = strip->Position();
    strip->ScrollBar()->triggerAction(position < c->DisplayCount() ? QAbstractSlider::SliderSingleStepAdd
                                                                   : QAbstractSlider::SliderSingleStepSub);
    QVERIFY(strip->Position() != position);
    QCOMPARE(strip->CurrentIndividual(), c->DisplayToRecord(strip->Position()));
    QVERIFY(!form->ForwardAction()->isEnabled());
    form->BackAction()->trigger();
    QCOMPARE(strip->CurrentIndividual(), child);
  }

  // A file the program does not read: the message, and the window idle.
  void unknownExtension() {
    const QString path = dir_.filePath("notes.txt");
    std::ofstream(path.toStdString()) << "0 HEAD\n";
    auto form = NewForm();
    form->Start({sample_});
    QVERIFY(form->Collection());
    QVERIFY(!form->OpenGenealogyFile(path));
    QCOMPARE(messages_, QStringList{QStringLiteral("Unknown file format")});
    QVERIFY(!form->Collection());
    QCOMPARE(form->CurrentFile(), QString());
    QCOMPARE(form->windowTitle(), QStringLiteral("Brambleford Taravell Lite 1.15"));
    QVERIFY(!form->Scroller()->ScrollBar()->isEnabled());
    QVERIFY(!form->QuickFindAction()->isEnabled());
    QVERIFY(form->centralWidget()->isEnabled());
    QCOMPARE(TWaitDlg::Depth(), 0);
  }

  // Three files dropped at once: only the first is opened.
  void dropThreeFiles() {
    QStringList paths;
    for (const char* name : {"first.ged", "second.ged", "third.ged"}) {
      const QString path = dir_.filePath(name);
      QFile::remove(path);
      QFile::copy(sample_, path);
      paths << path;
    }
    auto form = NewForm();
    form->Start({});
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    mime.setUrls(urls);
    const QPoint at = form->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &drop);
    QTRY_COMPARE(form->CurrentFile(), paths[0]);
    QTest::qWait(50);
    QCOMPARE(form->CurrentFile(), paths[0]);
    QVERIFY(messages_.isEmpty());
  }

  // Cancel in the wait dialog during a long import: idle, empty status panels, no message.
  void cancelLongImport() {
    const QString path = dir_.filePath("large.ged");
    WriteLargeGedcom(path, 300000);
    // A slow disk: every yield of the reader takes a little longer, so the import outlasts
    // the dialog's delay and the first tick of the import timer on any machine.
    SetYieldHook([] {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
      QThread::msleep(3);
    });
    auto form = NewForm();
    form->Start({sample_});
    QVERIFY(form->Collection());
    bool clicked = false;
    bool analyzing_seen = false;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, [&] {
      if (form->StatusText(0) == QStringLiteral("(Analyzing - Please Wait...)")) analyzing_seen = true;
      TWaitDlg* dlg = TWaitDlg::Current();
      if (!clicked && dlg && dlg->isVisible() && (analyzing_seen || waited.elapsed() > 3000)) {
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Working..."));
        QCOMPARE(dlg->Message(), QStringLiteral("Reading.  Please Wait..."));
        QVERIFY(!form->isEnabled());
        clicked = true;
        QTest::mouseClick(dlg->CancelButton(), Qt::LeftButton);
      }
    });
    poll.start();
    QVERIFY(!form->OpenGenealogyFile(path));
    poll.stop();
    InstallQtHooks();
    QVERIFY(clicked);
    QVERIFY(analyzing_seen);
    QVERIFY(messages_.isEmpty());
    QVERIFY(!form->Collection());
    QCOMPARE(form->CurrentFile(), QString());
    for (int i = 0; i < 5; ++i) QCOMPARE(form->StatusText(i), QString());
    QVERIFY(form->isEnabled());
    QVERIFY(form->centralWidget()->isEnabled());
    QCOMPARE(TWaitDlg::Depth(), 0);
    QCOMPARE(BusyCount(), 0);
    // The next open works.
    QVERIFY(form->OpenGenealogyFile(sample_));
    QVERIFY(form->Collection());
  }

  // Closing the window during an import stops the import first; the window then closes
  // idle instead of being torn down under the running reader.
  void closeDuringImport() {
    const QString path = dir_.filePath("large.ged");
    QVERIFY(QFile::exists(path));  // written by cancelLongImport
    auto form = NewForm();
    form->Start({});
    bool asked = false;
    QTimer::singleShot(0, form.get(), [&] {
      asked = true;
      QVERIFY(form->Importing());
      form->close();
      QVERIFY(form->isVisible());
    });
    QVERIFY(!form->OpenGenealogyFile(path));
    QVERIFY(asked);
    QVERIFY(messages_.isEmpty());
    QVERIFY(!form->Collection());
    QTRY_VERIFY(!form->isVisible());
    QCOMPARE(Options().GetString(WOptions::File1), std::string());
  }

  // Closing stores the file, the list position and the window placement.
  void closeStoresTheSession() {
    {
      auto form = NewForm();
      form->Start({sample_, QStringLiteral("I4")});
      const int position = form->Scroller()->Position();
      form->close();
      QCOMPARE(QString::fromStdString(Options().GetString(WOptions::File1)), sample_);
      QCOMPARE(Options().GetInt(WOptions::LastID), position);
    }
    // The next start reopens it there.
    Options().SetBool(WOptions::LoadLastFile, true);
    auto form = NewForm();
    form->Start({});
    Options().SetBool(WOptions::LoadLastFile, false);
    QCOMPARE(form->CurrentFile(), sample_);
    QCOMPARE(form->Scroller()->CurrentIndividual(), form->Collection()->FindIndividual("I4"));
    QVERIFY(Options().ReadIniInteger("General", "ShowCmd", 0) >= 1);
  }

  // Quick help: the welcome at the first show, then each data tab's help once, and only
  // while a file is open; "Reset Quick Help Dialog Boxes" brings them back.
  void quickHelpOncePerTab() {
    QStringList shown;
    SetModalHook([&](QDialog& dialog) {
      if (auto* help = qobject_cast<TInitHelpDialog*>(&dialog)) shown << help->Title();
      return int(QDialog::Accepted);
    });
    Options().ResetToDefaults();
    Options().SetBool(WOptions::LoadLastFile, false);
    Options().SetInt(WOptions::LastTab, TMainForm::kGeneralTab);
    auto form = std::make_unique<TMainForm>();
    form->show();
    form->Start({});
    QCOMPARE(shown, QStringList{QStringLiteral("Welcome to Taravell Lite")});
    // Without a file, switching tabs explains nothing.
    for (int tab : {1, 2, 0}) form->Tabs()->setCurrentIndex(tab);
    QCOMPARE(shown.size(), 1);
    QVERIFY(form->OpenGenealogyFile(sample_));
    for (int tab : {1, 2, 3, 4, 5, 6, 0, 1, 2}) form->Tabs()->setCurrentIndex(tab);
    form->GoToIndividual(3);
    // Each data tab explains itself once; the information pages have nothing to explain.
    QCOMPARE(shown, (QStringList{QStringLiteral("Welcome to Taravell Lite"), QStringLiteral("General Tab"),
                                 QStringLiteral("Individual Tab"), QStringLiteral("Family Tab"),
                                 QStringLiteral("Pedigree Tab"), QStringLiteral("Descendants Tab")}));
    QCOMPARE(Options().GetInt(WOptions::LastTab), int(TMainForm::kFamilyTab));
    shown.clear();
    form->ResetQuickHelpAction()->trigger();  // the Family tab is showing: its help at once
    QCOMPARE(shown, QStringList{QStringLiteral("Family Tab")});
    SetModalHook(nullptr);
    Options().SetBool(WOptions::DispInitHelp, false);
  }

  // The Individual tab follows the scroller; its Chronological switch is stored.
  void individualTabFollowsAndChronoIsStored() {
    auto form = NewForm();
    form->Start({sample_, QStringLiteral("I4")});
    form->Tabs()->setCurrentIndex(TMainForm::kIndividualTab);
    WIndPanel* panel = form->IndPanel();
    const RecNo n = form->Collection()->FindIndividual("I4");
    QCOMPARE(panel->Logic().Individual(), n);
    form->Scroller()->FatherButton()->click();
    QCOMPARE(panel->Logic().Individual(), form->Scroller()->CurrentIndividual());
    const bool chrono = panel->Chronological();
    panel->ChronologicalBox()->click();
    QCOMPARE(panel->Chronological(), !chrono);
    QCOMPARE(Options().GetBool(WOptions::Chrono), !chrono);
    panel->ChronologicalBox()->click();
    QCOMPARE(Options().GetBool(WOptions::Chrono), chrono);
  }

  // "LastTab" keeps the numbers of the tabs from before the chart tabs stood after Family: a
  // settings file of an earlier version with 3 opens on the first information page, and a
  // session left on Descendants reopens on Descendants.
  void lastTabKeepsItsMeaningAcrossVersions() {
    const std::string usual = Options().SettingsFilePath();
    QVERIFY(Options().SaveSettings());
    const QString old_file = dir_.filePath(QStringLiteral("earlier.ini"));
    {
      std::ofstream out(old_file.toStdString(), std::ios::binary);
      out << "[General]\nLastTab=3\nLoadLastFile=f\n";
    }
    Options().OpenSettingsFile(old_file.toStdString());
    Options().LoadSettings();
    {
      auto form = NewForm();
      form->Start({sample_});
      QCOMPARE(form->Tabs()->currentIndex(), int(TMainForm::kFeaturesTab));
      QCOMPARE(form->Tabs()->tabText(form->Tabs()->currentIndex()), QStringLiteral("Taravell Lite"));
      form->Tabs()->setCurrentIndex(TMainForm::kDescendantsTab);
    }
    QVERIFY(Options().SaveSettings());
    Options().CloseSettingsFile();
    QFile saved(old_file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("LastTab=6"));
    Options().OpenSettingsFile(old_file.toStdString());
    Options().LoadSettings();
    {
      auto form = NewForm();
      form->Start({sample_});
      QCOMPARE(form->Tabs()->tabText(form->Tabs()->currentIndex()), QStringLiteral("Descendants"));
      // Family is stored as it always was.
      form->Tabs()->setCurrentIndex(TMainForm::kFamilyTab);
      QCOMPARE(Options().GetInt(WOptions::LastTab), 2);
    }
    Options().OpenSettingsFile(usual);
    Options().LoadSettings();
  }

  void cleanupTestCase() {
    TMessages::SetInterceptor(nullptr);
    Options().CloseSettingsFile();
  }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
