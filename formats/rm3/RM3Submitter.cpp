#include "formats/rm3/RM3Submitter.h"

#include "formats/rm3/RM3Header.h"

std::string WRM3Submitter::GetName() { return header_.SubmitterName(); }
std::string WRM3Submitter::GetAddressLine1() { return header_.AddressLine1(); }
std::string WRM3Submitter::GetAddressLine2() { return header_.AddressLine2(); }
std::string WRM3Submitter::GetAddressLine3() { return header_.AddressLine3(); }
std::string WRM3Submitter::GetPhone() { return header_.Phone(); }
std::string WRM3Submitter::GetEmail() { return header_.Email(); }
