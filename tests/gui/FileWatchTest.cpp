// The viewer and a file that another program changes while it is shown: the bar above the
// tabs, Reload keeping person, tab and history, the option that reloads without asking, and a
// file that changes while it is being read.

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <fstream>
#include <memory>
#include <unistd.h>

#include "app/Options.h"
#include "base/UIHooks.h"
#include "gui/app/FileWatch.h"
#include "gui/app/MainForm.h"
#include "gui/app/Messages.h"
#include "gui/app/QtHooks.h"
#include "gui/views/IndScrollLite.h"
#include "model/ABSCollection.h"
#include "model/ABSIndividual.h"
#include "support/TestPaths.h"

namespace {

std::string SampleText() {
  std::ifstream in(TestDataPath("sample.ged"), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The sample with one more person in front of the trailer: record numbers stay, the count grows.
std::string SampleWithOneMore() {
  std::string text = SampleText();
  const size_t trailer = text.rfind("0 TRLR");
  return text.substr(0, trailer) + "0 @I999@ INDI\n1 NAME Newly /Added/\n" + text.substr(trailer);
}

void Write(const QString& path, const std::string& text) {
  std::ofstream(path.toStdString(), std::ios::binary | std::ios::trunc) << text;
}

std::string CurrentId(TMainForm& form) {
  std::unique_ptr<WABSIndividual> person = form.Collection()->GetIndividual(form.Scroller()->CurrentIndividual());
  return person ? person->GetID() : std::string();
}

}  // namespace

class FileWatchTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir_;
  QStringList messages_;

  std::unique_ptr<TMainForm> NewForm() {
    auto form = std::make_unique<TMainForm>();
    form->SetQuickHelpEnabled(false);
    form->show();
    return form;
  }
  QString Copy(const QString& name) {
    const QString path = dir_.filePath(name);
    Write(path, SampleText());
    return path;
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
  void init() {
    messages_.clear();
    Options().SetBool(WOptions::AutoReload, false);
  }

  // Changed in place: the bar; Reload shows the new contents on the same person, tab and
  // history.
  void changedFileShowsTheBarAndReloadKeepsThePlace() {
    const QString path = Copy("changed.ged");
    auto form = NewForm();
    QVERIFY(form->OpenGenealogyFile(path));
    WABSCollection* before = form->Collection();
    const int count = before->IndividualCount();
    form->GoToIndividual(before->FindIndividual("I2"));
    form->GoToIndividual(before->FindIndividual("I4"));
    form->Tabs()->setCurrentIndex(TMainForm::kFamilyTab);
    QVERIFY(!form->FileWatch()->BarShown());

    QThread::msleep(20);  // a new modification time on coarse clocks too
    Write(path, SampleWithOneMore());
    QTRY_VERIFY_WITH_TIMEOUT(form->FileWatch()->BarShown(), 5000);
    QCOMPARE(form->FileWatch()->BarLabel()->text(), QStringLiteral("This file has changed on disk."));
    QCOMPARE(form->FileWatch()->ReloadButton()->text(), QStringLiteral("Reload"));
    QVERIFY(form->FileWatch()->Bar()->isVisible());
    QCOMPARE(form->Collection(), before);  // nothing happens without asking

    QTest::mouseClick(form->FileWatch()->ReloadButton(), Qt::LeftButton);
    QVERIFY(form->Collection());
    QCOMPARE(form->Collection()->IndividualCount(), count + 1);
    QCOMPARE(CurrentId(*form), std::string("I4"));
    QCOMPARE(form->Tabs()->currentIndex(), int(TMainForm::kFamilyTab));
    QVERIFY(!form->FileWatch()->BarShown());
    QVERIFY(messages_.isEmpty());
    // The history came along: Back leads to I2.
    QVERIFY(form->Scroller()->CanGoBack());
    form->Scroller()->GoBack();
    QCOMPARE(CurrentId(*form), std::string("I2"));
    // F5 reloads at any time.
    QCOMPARE(form->ReloadAction()->shortcut(), QKeySequence(Qt::Key_F5));
    form->ReloadAction()->trigger();
    QCOMPARE(CurrentId(*form), std::string("I2"));
  }

  // Replaced by rename, as programs that save safely do; a person who is gone leaves the first.
  void replacedFileIsNoticedAndAGonePersonGivesTheFirst() {
    const QString path = Copy("replaced.ged");
    auto form = NewForm();
    QVERIFY(form->OpenGenealogyFile(path));
    form->GoToIndividual(form->Collection()->FindIndividual("I4"));
    std::string text = SampleText();
    for (size_t at = text.find("@I4@"); at != std::string::npos; at = text.find("@I4@", at)) text.replace(at, 4, "@I8888@");
    const QString fresh = dir_.filePath("replaced.tmp");
    Write(fresh, text);
    QVERIFY(::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()) == 0);
    QTRY_VERIFY_WITH_TIMEOUT(form->FileWatch()->BarShown(), 5000);
    QVERIFY(form->ReloadFile());
    QCOMPARE(form->Scroller()->CurrentIndividual(), form->Collection()->DisplayToRecord(1));
    // The new file is watched in turn.
    QThread::msleep(20);
    Write(path, SampleWithOneMore());
    QTRY_VERIFY_WITH_TIMEOUT(form->FileWatch()->BarShown(), 5000);
  }

  // With the option, the file is reloaded without the bar.
  void theOptionReloadsWithoutAsking() {
    Options().SetBool(WOptions::AutoReload, true);
    const QString path = Copy("auto.ged");
    auto form = NewForm();
    QVERIFY(form->OpenGenealogyFile(path));
    const int count = form->Collection()->IndividualCount();
    QThread::msleep(20);
    Write(path, SampleWithOneMore());
    QTRY_COMPARE_WITH_TIMEOUT(form->Collection() ? form->Collection()->IndividualCount() : 0, count + 1, 5000);
    QVERIFY(!form->FileWatch()->BarShown());
    QVERIFY(messages_.isEmpty());
  }

  // A file cut while it is being read is not shown: the view is empty, the message says why
  // and the bar offers Reload, which opens the file as it now is.
  void aFileChangedWhileBeingReadIsNeverShownHalfRead() {
    const QString path = dir_.filePath("cut.ged");
    std::string big = SampleText();
    const size_t trailer = big.rfind("0 TRLR");
    std::string people;
    for (int i = 1; i <= 200000; ++i)
      people += "0 @X" + std::to_string(i) + "@ INDI\n1 NAME Filler" + std::to_string(i) + " /Person/\n";
    Write(path, big.substr(0, trailer) + people + big.substr(trailer));
    bool cut = false;
    SetYieldHook([&] {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      if (!cut) {
        cut = true;
        Write(path, SampleText());  // the owner program saved meanwhile
      }
    });
    auto form = NewForm();
    QVERIFY(!form->OpenGenealogyFile(path));
    InstallQtHooks();
    QVERIFY(cut);
    QVERIFY(!form->Collection());
    QCOMPARE(messages_, QStringList{QStringLiteral("The file %1 changed on disk while it was being read.").arg(path)});
    QVERIFY(form->FileWatch()->BarShown());
    QVERIFY(form->ReloadFile());
    QVERIFY(form->Collection());
    QVERIFY(!form->FileWatch()->BarShown());
  }

  void cleanupTestCase() {
    TMessages::SetInterceptor(nullptr);
    Options().CloseSettingsFile();
  }
};

QTEST_MAIN(FileWatchTest)
#include "FileWatchTest.moc"
