#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QFileSystemWatcher;
class QLabel;
class QPushButton;
class QTimer;
class QWidget;

// Watches the files of the open collection while it is shown: the file itself and, for the
// readers whose data lies in sibling tables and memo files, those too, with their folders so
// that a file replaced by rename is noticed as well.  When one of them changes, the bar
// "This file has changed on disk." with a Reload button appears above the tabs; with the
// option AutoReload set, reloadRequested is raised at once instead, at most once a second
// while the files keep changing.
class TFileWatch : public QObject {
  Q_OBJECT
 public:
  static constexpr const char* kChangedText = "This file has changed on disk.";
  // Shortest time between two reloads the watch asks for by itself.
  static constexpr int kReloadIntervalMs = 1000;

  explicit TFileWatch(QWidget* bar_parent);
  ~TFileWatch() override;

  // The bar to put above the tabs; hidden until a file changes.
  QWidget* Bar() const { return bar_; }
  QLabel* BarLabel() const { return label_; }
  QPushButton* ReloadButton() const { return reload_; }

  // Starts watching `files`; `changed` tells whether they really differ from what was read
  // (a folder also changes when other files in it do).
  void Watch(const std::vector<std::string>& files, std::function<bool()> changed);
  // Stops watching (the bar stays as it is).
  void Stop();
  // The bar for a file that changed while being read: the view is empty, Reload offered.
  void ShowChanged();
  void HideBar();
  bool BarShown() const;
  // The watched paths (files and folders), for tests.
  QStringList WatchedPaths() const;

 signals:
  void reloadRequested();

 private:
  void SomethingChanged();
  void Evaluate();

  QWidget* bar_ = nullptr;
  QLabel* label_ = nullptr;
  QPushButton* reload_ = nullptr;
  QFileSystemWatcher* watcher_ = nullptr;
  QTimer* settle_ = nullptr;  // lets a burst of changes settle before looking
  std::function<bool()> changed_;
  std::vector<std::string> files_;
  QElapsedTimer since_reload_;
};
