#pragma once

#include <string>

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
