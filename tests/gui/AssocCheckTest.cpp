#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "app/Options.h"
#include "gui/app/AssocCheck.h"

// The check runs a stand-in xdg-mime that answers from files and logs its calls.
class AssocCheckTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString script_;

  void Write(const QString& name, const QByteArray& text) {
    QFile file(dir_.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }
  QByteArray Read(const QString& name) {
    QFile file(dir_.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  int asked_ = 0;
  TAssocCheck::Question Answer(WFileAssoc::Answer answer) {
    return [this, answer] {
      ++asked_;
      return answer;
    };
  }

 private slots:
  void initTestCase() {
    script_ = dir_.filePath(QStringLiteral("xdg-mime"));
    Write(QStringLiteral("xdg-mime"),
          "#!/bin/sh\nD=$(dirname \"$0\")\necho \"$*\" >> \"$D/log\"\n"
          "if [ \"$1\" = query ]; then f=\"$D/$(echo \"$3\" | tr / _)\"; [ -f \"$f\" ] && cat \"$f\"; "
          "fi\nexit 0\n");
    QFile::setPermissions(script_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toUtf8());
  }
  void init() {
    Options().ResetToDefaults();
    asked_ = 0;
    QFile::remove(dir_.filePath(QStringLiteral("log")));
    QFile::remove(dir_.filePath(QStringLiteral("config/mimeapps.list")));
    Write(QStringLiteral("application_x-gedcom"), "gramps.desktop\n");
    Write(QStringLiteral("application_x-paf"), "");
  }

  void yesMakesThisProgramTheDefault() {
    Write(QStringLiteral("application_x-paf"), "wine-paf.desktop\n");
    TAssocCheck(script_).Run(Answer(WFileAssoc::Answer::Yes));
    QCOMPARE(asked_, 1);
    QVERIFY(Read(QStringLiteral("log")).contains("default taravell-lite.desktop application/x-gedcom\n"));
    QVERIFY(Read(QStringLiteral("config/mimeapps.list"))
                .contains("[Added Associations]\napplication/x-paf=taravell-lite.desktop;"));
    QVERIFY(Options().GetBool(WOptions::GEDAssoc));
  }

  void noSwitchesTheCheckOffCancelSkips() {
    TAssocCheck(script_).Run(Answer(WFileAssoc::Answer::No));
    QVERIFY(!Options().GetBool(WOptions::GEDAssoc));
    QVERIFY(!Read(QStringLiteral("log")).contains("default taravell"));
    TAssocCheck(script_).Run(Answer(WFileAssoc::Answer::Yes));
    QCOMPARE(asked_, 1);  // switched off: not asked again

    Options().SetBool(WOptions::GEDAssoc, true);
    TAssocCheck(script_).Run(Answer(WFileAssoc::Answer::Cancel));
    QVERIFY(Options().GetBool(WOptions::GEDAssoc));
    QVERIFY(!Read(QStringLiteral("log")).contains("default taravell"));
  }

  void alreadyTheDefaultAsksNothing() {
    Write(QStringLiteral("application_x-gedcom"), "taravell-lite.desktop\n");
    TAssocCheck(script_).Run(Answer(WFileAssoc::Answer::Yes));
    QCOMPARE(asked_, 0);
    QVERIFY(!Read(QStringLiteral("log")).contains("default taravell"));
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("config/mimeapps.list"))));  // no PAF viewer to join
  }

  void withoutXdgMimeNothingHappens() {
    TAssocCheck(dir_.filePath(QStringLiteral("no-such-program"))).Run(Answer(WFileAssoc::Answer::Yes));
    QCOMPARE(asked_, 0);
    QVERIFY(Options().GetBool(WOptions::GEDAssoc));
  }
};

QTEST_MAIN(AssocCheckTest)
#include "AssocCheckTest.moc"
