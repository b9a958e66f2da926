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
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStorageInfo>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

#include "app/FileMask.h"
#include "app/MakerLinks.h"
#include "app/Options.h"
#include "app/QuickHelp.h"
#include "app/WindowPlacement.h"
#include "base/UIHooks.h"
#include "gui/app/AnsiText.h"
#include "gui/app/DialogHooks.h"
#include "gui/app/ExportCommand.h"
#include "gui/app/HelpMenu.h"
#include "gui/app/InitHelpDialog.h"
#include "gui/app/Messages.h"
#include "gui/app/SafeCall.h"
#include "gui/app/ToolsCommands.h"
#include "gui/app/URLLabel.h"
#include "gui/app/WaitDlg.h"
#include "gui/search/FindDlg.h"
#include "gui/search/QuickFind.h"
#include "gui/views/FamPanel.h"
#include "gui/views/GenPanel.h"
#include "gui/views/IndPanel.h"
#include "gui/views/IndScrollLite.h"
#include "model/ABSCollection.h"

namespace {

constexpr int kLeftPanelWidth = 130;
constexpr int kToolBarHeight = 29;
constexpr int kStripHeight = 40;

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
  connect(import_timer_, &QTimer::timeout, this, [this] {
    try {
      cycle_.ImportTimerTick();
    } catch (...) {
    }
  });

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
  splitter_->setSizes({kLeftPanelWidth, 800});
  setCentralWidget(splitter_);

  SetFileCommandsEnabled(false);
  UpdateHistoryActions();

  // Settings that shape the tabs, then the folder and tab of the last run.
  ApplyDisplaySettings();
  const std::string last_dir = Options().GetString(WOptions::LastDir);
  SetCurrentFolder(last_dir.empty() ? QDir::homePath() : AnsiToQ(last_dir));
  int last_tab = Options().GetInt(WOptions::LastTab);
  if (last_tab < 0 || last_tab >= tabs_->count()) last_tab = kIndividualTab;
  {
    QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(last_tab);
  }
  resize(1000, 700);
  tools_ = new TToolsCommands(this);
}

