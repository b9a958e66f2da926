#pragma once

// The books the PAF tests write: one family written as every version, an empty file, a file of
// many blocks of every type and a file whose records lie past 64 MiB.

#include <memory>
#include <string>

#include "app/ReaderChoice.h"
#include "base/UIHooks.h"
#include "model/ABSCollection.h"
#include "support/PAFWriter.h"
#include "support/TempDir.h"

namespace paf_fixtures {

inline PAFDate Day(int day, int month, int year, PAFQualifier qualifier = PAFQualifier::Exact) {
  PAFDate date;
  date.day = day;
  date.month = month;
  date.year = year;
  date.qualifier = qualifier;
  return date;
}

inline PAFDate Year(int year, PAFQualifier qualifier = PAFQualifier::Exact) {
  return Day(0, 0, year, qualifier);
}

inline PAFDate Keyword(const std::string& keyword) {
  PAFDate date;
  date.keyword = keyword;
  return date;
}

inline PAFEvent At(PAFDate date, const std::string& place = {}) {
  PAFEvent event;
  event.date = date;
  event.place = place;
  return event;
}

inline PAFOrdinance Ordinance(PAFDate date, const std::string& temple = {}) {
  PAFOrdinance ordinance;
  ordinance.date = date;
  ordinance.temple = temple;
  return ordinance;
}

inline PAFPerson Person(char sex, const std::string& given, const std::string& surname) {
  PAFPerson person;
  person.sex = sex;
  person.given = given;
  person.surname = surname;
  return person;
}

inline PAFFamily Family(int husband, int wife, std::vector<int> children = {}) {
  PAFFamily family;
  family.husband = husband;
  family.wife = wife;
  family.children = std::move(children);
  return family;
}

// Three generations of one family, with a deleted person (RIN 3) and a deleted family (MRIN 3),
// notes, citations, ordinances, other events and accented texts.  Every version writes what it
// can hold of it.
inline PAFBook FamilyBook(int version) {
  PAFBook book;
  book.version = version;
  book.title = "Smith family of Whitby";
  book.submitter = {"Ada",      "Lovelace", "12 St James's Square", "London",
                    "SW1Y 4JH", "England",  "020 7946 0000",        "ada@example.org"};

  PAFPerson john = Person('M', "John Henry", "Smith");
  john.suffix = "Sr.";
  john.title = "Dr.";
  john.birth = At(Day(12, 3, 1850), "Whitby, Yorkshire, England");
  john.birth.citations = {{1, "Entry 212", "Written in the margin."}};
  john.christening = At(Day(20, 3, 1850), "Whitby, Yorkshire, England");
  john.death = At(Year(1910, PAFQualifier::About), "Leeds, Yorkshire, England");
  john.burial = At(Day(2, 2, 1910), "Leeds, Yorkshire, England");
  john.baptism = Ordinance(Keyword("COMPLETED"), "LOGAN");
  john.endowment = Ordinance(Day(1, 1, 1900), "SLAKE");
  john.endowment.note = "Done by proxy.";
  john.reference = "REF-1";
  john.afn = "1A2B-3C";
  john.note = "Farmer all his life.\nMoved to Leeds in 1890.";
  john.citations = {{1, "p. 12", ""}, {2, "Household 40", "Listed as head."}};
  john.created = 946684800;   // 1 Jan 2000
  john.changed = 1262304000;  // 1 Jan 2010
  PAFOtherEvent occupation{"Occupation", "Worked for Müller & Söhne", At(Year(1870), "Whitby")};
  PAFOtherEvent residence{"Residence", "", At(Day(3, 4, 1881), "Leeds")};
  john.others = {occupation, residence};

  PAFPerson mary = Person('F', "Mary", "Brown");
  mary.birth = At(Year(1852, PAFQualifier::Estimated), "Zürich, Switzerland");
  mary.death = At(Day(5, 6, 1890, PAFQualifier::Before), "Leeds, Yorkshire, England");
  mary.changed = -1;  // one second before 1970

  PAFPerson gone = Person('M', "Removed", "Person");
  gone.deleted = true;

  PAFPerson william = Person('M', "William", "Smith");
  william.birth = At(Day(3, 4, 1875), "Whitby, Yorkshire, England");
  william.note = "Emigrated.";

  PAFPerson anne = Person('F', "Anne", "Smith");
  anne.birth = At(Year(1873, PAFQualifier::Before), "Whitby");
  anne.baptism = Ordinance(Day(7, 7, 1882));

  PAFPerson thomas = Person('M', "Thomas", "Smith");
  thomas.death.date.text = "before the war";
  thomas.death.place = "Hull";

  PAFPerson richard = Person('M', "Richard", "Smith");
  richard.birth = At(Year(1820, PAFQualifier::Calculated), "Scarborough");
  richard.death = At(Year(1885, PAFQualifier::After));

  PAFPerson elizabeth = Person('F', "Elizabeth", "Green");
  elizabeth.christening = At(Year(1822));
  elizabeth.christening.date.second_year = 1823;
  elizabeth.ordinance_place = "Salt Lake City, Utah";
  elizabeth.endowment = Ordinance(Day(9, 9, 1899));

  PAFPerson sarah = Person('F', "Sarah", "Hall");
  sarah.birth = At(Day(1, 5, 1860), "Leeds");

  book.people = {john, mary, gone, william, anne, thomas, richard, elizabeth, sarah};

  PAFFamily first = Family(1, 2, {4, 5, 6});
  first.marriage = At(Day(10, 6, 1872), "Zürich, Switzerland");
  first.marriage.citations = {{2, "Entry 44", ""}};
  first.sealing = Ordinance(Day(1, 1, 1950), "SLAKE");
  first.note = "Married in the old church.";
  first.child_sealings = {Ordinance(Keyword("BIC"))};

  PAFFamily parents = Family(7, 8, {1});
  parents.marriage = At(Year(1848, PAFQualifier::About));
  parents.child_sealings = {Ordinance(Day(4, 4, 1950), "LOGAN")};

  PAFFamily removed = Family(0, 0);
  removed.deleted = true;

  PAFFamily second = Family(1, 9);
  second.marriage = At(Year(1895), "Leeds");

  book.families = {first, parents, removed, second};

  PAFSource register_source;
  register_source.author = "Parish clerk";
  register_source.title = "Whitby parish register";
  register_source.publication = "1850-1900";
  register_source.call_number = "PR/12";
  register_source.note = "Transcribed in 1990.";
  register_source.text = "Baptisms and burials.";
  register_source.repository = 1;
  PAFSource census;
  census.title = "Census of 1881";
  book.sources = {register_source, census};
  book.repositories = {
      {"North Yorkshire Archive", "Malpas Road", "Northallerton", "DL7 8TB", "01609 777585"}};
  return book;
}

// A file without people, families or sources.
inline PAFBook EmptyBook(int version) {
  PAFBook book;
  book.version = version;
  return book;
}

// Enough records of every type to fill several blocks of each, written with free blocks between
// the used ones, the totals block at the end and "no link" written as -1.
inline PAFBook ManyBlocksBook(int version) {
  PAFBook book;
  book.version = version;
  book.none_link = -1;
  book.free_block_every = 3;
  book.totals_block_last = true;
  const char* const kMen[] = {"John", "William", "Thomas"};
  const char* const kWomen[] = {"Mary", "Sarah", "Anne"};
  const char* const kSurnames[] = {"Smith", "Taylor", "Brown", "Walker", "Wright"};
  const int people = 120;
  for (int r = 1; r <= people; ++r) {
    // Indexed in each branch: GCC 12 with -fsanitize=undefined indexes a conditional choice of two
    // arrays wrongly, which gave the sanitizer build other names.
    const char* given = r % 2 ? kMen[r / 2 % 3] : kWomen[r / 2 % 3];
    PAFPerson p = Person(r % 2 ? 'M' : 'F', given, kSurnames[(r / 2) % 5]);
    p.birth = At(Day(1 + r % 28, 1 + r % 12, 1700 + r), "Town " + std::to_string(r % 7));
    if (r % 3 == 0) p.note = "Note of person " + std::to_string(r) + ".";
    if (r % 4 == 0) p.citations = {{1 + r % 3, "Page " + std::to_string(r), ""}};
    if (r % 5 == 0) p.others = {{"Occupation", "Trade " + std::to_string(r), At(Year(1720 + r))}};
    book.people.push_back(p);
  }
  // Couples 2k-1 and 2k; their children are the couples of the next generation.
  for (int f = 1; f <= people / 2; ++f) {
    std::vector<int> children;
    for (int c : {4 * f - 1, 4 * f, 4 * f + 1})
      if (c <= people) children.push_back(c);
    PAFFamily family = Family(2 * f - 1, 2 * f, children);
    family.marriage = At(Year(1725 + f));
    book.families.push_back(family);
  }
  for (int s = 1; s <= 40; ++s) {
    PAFSource source;
    source.title = "Register " + std::to_string(s);
    source.repository = 1 + s % 30;
    book.sources.push_back(source);
  }
  for (int p = 1; p <= 30; ++p) book.repositories.push_back({"Archive " + std::to_string(p), "", "", "", ""});
  return book;
}

// The family book with its records pushed into the second 64 MiB region.
inline PAFBook PastSixtyFourBook(int version) {
  PAFBook book = FamilyBook(version);
  book.free_blocks_before = 8191;
  return book;
}

// Writes a book into a file of the folder.
inline std::string WriteBook(const TempDir& dir, const std::string& name, const PAFBook& book,
                             PAFFileLayout* layout = nullptr) {
  const std::string path = dir / name;
  PAFWriter::WriteFile(book, path, layout);
  return path;
}

// Opens, imports and links a file as the viewer does; none (with the reason in `error`) when it
// is refused or cannot be read.
inline std::unique_ptr<WABSCollection> Open(const std::string& path, std::string* error = nullptr) {
  std::string message;
  std::unique_ptr<WABSCollection> collection = CreateCollectionForFile(path, message);
  if (collection) {
    ImportCancelled = false;
    if (collection->Import()) {
      collection->BuildLinks();
    } else {
      message = collection->GetImportError();
      collection.reset();
    }
  }
  if (error) *error = message;
  return collection;
}

}  // namespace paf_fixtures
