#pragma once

#include <string>

// The person who submitted the file.
class WABSSubmitter {
 public:
  virtual ~WABSSubmitter() = default;

  virtual std::string GetName() = 0;
  virtual std::string GetAddressLine1() = 0;
  virtual std::string GetAddressLine2() = 0;
  virtual std::string GetAddressLine3() = 0;
  // The country; a reader of files that keep a web site instead returns it here.
  virtual std::string GetCountry() = 0;
  virtual std::string GetPhone() = 0;
  virtual std::string GetEmail() = 0;
  virtual std::string GetRecordText() = 0;
};
