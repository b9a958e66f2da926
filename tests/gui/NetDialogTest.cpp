#include <QDesktopServices>
#include <QNetworkProxy>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <map>

#include "app/UpdateCheck.h"
#include "gui/app/NetDialog.h"
#include "gui/app/NetDirect.h"
#include "gui/app/QtHooks.h"

// A tiny web server on 127.0.0.1: each path answers with a fixed status and body; "/slow/..."
// never answers.
class FakeServer : public QObject {
  Q_OBJECT
 public:
  struct Answer {
    int status;
    QByteArray body;
  };

  FakeServer() {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  void Set(const QString& path, int status, const QByteArray& body) { answers_[path] = {status, body}; }
  QString Url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
  }
  int requests = 0;

 private:
  void Serve(QTcpSocket* socket) {
    QByteArray& buffer = pending_[socket];
    buffer += socket->readAll();
    if (!buffer.contains("\r\n\r\n")) return;
    ++requests;
    QString path = QString::fromLatin1(buffer.split(' ').value(1));
    pending_.erase(socket);
    if (path.startsWith(QStringLiteral("/slow/"))) return;
    auto it = answers_.find(path);
    Answer answer = it == answers_.end() ? Answer{404, "<html>404 Not Found</html>"} : it->second;
    QByteArray reply =
        "HTTP/1.1 " + QByteArray::number(answer.status) + (answer.status == 200 ? " OK" : " Not Found") +
        "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(answer.body.size()) +
        "\r\nConnection: close\r\n\r\n" + answer.body;
    socket->write(reply);
    socket->disconnectFromHost();
  }

  QTcpServer server_;
  std::map<QString, Answer> answers_;
  std::map<QTcpSocket*, QByteArray> pending_;
};

// Catches the links the dialog hands to the desktop.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened << url; }
};

class NetDialogTest : public QObject {
  Q_OBJECT

  const QByteArray kNewer =
      "SKERRIT=1.16\r\nitem0=News\r\nsubitem0-0=Release notes|http://127.0.0.1/notes.html\r\n"
      "subitem0-1=Installer|http://127.0.0.1/setup.exe\r\nitem1=Downloads\r\nsubitem1-0=Archive|"
      "http://127.0.0.1/taravell.zip\r\nsubitem1-1=Local program|file:///usr/bin/xterm\r\n";

  FakeServer* server_ = nullptr;
  QTemporaryDir* folder_ = nullptr;
  TNetDialog* dialog_ = nullptr;

