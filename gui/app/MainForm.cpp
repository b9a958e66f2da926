#include "gui/app/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>
#include <filesystem>
#include <system_error>

#include "app/FileMask.h"
#include "app/MakerLinks.h"
#include "app/Options.h"
#include "app/QuickHelp.h"
#include "app/WindowPlacement.h"
#include "base/UIHooks.h"
#include "gui/app/AnsiText.h"
#include "gui/app/DialogHooks.h"
#include "gui/app/DirectoryPanel.h"
#include "gui/app/ExportCommand.h"
#include "gui/app/FileWatch.h"
#include "gui/app/HelpMenu.h"
#include "gui/app/InitHelpDialog.h"
#include "gui/app/Messages.h"
#include "gui/app/PrintCommand.h"
#include "gui/app/SafeCall.h"
#include "gui/app/ToolsCommands.h"
#include "gui/app/URLLabel.h"
#include "gui/app/WaitDlg.h"
#include "gui/search/FindDlg.h"
#include "gui/search/QuickFind.h"
#include "gui/views/DesPanel.h"
#include "gui/views/FamPanel.h"
#include "gui/views/GenPanel.h"
#include "gui/views/IndPanel.h"
#include "gui/views/IndScrollLite.h"
#include "gui/views/PedPanel.h"
#include "gui/views/SelectionButton.h"
#include "model/ABSCollection.h"

namespace {

constexpr int kLeftPanelWidth = 130;
constexpr int kToolBarHeight = 29;
constexpr int kStripHeight = 40;
// The settings key of the left panel's width.
constexpr const char* kLeftWidthKey = "DirWidth";

QStringList ToQStringList(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items) list << QString::fromStdString(item);
  return list;
}

QString WebSite() { return QString::fromUtf8(WMakerLinks::WebSite()); }

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(WOpenCycle::kCaption);
  setAcceptDrops(true);
  import_timer_ = new QTimer(this);
  connect(import_timer_, &QTimer::timeout, this, [this] { SafeCall([this] { cycle_.ImportTimerTick(); }); });

  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();

  splitter_ = new QSplitter(Qt::Horizontal, this);
  splitter_->setChildrenCollapsible(false);
  left_panel_ = CreateLeftPanel();
  middle_ = CreateMiddle();
  splitter_->addWidget(left_panel_);
  splitter_->addWidget(middle_);
  splitter_->setStretchFactor(0, 0);
  splitter_->setStretchFactor(1, 1);
  // The left panel keeps the width the user gave it in the last run.
  int left_width = Options().ReadIniInteger("General", kLeftWidthKey, kLeftPanelWidth);
  if (left_width < left_panel_->minimumWidth()) left_width = kLeftPanelWidth;
  splitter_->setSizes({left_width, 800});
  setCentralWidget(splitter_);
  // What fails in a user's action is told in the status bar (and on stderr).
  SetFailureReporter([this](const QString& what) { status_[0]->setText(what.simplified()); });

  SetFileCommandsEnabled(false);
  UpdateHistoryActions();

  // Settings that shape the tabs, then the folder and tab of the last run.
  ApplyDisplaySettings();
  const std::string last_dir = Options().GetString(WOptions::LastDir);
  SetCurrentFolder(last_dir.empty() ? QDir::homePath() : PathToQ(last_dir));
  int last_tab = WMainTabs::FromSetting(Options().GetInt(WOptions::LastTab));
  if (last_tab < 0 || last_tab >= tabs_->count()) last_tab = kIndividualTab;
  {
    QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(last_tab);
  }
  resize(1000, 700);
  tools_ = new TToolsCommands(this);
  SetUpKeyboard();
}

TMainForm::~TMainForm() {
  SetFailureReporter(nullptr);
  import_timer_->stop();
  scroller_->SetCollection(nullptr);
  cycle_.CloseFile();
}

// ---- construction

