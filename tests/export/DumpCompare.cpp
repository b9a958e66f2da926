#include "DumpCompare.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <variant>

#include "base/Date.h"
#include "base/TextUtils.h"
#include "export/ModelDump.h"
#include "model/ABSCollection.h"

namespace {

// Just enough JSON for the dump's lines: objects, arrays, strings, numbers, booleans, null.
struct Json;
using JsonObject = std::map<std::string, Json>;
using JsonArray = std::vector<Json>;
struct Json {
  std::variant<std::nullptr_t, bool, double, std::string, JsonArray, JsonObject> v;

  const Json& operator[](const std::string& key) const {
    static const Json none;
    if (auto* o = std::get_if<JsonObject>(&v)) {
      auto it = o->find(key);
      if (it != o->end()) return it->second;
    }
    return none;
  }
  std::string Text() const {
    if (auto* s = std::get_if<std::string>(&v)) return *s;
    if (auto* d = std::get_if<double>(&v)) return std::to_string(static_cast<long long>(*d));
    if (auto* b = std::get_if<bool>(&v)) return *b ? "true" : "false";
    return std::string();
  }
  const JsonArray& Array() const {
    static const JsonArray none;
    auto* a = std::get_if<JsonArray>(&v);
    return a ? *a : none;
  }
  bool IsNull() const { return std::holds_alternative<std::nullptr_t>(v); }
};

class JsonParser {
 public:
  explicit JsonParser(std::string_view s) : s_(s) {}
  Json Parse() {
    Skip();
    Json j;
    if (i_ >= s_.size()) return j;
    const char c = s_[i_];
    if (c == '{') {
      JsonObject o;
      ++i_;
      for (Skip(); i_ < s_.size() && s_[i_] != '}'; Skip()) {
        std::string key = String();
        Skip();
        ++i_;  // ':'
        o[key] = Parse();
        Skip();
        if (i_ < s_.size() && s_[i_] == ',') ++i_;
      }
      ++i_;
      j.v = std::move(o);
    } else if (c == '[') {
      JsonArray a;
      ++i_;
      for (Skip(); i_ < s_.size() && s_[i_] != ']'; Skip()) {
        a.push_back(Parse());
        Skip();
        if (i_ < s_.size() && s_[i_] == ',') ++i_;
      }
      ++i_;
      j.v = std::move(a);
    } else if (c == '"') {
      j.v = String();
    } else if (s_.substr(i_, 4) == "true") {
      i_ += 4, j.v = true;
    } else if (s_.substr(i_, 5) == "false") {
      i_ += 5, j.v = false;
    } else if (s_.substr(i_, 4) == "null") {
      i_ += 4;
    } else {
      size_t end = i_;
      while (end < s_.size() && std::string_view("-+.eE0123456789").find(s_[end]) != std::string_view::npos)
        ++end;
      j.v = std::stod(std::string(s_.substr(i_, end - i_)));
      i_ = end;
    }
    return j;
  }

 private:
  void Skip() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n')) ++i_;
  }
  std::string String() {
    std::string out;
    ++i_;  // '"'
    while (i_ < s_.size() && s_[i_] != '"') {
      char c = s_[i_++];
      if (c != '\\') {
        out += c;
        continue;
      }
      c = s_[i_++];
      switch (c) {
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'u':
          // The dump escapes control characters only.
          out += static_cast<char>(std::stoul(std::string(s_.substr(i_, 4)), nullptr, 16) & 0x7F);
          i_ += 4;
          break;
        default:
          out += c;
      }
    }
    ++i_;
    return out;
  }

  std::string_view s_;
  size_t i_ = 0;
};

Json ParseLine(const std::string& line) { return JsonParser(line).Parse(); }

bool IsPhrase(const std::string& s) { return s.size() >= 2 && s.front() == '(' && s.back() == ')'; }

