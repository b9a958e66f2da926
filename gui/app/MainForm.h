#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "app/MainTabs.h"
#include "app/OpenCycle.h"
#include "app/OpenCycleHost.h"
#include "model/RecNo.h"
#include "search/SortIterators.h"

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QSplitter;
class QTabWidget;
class QTimer;
class QToolBar;
class QTreeView;
class TDirectoryPanel;
class TExportCommand;
class TFileWatch;
class TToolsCommands;
class TURLLabel;
class WABSCollection;
class WFamPanel;
class WGenPanel;
class WDesPanel;
class WIndPanel;
class WIndScrollLite;
class WPedPanel;
class TPrintCommand;

// The main window: menus, tool bar, the folder and file browser at the left, the individual
// scroller and the tabs in the middle, and the status bar.  It owns the open file through
// WOpenCycle, keeps the tabs on the scroller's active individual, and remembers its layout
// between runs.
class TMainForm : public QMainWindow, private WOpenCycleHost {
  Q_OBJECT
 public:
  // Tab indexes (positions on screen; the setting "LastTab" numbers them its own way, see
  // WMainTabs).
  enum Tab {
    kGeneralTab = WMainTabs::kGeneral,
    kIndividualTab = WMainTabs::kIndividual,
    kFamilyTab = WMainTabs::kFamily,
    kPedigreeTab = WMainTabs::kPedigree,
    kDescendantsTab = WMainTabs::kDescendants,
    kFeaturesTab = WMainTabs::kFeatures,
    kLinksTab = WMainTabs::kLinks
  };

  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  // The first show: window placement, the welcome quick help, then the file of the command
  // line (arguments without the program name, as the process received them: a file name is
  // bytes in the file system's encoding) or the last file.
  void StartWithArgs(const std::vector<std::string>& args);
  // The same with arguments given as text (file names are encoded for the file system).
  void Start(const QStringList& args);

  // Every way of opening a file ends here (see WOpenCycle::OpenGenealogyFile).  The path is
  // kept as the file system spells it (bytes); the QString form encodes it for the file
  // system.  A successful open puts the file at the top of the recent-file list.
  bool OpenPath(const std::string& path);
  bool OpenGenealogyFile(const QString& path);
  // The open file's path decoded for display; empty while idle.
  QString CurrentFile() const;
  bool Importing() const { return cycle_.Importing(); }
  // The open file's collection; none while idle.  Not owned by the caller.
  WABSCollection* Collection() const { return cycle_.Collection(); }

  WIndScrollLite* Scroller() const { return scroller_; }
  // Makes individual n active (through the scroller, which refreshes the shown tab).
  void GoToIndividual(RecNo n);
  // Shows the scroller's active individual on the visible tab, with the tab's quick help.
  void RefreshCurrentTab() override;
  // Gives the tabs the display settings (UseLDS, Chrono, TMGTagSent, ShowIndHint, FamBirChr).
  void ApplyDisplaySettings();
  // After the display settings changed: apply them, refresh the shown tab and the scroller.
  void RefreshAfterSettings();

  // Menu and tool bar commands that other dialogs hook into.

  // Edit > Quick Find and Edit > Advanced Find (only with a file open): the dialog starts on
  // the active individual and, on OK, makes its choice active.
  void QuickFind();
  void AdvancedFind();
  // The open file's sorted lists, created on first use and lent to the find dialogs.
  WSortIterators& SortIterators() { return sort_iterators_; }
  QAction* OpenAction() const { return open_; }
  QAction* QuickFindAction() const { return quick_find_; }
  QAction* AdvancedFindAction() const { return advanced_find_; }
  QAction* OptionsAction() const { return options_; }
  QAction* CheckUpdatesAction() const { return check_updates_; }
  QAction* BackAction() const { return back_; }
  QAction* ForwardAction() const { return forward_; }
  QAction* FileDirectoryAction() const { return file_directory_; }
  QAction* ResetQuickHelpAction() const { return reset_quick_help_; }
  QAction* EmailAction() const { return email_; }
  QAction* SuggestionAction() const { return suggestion_; }
  QAction* AboutAction() const { return about_; }
  // File > Recent Files: one action per remembered file, rebuilt whenever the menu opens.
  QMenu* RecentMenu() const { return recent_menu_; }
  void RebuildRecentMenu();
  // Tools > Options... and Check for Updates, and the start-up checks.
  TToolsCommands* ToolsCommands() const { return tools_; }
  // File > Export GEDCOM...
  TExportCommand* ExportCommand() const { return export_; }
  // File > Reload (F5): opens the shown file (or the one that changed while it was read)
  // again, keeping the active individual by identifier, the tab and the history that is still
  // valid.  False when there is nothing to reload or the open fails.
  bool ReloadFile();
  QAction* ReloadAction() const { return reload_; }
  // The watch on the open file's files and the "changed on disk" bar above the tabs.
  TFileWatch* FileWatch() const { return watch_; }

