#include "gui/app/PrintCommand.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QTextDocument>
#include <algorithm>

#include "app/Options.h"
#include "gui/app/AnsiText.h"
#include "gui/app/DialogHooks.h"
#include "gui/app/Fonts.h"
#include "gui/app/MainForm.h"
#include "gui/app/Messages.h"
#include "gui/app/SafeCall.h"
#include "gui/views/DesPanel.h"
#include "gui/views/FamPanel.h"
#include "gui/views/IndScrollLite.h"
#include "gui/views/PedPanel.h"
#include "gui/views/PedigreeChart.h"
#include "model/ABSCollection.h"
#include "views/Reports.h"

namespace {

QString Html(const std::string& model_text) {
  return AnsiToQ(model_text).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

const char* TabName(int tab) {
  switch (tab) {
    case TMainForm::kGeneralTab:
      return "General";
    case TMainForm::kIndividualTab:
      return "Individual";
    case TMainForm::kFamilyTab:
      return "Family";
    case TMainForm::kPedigreeTab:
      return "Pedigree";
    case TMainForm::kDescendantsTab:
      return "Descendants";
    default:
      return "";
  }
}

}  // namespace

QString ReportToHtml(const WReport& report, const QString& subtitle) {
  QString html = QStringLiteral(
                     "<html><body style=\"font-family: 'Liberation Sans'; font-size: 9pt\">"
                     "<h2>%1</h2><p style=\"color: #555555\">%2</p>")
                     .arg(Html(report.title), subtitle.toHtmlEscaped());
  for (const WReportBlock& block : report.blocks) {
    if (block.kind == WReportBlock::kHeading) {
      html += QStringLiteral("<h3>%1</h3>").arg(Html(block.text));
    } else if (block.kind == WReportBlock::kText) {
      html += QStringLiteral("<p>%1</p>").arg(Html(block.text));
    } else if (!block.rows.empty() || !block.headings.empty()) {
      html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\" border=\"0\" width=\"100%\">");
      // An indented list (a tree) gives its first column the room the indentation takes.
      const bool tree = std::any_of(block.indents.begin(), block.indents.end(), [](int i) { return i > 0; });
      if (!block.headings.empty()) {
        html += QStringLiteral("<tr>");
        for (size_t c = 0; c < block.headings.size(); ++c)
          html += QStringLiteral("<th align=\"left\"%2 style=\"background-color: #e8e8e8\">%1</th>")
                      .arg(Html(block.headings[c]),
                           c == 0 && tree ? QStringLiteral(" width=\"42%\"") : QString());
        html += QStringLiteral("</tr>");
      }
      for (size_t r = 0; r < block.rows.size(); ++r) {
        html += QStringLiteral("<tr>");
        const int indent = r < block.indents.size() ? block.indents[r] : 0;
        for (size_t c = 0; c < block.rows[r].size(); ++c) {
          QString cell = Html(block.rows[r][c]);
          if (c == 0 && indent > 0)
            cell = QString(QStringLiteral("&nbsp;&nbsp;&nbsp;")).repeated(indent) + cell;
          html += QStringLiteral("<td valign=\"top\">%1</td>").arg(cell);
        }
        html += QStringLiteral("</tr>");
      }
      html += QStringLiteral("</table>");
    }
  }
  return html + QStringLiteral("</body></html>");
}

TPrintCommand::TPrintCommand(TMainForm* form)
    : QObject(form),
      form_(form),
      print_(new QAction(QStringLiteral("&Print..."), form)),
      preview_(new QAction(QStringLiteral("Print Pre&view..."), form)),
      pdf_(new QAction(QStringLiteral("Save as P&DF..."), form)) {
  print_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(print_, &QAction::triggered, this, &TPrintCommand::Print);
  connect(preview_, &QAction::triggered, this, &TPrintCommand::Preview);
  connect(pdf_, &QAction::triggered, this, &TPrintCommand::SaveAsPdf);
  connect(form, &TMainForm::collectionChanged, this, &TPrintCommand::UpdateActions);
  // The tabs exist only once the main window has built its middle part.
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (form_->Tabs())
          connect(form_->Tabs(), &QTabWidget::currentChanged, this, &TPrintCommand::UpdateActions);
        UpdateActions();
      },
      Qt::QueuedConnection);
  UpdateActions();
}

void TPrintCommand::UpdateActions() {
  const bool can = form_->Tabs() && CanPrint(form_->Tabs()->currentIndex());
  for (QAction* action : {print_, preview_, pdf_}) action->setEnabled(can);
}

bool TPrintCommand::CanPrint(int tab) const {
  return form_->Collection() && !form_->Importing() && tab >= TMainForm::kGeneralTab &&
         tab <= TMainForm::kDescendantsTab;
}

QString TPrintCommand::SuggestedName(int tab) const {
  const QFileInfo info(form_->CurrentFile());
  return info.completeBaseName() + QLatin1Char('-') + QString::fromLatin1(TabName(tab)) +
         QStringLiteral(".pdf");
}

