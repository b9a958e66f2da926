#include "TMG5Converter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/FilePaths.h"
#include "formats/dbf/DBFFile.h"
#include "formats/dbf/FPTFile.h"
#include "formats/tmg/TMGTable.h"
#include "support/DBFWriter.h"

namespace {

namespace fs = std::filesystem;

void PutLE32(std::string& out, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  for (int k = 0; k < 4; ++k) out += static_cast<char>((v >> (8 * k)) & 0xFF);
}

// A table written row by row: the header from the dBase writer, then raw records; the record
// count is set when the table is closed.
class RawTable {
 public:
  struct Field {
    std::string name;
    char type;
    int length;
  };
  RawTable(const std::string& path, const std::vector<Field>& fields) : out_(path, std::ios::binary) {
    DBFWriter header(0x30);
    for (const Field& f : fields) header.Field(f.name, f.type, f.length);
    header.EndMarker(false);
    out_ << header.TableBytes();
  }
  ~RawTable() {
    out_ << '\x1A';
    out_.seekp(4);
    std::string count;
    PutLE32(count, static_cast<int32_t>(rows_));
    out_ << count;
  }
  void Row(const std::string& record) {
    out_ << record;
    ++rows_;
  }

 private:
  std::ofstream out_;
  uint32_t rows_ = 0;
};

// The texts of a dictionary with their UIDs, in order of first use.
struct Dictionary {
  std::map<std::string, int32_t> uids;
  std::vector<std::string> texts;
  int32_t Uid(const std::string& text) {
    auto [it, fresh] = uids.emplace(text, static_cast<int32_t>(texts.size()) + 1);
    if (fresh) texts.push_back(text);
    return it->second;
  }
  void Write(const std::string& table, const std::string& memo) const {
    DBFWriter w(0x30);
    w.Field("UID", 'I', 4).Field("VALUE", 'M', 4);
    for (size_t i = 0; i < texts.size(); ++i) w.Row({std::to_string(i + 1), texts[i]});
    w.Write(table, memo);
  }
};

class Converter {
 public:
  Converter(const std::string& project, const std::string& out_dir, const std::string& prefix)
      : in_dir_(DirectoryOf(project)),
        in_prefix_(BaseNameOf(project).substr(0, 7)),
        out_dir_(out_dir),
        out_prefix_(prefix) {}

  void Run() {
    // People: the 4.x fields, then the data set and the number in it.
    const WDBFFile people(InPath("$", ".dbf"));
    const int per_no = people.FieldIndex("PER_NO");
    int32_t highest = 0;
    for (int n = 1; n <= people.RecordCount(); ++n) highest = std::max(highest, people.FieldInt(n, per_no));
    const int32_t half = highest / 2;
    Convert("$", {{"DSID", 'I', 4}, {"REF_ID", 'I', 4}}, "", [&](const WDBFFile& t, int n, std::string& out) {
      const int32_t id = t.FieldInt(n, per_no);
      PutLE32(out, id > half ? 2 : 1);
      PutLE32(out, id > half ? id - half : id);
    });

    // Names: NAME becomes part values (surname 5, prefix 1, given names 3, suffix 6).
    {
      const WFPTFile memo(InPath("N", ".fpt"));
      Dictionary dictionary;
      RawTable values(OutPath("NPV", ".dbf"), {{"RECNO", 'I', 4}, {"UID", 'I', 4}, {"TYPE", 'I', 4}});
      const int types[] = {5, 1, 3, 6};
      Convert("N", {}, "NAME", [&](const WDBFFile& t, int n, std::string&) {
        if (t.IsDeleted(n)) return;
        const int32_t recno = t.FieldInt(n, "RECNO");
        const std::vector<std::string> parts = WTMGTable::SplitParts(memo.ReadMemo(t.FieldInt(n, "NAME")));
        for (size_t i = 0; i < parts.size() && i < 4; ++i)
          if (!parts[i].empty()) values.Row(ValueRecord(recno, dictionary.Uid(parts[i]), types[i]));
      });
      dictionary.Write(OutPath("ND", ".dbf"), OutPath("ND", ".fpt"));
    }
    // Places: PLACE becomes part values of types 1 to 10.
    {
      const WFPTFile memo(InPath("P", ".fpt"));
      Dictionary dictionary;
      RawTable values(OutPath("PPV", ".dbf"), {{"RECNO", 'I', 4}, {"UID", 'I', 4}, {"TYPE", 'I', 4}});
      Convert("P", {}, "PLACE", [&](const WDBFFile& t, int n, std::string&) {
        if (t.IsDeleted(n)) return;
        const int32_t recno = t.FieldInt(n, "RECNO");
        const std::vector<std::string> parts = WTMGTable::SplitParts(memo.ReadMemo(t.FieldInt(n, "PLACE")));
        for (size_t k = 1; k <= parts.size() && k <= 10; ++k) {
          // 4.x marks some parts with "^" and a letter; 5.x keeps the bare text.
          const std::string& part = parts[k - 1];
          const std::string text = part.size() >= 2 && part[0] == '^' ? part.substr(2) : part;
          if (!text.empty()) values.Row(ValueRecord(recno, dictionary.Uid(text), static_cast<int>(k)));
        }
      });
      dictionary.Write(OutPath("PD", ".dbf"), OutPath("PD", ".fpt"));
    }
    for (const char* letter : {"F", "G", "S", "M", "E", "T", "A", "U", "R", "W"})
      Convert(letter, {}, "", [](const WDBFFile&, int, std::string&) {});
    for (const char* letter : {"N", "G", "F", "S", "E", "M", "R", "P", "T", "A"})
      if (fs::exists(InPath(letter, ".fpt")))
        fs::copy_file(InPath(letter, ".fpt"), OutPath(letter, ".fpt"), fs::copy_options::overwrite_existing);
    std::ofstream(OutPath("_", ".pjc"), std::ios::binary) << "[Project]\r\nVersion=5\r\n";
  }

