#include "formats/rm3/RM3TabI.h"

WRM3TabI::WRM3TabI(const std::string& directory, const std::string& baseName)
    : WRM3DBF(directory, "I", baseName),
      person_(FieldIndex("PersonID")),
      sex_(FieldIndex("Sex")),
      prefix_(FieldIndex("Prefix")),
      given_(FieldIndex("Given")),
      surname_(FieldIndex("Surname")),
      suffix_(FieldIndex("Suffix")),
      edit_date_(FieldIndex("EditDate")),
      living_(FieldIndex("Living")),
      note_(FieldIndex("Note")),
      nickname_(FieldIndex("NickName")) {}

char WRM3TabI::Sex(int pos) const {
  const char c = PosChar(pos, sex_);
  return c == 'M' || c == 'F' ? c : 'U';
}

bool WRM3TabI::IsLiving(int pos) const {
  const char c = PosChar(pos, living_);
  if (c == 'Y') return true;
  const Field* field = FieldAt(living_);
  return field && field->type == 'L' && (c == 'T' || c == 't' || c == 'y');
}
