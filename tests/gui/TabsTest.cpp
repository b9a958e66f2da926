// The three tabs and the person box, driven offscreen over the bundled sample file.

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "app/Options.h"
#include "app/ReaderChoice.h"
#include "base/Errors.h"
#include "gui/app/AnsiText.h"
#include "gui/views/FamPanel.h"
#include "gui/views/GenPanel.h"
#include "gui/views/GridView.h"
#include "gui/views/IndInfoPanel.h"
#include "gui/views/IndPanel.h"
#include "model/ABSIndividual.h"
#include "support/BrokenCollection.h"
#include "support/MemCollection.h"
#include "support/TestPaths.h"
#include "views/GenPanelRows.h"
#include "views/IndInfoBox.h"

namespace {

// The text a grid shows in one cell.
QString Cell(const WGridView* grid, int row, int column) {
  return grid->model()->index(row, column).data(Qt::DisplayRole).toString();
}

// Double-clicks the middle of a grid cell.
void DoubleClickCell(WGridView* grid, int row, int column) {
  const QRect rect = grid->visualRect(grid->model()->index(row, column));
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
}

}  // namespace

class TabsTest : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<WABSCollection> sample_;

 private slots:
  void initTestCase() {
    // Names shown plainly: no surname slashes, no identifier suffix.
    Options().ResetToDefaults();
    Options().SetBool(WOptions::NameSlash, false);
    Options().SetBool(WOptions::FNValueFlag, false);
    std::string error;
    sample_ = CreateCollectionForFile(TestDataPath("sample.ged"), error);
    QVERIFY2(sample_ != nullptr, error.c_str());
    QVERIFY(sample_->Import());
    sample_->BuildLinks();
  }
  void cleanupTestCase() { Options().ResetToDefaults(); }

  // Every row the core built shows in the grid, in its columns; the rest are blank.
  void individualRowsMatchTheCore() {
    WIndPanel panel;
    panel.resize(700, 500);
    panel.show();
    panel.SetCollection(sample_.get());
    panel.SetIndividual(1);
    const IndInfoArray& rows = panel.Logic().Rows();
    QVERIFY(rows.size() > 6);
    WGridView* grid = panel.Grid();
    QCOMPARE(grid->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Information"));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
      QCOMPARE(Cell(grid, r, 2), AnsiToQ(rows[r].type));
      QCOMPARE(Cell(grid, r, 3), AnsiToQ(rows[r].date));
      QCOMPARE(Cell(grid, r, 5), AnsiToQ(rows[r].age));
      QCOMPARE(Cell(grid, r, 0), rows[r].note.empty() ? QString() : QStringLiteral("N"));
      QCOMPARE(Cell(grid, r, 1), rows[r].citations.empty() ? QString() : QStringLiteral("S"));
    }
    QCOMPARE(Cell(grid, 1, 4), QStringLiteral("Thomas Marwick"));
    QCOMPARE(panel.SexLabelText(), QStringLiteral("M"));
    QCOMPARE(grid->rowHeight(0), 14);
    QCOMPARE(grid->columnWidth(2), 130);

    // A person with fewer rows: the grid shrinks to them, and the selection leaves the
    // old row number for the new person's first row.
    const int grown = grid->model()->rowCount();
    grid->SelectRow(grown - 1);
    QCOMPARE(panel.Logic().SelectedRow(), grown - 1);
    RecNo fewer = 0;
    for (RecNo n = 2; n <= sample_->IndividualCount() && !fewer; ++n) {
      panel.SetIndividual(n);
      if (static_cast<int>(panel.Logic().Rows().size()) < grown) fewer = n;
    }
    QVERIFY(fewer > 0);
    QCOMPARE(grid->model()->rowCount(), static_cast<int>(panel.Logic().Rows().size()));
    QCOMPARE(grid->SelectedRow(), 0);
    QCOMPARE(panel.Logic().SelectedRow(), 0);
    QCOMPARE(panel.NotePane()->toPlainText(), AnsiToQ(panel.Logic().Rows()[0].note));
  }

  // Selecting a row shows its note and citations; double-clicking a person asks for them.
  void selectionFillsThePanesAndDoubleClickRequests() {
    WIndPanel panel;
    panel.resize(700, 500);
    panel.show();
    panel.SetCollection(sample_.get());
    panel.SetIndividual(1);
    QSignalSpy requests(&panel, &WABSPanel::individualRequested);
    const IndInfoArray& rows = panel.Logic().Rows();
    int with_citations = -1;
    int person_row = -1;
    for (int r = 2; r < static_cast<int>(rows.size()); ++r) {
      if (with_citations < 0 && !rows[r].citations.empty()) with_citations = r;
      if (person_row < 0 && rows[r].individual != 0 && rows[r].individual != 1) person_row = r;
    }
    QVERIFY(with_citations >= 0);
    QVERIFY(person_row >= 0);
    panel.Grid()->SelectRow(with_citations);
    QVERIFY(!panel.SourcesPane()->toPlainText().isEmpty());
    QVERIFY(!panel.SourcesPane()->toPlainText().contains(QLatin1Char('\r')));
    panel.Grid()->SelectRow(rows.size() + 3);  // beyond the rows: empty panes
    QCOMPARE(panel.SourcesPane()->toPlainText(), QString());

    DoubleClickCell(panel.Grid(), person_row, 4);
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).toInt(), rows[person_row].individual);
    // The tab itself never changes the individual shown.
    QCOMPARE(panel.Logic().Individual(), 1);
  }

  // Ticking "Chronological" reorders at once, stores the setting and says so.
  void chronologicalToggleReorders() {
    WIndPanel panel;
    panel.resize(700, 500);
    panel.show();
    panel.SetCollection(sample_.get());
    panel.SetIndividual(1);
    const std::vector<IndInfoRec> fixed = panel.Logic().Rows();
    QSignalSpy toggled(&panel, &WIndPanel::chronologicalToggled);
    QTest::mouseClick(panel.ChronologicalBox(), Qt::LeftButton);
    QCOMPARE(toggled.count(), 1);
    QVERIFY(panel.Chronological());
    QVERIFY(Options().GetBool(WOptions::Chrono));
    QVERIFY(panel.Logic().Rows().size() <= fixed.size());
    QStringList fixed_types, chrono_types;
    for (const IndInfoRec& row : fixed) fixed_types << AnsiToQ(row.type);
    for (int r = 0; r < static_cast<int>(panel.Logic().Rows().size()); ++r)
      chrono_types << Cell(panel.Grid(), r, 2);
    QVERIFY(fixed_types != chrono_types);
    QCOMPARE(chrono_types.mid(0, 2), fixed_types.mid(0, 2));

    // Set from the settings, the box follows without a signal.
    Options().SetBool(WOptions::Chrono, false);
    panel.ApplyDisplaySettings();
    QVERIFY(!panel.ChronologicalBox()->isChecked());
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(Cell(panel.Grid(), 2, 2), fixed_types[2]);
    Options().SetBool(WOptions::Chrono, false);
  }

  // Without a collection the tab is empty: no rows, no labels, empty panes.
  void detachEmptiesTheIndividualTab() {
    WIndPanel panel;
    panel.SetCollection(sample_.get());
    panel.SetIndividual(1);
    panel.SetCollection(nullptr);
    QVERIFY(panel.Logic().Rows().empty());
    QCOMPARE(panel.SexLabelText(), QString());
    QCOMPARE(panel.ModifiedLabelText(), QString());
    QCOMPARE(panel.NotePane()->toPlainText(), QString());
    QCOMPARE(Cell(panel.Grid(), 1, 4), QString());
  }

  // The Date column is as wide as the longest date of the person shown, never below 80 pixels;
  // the information column gives up the difference, and a width the user gives stays.
  void dateColumnFitsTheLongestDate() {
    MemCollection mem;
    const RecNo old_style = mem.AddPerson("Anne", "Marsh", 'F');
    mem.AddEvent(old_style, 1, "10 FEB 1731/1732");
    mem.AddEvent(old_style, 2, "1800");
    const RecNo plain = mem.AddPerson("John", "Marsh", 'M');
    mem.AddEvent(plain, 1, "1850");
    WIndPanel panel;
    panel.resize(700, 500);
    panel.show();
    panel.SetCollection(&mem);
    WGridView* grid = panel.Grid();
    panel.SetIndividual(plain);
    QCOMPARE(grid->columnWidth(3), 80);
    const int information = grid->columnWidth(4);

    panel.SetIndividual(old_style);
    bool shown = false;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
      shown = shown || Cell(grid, r, 3) == "10 Feb 1731/1732";
    QVERIFY(shown);
    const int needed = grid->fontMetrics().horizontalAdvance(QStringLiteral("10 Feb 1731/1732"));
    const int wide = grid->columnWidth(3);
    QVERIFY2(wide >= needed + 2, qPrintable(QString("%1 for %2").arg(wide).arg(needed)));
    QVERIFY(wide > 80);
    QCOMPARE(grid->columnWidth(4), information - (wide - 80));

    // Back to short dates: the column returns to its own width.
    panel.SetIndividual(plain);
    QCOMPARE(grid->columnWidth(3), 80);
    QCOMPARE(grid->columnWidth(4), information);

    // The user widens the column; the next person keeps that width.
    grid->horizontalHeader()->resizeSection(3, 150);
    panel.SetIndividual(old_style);
    QCOMPARE(grid->columnWidth(3), std::max(150, wide));
    panel.SetIndividual(plain);
    QCOMPARE(grid->columnWidth(3), 150);
    panel.SetCollection(nullptr);
  }

  // The boxes show the core's boxes; double-clicking one asks for its person, an empty one
  // asks for nobody.
  void familyBoxesAndThePick() {
    WFamPanel panel;
    panel.resize(800, 600);
    panel.show();
    panel.SetCollection(sample_.get());
    panel.SetIndividual(4);
    QSignalSpy requests(&panel, &WABSPanel::individualRequested);
    for (int box = 0; box < WFamPanelLogic::kBoxCount; ++box) {
      QCOMPARE(panel.Box(box)->NameString(), AnsiToQ(panel.Logic().Box(box).NameString()));
      QCOMPARE(panel.Box(box)->Individual(), panel.Logic().Box(box).Individual());
    }
    QCOMPARE(panel.Box(fbFather)->Individual(), 1);
    QTest::mouseDClick(panel.Box(fbFather), Qt::LeftButton);
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).toInt(), 1);

    // Six boxes of the same size in two columns; the grid starts below them.
    const int h = panel.Box(fbActive)->BoxHeight();
    QCOMPARE(h, 3 * 13 + 4);
    QCOMPARE(panel.Box(fbActive)->width(), 800 / 2 - 8);
    QCOMPARE(panel.Box(fbFather)->x(), 800 / 2 - 3);
    QCOMPARE(panel.Grid()->y(), 4 * h + 13);
    QVERIFY(panel.Box(fbSpouseMother)->geometry().bottom() < panel.Grid()->y());

    // Arrows stand beside parents who have parents themselves.
    for (int box : {fbFather, fbMother, fbSpouseFather, fbSpouseMother})
      QCOMPARE(panel.Arrow(box)->isVisible(), panel.Logic().ArrowVisible(box));
  }

  // Children show in the grid; a double-click on a child's name asks for the child, and the
  // next-spouse button walks the marriages.
  void familyGridAndMarriages() {
    WFamPanel panel;
    panel.resize(800, 600);
    panel.show();
    panel.SetCollection(sample_.get());
    RecNo parent = 0;
    for (RecNo n = 1; n <= sample_->IndividualCount() && !parent; ++n) {
      panel.SetIndividual(n);
      if (!panel.Logic().Children().empty()) parent = n;
    }
    QVERIFY(parent != 0);
    const auto& children = panel.Logic().Children();
    QCOMPARE(panel.Grid()->model()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Children (%1)").arg(children.size()));
    QCOMPARE(panel.Grid()->model()->rowCount(), 30);
    QCOMPARE(Cell(panel.Grid(), 0, 1), AnsiToQ(panel.Logic().CellText(0, 1)));
    QSignalSpy requests(&panel, &WABSPanel::individualRequested);
    DoubleClickCell(panel.Grid(), 0, 1);
    DoubleClickCell(panel.Grid(), 0, 3);  // a date: nothing
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).toInt(), children[0].child);

    // A man with two marriages (the sample's record 1) shows the counter and the button.
    panel.SetIndividual(1);
    if (panel.Logic().MarriageCount() >= 2) {
      QVERIFY(panel.NextSpouseButton()->isVisible());
      QCOMPARE(panel.CounterLabel()->text(), QStringLiteral("(1 of %1)").arg(panel.Logic().MarriageCount()));
      QTest::mouseClick(panel.NextSpouseButton(), Qt::LeftButton);
      QCOMPARE(panel.CounterLabel()->text(), QStringLiteral("(2 of %1)").arg(panel.Logic().MarriageCount()));
    }
    panel.SetCollection(nullptr);
    QVERIFY(!panel.NextSpouseButton()->isVisible());
    QCOMPARE(panel.Box(fbActive)->NameString(), QString());
  }

  // A person who cannot be read leaves empty boxes and rows; nothing escapes the widgets.
  void brokenRecordsLeaveEmptyRows() {
    BrokenCollection broken;
    RecNo p = broken.AddPerson("John", "Smith", 'M');
    RecNo dad = broken.AddPerson("Dad", "Smith", 'M');
    broken.AddChild(broken.AddFamily(dad, 0), p);
    broken.broken = dad;
    WIndPanel ind;
    WFamPanel fam;
    ind.show();
    fam.show();
    ind.SetCollection(&broken);
    fam.SetCollection(&broken);
    ind.SetIndividual(p);
    fam.SetIndividual(p);
    QCOMPARE(Cell(ind.Grid(), 1, 4), QStringLiteral("John Smith"));
    QCOMPARE(fam.Box(fbFather)->NameString(), QString());
    broken.broken = p;
    ind.SetIndividual(p);
    fam.SetIndividual(p);
    QCOMPARE(Cell(ind.Grid(), 0, 2), QString());
    QCOMPARE(fam.Box(fbActive)->Individual(), 0);
    QTest::mouseDClick(fam.Box(fbActive), Qt::LeftButton);
    QTest::qWait(1);
    ind.SetCollection(nullptr);
    fam.SetCollection(nullptr);
  }

  // The General tab shows the core's rows plus one blank row, headings bold; it is blank
  // without a collection.
  void generalRows() {
    WGenPanel panel;
    panel.resize(600, 500);
    panel.show();
    panel.SetCollection(sample_.get());
    panel.SetFileName("sample.ged");
    panel.SetImportTime(WGenPanelRows::FormatImportTime(0.25));
    const WGeneralInfo& rows = panel.Rows().Rows();
    QCOMPARE(panel.Grid()->model()->rowCount(), rows.Count() + 1);
    QCOMPARE(Cell(panel.Grid(), 0, 0), QStringLiteral("File Information"));
    QVERIFY(panel.Grid()->model()->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
    QCOMPARE(Cell(panel.Grid(), 1, 1), QStringLiteral("sample.ged"));
    QCOMPARE(Cell(panel.Grid(), 4, 0), QStringLiteral("Importing"));
    QCOMPARE(Cell(panel.Grid(), 4, 1), QStringLiteral("0.250 seconds"));
    QCOMPARE(Cell(panel.Grid(), rows.Count(), 0), QString());
    QCOMPARE(panel.Grid()->columnWidth(0), 130);

    panel.SetCollection(nullptr);
    QCOMPARE(panel.Grid()->model()->rowCount(), 2);
    QCOMPARE(Cell(panel.Grid(), 0, 0), QString());
  }

  // The person box: its height follows LinesToShow; other values are ignored.
  void personBoxProperties() {
    TIndInfoPanel box;
    QCOMPARE(box.LinesToShow(), 3);
    const int three = box.BoxHeight();
    box.SetLinesToShow(1);
    QCOMPARE(box.BoxHeight(), 13 + 2);
    box.SetLinesToShow(4);
    QCOMPARE(box.LinesToShow(), 1);
    box.setProperty("LinesToShow", 2);
    QCOMPARE(box.BoxHeight(), 2 * 13 + 3);
    QCOMPARE(three, 3 * 13 + 4);
    box.setProperty("NameString", QStringLiteral("Ann"));
    box.SetLDSBap(true);
    box.SetIndividual(5);
    box.Clear();
    QCOMPARE(box.NameString(), QString());
    QVERIFY(!box.LDSBap());
    QCOMPARE(box.Individual(), 0);
    // Rendering with LDS letters does not fail for any number of lines.
    box.SetUseLDS(true);
    box.SetLDSSS(true);
    for (int lines = 1; lines <= 3; ++lines) {
      box.SetLinesToShow(lines);
      QVERIFY(!box.grab().isNull());
    }
  }

  // Pictures of the three tabs for a person to look at: only when TARAVELL_SCREENSHOT_DIR
  // names a folder (TARAVELL_SCREENSHOT_FILE and TARAVELL_SCREENSHOT_PERSON choose the file
  // and the person, the sample's record 1 otherwise; TARAVELL_SCREENSHOT_ROW selects a row of
  // the Individual tab, so that its note and sources show).
  void screenshots() {
    const QString dir = qEnvironmentVariable("TARAVELL_SCREENSHOT_DIR");
    if (dir.isEmpty()) QSKIP("set TARAVELL_SCREENSHOT_DIR to take the pictures");
    std::unique_ptr<WABSCollection> other;
    WABSCollection* collection = sample_.get();
    const QString file = qEnvironmentVariable("TARAVELL_SCREENSHOT_FILE");
    if (!file.isEmpty()) {
      std::string error;
      other = CreateCollectionForFile(file.toStdString(), error);
      QVERIFY2(other != nullptr, error.c_str());
      QVERIFY(other->Import());
      other->BuildLinks();
      collection = other.get();
    }
    const RecNo person = qEnvironmentVariableIsSet("TARAVELL_SCREENSHOT_PERSON")
                             ? qEnvironmentVariableIntValue("TARAVELL_SCREENSHOT_PERSON")
                             : 1;
    const QString stem = dir + QStringLiteral("/") +
                         (file.isEmpty() ? QStringLiteral("sample") : QFileInfo(file).completeBaseName());
    WGenPanel gen;
    WIndPanel ind;
    WFamPanel fam;
    Options().SetBool(WOptions::UseLDS, qEnvironmentVariableIsSet("TARAVELL_SCREENSHOT_LDS"));
    ind.ApplyDisplaySettings();
    fam.ApplyDisplaySettings();
    gen.SetCollection(collection);
    gen.SetFileName(file.isEmpty() ? TestDataPath("sample.ged") : file.toStdString());
    gen.SetImportTime(WGenPanelRows::FormatImportTime(0.123));
    ind.SetCollection(collection);
    ind.SetIndividual(person);
    if (qEnvironmentVariableIsSet("TARAVELL_SCREENSHOT_ROW"))
      ind.Grid()->SelectRow(qEnvironmentVariableIntValue("TARAVELL_SCREENSHOT_ROW"));
    fam.SetCollection(collection);
    fam.SetIndividual(person);
    for (auto [widget, name] :
         {std::pair<QWidget*, const char*>{&gen, "general"}, {&ind, "individual"}, {&fam, "family"}}) {
      widget->resize(900, 620);
      widget->show();
      QTest::qWait(50);
      QVERIFY(widget->grab().save(stem + QStringLiteral("_") + QLatin1String(name) + QStringLiteral(".png")));
    }
    Options().SetBool(WOptions::UseLDS, false);
  }
};

QTEST_MAIN(TabsTest)
#include "TabsTest.moc"