  QTabWidget* Tabs() const { return tabs_; }
  WGenPanel* GenPanel() const { return gen_page_; }
  WIndPanel* IndPanel() const { return ind_page_; }
  WFamPanel* FamPanel() const { return fam_page_; }
  WPedPanel* PedPanel() const { return ped_page_; }
  WDesPanel* DesPanel() const { return des_page_; }
  // File > Print..., Print Preview... and Save as PDF...
  TPrintCommand* PrintCommand() const { return print_; }
  // Status panels 0 to 4.
  QString StatusText(int panel) const;
  QLabel* StatusPanel(int panel) const { return panel >= 0 && panel < 5 ? status_[panel] : nullptr; }
  TDirectoryPanel* LeftPanel() const { return left_panel_; }
  QSplitter* Splitter() const { return splitter_; }
  QTreeView* FolderTree() const;
  QListWidget* FileList() const;
  QComboBox* Places() const;
  QToolBar* ToolBar() const { return toolbar_; }
  TURLLabel* WebsiteLabel() const { return website_; }
  // The folder the left panel shows.
  QString CurrentFolder() const;
  void SetCurrentFolder(const QString& folder);

  // Quick help can be switched off for unattended runs (screenshots).
  void SetQuickHelpEnabled(bool enabled) { quick_help_enabled_ = enabled; }

 signals:
  // The open file changed (none after a failed open or while idle).  Lists built for the
  // old collection must be dropped.
  void collectionChanged(WABSCollection* collection);
  // The active individual changed.
  void individualChanged(RecNo n);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // WOpenCycleHost
  void ShowMessage(const std::string& text) override;
  void ShowWaitDialog(const std::string& message, bool show_now, bool with_cancel) override;
  void HideWaitDialog() override;
  void SetMiddleEnabled(bool enabled) override;
  void SetImportTimer(bool enabled, int interval_ms) override;
  void DetachViews(const std::string& file_name) override;
  void AttachViews(WABSCollection* collection, const std::string& file_name) override;
  void SetImportTime(const std::string& text) override;
  void ShowDamageNotice() override;
  void SetCaption(const std::string& caption) override;
  void SetStatusText(int panel, const std::string& text) override;
  void FreeSortIterators() override;

  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  TDirectoryPanel* CreateLeftPanel();
  QWidget* CreateMiddle();
  void CreateStatusBar();
  QWidget* CreateFeaturesPage();
  QWidget* CreateLinksPage();

  void OpenFromDialog();
  void FileChosen(const QString& path);
  void TabChanged(int index);
  // Keyboard focus: the toolbar's buttons and the tab chain from the left panel to the tabs.
  void SetUpKeyboard();
  void UpdateHistoryActions();
  void SetFileCommandsEnabled(bool enabled);
  void RestoreWindowPlacement();
  void SaveWindowPlacement();
  void ResetQuickHelpAndRefresh();

  WSortIterators sort_iterators_;
  WOpenCycle cycle_{*this};
  bool quick_help_enabled_ = true;
  bool close_pending_ = false;
  bool started_ = false;

  QAction* open_ = nullptr;
  QAction* exit_ = nullptr;
  QAction* quick_find_ = nullptr;
  QAction* advanced_find_ = nullptr;
  QAction* options_ = nullptr;
  QAction* check_updates_ = nullptr;
  QAction* reset_quick_help_ = nullptr;
  QAction* email_ = nullptr;
  QAction* suggestion_ = nullptr;
  QAction* about_ = nullptr;
  TToolsCommands* tools_ = nullptr;
  TExportCommand* export_ = nullptr;
  QAction* reload_ = nullptr;
  TFileWatch* watch_ = nullptr;
  std::string reload_path_;  // the file File > Reload opens
  QAction* back_ = nullptr;
  QAction* forward_ = nullptr;
  QAction* file_directory_ = nullptr;

  QToolBar* toolbar_ = nullptr;
  TURLLabel* website_ = nullptr;
  QSplitter* splitter_ = nullptr;
  TDirectoryPanel* left_panel_ = nullptr;
  QMenu* recent_menu_ = nullptr;
  QWidget* middle_ = nullptr;
  WIndScrollLite* scroller_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  WGenPanel* gen_page_ = nullptr;
  WIndPanel* ind_page_ = nullptr;
  WFamPanel* fam_page_ = nullptr;
  WPedPanel* ped_page_ = nullptr;
  WDesPanel* des_page_ = nullptr;
  TPrintCommand* print_ = nullptr;
  QLabel* status_[5] = {};
  QTimer* import_timer_ = nullptr;
};

// Sizes a status-bar panel to `width` pixels, or wider when its text needs more.
void FitStatusPanel(QLabel& panel, int width);
