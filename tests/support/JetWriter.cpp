#include "support/JetWriter.h"

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <stdexcept>

namespace {

constexpr int kPageSize = 4096;
constexpr int kRowCountOffset = 12;  // data pages: number of rows, then the row offsets
constexpr int kColumnsOffset = 63;   // table definition: first column entry
constexpr int kColumnEntry = 25;
constexpr int kMemoHeader = 12;
constexpr int kInlineMemo = 200;       // memo bytes kept in the row
constexpr int kLongValuePiece = 4000;  // memo bytes per long-value row
constexpr int kMapPageBits = (kPageSize - 4) * 8;
constexpr uint32_t kCatalogPage = 2;
constexpr uint32_t kTablesContainer = 0x0F000001;

void Put16(std::string& b, size_t at, uint32_t v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& b, size_t at, uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

void Append16(std::string& b, uint32_t v) {
  b.append(2, '\0');
  Put16(b, b.size() - 2, v);
}

// UTF-8 to UCS-2 little-endian (characters beyond the first plane as surrogate pairs).
std::string Ucs2(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    uint32_t cp = c;
    int extra = 0;
    if (c >= 0xF0) {
      cp = c & 0x07;
      extra = 3;
    } else if (c >= 0xE0) {
      cp = c & 0x0F;
      extra = 2;
    } else if (c >= 0xC0) {
      cp = c & 0x1F;
      extra = 1;
    }
    ++i;
    for (int k = 0; k < extra && i < utf8.size(); ++k, ++i)
      cp = cp << 6 | (static_cast<unsigned char>(utf8[i]) & 0x3F);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      Append16(out, 0xD800 + (cp >> 10));
      Append16(out, 0xDC00 + (cp & 0x3FF));
    } else {
      Append16(out, cp);
    }
  }
  return out;
}

void Rc4(const unsigned char* key, size_t key_size, unsigned char* data, size_t size) {
  unsigned char s[256];
  for (int i = 0; i < 256; ++i) s[i] = static_cast<unsigned char>(i);
  for (int i = 0, j = 0; i < 256; ++i) {
    j = (j + s[i] + key[i % key_size]) & 0xFF;
    std::swap(s[i], s[j]);
  }
  for (size_t n = 0, i = 0, j = 0; n < size; ++n) {
    i = (i + 1) & 0xFF;
    j = (j + s[i]) & 0xFF;
    std::swap(s[i], s[j]);
    data[n] ^= s[(s[i] + s[j]) & 0xFF];
  }
}

bool IsFixed(JetWriter::Type type) {
  return type != JetWriter::kText && type != JetWriter::kMemo && type != JetWriter::kOle;
}

int FixedSize(JetWriter::Type type) {
  switch (type) {
    case JetWriter::kByte:
      return 1;
    case JetWriter::kInteger:
      return 2;
    case JetWriter::kLong:
      return 4;
    case JetWriter::kDouble:
    case JetWriter::kDateTime:
      return 8;
    default:
      return 0;
  }
}

// Where each column of a table lives in a row.
struct Layout {
  std::vector<int> fixed_offset;  // fixed columns: offset after the column count
  std::vector<int> var_index;     // variable columns: place in the offset table
  int fixed_size = 0;
  int var_count = 0;
};

Layout LayoutOf(const std::vector<JetWriter::Column>& columns) {
  Layout l;
  for (const auto& c : columns) {
    if (IsFixed(c.type)) {
      l.fixed_offset.push_back(l.fixed_size);
      l.var_index.push_back(0);
      l.fixed_size += FixedSize(c.type);
    } else {
      l.fixed_offset.push_back(0);
      l.var_index.push_back(l.var_count++);
    }
  }
  return l;
}

class FileBuilder {
 public:
  std::vector<std::string> pages;

  uint32_t NewPage() {
    pages.emplace_back(kPageSize, '\0');
    return static_cast<uint32_t>(pages.size() - 1);
  }

  static void StartDataPage(std::string& page, const char owner[4]) {
    page[0] = 0x01;
    page[1] = 0x01;
    std::memcpy(&page[4], owner, 4);
    Put16(page, kRowCountOffset, 0);
  }