// The display text a date shows after the way GEDCOM writes it (see the header).
bool DatesAgree(const std::string& original, const std::string& back) {
  if (original == back) return true;
  if (IsPhrase(back)) {
    // Written as a phrase: the stored text, which reads as the original did, or the display text.
    const std::string inner = back.substr(1, back.size() - 2);
    if (WDate(Utf8ToAnsi(inner)).GetDisplayText() == Utf8ToAnsi(original)) return true;
    if (UpperCaseText(inner) == UpperCaseText(TrimText(original))) return true;
  }
  std::string expected = original;
  // Circa and "say" are ABT.
  for (const char* word : {"Cir ", "Say "})
    if (expected.rfind(word, 0) == 0) expected = "Abt " + expected.substr(4);
  // B.C. as written.
  for (size_t at; (at = expected.find(" BC")) != std::string::npos;) expected.replace(at, 3, " B.C.");
  // A double-dated year by the last two digits of the second year.
  const size_t slash = expected.find('/');
  if (slash != std::string::npos && expected.size() - slash == 5)
    expected = expected.substr(0, slash + 1) + expected.substr(slash + 3);
  // A date GEDCOM cannot say with B.C. is shown as written.
  return expected == back || UpperCaseText(expected) == back;
}

// Our reader keeps no empty line of a note, nor the blanks that begin a line after the first.
std::string WithoutEmptyLines(std::string text) {
  for (size_t at; (at = text.find("\r\n\r\n")) != std::string::npos;) text.erase(at, 2);
  for (size_t at = 0; (at = text.find("\r\n ", at)) != std::string::npos;) text.erase(at + 2, 1);
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) text.erase(text.size() - 2);
  return text;
}

// A source's call number goes under its REPO, where our reader does not look: the citations
// that show the source's summary lose it too.
std::vector<std::string> g_call_numbers;

std::string WithoutCallNumbers(std::string text) {
  for (const std::string& call : g_call_numbers)
    for (size_t at; (at = text.find(", " + call)) != std::string::npos;) text.erase(at, call.size() + 2);
  return text;
}

// A reader may summarise its sources its own way (RootsMagic's summary is empty); read back, a
// source summarises by the common rule.  Read-back summaries as the original gave them.
std::vector<std::pair<std::string, std::string>> g_summaries;  // read back, original

bool g_own_summaries = false;

// The families each person is a partner of in the original's family records: a reader may leave
// such a family out of the person's own list (TMG leaves out a couple known only by an
// engagement), while read back the family's HUSB and WIFE list it.
std::map<std::string, std::set<std::string>> g_partner_families;

// Citation texts without their empty parts: an empty note is not written.
std::string WithoutEmptyParts(std::string text) {
  for (size_t at; (at = text.find(", , ")) != std::string::npos;) text.erase(at, 2);
  for (size_t at; (at = text.find(", \r\n")) != std::string::npos;) text.erase(at, 2);
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, ", ") == 0) text.erase(text.size() - 2);
  return text;
}

std::string OriginalSummaries(std::string text) {
  // After a citation's detail (", ") or right after its number (") ").
  for (const auto& [back, original] : g_summaries)
    for (const char* before : {", ", ") "})
      for (size_t at = 0; (at = text.find(before + back, at)) != std::string::npos; at += original.size() + 2)
        text.replace(at + 2, back.size(), original);
  return text;
}

class Differences {
 public:
  explicit Differences(std::vector<std::string>& out) : out_(out) {}
  void Check(const std::string& where, const std::string& a, const std::string& b) {
    if (a != b) Add(where, a, b);
  }
  void Add(const std::string& where, const std::string& a, const std::string& b) {
    out_.push_back(where + ": '" + a + "' | '" + b + "'");
  }

 private:
  std::vector<std::string>& out_;
};

// An ordinance's place as written: a temple by its code ("SLAKE - Salt Lake City, Utah" as SLAKE).
std::string TempleAsWritten(const std::string& text) {
  std::string place = TrimText(text);
  const size_t dash = place.find(" - ");
  if (dash != std::string::npos && dash >= 2 && dash <= 5 &&
      place.substr(0, dash).find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos)
    place.erase(dash);
  return place;
}

// Read back, a witness's association (ASSO) is an event of its own.
constexpr const char* kAssociation = "Associates";

int Associations(const JsonArray& events) {
  return static_cast<int>(std::count_if(events.begin(), events.end(),
                                        [](const Json& e) { return e["type"].Text() == kAssociation; }));
}