  std::string ProjectPath() const { return OutPath("_", ".pjc"); }

 private:
  using Extra = std::function<void(const WDBFFile& table, int n, std::string& record)>;

  std::string InPath(const std::string& letter, const std::string& ext) const {
    const std::string found = FindFileNoCase(in_dir_, in_prefix_ + letter + ext);
    return found.empty() ? JoinPath(in_dir_, in_prefix_ + letter + ext) : found;
  }
  std::string OutPath(const std::string& letter, const std::string& ext) const {
    return JoinPath(out_dir_, out_prefix_ + letter + ext);
  }
  static std::string ValueRecord(int32_t owner, int32_t uid, int32_t type) {
    std::string record(1, ' ');
    PutLE32(record, owner);
    PutLE32(record, uid);
    PutLE32(record, type);
    return record;
  }

  // Copies a table with numeric and memo fields as raw integers, leaving out the field `drop`
  // and adding the `extra` fields, whose bytes `fill` appends to each record (it also sees every
  // row, deleted ones too).
  void Convert(const std::string& letter, const std::vector<RawTable::Field>& extra, const std::string& drop,
               const Extra& fill) {
    const WDBFFile in(InPath(letter, ".dbf"));
    std::vector<RawTable::Field> fields;
    std::vector<int> sources;
    for (int f = 1; f <= in.FieldCount(); ++f) {
      const WDBFFile::Field* field = in.FieldAt(f);
      if (field->name == drop) continue;
      const bool numeric = field->type == 'N' || field->type == 'M';
      fields.push_back({field->name, field->type == 'N' ? 'I' : field->type, numeric ? 4 : field->length});
      sources.push_back(f);
    }
    fields.insert(fields.end(), extra.begin(), extra.end());
    RawTable out(OutPath(letter, ".dbf"), fields);
    std::string record;
    for (int n = 1; n <= in.RecordCount(); ++n) {
      record.assign(1, in.IsDeleted(n) ? '*' : ' ');
      for (size_t i = 0; i < sources.size(); ++i) {
        const RawTable::Field& field = fields[i];
        if (field.length == 4 && (field.type == 'I' || field.type == 'M'))
          PutLE32(record, in.FieldInt(n, sources[i]));
        else
          record += std::string(in.FieldBytes(n, sources[i]))
                        .append(static_cast<size_t>(field.length) -
                                    std::min<size_t>(field.length, in.FieldBytes(n, sources[i]).size()),
                                ' ');
      }
      fill(in, n, record);
      out.Row(record);
    }
  }

  std::string in_dir_, in_prefix_, out_dir_, out_prefix_;
};

}  // namespace

std::string ConvertTMGProjectTo5(const std::string& tmg_project, const std::string& out_dir,
                                 const std::string& prefix, std::string* error) {
  try {
    Converter converter(tmg_project, out_dir, prefix);
    converter.Run();
    return converter.ProjectPath();
  } catch (const std::exception& e) {
    if (error) *error = e.what();
    return std::string();
  }
}
