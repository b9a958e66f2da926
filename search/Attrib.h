#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "model/RecNo.h"

class WABSCollection;

// Data types of an attribute: how its key is stored and compared.
enum WAttribType : int {
  atText = 1,      // 47-character text key, text order
  atInteger = 2,   // 32-bit integer key, integer order
  atPairText = 6,  // 47-character text key, "a:b" pairs in number order, else text order
  atIDText = 7,    // 23-character text key, shorter first, then text order
};

// Attribute columns the find dialogs sort by.
enum WAttribColumn : int {
  acIndex = 1,
  acRIN = 2,
  acFullName = 6,
  acSurnameGiven = 7,
  acUserID = 48,
};

// An attribute gives every individual of a collection a value of one data type; a sorted
// list of individuals is ordered by the keys built from it.  Its number is its column.
class WAttrib {
 public:
  WAttrib(WABSCollection* collection, int column, int data_type, std::string caption)
      : collection_(collection), column_(column), data_type_(data_type), caption_(std::move(caption)) {}
  virtual ~WAttrib() = default;
  WAttrib(const WAttrib&) = delete;
  WAttrib& operator=(const WAttrib&) = delete;

  virtual void SetCollection(WABSCollection* collection) { collection_ = collection; }
  // The attribute's text for individual n; empty when n cannot be read.
  virtual std::string GetText(RecNo n) = 0;
  virtual int32_t GetValue(RecNo) { return 0; }
  virtual double GetFloat(RecNo) { return 0; }
  virtual std::string GetDateText(RecNo) { return std::string(); }

  WABSCollection* Collection() const { return collection_; }
  int Column() const { return column_; }
  int DataType() const { return data_type_; }
  const std::string& Caption() const { return caption_; }

  // The caption of an attribute column ("Index", "RIN", "Full Name", "Surname, Given",
  // "User ID"); empty for other numbers.
  static std::string CaptionOf(int column);

 protected:
  WABSCollection* collection_;
  int column_;
  int data_type_;
  std::string caption_;
};