void CompareEvents(Differences& d, const std::string& where, const Json& a, const Json& b) {
  const JsonArray& ea = a.Array();
  JsonArray eb = b.Array();
  for (int extra = Associations(eb) - Associations(ea); extra > 0;) {
    auto last = std::find_if(eb.rbegin(), eb.rend(), [](const Json& e) { return e["type"].Text() == kAssociation; });
    eb.erase(std::next(last).base());
    --extra;
  }
  d.Check(where + " count", std::to_string(ea.size()), std::to_string(eb.size()));
  for (size_t i = 0; i < ea.size() && i < eb.size(); ++i) {
    const std::string at = where + "[" + std::to_string(i) + "].";
    for (const char* field : {"kind", "i", "place"}) d.Check(at + field, ea[i][field].Text(), eb[i][field].Text());
    // A vital event's line holds Y or nothing: another description begins its note.
    std::string desc = ea[i]["desc"].Text(), note = WithoutEmptyLines(ea[i]["note"].Text());
    const std::string kind = ea[i]["kind"].Text();
    const bool vital = kind == "1" || kind == "2" || kind == "3" || kind == "4";
    if (vital) {
      std::string described = TrimText(desc);
      const bool yes = described == "Y" || described.starts_with("Y, ");
      if (yes) described.erase(0, std::min<size_t>(described.size(), 3));
      if (!described.empty()) note = WithoutEmptyLines(note.empty() ? described : described + "\r\n" + note);
      desc = yes ? "Y" : "";
    }
    d.Check(at + "desc", desc, eb[i]["desc"].Text());
    d.Check(at + "note", note, eb[i]["note"].Text());
    d.Check(at + "citations", WithoutEmptyParts(WithoutCallNumbers(ea[i]["citations"].Text())),
            WithoutEmptyParts(OriginalSummaries(eb[i]["citations"].Text())));
    // An other event without a type name reads back as "Event"; a vital event named as its tag
    // is named by the tag alone, and our reader gives those none.
    std::string type = ea[i]["type"].Text();
    if (type.empty() && ea[i]["kind"].Text() == "6") type = "Event";
    static const std::map<std::string, std::string> kVitalNames = {
        {"1", "BIRTH"}, {"2", "DEATH"}, {"3", "CHRISTENING"}, {"4", "BURIAL"}};
    if (auto vital_name = kVitalNames.find(kind);
        vital_name != kVitalNames.end() && UpperCaseText(TrimText(type)) == vital_name->second)
      type.clear();
    d.Check(at + "type", type, eb[i]["type"].Text());
    if (!DatesAgree(ea[i]["date"].Text(), eb[i]["date"].Text()))
      d.Add(at + "date", ea[i]["date"].Text(), eb[i]["date"].Text());
  }
}