void TMainForm::CreateActions() {
  QStyle* st = style();
  open_ = new QAction(st->standardIcon(QStyle::SP_DialogOpenButton), QStringLiteral("&Open"), this);
  open_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  open_->setToolTip(QStringLiteral("Open"));
  connect(open_, &QAction::triggered, this, &TMainForm::OpenFromDialog);
  exit_ = new QAction(QStringLiteral("E&xit"), this);
  connect(exit_, &QAction::triggered, this, &QWidget::close);

  quick_find_ =
      new QAction(st->standardIcon(QStyle::SP_FileDialogContentsView), QStringLiteral("Quick Find"), this);
  quick_find_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  advanced_find_ =
      new QAction(st->standardIcon(QStyle::SP_FileDialogDetailedView), QStringLiteral("Advanced Find"), this);
  advanced_find_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  connect(quick_find_, &QAction::triggered, this, &TMainForm::QuickFind);
  connect(advanced_find_, &QAction::triggered, this, &TMainForm::AdvancedFind);
  options_ = new QAction(QStringLiteral("Options..."), this);
  options_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
  check_updates_ = new QAction(QStringLiteral("Check for Updates"), this);

  reset_quick_help_ = new QAction(QStringLiteral("Reset Quick Help Dialog Boxes"), this);
  connect(reset_quick_help_, &QAction::triggered, this, &TMainForm::ResetQuickHelpAndRefresh);
  email_ = new QAction(QStringLiteral("Email a Friend..."), this);
  connect(email_, &QAction::triggered, this, [] { SafeCall([] { EmailAFriend(); }); });
  suggestion_ = new QAction(QStringLiteral("Make a Suggestion"), this);
  connect(suggestion_, &QAction::triggered, this,
          [this] { SafeCall([this] { ShowSuggestionDialog(this); }); });
  about_ = new QAction(QStringLiteral("&About..."), this);
  connect(about_, &QAction::triggered, this, [this] { SafeCall([this] { ShowAboutBox(this); }); });

  back_ = new QAction(st->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Back"), this);
  back_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
  back_->setToolTip(QStringLiteral("Back (Alt+Left)"));
  connect(back_, &QAction::triggered, this, [this] { scroller_->GoBack(); });
  forward_ = new QAction(st->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Forward"), this);
  forward_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
  forward_->setToolTip(QStringLiteral("Forward (Alt+Right)"));
  connect(forward_, &QAction::triggered, this, [this] { scroller_->GoForward(); });
  file_directory_ = new QAction(st->standardIcon(QStyle::SP_DirIcon), QStringLiteral("File Directory"), this);
  file_directory_->setToolTip(QStringLiteral("File Directory"));
  connect(file_directory_, &QAction::triggered, this,
          [this] { left_panel_->setVisible(!left_panel_->isVisible()); });
  export_ = new TExportCommand(this);
  print_ = new TPrintCommand(this);
  reload_ = new QAction(QStringLiteral("&Reload"), this);
  reload_->setShortcut(QKeySequence(Qt::Key_F5));
  connect(reload_, &QAction::triggered, this, [this] { ReloadFile(); });
}

void TMainForm::CreateMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(open_);
  file->addAction(reload_);
  recent_menu_ = file->addMenu(QStringLiteral("&Recent Files"));
  connect(recent_menu_, &QMenu::aboutToShow, this, &TMainForm::RebuildRecentMenu);
  RebuildRecentMenu();
  file->addAction(export_->Action());
  file->addSeparator();
  file->addAction(print_->PrintAction());
  file->addAction(print_->PreviewAction());
  file->addAction(print_->PdfAction());
  file->addSeparator();
  file->addAction(exit_);
  QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
  edit->addAction(quick_find_);
  edit->addAction(advanced_find_);
  QMenu* tools = menuBar()->addMenu(QStringLiteral("Tools"));
  tools->addAction(options_);
  tools->addSeparator();
  tools->addAction(check_updates_);
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->addAction(reset_quick_help_);
  help->addSeparator();
  help->addAction(email_);
  help->addAction(suggestion_);
  help->addSeparator();
  help->addAction(about_);
}

void TMainForm::CreateToolBar() {
  toolbar_ = addToolBar(QStringLiteral("Tools"));
  toolbar_->setObjectName(QStringLiteral("MainToolBar"));
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setFixedHeight(kToolBarHeight);
  toolbar_->setIconSize(QSize(18, 18));
  toolbar_->addAction(open_);
  toolbar_->addAction(back_);
  toolbar_->addAction(forward_);
  toolbar_->addAction(file_directory_);
  toolbar_->addAction(quick_find_);
  toolbar_->addAction(advanced_find_);
  // The link sits at the right end of the bar.
  auto* spacer = new QWidget(toolbar_);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  toolbar_->addWidget(spacer);
  website_ = new TURLLabel(QStringLiteral("Taravell Website"), toolbar_);
  website_->SetURL(WebSite());
  website_->setToolTip(QStringLiteral("Click here to start your Internet browser"));
  website_->setContentsMargins(0, 0, 12, 0);
  toolbar_->addWidget(website_);
}

TDirectoryPanel* TMainForm::CreateLeftPanel() {
  auto* panel = new TDirectoryPanel(ToQStringList(WFileMask::SplitPatterns(WFileMask::FileListMask())));
  connect(panel, &TDirectoryPanel::fileChosen, this, &TMainForm::FileChosen);
  return panel;
}

QWidget* TMainForm::CreateMiddle() {
  auto* middle = new QWidget;
  auto* layout = new QVBoxLayout(middle);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* strip = new QWidget(middle);
  strip->setFixedHeight(kStripHeight);
  auto* strip_layout = new QVBoxLayout(strip);
  strip_layout->setContentsMargins(0, 2, 0, 1);
  scroller_ = new WIndScrollLite(strip);
  strip_layout->addWidget(scroller_);
  layout->addWidget(strip);
  watch_ = new TFileWatch(middle);
  connect(watch_, &TFileWatch::reloadRequested, this, [this] { ReloadFile(); });
  layout->addWidget(watch_->Bar());

  tabs_ = new QTabWidget(middle);
  gen_page_ = new WGenPanel;
  ind_page_ = new WIndPanel;
  fam_page_ = new WFamPanel;
  ped_page_ = new WPedPanel;
  des_page_ = new WDesPanel;
  // The tabs name a person; the scroller makes him or her active, which refreshes the tab.
  for (WABSPanel* panel : std::initializer_list<WABSPanel*>{ind_page_, fam_page_, ped_page_, des_page_})
    connect(panel, &WABSPanel::individualRequested, this, [this](int n) { GoToIndividual(n); });
  // The Individual tab stores both switches itself; a new sentence setting needs a refresh.
  connect(ind_page_, &WIndPanel::tmgSentenceToggled, this, [this](bool) { RefreshCurrentTab(); });
  tabs_->addTab(gen_page_, QStringLiteral("General"));
  tabs_->addTab(ind_page_, QStringLiteral("Individual"));
  tabs_->addTab(fam_page_, QStringLiteral("Family"));
  tabs_->addTab(ped_page_, QStringLiteral("Pedigree"));
  tabs_->addTab(des_page_, QStringLiteral("Descendants"));
  tabs_->addTab(CreateFeaturesPage(), QStringLiteral("Taravell Lite"));
  tabs_->addTab(CreateLinksPage(), QStringLiteral("Links"));
  layout->addWidget(tabs_, 1);

  connect(scroller_, &WIndScrollLite::changed, this, [this] {
    UpdateHistoryActions();
    RefreshCurrentTab();
    emit individualChanged(scroller_->CurrentIndividual());
  });
  connect(tabs_, &QTabWidget::currentChanged, this, &TMainForm::TabChanged);
  return middle;
}

QWidget* TMainForm::CreateFeaturesPage() {
  auto* browser = new QTextBrowser;
  browser->setOpenExternalLinks(true);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSize(10);
  browser->setFont(font);
  // The kinds of file come from the registered readers.
  QString kinds;
  for (const std::string& item : WFileMask::FormatItems())
    kinds += QStringLiteral("<li>") + QString::fromStdString(item).toHtmlEscaped() + QStringLiteral("</li>");
  browser->setHtml(QStringLiteral(
      "<h2>Taravell Lite</h2>"
      "<p>Taravell Lite opens genealogy files where they are, reads them without ever changing "
      "them, and lets you walk through the people in them. Large files open in seconds: the "
      "file is read in place and every person is fetched only when shown.</p>"
      "<h3>Files it reads</h3>"
      "<ul>") + kinds + QStringLiteral("</ul>"
      "<h3>Walking through a file</h3>"
      "<p>The strip above the tabs holds the active individual. Its scroll bar runs over everybody "
      "in the file; <b>F</b> and <b>M</b> jump to the father and the mother, <b>S</b> opens a menu "
      "of spouses and children. Back and Forward on the tool bar retrace your steps.</p>"
      "<p>The <b>General</b> tab describes the file, its header and its submitter. The "
      "<b>Individual</b> tab lists the person's events, parents, marriages and children with notes "
      "and sources. The <b>Family</b> tab shows the person with parents, spouses and children. "
      "The <b>Pedigree</b> tab draws four generations of ancestors, the <b>Descendants</b> tab "
      "lists children, grandchildren and their spouses. "
      "Double-click a name to move to that person.</p>"
      "<h3>Keyboard shortcuts</h3>"
      "<table cellpadding=\"3\">"
      "<tr><td><b>Ctrl+O</b></td><td>Open a file</td></tr>"
      "<tr><td><b>Ctrl+Q</b></td><td>Quick Find: a person by record number, or a relative</td></tr>"
      "<tr><td><b>Ctrl+F</b></td><td>Advanced Find: by surname, given names, identifier or "
      "reference number</td></tr>"
      "<tr><td><b>Ctrl+J</b></td><td>Options</td></tr>"
      "<tr><td><b>Ctrl+P</b></td><td>Print the tab shown as a report (File &gt; Save as PDF... "
      "writes it as a PDF file)</td></tr>"
      "<tr><td><b>Alt+Left</b>, <b>Alt+Right</b></td><td>Back and Forward</td></tr>"
      "<tr><td><b>Tab</b></td><td>From control to control; on the scroll bar above the tabs the "
      "arrow keys, Page Up, Page Down, Home and End step through the people</td></tr>"
      "<tr><td><b>Enter</b></td><td>On a person's box or a row that names a person: go to that "
      "person</td></tr>"
      "<tr><td><b>Alt+F</b>, <b>Alt+H</b></td><td>The File and Help menus</td></tr>"
      "</table>"
      "<p>You can also drop a file on the window, or click it in the file list at the left.</p>"));
  return browser;
}

QWidget* TMainForm::CreateLinksPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(16, 16, 16, 16);
  auto add = [&](const QString& html) {
    auto* label = new QLabel(html, page);
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(false);
    connect(label, &QLabel::linkActivated, page, [](const QString& url) { OpenExternalUrl(QUrl(url)); });
    layout->addWidget(label);
  };
  add(QStringLiteral("<h3>Taravell on the web</h3>"));
  add(QStringLiteral("Home page: <a href=\"%1\">%1</a>").arg(WebSite()));
  add(QStringLiteral("News and updates: <a href=\"%1news/\">%1news/</a>").arg(WebSite()));
  add(QStringLiteral("<h3>Mailing lists</h3>"));
  add(QStringLiteral(
      "Announcements of new versions: "
      "<a href=\"mailto:taravell-news@brambleford.example\">taravell-news@brambleford.example</a>"));
  add(QStringLiteral(
      "Questions and answers among users: "
      "<a href=\"mailto:taravell-users@brambleford.example\">taravell-users@brambleford.example</a>"));
  add(QStringLiteral(
      "Suggestions: "
      "<a href=\"mailto:suggestions@brambleford.example\">suggestions@brambleford.example</a>"));
  layout->addStretch(1);
  return page;
}

