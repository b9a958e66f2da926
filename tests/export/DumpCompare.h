#pragma once

// Compares the dump of a collection with the dump of its GEDCOM export read back by our GEDCOM
// reader, field by field, and lists every difference that is not one GEDCOM or our reader is
// known to cause.  What is knowingly lost or changed, and why:
//
// - Identifiers of individuals: a GEDCOM file's individuals keep theirs; any other file's get
//   I<n> and keep theirs in a REFN, which becomes the reference number when they had none.
//   The display name shows the identifier, so it changes with it.
// - Sort dates: GEDCOM has no sort date; the date read back is its own sort date.
// - Dates: what GEDCOM cannot say is written as a date phrase "(...)", which our reader shows as
//   it stands; a double-dated year goes as 1750/51 (shown so); B.C. is shown as written; circa
//   and "say" are ABT.
// - Relation codes of a child to its parents: FAMC carries PEDI (adopted, foster, step), but
//   our reader reports every link as natural.
// - The order of a person's marriages: our reader orders them by their dates.
// - Control characters (a TAB in a name) are blanks: GEDCOM has no place for them.
// - Witnesses: GEDCOM's only form is ASSO (with RELA Witness), which our reader reads as an event
//   of its own ("Associates"); those events are left out of the comparison.
// - A vital event's type name: the name of its own tag (Birth under BIRT) is said by the tag, and
//   our reader gives the events of those tags none.
// - A vital event's description: the BIRT, CHR, DEAT and BURI lines hold only "Y", so any other
//   description (of "Y, cause" the cause) goes first in the event's note and reads back there.
// - LDS ordinances: their type name and description have no GEDCOM place; a temple given as its
//   code and name ("SLAKE - Salt Lake City, Utah") goes as the code (TEMP).  A family's
//   sealings: our reader keeps the last one only.
// - Whether a family was synthesized: a GEDCOM family is a record.
// - A source's call number goes under its REPO, where our reader does not look for it (the
//   summary loses it too).
// - A submitter without a name is written as "Unknown" (GEDCOM wants a name); a file without a
//   submitter gets one; a web site in the submitter's country row goes to WWW.
// - Empty lines of notes: our reader keeps none; an empty note is not written.  A family without
//   a note reads back with the note of one of its citations: our reader takes the first NOTE line
//   anywhere in a family record.
// - Sources a citation names that are no records of the original (a GEDCOM file's inline
//   sources, a cited source missing from the file's list) become records after the original's,
//   so the file read back may have more sources.
// - A source a reader summarises its own way (RootsMagic: not at all; TMG: by its footnote
//   template) summarises by the common rule when read back, in the citations too; its fields
//   (title, author, publication, abbreviation) are compared instead.
// - A family a reader leaves out of its partners' lists (TMG: a couple known only by an
//   engagement) is listed by them when read back, from the family's HUSB and WIFE.
// - Blanks that begin a line of a note after the first, and a line break that ends a note: our
//   reader keeps neither.
// - Note records: the model gives a record's note as its text, so notes are written inline where
//   they are used, and the file read back has no note records (its note count is 0).
// - Values our reader takes from one line only (PAGE, PLAC, event values, CAUS) lose what goes
//   beyond the longest GEDCOM line; the fixtures compared here have none so long.

#include <string>
#include <vector>

class WABSCollection;

// The differences of the two collections, one line each ("individual 12 events[0].date: ...");
// empty when they agree.  `own_summaries`: the original's reader summarises every source its own
// way.
std::vector<std::string> CompareDumps(WABSCollection& original, WABSCollection& read_back,
                                      bool own_summaries = false);
