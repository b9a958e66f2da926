#pragma once

#include <memory>
#include <string>

#include "formats/tmg/TMGCollection.h"
#include "support/TMGWriter.h"

// The projects the TMG tests read.
//
// FamilyProject: forty people over four generations, built so that every way the reader makes
// families is at work: couples married by marriage events (one man twice, one couple by two
// events), a couple known only from their children's father and mother fields, single fathers
// and mothers, adopted and step children named by their relationship types, an engagement
// (a family only with the engagement option on), witnesses, sources with and without footnote
// forms, citations of names and events, places with "^" parts, alternate names, LDS ordinances,
// dates of every form, a living person, and deleted rows.  Person numbers skip 11 (a deleted
// person), so from person 12 on a person's number is its position plus one.
TMGWriter FamilyProject();

// A project whose tables hold no rows.
TMGWriter EmptyProject();

// Writes the family project into dir; the project file's path.
std::string WriteFamilyProject(const std::string& dir);

// A project written into a temporary folder and opened (imported and linked) as the viewer
// opens it.  Record numbers of people are found by their person numbers (Pos).
class OpenedProject {
 public:
  explicit OpenedProject(const TMGWriter& writer, const std::string& project = "family_.tmg");
  ~OpenedProject();

  WTMGCollection& operator*() { return *collection_; }
  WTMGCollection* operator->() { return collection_.get(); }
  bool imported() const { return imported_; }
  const std::string& path() const { return path_; }
  // The record number of the person numbered `id`.
  RecNo Pos(int id) { return collection_->FindIndividual(std::to_string(id)); }

 private:
  std::string dir_;
  std::string path_;
  std::unique_ptr<WTMGCollection> collection_;
  bool imported_ = false;
};
