#include "gui/app/NetDialog.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "app/Options.h"
#include "base/TextUtils.h"
#include "base/UIHooks.h"

namespace {

// A server that sends more than this is not sending an information file.
constexpr qint64 kMaxBodyBytes = 1 << 20;
constexpr int kUrlRole = Qt::UserRole + 1;

QString FromAnsi(const std::string& text) { return QString::fromUtf8(AnsiToUtf8(text)); }

// The four pictures of the tree: an entry, a web link, an archive, a program.
QIcon TreeImage(int image) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  switch (image) {
    case WUpdateInfo::ItemImage:  // a folder
      p.setPen(QColor(150, 110, 20));
      p.setBrush(QColor(240, 200, 80));
      p.drawRect(1, 4, 14, 10);
      p.drawRect(1, 2, 6, 2);
      break;
    case WUpdateInfo::ZipImage:  // a box with a zip line
      p.setPen(QColor(90, 60, 20));
      p.setBrush(QColor(205, 160, 100));
      p.drawRect(2, 2, 12, 12);
      p.setPen(QPen(QColor(60, 60, 60), 2));
      p.drawLine(8, 2, 8, 14);
      break;
    case WUpdateInfo::ExeImage:  // a program window
      p.setPen(QColor(40, 40, 90));
      p.setBrush(Qt::white);
      p.drawRect(1, 2, 14, 12);
      p.fillRect(2, 3, 13, 3, QColor(40, 80, 200));
      break;
    default:  // a globe for a web page
      p.setPen(QColor(20, 70, 160));
      p.setBrush(QColor(120, 180, 240));
      p.drawEllipse(1, 1, 14, 14);
      p.drawLine(1, 8, 15, 8);
      p.drawEllipse(5, 1, 6, 14);
      break;
  }
  return QIcon(pixmap);
}

}  // namespace

TNetDialog::TNetDialog(QWidget* parent) : QDialog(parent) {
  version_ = QString::fromStdString(WUpdateCheck::CurrentVersion());
  setWindowTitle(QString::fromUtf8(WUpdateCheck::kTitle));
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  resize(460, 340);

  version_label_ = new QLabel;
  QFont bold = version_label_->font();
  bold.setBold(true);
  version_label_->setFont(bold);
  version_label_->hide();

  tree_ = new QTreeWidget;
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { PickItem(item); });

  status_ = new QLabel;
  status_->setFrameShape(QFrame::StyledPanel);
  status_->setFrameShadow(QFrame::Sunken);
  status_->setMinimumHeight(status_->sizeHint().height() + 4);

  refresh_ = new QPushButton(QStringLiteral("Refresh Info"));
  connect(refresh_, &QPushButton::clicked, this, [this] { RefreshUpdates(); });
  auto* close = new QPushButton(QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(refresh_);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(version_label_);
  layout->addWidget(tree_, 1);
  layout->addLayout(buttons);
  layout->addWidget(status_);

  net_ = new QNetworkAccessManager(this);
  timeout_ = new QTimer(this);
  timeout_->setSingleShot(true);
  connect(timeout_, &QTimer::timeout, this, [this] {
    if (!reply_) return;
    timedOut_ = true;
    reply_->abort();
  });
}

TNetDialog::~TNetDialog() {
  if (reply_) {
    reply_->disconnect(this);
    reply_->abort();
    reply_->deleteLater();
    reply_ = nullptr;
  }
  StopBusy();
}

void TNetDialog::SetProduct(const QString& code, const QString& version, const QString& name) {
  productCode_ = code;
  version_ = version;
  productName_ = name;
}

void TNetDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) QTimer::singleShot(0, this, [this] { RefreshUpdates(); });
}

