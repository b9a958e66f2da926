#pragma once

#include <memory>
#include <string>

class WABSAddress;
class WABSNote;

// A repository: where sources are kept.
class WABSRepo {
 public:
  virtual ~WABSRepo();

  virtual std::string GetName() = 0;
  virtual std::unique_ptr<WABSAddress> GetAddress() = 0;
  virtual std::unique_ptr<WABSNote> GetNote() = 0;
  // The raw record; empty unless the reader has one.
  virtual std::string GetRecordText();
};