void TMainForm::CreateStatusBar() {
  for (int i = 0; i < 5; ++i) {
    status_[i] = new QLabel(this);
    status_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (i == 0) {
      statusBar()->addWidget(status_[i], 1);
    } else {
      status_[i]->setFixedWidth(WOpenCycle::kPanelWidths[i]);
      statusBar()->addPermanentWidget(status_[i]);
    }
  }
  statusBar()->setSizeGripEnabled(true);
}

// ---- start and stop

void TMainForm::Start(const QStringList& args) {
  std::vector<std::string> list;
  for (const QString& arg : args) list.push_back(QToPath(arg));
  StartWithArgs(list);
}

void TMainForm::StartWithArgs(const std::vector<std::string>& args) {
  if (started_) return;
  started_ = true;
  RestoreWindowPlacement();
  if (quick_help_enabled_) SafeCall([this] { TInitHelpDialog::ShowQuickHelp(WQuickHelp::kWelcome, this); });
  RecNo n = 0;
  SafeCall([&] {
    WOpenCycle::StartArgs start = WOpenCycle::ParseCommandLine(args);
    // A file named relative to the folder the viewer was started in is kept with its full
    // path, so that the caption says where it is and the next start finds it again.
    if (!start.file.empty()) {
      std::error_code ec;
      const std::filesystem::path full = std::filesystem::absolute(start.file, ec);
      if (!ec) start.file = full.lexically_normal().string();
    }
    n = cycle_.OpenAtStart(start, Options());
    if (cycle_.Collection()) Options().AddRecentFile(cycle_.CurrentFile());
  });
  if (n > 0) GoToIndividual(n);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (cycle_.Importing()) {
    // Closing in the middle of an import: stop the reader first; the window closes once the
    // open has unwound.
    ImportCancelled = true;
    close_pending_ = true;
    event->ignore();
    return;
  }
  cycle_.StoreOnClose(Options(), QToPath(CurrentFolder()), scroller_->Position());
  if (left_panel_->isVisible())
    Options().WriteIniInteger("General", kLeftWidthKey, splitter_->sizes().value(0));
  SaveWindowPlacement();
  Options().SaveSettings();
  event->accept();
}

