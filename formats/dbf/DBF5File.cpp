#include "formats/dbf/DBF5File.h"

#include <cstdint>

#include "base/CheckedView.h"

int WDBF5File::FieldIndex(std::string_view name) const {
  for (int i = 1; i <= FieldCount(); ++i)
    if (FieldAt(i)->name == name) return i;
  return 0;
}

bool WDBF5File::RawValue(std::string_view bytes, int& value) {
  const WCheckedView view(bytes);
  if (bytes.size() == 1) {
    value = view.U8(0);
    return true;
  }
  if (bytes.size() == 4) {
    value = view.I32LE(0);
    return true;
  }
  return false;
}

std::string WDBF5File::FieldText(int n, int field) const {
  const Field* f = FieldAt(field);
  if (!f || (f->type != 'I' && f->type != 'M')) return WDBFFile::FieldText(n, field);
  const std::string_view bytes = FieldBytes(n, field);
  if (bytes.empty()) return std::string();  // no such record
  int value = 0;
  if (RawValue(bytes, value)) return std::to_string(value);
  if (bytes.size() == 2 || bytes.size() == 3) return std::string(CutAtNul(bytes));
  return "0";
}

int WDBF5File::FieldInt(int n, int field) const {
  const std::string_view bytes = FieldBytes(n, field);
  int value = 0;
  if (RawValue(bytes, value)) return value;
  if (bytes.size() == 2 || bytes.size() == 3) return ParseInt(CutAtNul(bytes));
  return 0;
}