TMainForm::~TMainForm() {
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
  connect(back_, &QAction::triggered, this, [this] { scroller_->GoBack(); });
  forward_ = new QAction(st->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Forward"), this);
  connect(forward_, &QAction::triggered, this, [this] { scroller_->GoForward(); });
  file_directory_ = new QAction(st->standardIcon(QStyle::SP_DirIcon), QStringLiteral("File Directory"), this);
  file_directory_->setToolTip(QStringLiteral("File Directory"));
  connect(file_directory_, &QAction::triggered, this,
          [this] { left_panel_->setVisible(!left_panel_->isVisible()); });
  export_ = new TExportCommand(this);
}

void TMainForm::CreateMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(open_);
  file->addAction(export_->Action());
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

QWidget* TMainForm::CreateLeftPanel() {
  auto* panel = new QWidget;
  panel->setMinimumWidth(60);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(3);

  auto* header = new QWidget(panel);
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
  auto* close = new QToolButton(header);
  close->setAutoRaise(true);
  close->setText(QStringLiteral("\u00D7"));
  close->setToolTip(QStringLiteral("Close"));
  close->setFixedSize(16, 16);
  connect(close, &QToolButton::clicked, panel, &QWidget::hide);
  header_layout->addWidget(close);
  layout->addWidget(header);

  // Places stand in for drives: the home folder, the root and the mounted volumes.
  places_ = new QComboBox(panel);
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
  folders_ = new QTreeView(panel);
  folders_->setModel(folder_model_);
  for (int c = 1; c < folder_model_->columnCount(); ++c) folders_->hideColumn(c);
  folders_->setHeaderHidden(true);
  folders_->setRootIndex(folder_model_->index(QDir::homePath()));
  layout->addWidget(folders_, 3);

  file_model_ = new QFileSystemModel(this);
  file_model_->setFilter(QDir::Files);
  file_model_->setNameFilters(ToQStringList(WFileMask::SplitPatterns(WFileMask::FileListMask())));
  file_model_->setNameFilterDisables(false);
  files_ = new QListView(panel);
  files_->setModel(file_model_);
  layout->addWidget(files_, 2);

  connect(places_, qOverload<int>(&QComboBox::activated), this, &TMainForm::PlaceChosen);
  connect(folders_, &QTreeView::clicked, this, &TMainForm::FolderChosen);
  connect(files_, &QListView::clicked, this, &TMainForm::FileClicked);
  connect(files_, &QListView::activated, this, &TMainForm::FileClicked);
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

  tabs_ = new QTabWidget(middle);
  gen_page_ = new WGenPanel;
  ind_page_ = new WIndPanel;
  fam_page_ = new WFamPanel;
  // The tabs name a person; the scroller makes him or her active, which refreshes the tab.
  for (WABSPanel* panel : std::initializer_list<WABSPanel*>{ind_page_, fam_page_})
    connect(panel, &WABSPanel::individualRequested, this, [this](int n) { GoToIndividual(n); });
  // The Individual tab stores both switches itself; a new sentence setting needs a refresh.
  connect(ind_page_, &WIndPanel::tmgSentenceToggled, this, [this](bool) { RefreshCurrentTab(); });
  tabs_->addTab(gen_page_, QStringLiteral("General"));
  tabs_->addTab(ind_page_, QStringLiteral("Individual"));
  tabs_->addTab(fam_page_, QStringLiteral("Family"));
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
  browser->setHtml(QStringLiteral(
      "<h2>Taravell Lite</h2>"
      "<p>Taravell Lite opens genealogy files where they are, reads them without ever changing "
      "them, and lets you walk through the people in them. Large files open in seconds: the "
      "file is read in place and every person is fetched only when shown.</p>"
      "<h3>Files it reads</h3>"
      "<ul><li>GEDCOM files (.ged), Temple submission files (.sub, .xxx)</li>"
      "<li>Personal Ancestral File 3, 4 and 5 (.paf)</li>"
      "<li>Family Tree Maker (.ftw, .fbk)</li>"
      "<li>The Master Genealogist 4.x (.tmg) and 5.x (.pjc)</li>"
      "<li>RootsMagic 3 (.rmg) and Legacy Family Tree (.fdb)</li></ul>"
      "<h3>Walking through a file</h3>"
      "<p>The strip above the tabs holds the active individual. Its scroll bar runs over everybody "
      "in the file; <b>F</b> and <b>M</b> jump to the father and the mother, <b>S</b> opens a menu "
      "of spouses and children. Back and Forward on the tool bar retrace your steps.</p>"
      "<p>The <b>General</b> tab describes the file, its header and its submitter. The "
      "<b>Individual</b> tab lists the person's events, parents, marriages and children with notes "
      "and sources. The <b>Family</b> tab shows the person with parents, spouses and children. "
      "Double-click a name to move to that person.</p>"
      "<h3>Keyboard shortcuts</h3>"
      "<table cellpadding=\"3\">"
      "<tr><td><b>Ctrl+O</b></td><td>Open a file</td></tr>"
      "<tr><td><b>Ctrl+Q</b></td><td>Quick Find: a person by record number, or a relative</td></tr>"
      "<tr><td><b>Ctrl+F</b></td><td>Advanced Find: by surname, given names, identifier or "
      "reference number</td></tr>"
      "<tr><td><b>Ctrl+J</b></td><td>Options</td></tr>"
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
  static const int kWidths[5] = {0, 60, 60, 60, 70};
  for (int i = 0; i < 5; ++i) {
    status_[i] = new QLabel(this);
    status_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (i == 0) {
      statusBar()->addWidget(status_[i], 1);
    } else {
      status_[i]->setFixedWidth(kWidths[i]);
      statusBar()->addPermanentWidget(status_[i]);
    }
  }
  statusBar()->setSizeGripEnabled(true);
}

// ---- start and stop

void TMainForm::Start(const QStringList& args) {
  if (started_) return;
  started_ = true;
  RestoreWindowPlacement();
  if (quick_help_enabled_) SafeCall([this] { TInitHelpDialog::ShowQuickHelp(WQuickHelp::kWelcome, this); });
  std::vector<std::string> list;
  for (const QString& arg : args) list.push_back(QToAnsi(arg));
  RecNo n = 0;
  try {
    n = cycle_.OpenAtStart(WOpenCycle::ParseCommandLine(list), Options());
  } catch (...) {
    n = 0;
  }
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
  cycle_.StoreOnClose(Options(), QToAnsi(CurrentFolder()), scroller_->Position());
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

bool TMainForm::OpenGenealogyFile(const QString& path) {
  bool result = false;
  try {
    result = cycle_.OpenGenealogyFile(QToAnsi(path));
  } catch (...) {
    result = false;
  }
  if (close_pending_ && !cycle_.Importing()) {
    close_pending_ = false;
    QTimer::singleShot(0, this, &QWidget::close);
  }
  return result;
}

QString TMainForm::CurrentFile() const { return AnsiToQ(cycle_.CurrentFile()); }

void TMainForm::ShowMessage(const std::string& text) { TMessages::Show(this, AnsiToQ(text)); }

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
  });
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
  });
  SetFileCommandsEnabled(true);
  // Attaching the list makes individual 1 active, which refreshes the shown tab.
  scroller_->SetCollection(collection);
  UpdateHistoryActions();
  emit collectionChanged(collection);
}

