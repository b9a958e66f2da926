// The RootsMagic sample family: four generations of the Whitcomb family and the families
// they married into, written so that every rule of the reader meets a row that tests it.

#include "support/RM3Writer.h"

namespace {

class FamilyBuilder {
 public:
  RM3Writer w;

  void Person(int id, const char* sex, const char* given, const char* surname, int born = 0, int died = 0) {
    RM3Writer::Person p;
    p.id = id;
    p.sex = sex;
    p.given = given;
    p.surname = surname;
    p.edit_date = "2024" + Two(1 + id % 12) + Two(1 + id % 28);
    w.people.push_back(p);
    if (born)
      Event('P', id, 1, RM3Writer::Date(born, 1 + id % 12, 1 + id % 27),
            RM3Writer::SortDate(born, 1 + id % 12), 1 + id % 4);
    if (died) Event('P', id, 2, RM3Writer::Date(died), RM3Writer::SortDate(died), 1 + (id + 1) % 4);
  }
  RM3Writer::Person& LastPerson() { return w.people.back(); }

  // Adds an event and returns its eventid.
  int Event(char owner_type, int owner, int type, const std::string& date, const std::string& sort_date,
            int place = 0) {
    RM3Writer::Event e;
    e.id = next_event_++;
    e.owner_type = owner_type;
    e.owner = owner;
    e.type = type;
    e.date = date;
    e.sort_date = sort_date;
    e.place = place;
    w.events.push_back(e);
    return e.id;
  }
  RM3Writer::Event& LastEvent() { return w.events.back(); }

  void Family(int id, int father, int mother, int married = 0, int place = 0) {
    w.families.push_back({id, father, mother});
    if (married)
      Event('F', id, 300, RM3Writer::Date(married, 6, 1 + id), RM3Writer::SortDate(married, 6, 1 + id),
            place);
  }
  void Children(int family, std::initializer_list<int> ids) {
    int order = 0;
    for (int child : ids) w.children.push_back({child, family, ++order});
  }
  void Cite(int subtype, int id2, int source, const std::string& detail, const std::string& note = "") {
    w.links.push_back({next_link_++, 1, subtype, source, id2, RM3Writer::Parts({"", detail, note, ""})});
  }

 private:
  static std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
  int next_event_ = 1;
  int next_link_ = 1;
};

}  // namespace