  // Rows on a data page: count, and where the lowest row starts.
  static int RowCount(const std::string& page) {
    return static_cast<unsigned char>(page[kRowCountOffset]) |
           static_cast<unsigned char>(page[kRowCountOffset + 1]) << 8;
  }
  static int LowestRow(const std::string& page) {
    int n = RowCount(page);
    if (n == 0) return kPageSize;
    int at = kRowCountOffset + 2 + (n - 1) * 2;
    int v = static_cast<unsigned char>(page[at]) | static_cast<unsigned char>(page[at + 1]) << 8;
    return v & 0x1FFF;
  }
  static bool Fits(const std::string& page, size_t row) {
    int n = RowCount(page);
    return kRowCountOffset + 2 + (n + 1) * 2 + static_cast<int>(row) <= LowestRow(page);
  }
  // Stores the row on the page; its row number.
  static int AddRow(std::string& page, const std::string& row, bool deleted) {
    int n = RowCount(page);
    int start = LowestRow(page) - static_cast<int>(row.size());
    std::memcpy(&page[start], row.data(), row.size());
    Put16(page, kRowCountOffset + 2 + n * 2, static_cast<uint32_t>(start) | (deleted ? 0xC000u : 0u));
    Put16(page, kRowCountOffset, n + 1);
    Put16(page, 2, static_cast<uint32_t>(LowestRow(page) - (kRowCountOffset + 2 + (n + 1) * 2)));
    return n;
  }

  // A row on the table's current data page, or on a new one; its page and row.
  std::pair<uint32_t, int> Store(uint32_t tdef, std::vector<uint32_t>& data_pages, const std::string& row,
                                 bool deleted) {
    if (data_pages.empty() || !Fits(pages[data_pages.back()], row.size())) {
      uint32_t p = NewPage();
      char owner[4];
      uint32_t t = tdef;
      for (int i = 0; i < 4; ++i) owner[i] = static_cast<char>((t >> (8 * i)) & 0xFF);
      StartDataPage(pages[p], owner);
      data_pages.push_back(p);
    }
    int r = AddRow(pages[data_pages.back()], row, deleted);
    return {data_pages.back(), r};
  }

  // A piece of a long value on a long-value page; its page and row as Jet points to them.
  uint32_t StoreLongValue(const std::string& bytes) {
    if (lval_page_ == 0 || !Fits(pages[lval_page_], bytes.size())) {
      lval_page_ = NewPage();
      StartDataPage(pages[lval_page_], "LVAL");
    }
    int r = AddRow(pages[lval_page_], bytes, false);
    return lval_page_ << 8 | static_cast<uint32_t>(r);
  }

