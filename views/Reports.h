#pragma once

#include <string>
#include <vector>

#include "model/RecNo.h"

class WABSCollection;
class WDescendantsLogic;

// A printable report without any layout: a title, then headings, paragraphs and tables in
// order.  Texts are model texts (Windows-1252); the GUI turns the report into a document
// and prints it over as many pages as it needs.
struct WReportBlock {
  enum Kind { kHeading, kText, kTable };
  Kind kind = kText;
  std::string text;                   // heading or paragraph (line breaks kept)
  std::vector<std::string> headings;  // table
  std::vector<std::vector<std::string>> rows;
  // Table rows only: the indentation level of the first cell of each row.
  std::vector<int> indents;
};

struct WReport {
  std::string title;
  std::vector<WReportBlock> blocks;

  void Heading(const std::string& text);
  void Text(const std::string& text);
  // A table; its rows follow with Row().
  void Table(const std::vector<std::string>& headings);
  void Row(const std::vector<std::string>& cells, int indent = 0);
  // Every text of the report, one per line, for checks and searches.
  std::string PlainText() const;
};

// The reports of the tabs, as File > Print... prints them.
class WReports {
 public:
  // General tab: the file's facts, its submitter and header, as the tab lists them.
  static WReport General(WABSCollection& collection, const std::string& file_name);
  // Individual tab: the events with dates, places and ages, parents, marriages and
  // children; with `notes` also the notes and sources of each row.
  static WReport Individual(WABSCollection& collection, RecNo n, bool notes, bool chronological,
                            bool tmg_sentence, bool use_lds);
  // Family tab: a family group sheet of the person's `marriage`-th spouse family (1-based;
  // without one, the person alone): husband and wife with their events and parents, the
  // marriage, and each child with birth, death and first spouse.
  static WReport FamilyGroup(WABSCollection& collection, RecNo n, int marriage);
  // Descendants tab: the list as built, with the columns named by `columns` (DesColumns).
  static WReport Descendants(WABSCollection& collection, const WDescendantsLogic& list,
                             const std::string& columns);
};
