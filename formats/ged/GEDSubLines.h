#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "base/Date.h"
#include "formats/ged/GEDTextMMF.h"
#include "model/ABSCitation.h"
#include "model/RecNo.h"

// How the GEDCOM record classes find the lines below a line ("sub-lines") and read
// their values.
//
// Two ways of finding sub-lines are used:
//  - by depth: the lines after a line whose level is exactly one more than that line's
//    level, up to the first line whose level is not greater;
//  - by record: every line after a line up to the next record line, at any level.
class WGEDCollection;

class WGEDSubLines {
 public:
  // At most this many citation (SOUR) lines are kept by any record.
  static constexpr size_t kMaxCitations = 99;

  // The sub-lines of an event or ordinance line, found by depth; the last of each tag.
  struct EventLines {
    const char* place = nullptr;            // PLAC
    const char* temple = nullptr;           // TEMP
    const char* place_or_temple = nullptr;  // the later of the two
    const char* type = nullptr;
    const char* date = nullptr;
    const char* note = nullptr;
    const char* cause = nullptr;
    const char* qualifier = nullptr;     // QUAL
    const char* status = nullptr;        // STAT
    std::vector<const char*> citations;  // the first kMaxCitations SOUR lines
  };
  static EventLines FindEventLines(const WGEDTextMMF& text, const char* line);

  // Calls fn(sub_line) for every line found by depth below `line`.
  template <class Fn>
  static void ByDepth(const WGEDTextMMF& text, const char* line, Fn&& fn) {
    if (!line) return;
    int level = text.LineLevel(line);
    for (const char* p = text.NextLine(line); p; p = text.NextLine(p)) {
      int sub = text.LineLevel(p);
      if (sub <= level) break;
      if (sub == level + 1) fn(p);
    }
  }

  // Calls fn(sub_line) for every line after `line` up to the next record line.
  template <class Fn>
  static void ByRecord(const WGEDTextMMF& text, const char* line, Fn&& fn) {
    if (!line) return;
    for (const char* p = text.NextLine(line); p && !text.IsRecordLine(p); p = text.NextLine(p)) fn(p);
  }

  // Where the record holding `line` ends: its next record line, or the end of the file.
  static const char* RecordEnd(const WGEDTextMMF& text, const char* line) {
    const char* next = text.NextRecord(line);
    return next ? next : text.End();
  }

  // A new citation on the i-th line of a record's citation list; none outside 1..size.
  static std::unique_ptr<WABSCitation> CitationAt(WGEDCollection& collection,
                                                  const std::vector<const char*>& list, int i);

  // Appends a citation line to a record's list unless the list is full.
  static void AddCitation(std::vector<const char*>& list, const char* line) {
    if (list.size() < kMaxCitations) list.push_back(line);
  }

  // The continued text whose first piece is the value at a column of `line`.  When the
  // line ends before that column the first piece is empty (the value never runs on into
  // the next line) and the CONC and CONT lines that follow still count.
  static std::vector<std::string> ContinuedAt(const WGEDTextMMF& text, const char* line, size_t column);

  // The continued text at a column, every piece converted, joined by `separator`.
  static std::string JoinedAt(const WGEDTextMMF& text, const char* line, size_t column,
                              const std::string& separator);

  // The record line of the n-th record of a kind; raises EIndexError ("Error: In valid
  // index value = %d") when there is no such record.
  static const char* RequireRecord(WGEDCollection& collection, GEDRecordKind kind, RecNo n);

  // The text with every bare line feed turned into CR LF.
  static std::string WithCrLf(const std::string& text);

  // A date from a DATE value (or a text standing in for one), converted from the file's
  // character set as every value is, then parsed.
  static std::unique_ptr<WDate> DateOf(const WGEDTextMMF& text, std::string_view value);
  // The date of the line value at a column of a DATE line.
  static std::unique_ptr<WDate> DateAt(const WGEDTextMMF& text, const char* line, size_t column) {
    return DateOf(text, text.LineValueViewAt(line, column));
  }

  // A place value (PLAC, TEMP) at a column: a continued text, converted; its CONC lines go on
  // the text, its CONT lines join it after a blank.  Empty without a line.
  static std::string PlaceAt(const WGEDTextMMF& text, const char* line, size_t column) {
    return JoinedAt(text, line, column, " ");
  }

  // The converted line value at a column; empty without a line.
  static std::string ConvertedAt(const WGEDTextMMF& text, const char* line, size_t column) {
    return line ? text.ConvertText(text.LineValueViewAt(line, column)) : std::string();
  }
};
