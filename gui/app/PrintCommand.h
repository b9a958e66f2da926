#pragma once

#include <QObject>
#include <QString>

class QAction;
class QPagedPaintDevice;
class QPrinter;
class TMainForm;
class QTextDocument;
struct WReport;

// File > Print..., Print Preview... and Save as PDF...: the visible tab printed as the
// report named for it.  General: the file's facts; Individual: the individual report (notes
// and sources with the setting IndNotes); Family: the family group sheet of the marriage
// shown; Pedigree: the chart on one landscape page; Descendants: the list over as many
// pages as it needs.  Every page carries its number.  The PDF's folder is remembered
// (SaveToFileDir) and the PDF is opened after saving when ViewSaved is on.
class TPrintCommand : public QObject {
  Q_OBJECT
 public:
  explicit TPrintCommand(TMainForm* form);

  QAction* PrintAction() const { return print_; }
  QAction* PreviewAction() const { return preview_; }
  QAction* PdfAction() const { return pdf_; }

  // True for the tabs that have a report (the data tabs, with a file open).
  bool CanPrint(int tab) const;
  // The system print dialog, then the report of the visible tab.
  void Print();
  // The print preview of the visible tab's report.
  void Preview();
  // A save dialog in the remembered folder, then SaveTabAsPdf; stores the folder and opens
  // the PDF with ViewSaved.
  void SaveAsPdf();
  // Writes the report of `tab` as a PDF file; false (with the reason in `error`) when the tab
  // has no report or the file cannot be written.
  bool SaveTabAsPdf(const QString& path, int tab, QString* error = nullptr);
  // Prints the report of `tab` on the printer (any kind: paper, PDF, preview).
  bool PrintTab(QPrinter& printer, int tab);

  // The report of a tab as a rich-text document (not for the pedigree, which is drawn).
  QTextDocument* ReportDocument(int tab, QObject* parent) const;
  // The PDF name proposed for the open file and tab: "<file name>-<tab>.pdf".
  QString SuggestedName(int tab) const;

 private:
  void UpdateActions();
  void PaintPedigree(QPrinter& printer);

  TMainForm* form_;
  QAction* print_;
  QAction* preview_;
  QAction* pdf_;
};

// A report as HTML for a rich-text document; model texts are converted and escaped.
QString ReportToHtml(const WReport& report, const QString& subtitle);