  // The 12 bytes of a memo field (with the text itself when it is short).
  std::string Memo(const std::string& text) {
    std::string header(kMemoHeader, '\0');
    const uint32_t size = static_cast<uint32_t>(text.size());
    if (size <= kInlineMemo) {
      Put32(header, 0, size | 0x80000000u);
      return header + text;
    }
    if (size <= kLongValuePiece) {
      Put32(header, 0, size | 0x40000000u);
      Put32(header, 4, StoreLongValue(text));
      return header;
    }
    // A chain: each piece starts with the place of the next; stored last to first.
    uint32_t next = 0;
    std::vector<std::string> pieces;
    for (size_t at = 0; at < text.size(); at += kLongValuePiece)
      pieces.push_back(text.substr(at, kLongValuePiece));
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) {
      std::string piece(4, '\0');
      Put32(piece, 0, next);
      next = StoreLongValue(piece + *it);
    }
    Put32(header, 0, size);
    Put32(header, 4, next);
    return header;
  }

  std::string PackRow(const std::vector<JetWriter::Column>& columns, const Layout& layout,
                      const std::vector<JetWriter::Value>& values) {
    const size_t n = columns.size();
    std::string row;
    Append16(row, static_cast<uint32_t>(n));
    row.append(layout.fixed_size, '\0');
    std::vector<unsigned char> mask((n + 7) / 8, 0);
    std::vector<std::string> var_data(layout.var_count);
    for (size_t i = 0; i < n; ++i) {
      const JetWriter::Value& v = i < values.size() ? values[i] : JetWriter::Value();
      if (std::holds_alternative<std::monostate>(v)) continue;
      const JetWriter::Type type = columns[i].type;
      int64_t number = 0;
      double real = 0;
      if (const auto* p = std::get_if<int64_t>(&v)) number = *p, real = static_cast<double>(*p);
      if (const auto* p = std::get_if<double>(&v)) real = *p, number = static_cast<int64_t>(*p);
      if (type == JetWriter::kBoolean) {
        if (number) mask[i / 8] |= static_cast<unsigned char>(1 << (i % 8));
        continue;
      }
      mask[i / 8] |= static_cast<unsigned char>(1 << (i % 8));
      const size_t at = 2 + layout.fixed_offset[i];
      switch (type) {
        case JetWriter::kByte:
          row[at] = static_cast<char>(number & 0xFF);
          break;
        case JetWriter::kInteger:
          Put16(row, at, static_cast<uint32_t>(number) & 0xFFFF);
          break;
        case JetWriter::kLong:
          Put32(row, at, static_cast<uint32_t>(number));
          break;
        case JetWriter::kDouble:
        case JetWriter::kDateTime: {
          uint64_t bits;
          std::memcpy(&bits, &real, 8);
          Put32(row, at, static_cast<uint32_t>(bits));
          Put32(row, at + 4, static_cast<uint32_t>(bits >> 32));
          break;
        }
        case JetWriter::kText: {
          const auto* text = std::get_if<std::string>(&v);
          std::string bytes = Ucs2(text ? *text : std::to_string(number));
          bytes.resize(std::min<size_t>(bytes.size(), static_cast<size_t>(columns[i].length) * 2));
          var_data[layout.var_index[i]] = bytes;
          break;
        }
        case JetWriter::kMemo: {
          const auto* text = std::get_if<std::string>(&v);
          var_data[layout.var_index[i]] = Memo(Ucs2(text ? *text : std::to_string(number)));
          break;
        }
        default:
          break;
      }
    }
    if (layout.var_count > 0) {
      std::vector<uint32_t> offsets;
      for (const std::string& d : var_data) {
        offsets.push_back(static_cast<uint32_t>(row.size()));
        row += d;
      }
      offsets.push_back(static_cast<uint32_t>(row.size()));  // end of the variable data
      for (auto it = offsets.rbegin(); it != offsets.rend(); ++it) Append16(row, *it);
      Append16(row, static_cast<uint32_t>(layout.var_count));
    }
    row.append(reinterpret_cast<const char*>(mask.data()), mask.size());
    return row;
  }

  // The definition page of a table (its usage map pointers filled in later).
  static std::string Definition(const std::vector<JetWriter::Column>& columns, const Layout& layout,
                                bool system, uint32_t rows) {
    std::string d(kColumnsOffset, '\0');
    d[0] = 0x02;
    d[1] = 0x01;
    Put32(d, 16, rows);
    d[40] = system ? 0x53 : 0x4E;
    Put16(d, 41, static_cast<uint32_t>(columns.size()));
    Put16(d, 43, static_cast<uint32_t>(layout.var_count));
    Put16(d, 45, static_cast<uint32_t>(columns.size()));
    for (size_t i = 0; i < columns.size(); ++i) {
      std::string e(kColumnEntry, '\0');
      const JetWriter::Type type = columns[i].type;
      e[0] = static_cast<char>(type);
      Put16(e, 5, static_cast<uint32_t>(i));
      Put16(e, 7, static_cast<uint32_t>(layout.var_index[i]));
      Put16(e, 9, static_cast<uint32_t>(i));
      if (type == JetWriter::kText || type == JetWriter::kMemo) Put16(e, 11, 0x409);
      e[15] = static_cast<char>(IsFixed(type) ? 0x03 : 0x02);
      Put16(e, 21, static_cast<uint32_t>(layout.fixed_offset[i]));
      uint32_t length =
          type == JetWriter::kText ? static_cast<uint32_t>(columns[i].length) * 2 : FixedSize(type);
      Put16(e, 23, length);
      d += e;
    }
    for (const auto& c : columns) {
      std::string name = Ucs2(c.name);
      Append16(d, static_cast<uint32_t>(name.size()));
      d += name;
    }
    Append16(d, 0xFFFF);
    Put32(d, 8, static_cast<uint32_t>(d.size() - 8));
    if (d.size() > static_cast<size_t>(kPageSize))
      throw std::length_error("table definition beyond one page");
    return d;
  }

  // A usage map row for a table's data pages.
  std::string UsageMap(const std::vector<uint32_t>& data_pages) {
    std::string map;
    if (data_pages.empty()) {
      map.assign(5, '\0');
      return map;
    }
    const uint32_t first = *std::min_element(data_pages.begin(), data_pages.end());
    const uint32_t last = *std::max_element(data_pages.begin(), data_pages.end());
    const uint32_t span = last - first + 1;
    if (span <= 4000) {
      map.assign(5 + (span + 7) / 8, '\0');
      Put32(map, 1, first);
      for (uint32_t p : data_pages) map[5 + (p - first) / 8] |= static_cast<char>(1 << ((p - first) % 8));
      return map;
    }
    // Too many pages for a map in the row: the row points to map pages, each covering a fixed
    // range of the file's pages.
    std::map<uint32_t, uint32_t> map_pages;
    for (uint32_t p : data_pages) {
      uint32_t slot = p / kMapPageBits;
      if (!map_pages.count(slot)) {
        uint32_t mp = NewPage();
        pages[mp][0] = 0x05;
        pages[mp][1] = 0x01;
        map_pages[slot] = mp;
      }
      std::string& page = pages[map_pages[slot]];
      uint32_t bit = p % kMapPageBits;
      page[4 + bit / 8] |= static_cast<char>(1 << (bit % 8));
    }
    map.assign(1 + 4 * (map_pages.rbegin()->first + 1), '\0');
    map[0] = 0x01;
    for (auto [slot, mp] : map_pages) Put32(map, 1 + 4 * slot, mp);
    return map;
  }

  // Stores a usage map row on page 1 (or a later map page when full); its pointer.
  uint32_t StoreMap(const std::string& map) {
    if (!Fits(pages[map_page_], map.size())) {
      map_page_ = NewPage();
      StartDataPage(pages[map_page_], "\0\0\0\0");
    }
    return map_page_ << 8 | static_cast<uint32_t>(AddRow(pages[map_page_], map, false));
  }

  uint32_t map_page_ = 1;

 private:
  uint32_t lval_page_ = 0;
};

