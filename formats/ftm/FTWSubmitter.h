#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/ABSSubmitter.h"

class WFTWCollection;

// The submitter of a Family Tree Maker file.  The information chain's tenth block names at
// byte 10 the slot where a stream of 16-byte fields begins; the submitter's fields lie in
// the five slots that follow the first seven of that chain (S1 to S5).  A field is found by
// its key byte, its value (a text slot) stands three bytes after the key.
class WFTWSubmitter : public WABSSubmitter {
 public:
  static constexpr int kSlots = 5;

  explicit WFTWSubmitter(const WFTWCollection& collection);

  // Fields 72, 120 and 128 joined by blanks.
  std::string GetName() override;
  std::string GetAddressLine1() override { return Field(80); }
  std::string GetAddressLine2() override { return Field(88); }
  // Fields 96, 136 and 144 joined by blanks.
  std::string GetAddressLine3() override;
  std::string GetCountry() override { return Field(152); }
  std::string GetPhone() override { return Field(104); }
  std::string GetEmail() override { return Field(168); }
  std::string GetRecordText() override { return std::string(); }

  // The slot S1 is taken from: the slot the information chain names, followed this many
  // links further.
  static constexpr int kLinksToFields = 7;

 private:
  // The text of the field with that key; empty when no slot holds it.
  std::string Field(int key) const;
  std::string Joined(int a, int b, int c) const;

  const WFTWCollection& collection_;
  std::array<uint64_t, kSlots> slots_{};  // file offsets of S1 to S5; 0 for a missing one
};