void TMainForm::RestoreWindowPlacement() {
  QRect screen(0, 0, 1024, 768);
  if (QScreen* s = QGuiApplication::primaryScreen()) screen = s->geometry();
  const WWindowPlacement p = WWindowPlacement::Read(Options(), "General", screen.width(), screen.height());
  if (p.Width() > 100 && p.Height() > 100) setGeometry(p.left, p.top, p.Width(), p.Height());
  if (p.show_cmd == WWindowPlacement::kMaximized)
    setWindowState(windowState() | Qt::WindowMaximized);
  else if (p.show_cmd == WWindowPlacement::kMinimized)
    setWindowState(windowState() | Qt::WindowMinimized);
}

void TMainForm::SaveWindowPlacement() {
  QRect screen(0, 0, 1024, 768);
  if (QScreen* s = QGuiApplication::primaryScreen()) screen = s->geometry();
  WWindowPlacement p = WWindowPlacement::Read(Options(), "General", screen.width(), screen.height());
  p.show_cmd = isMaximized()   ? WWindowPlacement::kMaximized
               : isMinimized() ? WWindowPlacement::kMinimized
                               : WWindowPlacement::kNormal;
  const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
  p.left = normal.left();
  p.top = normal.top();
  p.right = normal.left() + normal.width();
  p.bottom = normal.top() + normal.height();
  p.Write(Options(), "General");
}

