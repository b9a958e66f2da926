#include "formats/legacy/LEGSubmitter.h"

#include "formats/legacy/LEGCollection.h"

std::string WLEGSubmitter::GetName() { return collection_.Setting("Compiler1"); }

std::string WLEGSubmitter::GetAddressLine1() { return collection_.Setting("Compiler2"); }

std::string WLEGSubmitter::GetAddressLine2() { return collection_.Setting("Compiler3"); }

std::string WLEGSubmitter::GetAddressLine3() { return collection_.Setting("Compiler4"); }

std::string WLEGSubmitter::GetCountry() { return collection_.Setting("Compiler9"); }

std::string WLEGSubmitter::GetPhone() {
  std::string phone = collection_.Setting("Compiler5");
  std::string other = collection_.Setting("Compiler6");
  if (phone.empty()) return other;
  return other.empty() ? phone : phone + ", " + other;
}

std::string WLEGSubmitter::GetEmail() { return collection_.Setting("Compiler8"); }