QTextDocument* TPrintCommand::ReportDocument(int tab, QObject* parent) const {
  WABSCollection* collection = form_->Collection();
  if (!collection || !CanPrint(tab) || tab == TMainForm::kPedigreeTab) return nullptr;
  const RecNo n = form_->Scroller()->CurrentIndividual();
  WReport report;
  SafeCall([&] {
    switch (tab) {
      case TMainForm::kGeneralTab:
        report = WReports::General(*collection, collection->GetFileName());
        break;
      case TMainForm::kIndividualTab:
        report = WReports::Individual(
            *collection, n, Options().GetBool(WOptions::IndNotes), Options().GetBool(WOptions::Chrono),
            Options().GetBool(WOptions::TMGTagSent), Options().GetBool(WOptions::UseLDS));
        break;
      case TMainForm::kFamilyTab: {
        // The marriage the Family tab shows, when it shows this person.
        const WFamPanelLogic& family = form_->FamPanel()->Logic();
        report = WReports::FamilyGroup(*collection, n,
                                       family.Individual() == n ? std::max(family.CurrentMarriage(), 1) : 1);
      } break;
      case TMainForm::kDescendantsTab: {
        // The list as the tab has it, built for the active individual when the tab was not
        // shown yet.
        const WDescendantsLogic& shown = form_->DesPanel()->Logic();
        if (shown.Individual() != n) form_->DesPanel()->SetIndividual(n);
        report = WReports::Descendants(*collection, form_->DesPanel()->Logic(),
                                       Options().GetString(WOptions::DesColumns));
        break;
      }
    }
  });
  const QString subtitle = form_->CurrentFile() + QStringLiteral(" - printed ") +
                           QDateTime::currentDateTime().toString(QStringLiteral("d MMM yyyy"));
  auto* document = new QTextDocument(parent);
  document->setDefaultFont(ArialFont(9));
  document->setHtml(ReportToHtml(report, subtitle));
  return document;
}

void TPrintCommand::PaintPedigree(QPrinter& printer) {
  WPedPanel* panel = form_->PedPanel();
  const RecNo n = form_->Scroller()->CurrentIndividual();
  if (panel->Logic().Individual() != n) panel->SetIndividual(n);
  QPainter painter(&printer);
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  const QRectF area(0, 0, page.width(), page.height());
  QFont title = ArialFont(12, true);
  painter.setFont(title);
  const double title_height = QFontMetricsF(title, &printer).height() * 1.6;
  WABSCollection* collection = form_->Collection();
  const QString heading = QStringLiteral("Pedigree of ") +
                          AnsiToQ(collection ? collection->GetIndividualDisplayName(n) : std::string());
  painter.drawText(QRectF(area.left(), area.top(), area.width(), title_height), Qt::AlignLeft | Qt::AlignTop,
                   heading);
  QFont small = ArialFont(7);
  painter.setFont(small);
  painter.drawText(area, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Page 1"));
  const QRectF chart = area.adjusted(0, title_height, 0, -QFontMetricsF(small, &printer).height() * 1.5);
  SafeCall([&] {
    WPedigreeChart(panel->Logic(), WPedigreeLogic::kTabGenerations).Paint(painter, chart, ArialFont(8), 0);
  });
}

bool TPrintCommand::PrintTab(QPrinter& printer, int tab) {
  if (!CanPrint(tab)) return false;
  if (tab == TMainForm::kPedigreeTab) {
    printer.setPageOrientation(QPageLayout::Landscape);
    PaintPedigree(printer);
    return true;
  }
  printer.setPageOrientation(QPageLayout::Portrait);
  std::unique_ptr<QTextDocument> document(ReportDocument(tab, nullptr));
  if (!document) return false;
  document->print(&printer);
  return true;
}

bool TPrintCommand::SaveTabAsPdf(const QString& path, int tab, QString* error) {
  if (!CanPrint(tab)) {
    if (error) *error = QStringLiteral("This tab has nothing to print.");
    return false;
  }
  // The report never goes over the file it was read from.
  const QFileInfo target(path), source(form_->CurrentFile());
  if (target.exists() && source.exists() && target.canonicalFilePath() == source.canonicalFilePath()) {
    if (error) *error = QStringLiteral("%1 is the open genealogy file; the PDF was not written.").arg(path);
    return false;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setDocName(SuggestedName(tab));
  printer.setCreator(QStringLiteral("Taravell Lite"));
  const bool printed = PrintTab(printer, tab);
  if (printed && !QFileInfo::exists(path)) {
    if (error) *error = QStringLiteral("Cannot write %1").arg(path);
    return false;
  }
  return printed;
}

void TPrintCommand::Print() {
  const int tab = form_->Tabs()->currentIndex();
  if (!CanPrint(tab)) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(SuggestedName(tab));
  printer.setPageOrientation(tab == TMainForm::kPedigreeTab ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPrintDialog dialog(&printer, form_);
  if (RunModal(dialog) != QDialog::Accepted) return;
  SafeCall([&] { PrintTab(printer, tab); });
}

void TPrintCommand::Preview() {
  const int tab = form_->Tabs()->currentIndex();
  if (!CanPrint(tab)) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(tab == TMainForm::kPedigreeTab ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPrintPreviewDialog dialog(&printer, form_);
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
          [this, tab](QPrinter* p) { SafeCall([&] { PrintTab(*p, tab); }); });
  RunModal(dialog);
}

void TPrintCommand::SaveAsPdf() {
  const int tab = form_->Tabs()->currentIndex();
  if (!CanPrint(tab)) return;
  QString folder = PathToQ(Options().GetString(WOptions::SaveToFileDir));
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  QFileDialog dialog(form_, QStringLiteral("Save as PDF"), QDir(folder).filePath(SuggestedName(tab)),
                     QStringLiteral("PDF files (*.pdf)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  if (RunModal(dialog) != QDialog::Accepted) return;
  const QString path = dialog.selectedFiles().value(0);
  if (path.isEmpty()) return;
  Options().SetString(WOptions::SaveToFileDir, QToPath(QFileInfo(path).absolutePath()));
  QString error;
  if (!SaveTabAsPdf(path, tab, &error)) {
    TMessages::Show(form_, error);
    return;
  }
  if (Options().GetBool(WOptions::ViewSaved)) OpenExternalUrl(QUrl::fromLocalFile(path));
}