// ---- the open cycle's window

bool TMainForm::OpenGenealogyFile(const QString& path) { return OpenPath(QToPath(path)); }

bool TMainForm::OpenPath(const std::string& path) {
  bool result = false;
  SafeCall([&] {
    result = cycle_.OpenGenealogyFile(path);
    if (result && cycle_.Collection() && cycle_.CurrentFile() == path) Options().AddRecentFile(path);
  });
  if (!result && cycle_.ChangedWhileOpening()) {
    // The view stays empty; the file can be read again once its owner is done with it.
    reload_path_ = path;
    watch_->ShowChanged();
  }
  if (close_pending_ && !cycle_.Importing()) {
    close_pending_ = false;
    QTimer::singleShot(0, this, &QWidget::close);
  }
  return result;
}

bool TMainForm::ReloadFile() {
  if (cycle_.Importing() || reload_path_.empty()) return false;
  const std::string path = reload_path_;
  const int tab = tabs_->currentIndex();
  const WIndScrollLogic::Kept kept = scroller_->Logic().Keep();
  bool result = false;
  SafeCall([&] { result = cycle_.ReloadFile(path); });
  if (result && Collection()) {
    SafeCall([&] { scroller_->Logic().Restore(kept); });
    tabs_->setCurrentIndex(tab);
  } else if (cycle_.ChangedWhileOpening()) {
    reload_path_ = path;
    watch_->ShowChanged();
  }
  return result;
}

