#pragma once

// The Family Tree Maker files the tests read, described for the test writer.
//
// FamilyFixture: four generations of one family, about forty people: names in every form
// the name rules know (backslashes, a single word, suffixes, commas, a name longer than the
// record holds, characters Windows-1252 lacks), the six named facts in different places of
// the fact lists, old-style double dates and every date qualifier, LDS ordinances, short and
// long notes, sources with citations on people, facts and families, a second marriage, a
// man with six wives (more than the record holds), a child with a second parent family,
// empty record positions, a family whose husband is absent from the table and one whose
// husband lies beyond it.  From what real files hold: the date words "Dead" and "Unknown" (and a
// word of that kind without a text), names whose record says where their surname is, facts in
// the record's own fact slot, and families listing their first children in an order of their
// own.
// EmptyFixture: a file without people, families, notes or sources.
// ExtensionFixture: a file of more than 109 allocation-table pages whose tables lie in the
// blocks only the extension chain's pages reach, with interleaved chains, free blocks, a
// source index of two pages and long notes.

#include <string>

#include "support/FTWWriter.h"

namespace ftw_fixtures {

using ftw::CitationItem;
using ftw::DateWord;
using ftw::Fact;
using ftw::Family;
using ftw::Person;

inline Person P(const std::string& name, char sex) {
  Person p;
  p.name = name;
  p.sex = sex;
  return p;
}

inline Person Empty(uint8_t flags) {
  Person p;
  p.empty = true;
  p.flags = flags;
  return p;
}

inline Family F(int husband, int wife, uint32_t date, const std::string& place) {
  Family f;
  f.husband = husband;
  f.wife = wife;
  f.date = date;
  f.place = place;
  return f;
}

inline Fact Ft(const std::string& name, uint32_t date, const std::string& place = std::string(),
               std::vector<CitationItem> citations = {}) {
  return Fact{name, date, 0, place, std::move(citations)};
}

inline std::string LongNote() {
  std::string text;
  for (int k = 1; k <= 40; ++k)
    text += "Letter " + std::to_string(k) +
            ": Lydia wrote to her sister from the parsonage at Lexington about the harvest, the"
            " meeting house and the news from Boston. ";
  return text + "The letters are kept in the family's box of papers.";
}

inline ftw::Description FamilyFixture() {
  ftw::Description d;
  d.sources = {
      {"Parish Register of St Botolph", "Church of England", "Boston, Lincolnshire, 1690-1760", "PR 12/3",
       "unused fifth", "Transcribed by the county record office.", "unused seventh"},
      {"Massachusetts Vital Records to 1850", "New England Historic Genealogical Society", "Boston, 1911",
       "F72 .M3", "", "", ""},
      {"1850 United States Federal Census", "United States Census Office", "Washington, 1850", "M432", "",
       "Microfilm roll 334.", ""},
      {"Family Bible of Josiah Ashford", "", "", "", "", "Held by the family in Vermont.", ""},
      {"Temple Records Index", "Genealogical Society", "Salt Lake City", "TR-1", "", "", ""},
  };
  const uint32_t kNoDate = 2;  // 02 00 00 00: a date word without a date

  std::vector<Person>& p = d.people;
  p.resize(45);
  // 1: old-style dates on every event, the named facts among the others.
  p[0] = P("Josiah \\Ashford\\", 'M');
  p[0].birth = DateWord(10, 2, 1700);
  p[0].birth_place = "Boston, Lincolnshire, England";
  p[0].death = DateWord(3, 3, 1761);
  p[0].death_place = "Salem, Essex, Massachusetts";
  p[0].facts = {Ft("Christening", DateWord(18, 2, 1700), "St Botolph, Boston",
                   {{"Baptised by the curate", "folio 14", 1}}),
                Ft("Occupation", DateWord(0, 0, 1725), "Salem"),
                Ft("Emigration", DateWord(0, 5, 1722), "Boston, Lincolnshire"),
                Ft("Burial", DateWord(8, 3, 1761), "Old Burying Point, Salem"),
                Ft("Record Change", DateWord(12, 3, 2004))};
  p[0].note = "Josiah built ships at Salem for forty years.";
  p[0].citations = {{"", "folio 14, entry 3", 1, true}, {"Entered in his own hand", "first leaf", 4}};
  p[0].spouses = {1};
  // 2: a change date first in the list; 25 March is not old style.
  p[1] = P("Mercy \\Hale\\", 'F');
  p[1].birth = DateWord(25, 3, 1702);
  p[1].death = DateWord(0, 0, 1770, 1);
  p[1].facts = {Ft("Record Change", DateWord(2, 1, 2005)),
                Ft("Christening", DateWord(29, 3, 1702), "Beverly")};
  p[1].spouses = {1};
  // 3: two marriages.
  p[2] = P("Nathaniel Ashford", 'M');
  p[2].birth = DateWord(14, 1, 1727);
  p[2].death = DateWord(0, 0, 1790, 0);
  p[2].facts = {Ft("Occupation", DateWord(0, 0, 1750), "Salem"),
                Ft("Military", DateWord(0, 0, 1745, 1), "Louisbourg")};
  p[2].parents = 1;
  p[2].spouses = {2, 3};
  p[3] = P("Abigail \\Ashford\\", 'F');
  p[3].flags = 0xC0;
  p[3].birth = ftw::YearRangeWord(1728, 1729);
  p[3].parents = 1;
  p[4] = Empty(0x10);
  p[5] = P("Ezekiel Ashford Jr", 'M');
  p[5].flags = 0xA0;
  p[5].birth = ftw::EstimatedWord(1731);
  p[5].death = DateWord(0, 0, 1800, 3);
  p[5].parents = 1;
  // 7: a range of two full dates, the second word beside the fact list.
  p[6] = P("Hannah \\Whitcombe\\", 'F');
  p[6].birth = DateWord(1, 1, 1730, 6);
  p[6].birth2 = DateWord(31, 12, 1731);
  p[6].death = DateWord(2, 2, 1760);
  p[6].death_place = "Salem";
  p[6].spouses = {2};
  // 8: the christening first: the other facts come out as Education, Occupation, Residence.
  p[7] = P("Ruth \\Pell,\\", 'F');
  p[7].facts = {Ft("Christening", DateWord(4, 4, 1735), "Ipswich"),
                Ft("Occupation", DateWord(0, 0, 1760), "Salem"),
                Ft("Residence", DateWord(0, 6, 1770), "Marblehead"),
                Ft("Education", DateWord(0, 0, 1745), "Dame school")};
  p[7].spouses = {3};
  // Children of the first marriage.
  p[8] = P("Samuel Ashford M.D.", 'M');
  p[8].birth = DateWord(7, 8, 1752);
  p[8].birth_place = "Salem";
  p[8].parents = 2;
  p[8].spouses = {4};
  p[9] = P("Cher", 'F');
  p[9].birth = DateWord(0, 0, 1755);
  p[9].parents = 2;
  p[10] = P("Lydia \\Ashford\\", 'F');
  p[10].birth = DateWord(30, 11, 1757);
  p[10].note = LongNote();
  p[10].parents = 2;
  p[10].spouses = {5};
  // Children of the second marriage; 14 also grew up in a second family.
  p[11] = P("Thomas \\Ashford\\ III", 'M');
  p[11].birth = DateWord(0, 9, 1762);
  p[11].parents = 3;
  p[11].spouses = {6};
  p[12] = P("Prudence Anne Ashford", 'F');
  p[12].birth = DateWord(19, 3, 1764);
  p[12].parents = 3;
  p[12].more_parents = {13};
  // Spouses of the third generation.
  p[13] = P("Zo\xC3\xAB \\\xC5\x81ukasiewicz\\", 'F');
  p[13].spouses = {4};
  p[14] = P("Rev. Jonas Clarke", 'M');
  p[14].facts = {Ft("Religion", 0, "Congregational"), Ft("Record Change", DateWord(5, 5, 2005))};
  p[14].spouses = {5};
  p[15] = P("Wilhelmina Augusta Theodora \\Featherstonehaugh\\", 'F');
  p[15].birth = DateWord(0, 0, 1765, 3);
  p[15].spouses = {6};
  // Fourth generation; 18 had six wives, two more than the record holds.
  p[16] = P("Ana\xF0\x9F\x98\x81 \\Ashford\\", 'F');
  p[16].parents = 4;
  p[17] = P("Henry Ashford VIII", 'M');
  p[17].birth = DateWord(28, 6, 1780);
  p[17].parents = 4;
  p[17].spouses = {7, 8, 9, 10, 11, 12};
  const char* wives[] = {"Catherine \\Aragon\\", "Anne \\Boleyn\\",      "Jane \\Seymour\\",
                         "Anne \\Cleves\\",      "Catherine \\Howard\\", "Catherine \\Parr\\"};
  for (int k = 0; k < 6; ++k) {
    p[18 + static_cast<size_t>(k)] = P(wives[k], 'F');
    p[18 + static_cast<size_t>(k)].spouses = {7 + k};
  }
  p[24] = Empty(0x00);
  p[25] = P("Jonas Clarke Sr.", 'M');
  p[25].parents = 5;
  p[25].birth = DateWord(0, 0, 1785, 7);
  p[26] = P("Mary Clarke,", 'F');
  p[26].parents = 5;
  // LDS ordinances among the facts, in mixed order.
  p[27] = P("Edward \\Ashford\\", 'M');
  p[27].birth = DateWord(2, 2, 1790);
  p[27].facts = {Ft("Sealed to parents (LDS)", DateWord(3, 8, 1982), "SLAKE"),
                 Ft("Occupation", DateWord(0, 0, 1815), "Montpelier"),
                 Ft("Baptism (LDS)", DateWord(1, 6, 1980), "SLAKE", {{"", "entry 5521", 5}}),
                 Ft("Record Change", DateWord(9, 9, 2006)),
                 Ft("Endowment (LDS)", DateWord(2, 7, 1981), "LOGAN")};
  p[27].note = "Edward moved the family to Vermont.";
  p[27].parents = 6;
  // Ten facts: two fact lists.
  p[28] = P("George \\Ashford\\", 'M');
  p[28].birth = DateWord(5, 5, 1792);
  p[28].parents = 6;
  p[28].facts = {Ft("Census", DateWord(0, 0, 1800), "Montpelier", {{"household of Thomas", "page 12", 3}}),
                 Ft("Census", DateWord(0, 0, 1810), "Montpelier"),
                 Ft("Census", DateWord(0, 0, 1820), "Barre"),
                 Ft("Occupation", DateWord(0, 0, 1815), "Blacksmith"),
                 Ft("Residence", DateWord(0, 0, 1825), "Barre"),
                 Ft("Immigration", 0, ""),
                 Ft("Naturalization", DateWord(1, 1, 1830, 0), "Windsor"),
                 Ft("Burial", DateWord(9, 10, 1850), "Barre Cemetery"),
                 Ft("Probate", DateWord(0, 11, 1850, 3), "Washington County"),
                 Ft("Census", DateWord(0, 0, 1850), "Barre")};
  p[29] = P("Baby \\Ashford\\", 'U');
  p[29].death = kNoDate;
  p[29].death_place = "Montpelier";
  p[29].parents = 6;
  // 32 and 33 fostered 13.
  p[30] = P("Obadiah \\Ashford\\", 'M');
  p[30].parents = 2;
  p[31] = P("Silas \\Dunn\\", 'M');
  p[31].spouses = {13};
  p[32] = P("Keziah \\Dunn\\", 'F');
  p[32].spouses = {13};
  // 34 married someone at an empty position; 36 someone beyond the table.
  p[33] = P("Patience \\Crane\\", 'F');
  p[33].spouses = {14};
  p[34] = P("Moses \\Crane\\", 'M');
  p[34].parents = 14;
  p[35] = P("Dorcas \\Wheeler\\", 'F');
  p[35].spouses = {15};
  p[36] = P("Caleb \\Wheeler\\", 'M');
  p[36].parents = 15;
  p[37] = P("Asa \\Brewster\\", 'M');
  p[37].spouses = {16};
  p[38] = P("Lucy \\Ashford\\", 'F');
  p[38].parents = 2;
  p[38].spouses = {16};
  p[39] = P("Infant \\Brewster\\", 'M');
  p[39].birth = kNoDate;
  p[39].birth_place = "Barre";
  p[39].parents = 16;
  p[40] = P("Dr Ward", 'M');
  p[40].death = DateWord(11, 11, 1811, 2);
  // The record says where the surname is: characters 14 to 20, the suffix after it.
  p[41] = P("Thomas Albert Stewart,Jr", 'M');
  p[41].surname_range = 14 | (20 << 6);
  p[41].birth = ftw::kUnknownWord;
  p[41].death = ftw::kDeadWord;
  p[41].facts = {Ft("Occupation", 0x2802, "Clerk"), Ft("Residence", ftw::kUnknownWord, "Greenock")};
  p[41].spouses = {17};
  // A surname of two words; facts in the record's own slot only.
  p[42] = P("Ian Mc Dowell", 'M');
  p[42].surname_range = 4 | (12 << 6);
  p[42].slot_facts = {{1, DateWord(0, 0, 1850), "Farmer"}, {2, 0, ""}, {3, ftw::kDeadWord, "Paisley"}};
  p[42].parents = 17;
  // A range the name's backslashes overrule, and one that does not begin a word.
  p[43] = P("Anna Maria \\Berg\\", 'F');
  p[43].surname_range = 0 | (3 << 6);
  p[43].parents = 17;
  p[44] = P("Peter VanDuker", 'M');
  p[44].surname_range = 9 | (13 << 6);
  p[44].parents = 17;

  d.families = {F(1, 2, DateWord(5, 6, 1724), "Salem, Essex, Massachusetts"),
                F(3, 7, DateWord(12, 1, 1751), "Salem"),
                F(3, 8, DateWord(20, 8, 1761), "Ipswich"),
                F(9, 14, DateWord(0, 0, 1778, 1), "Boston"),
                F(15, 11, ftw::YearRangeWord(1779, 1781), "Lexington"),
                F(12, 16, DateWord(14, 2, 1788), "Montpelier"),
                F(18, 19, DateWord(0, 0, 1800), ""),
                F(18, 20, DateWord(0, 0, 1802), ""),
                F(18, 21, DateWord(0, 0, 1804), ""),
                F(18, 22, DateWord(0, 0, 1806), ""),
                F(18, 23, DateWord(0, 0, 1808), ""),
                F(18, 24, DateWord(0, 0, 1810), ""),
                F(32, 33, 0, "Andover"),
                F(5, 34, DateWord(1, 1, 1760), ""),
                F(99, 36, kNoDate, "Concord"),
                F(38, 39, 0, ""),
                F(42, 0, ftw::kUnknownWord, "")};
  // The first children in the program's order; the others follow by their numbers.
  d.families[1].listed_children = {11, 9, 39, 10};
  d.families[16].listed_children = {45, 43};
  d.families[0].note = "Married by the Reverend Nicholas Noyes.";
  d.families[0].citations = {{"Intentions published", "page 88", 2}};
  d.families[1].citations = {{"", "vol. 2, p. 301", 2}, {"Copied 1911", "vol. 3", 2}};
  d.submitter = {{72, "Eliza"},
                 {120, "M."},
                 {128, "Ashford"},
                 {80, "14 Elm Street"},
                 {88, "Montpelier, Vermont"},
                 {96, "Washington County"},
                 {136, "VT"},
                 {144, "05602"},
                 {152, "USA"},
                 {104, "802-555-0147"},
                 {168, "eliza.ashford@example.org"}};
  d.interleave = 3;
  d.free_every = 11;
  return d;
}

inline ftw::Description EmptyFixture() { return ftw::Description(); }

inline ftw::Description ExtensionFixture() {
  ftw::Description d;
  for (int k = 1; k <= 300; ++k)
    d.sources.push_back({"Register volume " + std::to_string(k), "Town clerk", "", "", "", "", ""});
  std::vector<Person>& p = d.people;
  p.push_back(P("Amos \\Pike\\", 'M'));
  p.back().birth = DateWord(1, 4, 1801);
  p.back().spouses = {1};
  p.back().note = LongNote();
  p.back().citations = {{"", "page 1", 1}, {"", "page 2", 251}, {"", "page 300", 300}};
  p.push_back(P("Sarah \\Cole\\", 'F'));
  p.back().spouses = {1};
  p.back().note = "Sarah kept the accounts.";
  for (int k = 1; k <= 10; ++k) {
    p.push_back(P("Child" + std::to_string(k) + " \\Pike\\", k % 2 ? 'M' : 'F'));
    p.back().birth = DateWord(k, k, 1825 + k);
    p.back().parents = 1;
    p.back().facts = {
        Ft("Residence", DateWord(0, 0, 1850), "Keene", {{"", "entry " + std::to_string(k), 250 + k}})};
  }
  d.families = {F(1, 2, DateWord(3, 3, 1824), "Keene")};
  d.submitter = {{72, "Amos"}, {128, "Pike"}};
  d.padding_blocks = 14100;
  d.interleave = 2;
  d.free_every = 7;
  return d;
}

}  // namespace ftw_fixtures