  // Runs one check of path and waits for its end.
  void Check(const QString& path) {
    dialog_->SetAddress(path.startsWith(QStringLiteral("http")) ? path : server_->Url(path));
    QSignalSpy done(dialog_, &TNetDialog::refreshFinished);
    dialog_->RefreshUpdates();
    QVERIFY(done.wait(10000));
  }
  QString LocalCopy() const { return folder_->filePath(QStringLiteral("skerrit.inf")); }
  QByteArray ReadLocal() const {
    QFile file(LocalCopy());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  int Leaves() const {
    int n = 0;
    for (int i = 0; i < dialog_->Tree()->topLevelItemCount(); ++i)
      n += dialog_->Tree()->topLevelItem(i)->childCount();
    return n;
  }

 private slots:
  void initTestCase() {
    InstallQtHooks();
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    server_ = new FakeServer;
    server_->Set(QStringLiteral("/new/skerrit.inf"), 200, kNewer);
    server_->Set(QStringLiteral("/same/skerrit.inf"), 200, "SKERRIT=1.15\nitem0=News\n");
    server_->Set(QStringLiteral("/html/skerrit.inf"), 200,
                 "<!DOCTYPE html>\n<html><body>Sign in</body></html>");
    server_->Set(
        QStringLiteral("/nobar/skerrit.inf"), 200,
        "SKERRIT=1.15\nitem0=News\nsubitem0-0=No bar here\nsubitem0-1=Notes|http://127.0.0.1/n.html\n");
    server_->Set(QStringLiteral("/far/skerrit.inf"), 200,
                 "SKERRIT=1.15\nitem100=Too far\nsubitem100-0=x|http://127.0.0.1/x\nitem99=Last\n"
                 "subitem99-100=Beyond|http://127.0.0.1/y\nsubitem99-99=Edge|http://127.0.0.1/e\n");
  }
  void cleanupTestCase() { delete server_; }

  void init() {
    folder_ = new QTemporaryDir;
    dialog_ = new TNetDialog;
    dialog_->SetLocalFolder(folder_->path());
  }
  void cleanup() {
    delete dialog_;
    delete folder_;
    QVERIFY(!QGuiApplication::overrideCursor());
  }

  void newerVersionFillsTheTreeAndKeepsACopy() {
    Check(QStringLiteral("/new/skerrit.inf"));
    QVERIFY(dialog_->VersionVisible());
    QCOMPARE(dialog_->VersionText(), QStringLiteral("New Version 1.16 of Taravell is available"));
    QCOMPARE(dialog_->StatusText(), QString());
    QCOMPARE(dialog_->Tree()->topLevelItemCount(), 2);
    QVERIFY(dialog_->Tree()->topLevelItem(0)->isExpanded());
    QVERIFY(!dialog_->Tree()->topLevelItem(1)->isExpanded());
    QCOMPARE(dialog_->Tree()->topLevelItem(1)->child(0)->text(0), QStringLiteral("Archive"));
    QCOMPARE(dialog_->Urls().size(), 4);
    QCOMPARE(ReadLocal(), kNewer);

    // TARAVELL_SCREENSHOTS=folder keeps a picture for a look by eye.
    QString shots = qEnvironmentVariable("TARAVELL_SCREENSHOTS");
    if (!shots.isEmpty()) {
      dialog_->show();
      QSignalSpy again(dialog_, &TNetDialog::refreshFinished);  // showing starts a check
      QVERIFY(again.wait(10000));
      dialog_->Tree()->topLevelItem(1)->setExpanded(true);
      dialog_->grab().save(shots + QStringLiteral("/updates.png"));
    }
  }

  void sameVersion() {
    Check(QStringLiteral("/same/skerrit.inf"));
    QCOMPARE(dialog_->VersionText(), QStringLiteral("You have the latest version of Taravell"));
  }

  void notFoundWithoutAndWithACopy() {
    Check(QStringLiteral("/missing/skerrit.inf"));
    QCOMPARE(dialog_->StatusText(), QStringLiteral("Remote server \"Not Found\" error, request aborted"));
    QCOMPARE(dialog_->Tree()->topLevelItemCount(), 0);
    QVERIFY(!dialog_->VersionVisible());
    QVERIFY(!QFile::exists(LocalCopy()));

    Check(QStringLiteral("/new/skerrit.inf"));
    Check(QStringLiteral("/missing/skerrit.inf"));
    QCOMPARE(dialog_->StatusText(),
             QStringLiteral("Remote server \"Not Found\" error, using previous update"));
    QCOMPARE(dialog_->Tree()->topLevelItemCount(), 2);
    QCOMPARE(ReadLocal(), kNewer);
  }

  void pagesThatAreNotTheFileKeepTheCopy() {
    Check(QStringLiteral("/new/skerrit.inf"));
    Check(QStringLiteral("/html/skerrit.inf"));
    QCOMPARE(dialog_->StatusText(),
             QStringLiteral("Remote server \"Not Found\" error, using previous update"));
    QCOMPARE(ReadLocal(), kNewer);
    QCOMPARE(dialog_->VersionText(), QStringLiteral("New Version 1.16 of Taravell is available"));
  }

  void noServerAtAll() {
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    QString url = QStringLiteral("http://127.0.0.1:%1/skerrit.inf").arg(closed.serverPort());
    closed.close();
    Check(url);
    QCOMPARE(dialog_->StatusText(), QStringLiteral("Connection error, request aborted"));
    QCOMPARE(dialog_->Tree()->topLevelItemCount(), 0);

    QFile copy(LocalCopy());
    QVERIFY(copy.open(QIODevice::WriteOnly));
    copy.write(kNewer);
    copy.close();
    Check(url);
    QCOMPARE(dialog_->StatusText(), QStringLiteral("Connection error, using previous update"));
    QCOMPARE(Leaves(), 4);
  }

  // A server that never answers ends in the timeout, and the window keeps handling events.
  void slowServerTimesOutWithoutBlocking() {
    dialog_->SetTimeout(400);
    dialog_->SetAddress(server_->Url(QStringLiteral("/slow/skerrit.inf")));
    QSignalSpy done(dialog_, &TNetDialog::refreshFinished);
    bool ranMeanwhile = false;
    QString statusMeanwhile;
    QTimer::singleShot(100, [&] {
      ranMeanwhile = true;
      statusMeanwhile = dialog_->StatusText();
    });
    dialog_->RefreshUpdates();
    QVERIFY(dialog_->Busy());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QVERIFY(done.wait(5000));
    QVERIFY(ranMeanwhile);
    QVERIFY(statusMeanwhile.startsWith(QStringLiteral("Connecting to: http://127.0.0.1:")));
    QCOMPARE(dialog_->StatusText(), QStringLiteral("Connection error, request aborted"));
    QVERIFY(dialog_->RefreshButton()->isEnabled());
  }

  void subitemWithoutBarAndNumbersAbove99() {
    Check(QStringLiteral("/nobar/skerrit.inf"));
    QCOMPARE(dialog_->Tree()->topLevelItemCount(), 1);
    QCOMPARE(Leaves(), 1);
    QCOMPARE(dialog_->Tree()->topLevelItem(0)->child(0)->text(0), QStringLiteral("Notes"));

    Check(QStringLiteral("/far/skerrit.inf"));
    QCOMPARE(dialog_->Tree()->topLevelItemCount(), 1);
    QCOMPARE(dialog_->Tree()->topLevelItem(0)->text(0), QStringLiteral("Last"));
    QCOMPARE(Leaves(), 1);
    QCOMPARE(dialog_->Urls().value(0), QStringLiteral("http://127.0.0.1/e"));
  }

  // A picked link is announced and opened; a link to a local program is announced only.
  void pickingALeafOpensWebAddressesOnly() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    TNetDirect direct(nullptr);
    direct.Dialog()->SetLocalFolder(folder_->path());
    direct.SetAddress(server_->Url(QStringLiteral("/new/skerrit.inf")));
    QSignalSpy picked(&direct, &TNetDirect::URLSelected);
    QSignalSpy done(direct.Dialog(), &TNetDialog::refreshFinished);
    direct.Dialog()->RefreshUpdates();
    QVERIFY(done.wait(10000));

    QTreeWidget* tree = direct.Dialog()->Tree();
    QTreeWidgetItem* top = tree->topLevelItem(1);
    direct.Dialog()->PickItem(top);  // an entry is not a link
    QCOMPARE(picked.count(), 0);
    top->setExpanded(true);
    tree->setCurrentItem(top->child(0));
    top->child(0)->setSelected(true);
    direct.Dialog()->PickItem(top->child(0));
    direct.Dialog()->PickItem(top->child(1));
    QCOMPARE(picked.count(), 2);
    QCOMPARE(picked.at(0).at(1).toString(), QStringLiteral("http://127.0.0.1/taravell.zip"));
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("http://127.0.0.1/taravell.zip"))});
    QVERIFY(!top->child(0)->isSelected());
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  }
};

QTEST_MAIN(NetDialogTest)
#include "NetDialogTest.moc"
