#include "search/Attrib.h"

std::string WAttrib::CaptionOf(int column) {
  switch (column) {
    case acIndex:
      return "Index";
    case acRIN:
      return "RIN";
    case acFullName:
      return "Full Name";
    case acSurnameGiven:
      return "Surname, Given";
    case acUserID:
      return "User ID";
    default:
      return std::string();
  }
}
