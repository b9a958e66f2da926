#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <memory>

#include "app/UpdateCheck.h"

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// The update dialog: downloads the update information file, shows whether a newer version exists
// and lists the news and downloads as a tree; a picked link opens in the browser.  The download
// runs in the background: while it runs the status line reads "Connecting to: ..." and the
// cursor is busy, but the window keeps answering.
class TNetDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTimeoutMs = 15000;

  explicit TNetDialog(QWidget* parent = nullptr);
  ~TNetDialog() override;

  void SetAddress(const QString& url) { address_ = url; }
  QString Address() const { return address_; }
  void SetProduct(const QString& code, const QString& version, const QString& name);
  // The whole download must end within this time (15 seconds unless a test says otherwise).
  void SetTimeout(int ms) { timeoutMs_ = ms; }
  // The folder of the kept copy (the settings folder unless a test says otherwise).
  void SetLocalFolder(const QString& folder) { localFolder_ = folder; }

  // Starts a check; the result arrives with refreshFinished().  Also run by "Refresh Info".
  void RefreshUpdates();
  bool Busy() const { return reply_ != nullptr; }

  QString StatusText() const;
  QString VersionText() const;
  bool VersionVisible() const;
  QTreeWidget* Tree() const { return tree_; }
  const QStringList& Urls() const { return urls_; }
  QPushButton* RefreshButton() const { return refresh_; }

  // Picks the leaf: tells the listeners and opens a web address with the desktop's handler.
  void PickItem(QTreeWidgetItem* item);

 signals:
  void refreshFinished();
  void urlSelected(const QString& url);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Finished();
  void ShowResult(const WUpdateCheck& check);
  void SetStatus(const QString& text);
  void StopBusy();

  QString address_;
  QString productCode_ = QString::fromUtf8(WUpdateCheck::kProductCode);
  QString version_;
  QString productName_ = QString::fromUtf8(WUpdateCheck::kProductName);
  QString localFolder_;
  int timeoutMs_ = kTimeoutMs;
  bool busy_ = false;
  bool timedOut_ = false;
  bool tooLarge_ = false;
  QStringList urls_;

  QLabel* version_label_ = nullptr;
  QTreeWidget* tree_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* refresh_ = nullptr;
  QNetworkAccessManager* net_ = nullptr;
  QNetworkReply* reply_ = nullptr;
  QTimer* timeout_ = nullptr;
};