std::string HeaderPage() {
  std::string page(kPageSize, '\0');
  page[1] = 0x01;
  std::memcpy(&page[4], "Standard Jet DB", 15);
  page[0x14] = 0x01;  // Jet 4
  Put16(page, 0x3C, 1252);
  Put32(page, 0x3E, 0);  // no database key: pages are stored in clear
  Put16(page, 0x6E, 0x409);
  // The header area is masked with RC4 under a fixed key.
  const unsigned char key[4] = {0xC7, 0xDA, 0x39, 0x6B};
  Rc4(key, sizeof key, reinterpret_cast<unsigned char*>(&page[0x18]), 128);
  return page;
}

}  // namespace

int JetWriter::Table::ColumnIndex(const std::string& column) const {
  for (size_t i = 0; i < columns.size(); ++i)
    if (strcasecmp(columns[i].name.c_str(), column.c_str()) == 0) return static_cast<int>(i);
  return -1;
}

JetWriter::Table& JetWriter::Table::Row(const std::vector<std::pair<std::string, Value>>& values,
                                        bool is_deleted) {
  std::vector<Value> row(columns.size());
  for (const auto& [name, value] : values) {
    int c = ColumnIndex(name);
    if (c < 0) throw std::invalid_argument("no column " + name + " in " + this->name);
    row[c] = value;
  }
  rows.push_back(std::move(row));
  deleted.push_back(is_deleted);
  return *this;
}

JetWriter::Table& JetWriter::Table::Row(std::initializer_list<std::pair<const char*, Value>> values) {
  std::vector<std::pair<std::string, Value>> v;
  for (const auto& [name, value] : values) v.emplace_back(name, value);
  return Row(v, false);
}