void TMainForm::SetImportTime(const std::string& text) {
  SafeCall([&] { gen_page_->SetImportTime(text); });
}

void TMainForm::SetCaption(const std::string& caption) { setWindowTitle(AnsiToQ(caption)); }

void TMainForm::SetStatusText(int panel, const std::string& text) {
  if (panel >= 0 && panel < 5) status_[panel]->setText(AnsiToQ(text));
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
  if (dialog.exec() == QDialog::Accepted) form.GoToIndividual(dialog.Selected());
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
  QString dir = AnsiToQ(Options().GetString(WOptions::OpenDir));
  if (dir.isEmpty()) dir = CurrentFolder();
  const QStringList filters = ToQStringList(WFileMask::ToFilterList(WFileMask::OpenDialogFilter()));
  const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), dir, filters.join(";;"));
  if (path.isEmpty()) return;
  Options().SetString(WOptions::OpenDir, QToAnsi(QFileInfo(path).absolutePath()));
  OpenGenealogyFile(path);
}

void TMainForm::FileClicked(const QModelIndex& index) {
  if (cycle_.Importing() || !index.isValid()) return;
  const QString path = file_model_->filePath(index);
  OpenGenealogyFile(path);
  files_->setFocus();
}

void TMainForm::PlaceChosen(int index) {
  const QString root = places_->itemData(index).toString();
  if (!root.isEmpty()) SetCurrentFolder(root);
}

void TMainForm::FolderChosen(const QModelIndex& index) {
  if (!index.isValid()) return;
  const QString folder = folder_model_->filePath(index);
  files_->setRootIndex(file_model_->setRootPath(folder));
}

QString TMainForm::CurrentFolder() const { return file_model_->rootPath(); }

void TMainForm::SetCurrentFolder(const QString& folder) {
  QString path = QFileInfo(folder).isDir() ? QFileInfo(folder).absoluteFilePath() : QDir::homePath();
  // The place that holds the folder: the longest root that is a prefix of it.
  int best = -1;
  int best_length = -1;
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
  folders_->setCurrentIndex(index);
  folders_->scrollTo(index);
  files_->setRootIndex(file_model_->setRootPath(path));
}

void TMainForm::TabChanged(int index) {
  RefreshCurrentTab();
  Options().SetInt(WOptions::LastTab, index);
}

void TMainForm::GoToIndividual(RecNo n) { scroller_->GoToIndividual(n); }

void TMainForm::RefreshCurrentTab() {
  const bool open = Collection() != nullptr;
  const int tab = tabs_->currentIndex();
  SafeCall([&] {
    if (tab == kIndividualTab) ind_page_->SetIndividual(open ? scroller_->CurrentIndividual() : 0);
    if (tab == kFamilyTab) fam_page_->SetIndividual(open ? scroller_->CurrentIndividual() : 0);
  });
  // The tab's quick help, once, and only with a file to explain.
  if (open && quick_help_enabled_ && tab <= kFamilyTab)
    SafeCall([&] { TInitHelpDialog::ShowQuickHelpForTab(tab, this); });
}

void TMainForm::ApplyDisplaySettings() {
  SafeCall([this] {
    ind_page_->ApplyDisplaySettings();
    fam_page_->ApplyDisplaySettings();
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
  const QString path = urls.first().toLocalFile();
  // Opened once the drop has finished, so the source is not kept waiting by the import.
  QTimer::singleShot(0, this, [this, path] { OpenGenealogyFile(path); });
}

void TMainForm::resizeEvent(QResizeEvent* event) { QMainWindow::resizeEvent(event); }
