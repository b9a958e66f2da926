#include "gui/app/FileWatch.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "app/Options.h"

namespace {

// Time for a program that saves a file in several writes to finish before it is looked at.
constexpr int kSettleMs = 150;

}  // namespace

TFileWatch::TFileWatch(QWidget* bar_parent) : QObject(bar_parent) {
  bar_ = new QWidget(bar_parent);
  bar_->setObjectName(QStringLiteral("changedOnDiskBar"));
  bar_->setAutoFillBackground(true);
  QPalette palette = bar_->palette();
  palette.setColor(QPalette::Window, QColor(255, 241, 184));
  palette.setColor(QPalette::WindowText, Qt::black);
  bar_->setPalette(palette);
  auto* layout = new QHBoxLayout(bar_);
  layout->setContentsMargins(8, 3, 8, 3);
  label_ = new QLabel(QString::fromLatin1(kChangedText), bar_);
  reload_ = new QPushButton(QStringLiteral("Reload"), bar_);
  layout->addWidget(label_, 1);
  layout->addWidget(reload_);
  bar_->hide();
  connect(reload_, &QPushButton::clicked, this, &TFileWatch::reloadRequested);

  watcher_ = new QFileSystemWatcher(this);
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, &TFileWatch::SomethingChanged);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &TFileWatch::SomethingChanged);
  settle_ = new QTimer(this);
  settle_->setSingleShot(true);
  connect(settle_, &QTimer::timeout, this, &TFileWatch::Evaluate);
}

TFileWatch::~TFileWatch() = default;

void TFileWatch::Watch(const std::vector<std::string>& files, std::function<bool()> changed) {
  Stop();
  files_ = files;
  changed_ = std::move(changed);
  QStringList paths;
  for (const std::string& file : files) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(file));
    paths << path;
    // The folder tells of a file replaced by rename, which the file's own watch loses.
    const QString folder = QFileInfo(path).absolutePath();
    if (!paths.contains(folder)) paths << folder;
  }
  if (!paths.isEmpty()) watcher_->addPaths(paths);
}

void TFileWatch::Stop() {
  settle_->stop();
  const QStringList watched = WatchedPaths();
  if (!watched.isEmpty()) watcher_->removePaths(watched);
  files_.clear();
  changed_ = nullptr;
}

QStringList TFileWatch::WatchedPaths() const { return watcher_->files() + watcher_->directories(); }

void TFileWatch::ShowChanged() { bar_->show(); }

void TFileWatch::HideBar() { bar_->hide(); }

bool TFileWatch::BarShown() const { return !bar_->isHidden(); }

void TFileWatch::SomethingChanged() {
  if (!changed_) return;
  if (!settle_->isActive()) settle_->start(kSettleMs);
}

void TFileWatch::Evaluate() {
  if (!changed_ || !changed_()) return;
  // A file replaced by rename dropped out of the watch: watch the new one, so that later
  // saves are seen too.
  for (const std::string& file : files_) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(file));
    if (!watcher_->files().contains(path) && QFileInfo::exists(path)) watcher_->addPath(path);
  }
  if (!Options().GetBool(WOptions::AutoReload)) {
    ShowChanged();
    return;
  }
  if (since_reload_.isValid() && since_reload_.elapsed() < kReloadIntervalMs) {
    settle_->start(static_cast<int>(kReloadIntervalMs - since_reload_.elapsed()));
    return;
  }
  since_reload_.restart();
  emit reloadRequested();
}