JetWriter::Table& JetWriter::Table::DeletedRow(std::initializer_list<std::pair<const char*, Value>> values) {
  std::vector<std::pair<std::string, Value>> v;
  for (const auto& [name, value] : values) v.emplace_back(name, value);
  return Row(v, true);
}

JetWriter::Table& JetWriter::AddTable(const std::string& name, std::vector<Column> columns) {
  tables_.push_back(Table{name, std::move(columns), {}, {}});
  return tables_.back();
}

double JetWriter::JetDay(int year, int month, int day) {
  // Days from 1 March of year 0 (proleptic Gregorian), then moved to 30 December 1899.
  auto civil = [](long y, long m, long d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
  };
  return static_cast<double>(civil(year, month, day) - civil(1899, 12, 30));
}

std::string JetWriter::Bytes() const {
  FileBuilder b;
  b.NewPage();  // 0: header
  b.NewPage();  // 1: usage maps
  b.NewPage();  // 2: the catalog's definition
  b.pages[0] = HeaderPage();
  FileBuilder::StartDataPage(b.pages[1], "\0\0\0\0");

  const std::vector<Column> catalog_columns = {
      {"Id", kLong},    {"ParentId", kLong},       {"Name", kText, 128},      {"Type", kInteger},
      {"Flags", kLong}, {"DateCreate", kDateTime}, {"DateUpdate", kDateTime}, {"LvProp", kOle},
  };
  // Definition pages of the user tables come first, so that the catalog can name them.
  std::vector<uint32_t> tdef(tables_.size());
  for (size_t t = 0; t < tables_.size(); ++t) tdef[t] = b.NewPage();

  struct Packed {
    std::vector<uint32_t> data_pages;
    uint32_t rows = 0;
  };
  auto pack = [&](uint32_t tdef_page, const std::vector<Column>& columns,
                  const std::vector<std::vector<Value>>& rows, const std::vector<bool>& deleted) {
    Packed p;
    Layout layout = LayoutOf(columns);
    for (size_t r = 0; r < rows.size(); ++r) {
      const bool is_deleted = r < deleted.size() && deleted[r];
      b.Store(tdef_page, p.data_pages, b.PackRow(columns, layout, rows[r]), is_deleted);
      if (!is_deleted) ++p.rows;
    }
    return p;
  };

  const double created = JetDay(2008, 6, 1);
  std::vector<std::vector<Value>> catalog_rows;
  catalog_rows.push_back({int64_t{kCatalogPage}, int64_t{kTablesContainer}, std::string("MSysObjects"),
                          int64_t{1}, int64_t{static_cast<int64_t>(0x80000002u)}, created, created, Value()});
  for (size_t t = 0; t < tables_.size(); ++t)
    catalog_rows.push_back({int64_t{tdef[t]}, int64_t{kTablesContainer}, tables_[t].name, int64_t{1},
                            int64_t{0}, created, created, Value()});
  Packed catalog = pack(kCatalogPage, catalog_columns, catalog_rows, {});
  std::vector<Packed> packed;
  for (size_t t = 0; t < tables_.size(); ++t)
    packed.push_back(pack(tdef[t], tables_[t].columns, tables_[t].rows, tables_[t].deleted));

  auto finish = [&](uint32_t page, const std::vector<Column>& columns, const Packed& p, bool system) {
    std::string d = FileBuilder::Definition(columns, LayoutOf(columns), system, p.rows);
    Put32(d, 55, b.StoreMap(b.UsageMap(p.data_pages)));
    Put32(d, 59, b.StoreMap(std::string(5, '\0')));
    Put16(d, 2, static_cast<uint32_t>(kPageSize - d.size() - 8));
    b.pages[page].replace(0, d.size(), d);
  };
  finish(kCatalogPage, catalog_columns, catalog, true);
  for (size_t t = 0; t < tables_.size(); ++t) finish(tdef[t], tables_[t].columns, packed[t], false);

  std::string file;
  file.reserve(b.pages.size() * kPageSize);
  for (const std::string& page : b.pages) file += page;
  return file;
}

bool JetWriter::Write(const std::string& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const std::string bytes = Bytes();
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}