void TNetDialog::RefreshUpdates() {
  if (reply_) return;  // one check at a time
  tree_->clear();
  urls_.clear();
  version_label_->hide();

  if (!busy_) {
    BeginBusy();
    busy_ = true;
  }
  refresh_->setEnabled(false);
  SetStatus(QString::fromUtf8(WUpdateCheck::ConnectingText(address_.toStdString())));

  QNetworkRequest request{QUrl(address_)};
  request.setTransferTimeout(timeoutMs_);
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  timedOut_ = false;
  tooLarge_ = false;
  reply_ = net_->get(request);
  connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
    if (reply_ && received > kMaxBodyBytes) {
      tooLarge_ = true;
      reply_->abort();
    }
  });
  connect(reply_, &QNetworkReply::finished, this, &TNetDialog::Finished);
  timeout_->start(timeoutMs_);
}

void TNetDialog::Finished() {
  QNetworkReply* reply = reply_;
  reply_ = nullptr;
  timeout_->stop();
  StopBusy();
  refresh_->setEnabled(true);
  SetStatus(QString());
  if (!reply) return;

  const int httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  QByteArray body = reply->error() == QNetworkReply::NoError ? reply->read(kMaxBodyBytes + 1) : QByteArray();
  WUpdateCheck::Download result = WUpdateCheck::Download::Ok;
  if (tooLarge_ || body.size() > kMaxBodyBytes) {
    body.clear();  // too big to be the file: treated like any other wrong answer
  } else if (reply->error() != QNetworkReply::NoError) {
    // A server that answered with an error status did not send the file; no answer at all (no
    // route, refused, timed out, cut off) is a connection error.
    result = httpStatus >= 400 && !timedOut_ ? WUpdateCheck::Download::NotFound
                                             : WUpdateCheck::Download::ConnectionError;
  }
  reply->deleteLater();

  QString folder =
      localFolder_.isEmpty() ? QString::fromStdString(WUpdateCheck::SettingsFolder(Options())) : localFolder_;
  WUpdateCheck check(productCode_.toStdString(), version_.toStdString(), productName_.toStdString());
  check.Finish(result, std::string_view(body.constData(), static_cast<size_t>(body.size())),
               WUpdateCheck::LocalFileFor(address_.toStdString(), folder.toStdString()));
  ShowResult(check);
  emit refreshFinished();
}

void TNetDialog::ShowResult(const WUpdateCheck& check) {
  SetStatus(QString::fromUtf8(check.Status()));
  if (check.VersionLabelVisible()) {
    version_label_->setText(FromAnsi(check.VersionLabel()));
    version_label_->show();
  }
  bool first = true;
  for (const WUpdateItem& item : check.Items()) {
    auto* node = new QTreeWidgetItem(tree_, QStringList(FromAnsi(item.caption)));
    node->setIcon(0, TreeImage(WUpdateInfo::ItemImage));
    for (const WUpdateLeaf& leaf : item.leaves) {
      auto* child = new QTreeWidgetItem(node, QStringList(FromAnsi(leaf.caption)));
      child->setIcon(0, TreeImage(leaf.image));
      QString url = FromAnsi(leaf.url);
      child->setData(0, kUrlRole, url);
      child->setToolTip(0, url);
      urls_ << url;
    }
    if (first) node->setExpanded(true);
    first = false;
  }
}

void TNetDialog::PickItem(QTreeWidgetItem* item) {
  if (!item || !item->parent()) return;
  QString url = item->data(0, kUrlRole).toString();
  emit urlSelected(url);
  if (WUpdateInfo::IsWebAddress(url.toStdString())) QDesktopServices::openUrl(QUrl(url));
  item->setSelected(false);
}

QString TNetDialog::StatusText() const { return status_->text(); }
QString TNetDialog::VersionText() const { return version_label_->text(); }
bool TNetDialog::VersionVisible() const { return !version_label_->isHidden(); }

void TNetDialog::SetStatus(const QString& text) { status_->setText(text); }

void TNetDialog::StopBusy() {
  if (!busy_) return;
  busy_ = false;
  EndBusy();
}