void CompareIndividual(Differences& d, const std::string& where, const Json& a, const Json& b) {
  const std::string id = a["id"].Text(), back_id = b["id"].Text();
  const std::string made = "I" + a["n"].Text();
  const bool id_kept = id == back_id;
  if (!id_kept && back_id != made && back_id.rfind(made + "_", 0) != 0) d.Add(where + "id", id, back_id);
  std::string ref = a["ref"].Text();
  if (ref.empty() && !id_kept) ref = id;
  d.Check(where + "ref", ref, b["ref"].Text());
  for (const char* field : {"afn", "given", "surname", "change"})
    d.Check(where + field, TrimText(a[field].Text()), TrimText(b[field].Text()));
  d.Check(where + "note", WithoutEmptyLines(TrimText(a["note"].Text())), TrimText(b["note"].Text()));
  d.Check(where + "citations", WithoutEmptyParts(WithoutCallNumbers(a["citations"].Text())),
          WithoutEmptyParts(OriginalSummaries(b["citations"].Text())));
  std::string sex = a["sex"].Text();
  if (sex != "M" && sex != "F") sex = "U";
  d.Check(where + "sex", sex, b["sex"].Text());
  d.Check(where + "name", a["name"].IsNull() ? "null" : a["name"].Text(),
          b["name"].IsNull() ? "null" : b["name"].Text());
  std::string display = a["display"].Text();
  if (!id_kept && display.size() >= id.size() + 3 &&
      display.compare(display.size() - id.size() - 1, id.size(), id) == 0)
    display = display.substr(0, display.size() - id.size() - 1) + back_id + "]";
  d.Check(where + "display", display, b["display"].Text());
  CompareEvents(d, where + "events", a["events"], b["events"]);

  const JsonArray &la = a["lds"].Array(), &lb = b["lds"].Array();
  d.Check(where + "lds count", std::to_string(la.size()), std::to_string(lb.size()));
  for (size_t i = 0; i < la.size() && i < lb.size(); ++i) {
    const std::string at = where + "lds[" + std::to_string(i) + "].";
    d.Check(at + "kind", la[i]["kind"].Text(), lb[i]["kind"].Text());
    d.Check(at + "place", TempleAsWritten(la[i]["place"].Text()), lb[i]["place"].Text());
    if (!DatesAgree(la[i]["date"].Text(), lb[i]["date"].Text()))
      d.Add(at + "date", la[i]["date"].Text(), lb[i]["date"].Text());
  }
  const JsonArray &pa = a["parents"].Array(), &pb = b["parents"].Array();
  d.Check(where + "parents count", std::to_string(pa.size()), std::to_string(pb.size()));
  for (size_t i = 0; i < pa.size() && i < pb.size(); ++i)
    d.Check(where + "parents[" + std::to_string(i) + "].family", pa[i]["family"].Text(),
            pb[i]["family"].Text());
  // Our reader orders a person's marriages by their dates.
  std::vector<std::string> spouses_a, spouses_b;
  for (const Json& s : a["spouses"].Array()) spouses_a.push_back(s.Text());
  for (const Json& s : b["spouses"].Array()) spouses_b.push_back(s.Text());
  for (const std::string& family : g_partner_families[a["n"].Text()])
    if (std::find(spouses_a.begin(), spouses_a.end(), family) == spouses_a.end() &&
        std::find(spouses_b.begin(), spouses_b.end(), family) != spouses_b.end())
      spouses_a.push_back(family);
  std::sort(spouses_a.begin(), spouses_a.end());
  std::sort(spouses_b.begin(), spouses_b.end());
  if (spouses_a != spouses_b)
    d.Add(where + "spouses", std::to_string(spouses_a.size()), std::to_string(spouses_b.size()));
}

void CompareFamily(Differences& d, const std::string& where, const Json& a, const Json& b) {
  for (const char* field : {"husband", "wife", "place"})
    d.Check(where + field, a[field].Text(), b[field].Text());
  // A family without a note: our reader takes the first NOTE line anywhere in the record, a
  // citation's, for the family's.
  const std::string back_note = b["note"].Text();
  if (!(a["note"].Text().empty() && !back_note.empty() &&
        b["citations"].Text().find(back_note) != std::string::npos))
    d.Check(where + "note", WithoutEmptyLines(a["note"].Text()), back_note);
  d.Check(where + "citations", WithoutEmptyParts(WithoutCallNumbers(a["citations"].Text())),
          WithoutEmptyParts(OriginalSummaries(b["citations"].Text())));
  std::string children_a, children_b;
  for (const Json& c : a["children"].Array()) children_a += c.Text() + ",";
  for (const Json& c : b["children"].Array()) children_b += c.Text() + ",";
  d.Check(where + "children", children_a, children_b);
  if (!DatesAgree(a["date"].Text(), b["date"].Text()))
    d.Add(where + "date", a["date"].Text(), b["date"].Text());
  // Our reader keeps the last sealing.
  const JsonArray &sa = a["sealings"].Array(), &sb = b["sealings"].Array();
  d.Check(where + "sealings count", std::to_string(sa.empty() ? 0 : 1), std::to_string(sb.size()));
  if (!sa.empty() && !sb.empty()) {
    if (!DatesAgree(sa.back()["date"].Text(), sb[0]["date"].Text()))
      d.Add(where + "sealing date", sa.back()["date"].Text(), sb[0]["date"].Text());
    d.Check(where + "sealing place", TempleAsWritten(sa.back()["place"].Text()), sb[0]["place"].Text());
  }
}