QString TMainForm::CurrentFile() const { return PathToQ(cycle_.CurrentFile()); }

void TMainForm::RebuildRecentMenu() {
  recent_menu_->clear();
  const std::vector<std::string> files = Options().RecentFiles();
  int number = 0;
  for (const std::string& file : files) {
    ++number;
    // "&1 /home/ann/Łódź/Ξ.ged": the path decoded for display, its bytes kept for opening.
    QString caption = PathToQ(file);
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (number < 10) caption = QStringLiteral("&%1 ").arg(number) + caption;
    QAction* action = recent_menu_->addAction(caption);
    connect(action, &QAction::triggered, this, [this, file] {
      // A remembered file that is gone is forgotten, as at start.
      std::error_code ec;
      if (!OpenPath(file) && !std::filesystem::exists(file, ec)) Options().RemoveRecentFile(file);
    });
  }
  recent_menu_->setEnabled(!files.empty());
}

void TMainForm::ShowMessage(const std::string& text) { TMessages::Show(this, MessageToQ(text)); }

void TMainForm::ShowWaitDialog(const std::string& message, bool show_now, bool with_cancel) {
  TWaitDlg::ShowWaitDialog(AnsiToQ(message), show_now, with_cancel, this);
}

void TMainForm::HideWaitDialog() { TWaitDlg::HideWaitDialog(); }

void TMainForm::SetMiddleEnabled(bool enabled) { middle_->setEnabled(enabled); }

void TMainForm::SetImportTimer(bool enabled, int interval_ms) {
  import_timer_->setInterval(interval_ms);
  if (enabled && !import_timer_->isActive())
    import_timer_->start();
  else if (!enabled)
    import_timer_->stop();
}

void TMainForm::DetachViews(const std::string& file_name) {
  // The list and the tabs let go before the collection is freed.
  scroller_->SetCollection(nullptr);
  SafeCall([&] {
    gen_page_->SetCollection(nullptr);
    gen_page_->SetFileName(file_name);
    ind_page_->SetCollection(nullptr);
    fam_page_->SetCollection(nullptr);
    ped_page_->SetCollection(nullptr);
    des_page_->SetCollection(nullptr);
  });
  watch_->Stop();
  SetFileCommandsEnabled(false);
  UpdateHistoryActions();
  emit collectionChanged(nullptr);
}

