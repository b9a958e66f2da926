#pragma once

#include <string>

// A postal address as a repository gives it.
class WABSAddress {
 public:
  virtual ~WABSAddress() = default;

  // The whole address value.
  virtual std::string GetAddress() = 0;
  virtual std::string GetLine1() = 0;
  virtual std::string GetLine2() = 0;
  virtual std::string GetCity() = 0;
  virtual std::string GetState() = 0;
  virtual std::string GetPostalCode() = 0;
  virtual std::string GetCountry() = 0;
  virtual std::string GetPhone() = 0;
};