void CompareSource(Differences& d, const std::string& where, const Json& a, const Json& b) {
  for (const char* field : {"title", "author", "publication", "abbrev", "repository"})
    d.Check(where + field, a[field].Text(), b[field].Text());
  for (const char* field : {"note", "text"})
    d.Check(where + field, WithoutEmptyLines(a[field].Text()), b[field].Text());
  if (a["summary"].Text().empty() || g_own_summaries) return;  // summarised otherwise (see OriginalSummaries)
  std::string summary = WithoutCallNumbers(a["summary"].Text());
  // A summary of a call number alone, or one that starts with it.
  const std::string call = FlattenLines(a["call"].Text());
  if (!call.empty() && summary.rfind(call, 0) == 0)
    summary.erase(0, std::min(summary.size(), call.size() + 2));
  d.Check(where + "summary", summary, b["summary"].Text());
}

void CompareSubmitter(Differences& d, const Json& a, const Json& b, bool web_site) {
  if (a.IsNull()) return;  // the export adds one
  std::string name = TrimText(a["name"].Text());
  d.Check("submitter name", name.empty() ? "Unknown" : name, b["name"].Text());
  for (const char* field : {"address1", "address2", "address3", "phone", "email"})
    d.Check(std::string("submitter ") + field, a[field].Text(), b[field].Text());
  d.Check("submitter country", web_site ? std::string() : a["country"].Text(), b["country"].Text());
}

}  // namespace

std::vector<std::string> CompareDumps(WABSCollection& original, WABSCollection& read_back,
                                      bool own_summaries) {
  std::vector<std::string> out;
  Differences d(out);
  WModelDump da(original), db(read_back);
  g_call_numbers.clear();
  g_summaries.clear();
  g_own_summaries = own_summaries;
  g_partner_families.clear();
  for (RecNo n = 1; n <= original.FamilyCount(); ++n) {
    const Json family = ParseLine(da.FamilyLine(n));
    for (const char* partner : {"husband", "wife"})
      g_partner_families[family[partner].Text()].insert(std::to_string(n));
  }
  for (RecNo n = 1; n <= original.SourceCount(); ++n) {
    const Json source = ParseLine(da.SourceLine(n));
    if (const std::string call = FlattenLines(source["call"].Text()); !call.empty())
      g_call_numbers.push_back(call);
    const std::string summary = source["summary"].Text();
    const std::string back =
        n <= read_back.SourceCount() ? ParseLine(db.SourceLine(n))["summary"].Text() : summary;
    if ((summary.empty() || own_summaries) && back != summary) g_summaries.emplace_back(back, summary);
  }
  d.Check("individual count", std::to_string(original.IndividualCount()),
          std::to_string(read_back.IndividualCount()));
  d.Check("family count", std::to_string(original.FamilyCount()), std::to_string(read_back.FamilyCount()));
  // Cited sources that are no records of the original become records after its own.
  if (read_back.SourceCount() < original.SourceCount())
    d.Check("source count", std::to_string(original.SourceCount()), std::to_string(read_back.SourceCount()));
  for (RecNo n = 1; n <= original.IndividualCount() && n <= read_back.IndividualCount(); ++n)
    CompareIndividual(d, "individual " + std::to_string(n) + " ", ParseLine(da.IndividualLine(n)),
                      ParseLine(db.IndividualLine(n)));
  for (RecNo n = 1; n <= original.FamilyCount() && n <= read_back.FamilyCount(); ++n)
    CompareFamily(d, "family " + std::to_string(n) + " ", ParseLine(da.FamilyLine(n)),
                  ParseLine(db.FamilyLine(n)));
  for (RecNo n = 1; n <= original.SourceCount() && n <= read_back.SourceCount(); ++n)
    CompareSource(d, "source " + std::to_string(n) + " ", ParseLine(da.SourceLine(n)),
                  ParseLine(db.SourceLine(n)));
  const std::string sa = da.SubmitterLine(), sb = db.SubmitterLine();
  CompareSubmitter(d, sa.empty() ? Json() : ParseLine(sa), ParseLine(sb),
                   original.GetSubmitterCountryLabel() != "Country");
  return out;
}