void TMainForm::AttachViews(WABSCollection* collection, const std::string& file_name) {
  SafeCall([&] {
    gen_page_->SetCollection(collection);
    gen_page_->SetFileName(file_name);
    ind_page_->SetCollection(collection);
    fam_page_->SetCollection(collection);
    ped_page_->SetCollection(collection);
    des_page_->SetCollection(collection);
  });
  SetFileCommandsEnabled(true);
  reload_path_ = file_name;
  watch_->HideBar();
  watch_->Watch(collection->SourceFiles(), [this] { return Collection() && Collection()->ChangedOnDisk(); });
  // Attaching the list makes individual 1 active, which refreshes the shown tab.
  scroller_->SetCollection(collection);
  UpdateHistoryActions();
  emit collectionChanged(collection);
}

void TMainForm::ShowDamageNotice() {
  SafeCall([&] { gen_page_->Refresh(); });
}

void TMainForm::SetImportTime(const std::string& text) {
  SafeCall([&] { gen_page_->SetImportTime(text); });
}

// The caption carries the path of the open file.
void TMainForm::SetCaption(const std::string& caption) { setWindowTitle(MessageToQ(caption)); }

void TMainForm::SetStatusText(int panel, const std::string& text) {
  if (panel < 0 || panel >= 5) return;
  status_[panel]->setText(AnsiToQ(text));
  // The count panels are as wide as the design asks, and wider when their text needs it.
  if (panel > 0) FitStatusPanel(*status_[panel], WOpenCycle::kPanelWidths[panel]);
}

void FitStatusPanel(QLabel& panel, int width) {
  // The frame and a little air on both sides of the text ("I: 1,000,000" whole).
  const int needed = panel.fontMetrics().horizontalAdvance(panel.text()) + 2 * panel.frameWidth() +
                     2 * panel.margin() + panel.contentsMargins().left() + panel.contentsMargins().right() +
                     2 * panel.fontMetrics().averageCharWidth();
  panel.setFixedWidth(std::max(width, needed));
}

QString TMainForm::StatusText(int panel) const {
  return panel >= 0 && panel < 5 ? status_[panel]->text() : QString();
}

void TMainForm::FreeSortIterators() { sort_iterators_.SetCollection(nullptr); }

namespace {

// Opens a find dialog on the active individual with the file's sorted lists; its choice
// becomes active on OK.
template <class Dialog>
void RunFindDialog(TMainForm& form, WSortIterators& lists) {
  if (!form.Collection() || form.Importing()) return;
  lists.SetCollection(form.Collection());
  Dialog dialog(&form, lists.Lists(), form.Collection());
  dialog.SetSelected(form.Scroller()->CurrentIndividual());
  if (RunModal(dialog) == QDialog::Accepted) form.GoToIndividual(dialog.Selected());
}

}  // namespace

void TMainForm::QuickFind() { RunFindDialog<TdlgQuickFind>(*this, sort_iterators_); }

void TMainForm::AdvancedFind() { RunFindDialog<TWFindDlg>(*this, sort_iterators_); }

void TMainForm::SetFileCommandsEnabled(bool enabled) {
  quick_find_->setEnabled(enabled);
  advanced_find_->setEnabled(enabled);
}

// ---- commands

void TMainForm::OpenFromDialog() {
  if (cycle_.Importing()) return;
  QString dir = PathToQ(Options().GetString(WOptions::OpenDir));
  if (dir.isEmpty()) dir = CurrentFolder();
  const QStringList filters = ToQStringList(WFileMask::ToFilterList(WFileMask::OpenDialogFilter()));
  const QString path = GetOpenFileName(this, QStringLiteral("Open"), dir, filters.join(";;"));
  if (path.isEmpty()) return;
  Options().SetString(WOptions::OpenDir, QToPath(QFileInfo(path).absolutePath()));
  OpenGenealogyFile(path);
}

void TMainForm::FileChosen(const QString& path) {
  if (cycle_.Importing() || path.isEmpty()) return;
  OpenGenealogyFile(path);
  left_panel_->FileList()->setFocus();
}

QTreeView* TMainForm::FolderTree() const { return left_panel_->FolderTree(); }