RM3Writer RM3SampleFamily() {
  FamilyBuilder b;
  RM3Writer& w = b.w;
  w.version = 3;
  w.submitter_name = "Margaret Whitcomb";
  w.address1 = "14 Elm Street";
  w.address2 = "Salem, MA 01970";
  w.address3 = "USA";
  w.phone = "978-555-0142";
  w.email = "margaret@example.org";

  w.places = {{1, "Boston, Suffolk, Massachusetts"},
              {2, "Salem, Essex, Massachusetts"},
              {3, "Concord, Merrimack, New Hampshire"},
              {4, "Portland, Cumberland, Maine"},
              {5, "Nowhere, deleted", true},
              {6, ", Hartford, Connecticut"}};

  // Generation 1.  John has two births, the second primary: it is his birth, the first is
  // listed among his other events.  Mary has two births, neither primary: the earlier counts.
  b.Person(1, "M", "John", "Whitcomb");
  b.Event('P', 1, 1, RM3Writer::Date(1800, 0, 0, '3'), RM3Writer::SortDate(1800), 1);
  b.Event('P', 1, 1, RM3Writer::Date(1801, 3, 4), RM3Writer::SortDate(1801, 3, 4), 2);
  b.LastEvent().primary = true;
  b.Event('P', 1, 2, RM3Writer::Date(1870, 11, 2), RM3Writer::SortDate(1870, 11, 2), 2);
  b.Event('P', 1, 4, RM3Writer::Date(1870, 11, 5), RM3Writer::SortDate(1870, 11, 5), 6);
  b.Event('P', 1, 10, "", "", 0);
  b.LastEvent().details =
      "Cooper\x0c"
      "and farmer";
  b.Event('P', 1, 34, "", "", 0);
  b.LastEvent().details = "  AFN:9K3L-QX  ";
  b.Event('P', 1, 35, "", "", 0);
  b.LastEvent().details = "WH-001";
  b.LastPerson().note = "Came to Salem from Bristol.\r\nKept the cooperage on Derby Street.";
  b.Person(2, "F", "Mary", "Ellis");
  b.Event('P', 2, 1, RM3Writer::Date(1805, 2, 11), RM3Writer::SortDate(1805, 2, 11), 3);
  b.Event('P', 2, 1, RM3Writer::Date(1806, 0, 0, '4'), RM3Writer::SortDate(1806), 1);
  b.Event('P', 2, 2, RM3Writer::Date(1881, 0, 0, '8'), RM3Writer::SortDate(1881), 2);
  b.LastPerson().prefix = "Mrs.";
  b.Family(1, 1, 2, 1824, 2);
  b.LastEvent().note = "Married by the Rev. Bentley.";
  b.Event('F', 1, 309, RM3Writer::Date(1900), RM3Writer::SortDate(1900), 0);
  b.LastEvent().status = 5;  // "Do not seal"

  // Generation 2: the children of John and Mary and their spouses.
  b.Person(3, "M", "Samuel", "Whitcomb", 1825, 1899);
  b.Event('P', 3, 3, RM3Writer::Date(1825, 5, 1), RM3Writer::SortDate(1825, 5, 1), 2);
  b.Event('P', 3, 4, RM3Writer::Date(1899, 0, 0, '1'), RM3Writer::SortDate(1899), 2);
  b.Event('P', 3, 31, RM3Writer::Date(1880), RM3Writer::SortDate(1880), 113);
  b.LastEvent().place_type = "T";
  b.LastEvent().status = 2;  // Completed, whatever the date
  b.Event('P', 3, 32, "", RM3Writer::SortDate(1881), 36);
  b.LastEvent().place_type = "t";
  b.LastEvent().status = 4;  // Child
  b.Event('P', 3, 33, "", RM3Writer::SortDate(1882), 133);
  b.LastEvent().place_type = "T";
  b.LastEvent().status = 4;  // Born in covenant; temple 133 is none
  b.Event('P', 3, 11, RM3Writer::Date(1850, 0, 0, '7', 1860), RM3Writer::SortDate(1850), 2);
  b.LastEvent().note = "Lived on Essex Street.";
  b.Event('P', 3, 20, RM3Writer::Date(1850, 0, 0, '6', 1851), RM3Writer::SortDate(1850, 6), 2);
  b.Person(4, "F", "Abigail", "Whitcomb", 1827, 1901);
  b.Event('P', 4, 31, RM3Writer::Date(1900, 4, 5), RM3Writer::SortDate(1900, 4, 5), 131);
  b.LastEvent().place_type = "T";
  b.Person(5, "M", "Thomas", "Whitcomb", 1830, 1890);
  b.LastPerson().nickname = "Tom";
  b.Event('P', 5, 32, RM3Writer::Date(1885, 0, 0, '5', 1886), RM3Writer::SortDate(1885), 0);
  b.LastEvent().status = 9;  // no word for an endowment: the date
  b.Person(6, "F", "Hannah", "Whitcomb", 1833);
  b.Event('P', 6, 2, RM3Writer::TextDate("Lost at sea"), "", 0);
  b.Person(7, "M", "Daniel", "Whitcomb", 1836, 1837);
  b.Person(8, "F", "Lydia", "Parker", 1828, 1900);
  b.Person(9, "M", "Jonas", "Hale", 1822, 1888);
  b.Person(10, "F", "Sarah", "Brooks", 1832, 1858);
  b.Person(11, "F", "Ruth", "Dean", 1838, 1911);
  b.Family(2, 3, 8, 1848, 2);
  b.Family(3, 9, 4, 1846, 3);
  b.Family(4, 5, 10, 1852, 1);
  // A second marriage event of the same couple: the date comes from it (the later one), the
  // citations from the first.
  b.Event('F', 4, 300, RM3Writer::Date(1853, 1, 9), RM3Writer::SortDate(1853, 1, 9), 4);
  b.Family(5, 5, 11, 1860, 4);
  b.Event('F', 2, 309, RM3Writer::Date(1884, 3, 3), RM3Writer::SortDate(1884, 3, 3), 36);
  b.LastEvent().place_type = "T";
  b.Children(1, {3, 4, 5, 6, 7});

  // Generation 3.  Person 13 was deleted; the row stays in the table.
  b.Person(12, "M", "Edward", "Whitcomb", 1849, 1920);
  b.Person(13, "M", "Deleted", "Person", 1850);
  w.people.back().deleted = true;
  b.Person(14, "F", "Clara", "Whitcomb", 1851, 1933);
  b.Person(15, "M", "Henry", "Whitcomb", 1854, 1860);
  b.Person(16, "F", "Martha", "Hale", 1847, 1930);
  b.Person(17, "M", "George", "Hale", 1850, 1852);
  b.Person(18, "M", "William", "Whitcomb", 1853, 1925);
  b.Person(19, "F", "Alice", "Whitcomb", 1855);
  b.Person(20, "M", "Frank", "Whitcomb", 1861, 1940);
  b.Person(21, "F", "Emma", "Whitcomb", 1863, 1864);
  b.Person(22, "F", "Ellen", "Ward", 1851, 1929);
  b.Person(23, "M", "Charles", "Moore", 1848, 1915);
  b.LastPerson().prefix = "Dr.";
  b.Person(24, "F", "Grace", "Tuttle", 1856, 1940);
  b.Person(25, "M", "Peter", "Lowell", 1845, 1899);
  b.Person(26, "F", "Julia", "Snow", 1857, 1931);
  // Children listed out of birth order; CHILDORDER puts them right.
  w.children.push_back({14, 2, 2});
  w.children.push_back({13, 2, 3});  // the deleted person: no link
  w.children.push_back({12, 2, 1});
  w.children.push_back({15, 2, 4});
  b.Children(3, {16, 17});
  b.Children(4, {18, 19});
  b.Children(5, {20, 21});
  b.Family(6, 12, 22, 1872, 1);
  b.Family(7, 23, 14, 1874, 2);
  b.Family(8, 15, 24);
  b.Family(9, 25, 16, 1868, 3);
  b.Family(10, 18, 26, 1878, 4);
  b.Family(11, 19, 0, 1880);
  w.families.back().deleted = true;
  b.Family(12, 20, 0);

  // Generation 4.
  b.Person(27, "M", "Arthur", "Whitcomb", 1873, 1950);
  b.Person(28, "F", "Florence", "Whitcomb", 1875, 1962);
  b.Person(29, "M", "Walter", "Whitcomb", 1878, 1918);
  b.Person(30, "F", "Edith", "Moore", 1876, 1958);
  b.Person(31, "M", "Harold", "Moore", 1879, 1944);
  b.Person(32, "F", "Louise", "Whitcomb", 1880, 1881);
  b.Person(33, "M", "Ralph", "Lowell", 1870, 1936);
  b.Person(34, "F", "Mabel", "Whitcomb", 1880, 1970);
  b.Person(35, "M", "Ernest", "Whitcomb", 1882, 1960);
  b.LastPerson().suffix = "Sr.";
  b.Person(36, "F", "Lucy", "Whitcomb", 1890);
  b.Children(6, {27, 28, 29});
  b.Children(7, {30, 31});
  b.Children(8, {32});
  b.Children(9, {33});
  b.Children(10, {34, 35});
  b.Children(12, {36});

  // People who test single rules.
  b.Person(37, "", "", "");  // no name, no sex, no events
  b.Person(38, "X", "Infant", "Whitcomb");
  b.Event('P', 38, 1, RM3Writer::Date(1885, 12, 24, '2', 0, 0, 0), RM3Writer::SortDate(1885, 12, 24), 1);
  b.Event('P', 38, 2, RM3Writer::Date(1885, 12, 24), RM3Writer::SortDate(1885, 12, 25), 1);
  b.Person(39, "M", "Josiah", "Whitcomb");
  b.LastPerson().prefix = "Rev.";
  b.LastPerson().suffix = "Jr.";
  b.LastPerson().nickname = "Bud";
  b.Event('P', 39, 3, RM3Writer::Date(1790, 4, 4), RM3Writer::SortDate(1790, 4, 4), 1);
  b.Event('P', 39, 12, RM3Writer::Date(1808), RM3Writer::SortDate(1808), 0);
  b.LastEvent().details = "Harvard College";
  b.Person(40, "F", "Dorothy", "Whitcomb", 1950);
  b.LastPerson().living = "Y";
  b.Person(41, "M", "Caesar", "Antiquus");
  b.Event('P', 41, 1, RM3Writer::Date(44, 0, 0, '2', 0, 0, 0, true), RM3Writer::SortDate(44), 0);
  // A person whose PersonID equals family 3's FamilyID has his own run in the event order
  // shared with that family: only his own rows count.  (Person 3 above already shares with
  // family 3's marriage; person 42 has no family of his number.)
  b.Person(42, "M", "Oliver", "Brooks", 1834, 1900);
  b.LastPerson().nickname = "Ollie";
  b.Event('P', 42, 1, RM3Writer::Date(1834, 0, 0, '2'), RM3Writer::SortDate(1834), 4);
  b.LastEvent().deleted = true;  // a deleted second birth

  // Sources, repositories and citations.
  w.sources = {{1, "Salem parish register", RM3Writer::Parts({"abstract", "Baptisms and burials 1790-1850"}),
                RM3Writer::Parts({"Kept at the historical society", "vol. 2", "microfilm"})},
               {2, "Deleted source", "", "", true},
               {3, "Whitcomb family Bible", "", "Bible of John Whitcomb"},
               {4, "1850 census", RM3Writer::Parts({"", ""}), ""}};
  w.addresses = {{1, "Essex Historical Society",
                  RM3Writer::Parts({" 12 Main St ", "Salem", "MA", "01970", "USA", "978-555-0100", "", "", "",
                                    "Open Tuesdays"})},
                 {2, "Concord Town Hall", RM3Writer::Parts({"Main Square", "Concord"})},
                 {3, "Old archive", "", true}};
  // Repository links: source 1 -> address 1, source 3 -> address 2, one deleted.
  w.links.push_back({100, 2, 2, 1, 1, ""});
  w.links.push_back({101, 2, 2, 2, 3, ""});
  w.links.push_back({102, 2, 2, 3, 1, "", true});
  b.Cite(1, 1, 1, "page 12", "baptism entry");
  b.Cite(1, 1, 3, "flyleaf");
  b.Cite(1, 3, 1, "page 40");
  b.Cite(1, 5, 4, "Salem ward 2, line 14", "listed as Thos.");
  w.links.push_back({200, 1, 1, 2, 5, RM3Writer::Parts({"", "deleted source"})});  // cites a deleted source
  w.links.back().details = "only one piece";
  // Event citations: John's primary birth (event 2) and family 4's first marriage.
  b.Cite(3, 2, 1, "p. 3");
  for (const RM3Writer::Event& e : w.events)
    if (e.owner_type == 'F' && e.owner == 4 && e.type == 300) {
      b.Cite(3, e.id, 4, "marriage return");
      break;
    }
  return w;
}
