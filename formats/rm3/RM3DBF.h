#pragma once

#include <memory>
#include <string>
#include <vector>

#include "formats/dbf/DBFFile.h"
#include "formats/dbf/DBFKeyedTable.h"
#include "formats/rm3/RM3FPT.h"

// One table of a RootsMagic 3 family file: base name + "_" + letter + ".dbf" beside the .rmg
// file, found ignoring letter case (files copied from Windows are often FAMILY_I.DBF), with
// its memo file base name + "_" + letter + ".fpt" once OpenMemo has run.  Rows are
// addressed by position (WDBFKeyedTable); the table classes of the letters add the fields
// they read.
class WRM3DBF : public WDBFKeyedTable<WDBFFile> {
 public:
  // Opens the table; raises the open error naming the path when it is missing.
  WRM3DBF(const std::string& directory, const std::string& letter, const std::string& baseName);
  ~WRM3DBF() override;

  // Opens the table's memo file; a missing one leaves every memo empty.
  void OpenMemo();
  // The memo whose block number the field holds at the position; empty without memo file,
  // for a block below 1 or a position out of range.
  std::string MemoText(int pos, int field) const;
  // The memo's block number (0: none): digits in the usual 10-byte memo field; a 4-byte memo
  // field (as Visual FoxPro writes them) holds it as a raw little-endian integer.
  int MemoBlock(int pos, int field) const;
  // The field's text at the position with blanks and control characters trimmed.
  std::string TrimmedText(int pos, int field) const;

  // The path of a file of the set: the directory's entry named base + "_" + letter + extension
  // ignoring letter case, or that name joined to the directory when there is none.
  static std::string SetFilePath(const std::string& directory, const std::string& letter,
                                 const std::string& baseName, const std::string& extension);
  // A memo split at form feeds (code 12), empty pieces kept.
  static std::vector<std::string> Pieces(const std::string& memo);
  // Piece k (1-based) of a memo; empty when there are fewer pieces.
  static std::string Piece(const std::string& memo, int k);

 protected:
  const std::string directory_;
  const std::string letter_;
  const std::string base_name_;
  std::unique_ptr<WRM3FPT> memo_;
};