QListWidget* TMainForm::FileList() const { return left_panel_->FileList(); }

QComboBox* TMainForm::Places() const { return left_panel_->Places(); }

QString TMainForm::CurrentFolder() const { return left_panel_->CurrentFolder(); }

void TMainForm::SetCurrentFolder(const QString& folder) { left_panel_->SetCurrentFolder(folder); }

void TMainForm::SetUpKeyboard() {
  // Tool bar buttons take no focus by default; here Tab reaches each of them.
  std::vector<QWidget*> chain;
  for (QAction* action : toolbar_->actions()) {
    QWidget* widget = toolbar_->widgetForAction(action);
    if (!widget || widget->focusPolicy() == Qt::StrongFocus) continue;
    if (qobject_cast<QToolButton*>(widget) || widget == website_) {
      widget->setFocusPolicy(Qt::TabFocus);
      chain.push_back(widget);
    }
  }
  // Then the left panel from top to bottom, the strip above the tabs, the tabs.
  QWidget* const rest[] = {left_panel_->CloseButton(), left_panel_->Places(),     left_panel_->FolderTree(),
                           left_panel_->FileList(),    scroller_->ScrollBar(),    scroller_->FatherButton(),
                           scroller_->MotherButton(),  scroller_->SpouseButton(), tabs_->tabBar()};
  for (QWidget* widget : rest) chain.push_back(widget);
  for (size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void TMainForm::TabChanged(int index) {
  RefreshCurrentTab();
  const int stored = WMainTabs::ToSetting(index);
  if (stored >= 0) Options().SetInt(WOptions::LastTab, stored);
}

void TMainForm::GoToIndividual(RecNo n) { scroller_->GoToIndividual(n); }

void TMainForm::RefreshCurrentTab() {
  const bool open = Collection() != nullptr;
  const int tab = tabs_->currentIndex();
  SafeCall([&] {
    if (tab == kIndividualTab) ind_page_->SetIndividual(open ? scroller_->CurrentIndividual() : 0);
    if (tab == kFamilyTab) fam_page_->SetIndividual(open ? scroller_->CurrentIndividual() : 0);
    if (tab == kPedigreeTab) ped_page_->SetIndividual(open ? scroller_->CurrentIndividual() : 0);
    if (tab == kDescendantsTab) des_page_->SetIndividual(open ? scroller_->CurrentIndividual() : 0);
  });
  // The tab's quick help, once, and only with a file to explain.
  if (open && quick_help_enabled_ && tab <= kDescendantsTab)
    SafeCall([&] { TInitHelpDialog::ShowQuickHelpForTab(tab, this); });
  // What was just shown may have been read from a damaged part of the file.
  cycle_.ShowDamageIfMet();
}

void TMainForm::ApplyDisplaySettings() {
  SafeCall([this] {
    ind_page_->ApplyDisplaySettings();
    fam_page_->ApplyDisplaySettings();
    ped_page_->ApplyDisplaySettings();
    des_page_->ApplyDisplaySettings();
  });
}

void TMainForm::RefreshAfterSettings() {
  ApplyDisplaySettings();
  RefreshCurrentTab();
  scroller_->RefreshCaption();
}

void TMainForm::UpdateHistoryActions() {
  back_->setEnabled(scroller_->CanGoBack());
  forward_->setEnabled(scroller_->CanGoForward());
}

void TMainForm::ResetQuickHelpAndRefresh() {
  SafeCall([] { ResetQuickHelp(); });
  RefreshCurrentTab();
}

// ---- drag and drop, layout

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  event->acceptProposedAction();
  // Only the first dropped file is opened.
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  const std::string path = QToPath(urls.first().toLocalFile());
  // Opened once the drop has finished, so the source is not kept waiting by the import.
  QTimer::singleShot(0, this, [this, path] { OpenPath(path); });
}

void TMainForm::resizeEvent(QResizeEvent* event) { QMainWindow::resizeEvent(event); }
