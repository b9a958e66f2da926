#include "gui/app/DirectoryPanel.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QStorageInfo>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int kPathRole = Qt::UserRole + 1;

}  // namespace

TDirectoryPanel::TDirectoryPanel(const QStringList& mask, QWidget* parent) : QWidget(parent), mask_(mask) {
  setMinimumWidth(60);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(3);

  auto* header = new QWidget(this);
  header->setAutoFillBackground(true);
  QPalette pal = header->palette();
  pal.setColor(QPalette::Window, pal.color(QPalette::Mid));
  header->setPalette(pal);
  auto* header_layout = new QHBoxLayout(header);
  header_layout->setContentsMargins(4, 1, 3, 1);
  auto* title = new QLabel(QStringLiteral("Directory"), header);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  header_layout->addWidget(title, 1);
  close_ = new QToolButton(header);
  close_->setAutoRaise(true);
  close_->setText(QStringLiteral("\u00D7"));
  close_->setToolTip(QStringLiteral("Close the directory panel"));
  close_->setFixedSize(16, 16);
  close_->setFocusPolicy(Qt::TabFocus);
  connect(close_, &QToolButton::clicked, this, &QWidget::hide);
  header_layout->addWidget(close_);
  layout->addWidget(header);

  // Places stand in for drives: the home folder, the root and the mounted volumes.
  places_ = new QComboBox(this);
  places_->setToolTip(QStringLiteral("Places"));
  places_->addItem(style()->standardIcon(QStyle::SP_DirHomeIcon), QDir::homePath(), QDir::homePath());
  places_->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), QStringLiteral("/"), QStringLiteral("/"));
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady() || volume.isRoot()) continue;
    const QString root = volume.rootPath();
    if (places_->findData(root) >= 0) continue;
    places_->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), root, root);
  }
  layout->addWidget(places_);

  folder_model_ = new QFileSystemModel(this);
  folder_model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folder_model_->setRootPath(QStringLiteral("/"));
  folders_ = new QTreeView(this);
  folders_->setModel(folder_model_);
  for (int c = 1; c < folder_model_->columnCount(); ++c) folders_->hideColumn(c);
  folders_->setHeaderHidden(true);
  folders_->setToolTip(QStringLiteral("Folders"));
  folders_->setRootIndex(folder_model_->index(QDir::homePath()));
  layout->addWidget(folders_, 3);

  files_ = new QListWidget(this);
  files_->setToolTip(QStringLiteral("Genealogy files in the selected folder: click one to open it"));
  files_->setSelectionMode(QAbstractItemView::SingleSelection);
  layout->addWidget(files_, 2);

  watcher_ = new QFileSystemWatcher(this);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this](const QString& changed) {
    if (changed == folder_) ReadFiles();
  });

  // The tree reads folders in the background: once the current folder's parents are read,
  // bring it into view.
  connect(folder_model_, &QFileSystemModel::directoryLoaded, this, [this] {
    if (folders_->currentIndex().isValid()) folders_->scrollTo(folders_->currentIndex());
  });
  connect(places_, qOverload<int>(&QComboBox::activated), this, &TDirectoryPanel::PlaceChosen);
  // The current folder, however it became current (a click, the arrow keys, a place).
  connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& index) { FolderBecameCurrent(index); });
  connect(folders_, &QTreeView::clicked, this, &TDirectoryPanel::FolderBecameCurrent);
  connect(files_, &QListWidget::itemClicked, this, &TDirectoryPanel::ItemChosen);
  connect(files_, &QListWidget::itemActivated, this, &TDirectoryPanel::ItemChosen);
}

void TDirectoryPanel::PlaceChosen(int index) {
  const QString root = places_->itemData(index).toString();
  if (!root.isEmpty()) SetCurrentFolder(root);
}

void TDirectoryPanel::FolderBecameCurrent(const QModelIndex& index) {
  if (!index.isValid()) return;
  ShowFolder(folder_model_->filePath(index));
}

void TDirectoryPanel::SetCurrentFolder(const QString& folder) {
  const QFileInfo info(folder);
  const QString path = info.isDir() ? info.absoluteFilePath() : QDir::homePath();
  // The place that holds the folder: the longest root that is a prefix of it.
  int best = -1;
  qsizetype best_length = -1;
  for (int i = 0; i < places_->count(); ++i) {
    const QString root = places_->itemData(i).toString();
    const bool inside = path == root || path.startsWith(root.endsWith('/') ? root : root + '/');
    if (inside && root.size() > best_length) best = i, best_length = root.size();
  }
  if (best >= 0) {
    places_->setCurrentIndex(best);
    folders_->setRootIndex(folder_model_->index(places_->itemData(best).toString()));
  }
  const QModelIndex index = folder_model_->index(path);
  if (index.isValid()) {
    folders_->setCurrentIndex(index);
    folders_->scrollTo(index);
  }
  ShowFolder(path);
}

void TDirectoryPanel::ShowFolder(const QString& folder) {
  if (folder == folder_) return;
  if (!folder_.isEmpty()) watcher_->removePath(folder_);
  folder_ = folder;
  if (!folder_.isEmpty()) watcher_->addPath(folder_);
  files_->clear();
  ReadFiles();
}

void TDirectoryPanel::ReadFiles() {
  const QString current = CurrentFile();
  files_->clear();
  if (folder_.isEmpty()) return;
  // Name patterns match without regard to case, so "TREE.GED" shows as well.
  const QFileInfoList entries =
      QDir(folder_).entryInfoList(mask_, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
  for (const QFileInfo& entry : entries) {
    auto* item = new QListWidgetItem(entry.fileName(), files_);
    item->setData(kPathRole, entry.absoluteFilePath());
    item->setToolTip(entry.absoluteFilePath());
    if (entry.absoluteFilePath() == current) files_->setCurrentItem(item);
  }
}

QString TDirectoryPanel::CurrentFile() const {
  const QListWidgetItem* item = files_->currentItem();
  return item ? item->data(kPathRole).toString() : QString();
}

void TDirectoryPanel::ItemChosen(QListWidgetItem* item) {
  if (item) emit fileChosen(item->data(kPathRole).toString());
}
