#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QFileSystemWatcher;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QToolButton;
class QTreeView;

// The left panel of the main window: a header "Directory" with a close button, the places
// (home, root, mounted volumes) standing in for drives, the folder tree and the file list.
// The place drives the tree and the tree's current folder drives the file list, whether the
// folder was clicked or reached with the keyboard.  The list holds the current folder's
// files that match the mask, read when the folder becomes current and again whenever the
// folder changes on disk, so it never shows another folder's or an old listing.
class TDirectoryPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TDirectoryPanel(const QStringList& mask, QWidget* parent = nullptr);

  // The folder whose files the list shows.
  QString CurrentFolder() const { return folder_; }
  // Makes the folder current in the tree and lists its files; a folder that does not exist
  // gives the home folder.
  void SetCurrentFolder(const QString& folder);
  // The full path of the list's current file; empty when none.
  QString CurrentFile() const;

  QComboBox* Places() const { return places_; }
  QTreeView* FolderTree() const { return folders_; }
  QListWidget* FileList() const { return files_; }
  QToolButton* CloseButton() const { return close_; }

 signals:
  // A file of the list was clicked or activated (Enter, double-click): its full path.
  void fileChosen(const QString& path);

 private:
  void PlaceChosen(int index);
  void FolderBecameCurrent(const QModelIndex& index);
  // Lists the files of `folder` (the current folder) anew, keeping the current file.
  void ShowFolder(const QString& folder);
  void ReadFiles();
  void ItemChosen(QListWidgetItem* item);

  QStringList mask_;
  QString folder_;
  QComboBox* places_ = nullptr;
  QTreeView* folders_ = nullptr;
  QFileSystemModel* folder_model_ = nullptr;
  QListWidget* files_ = nullptr;
  QToolButton* close_ = nullptr;
  QFileSystemWatcher* watcher_ = nullptr;
};
