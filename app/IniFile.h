#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// An INI file held in memory: "[Section]" headers and "Key=Value" lines, looked up without
// regard to letter case.  Lines the class does not understand (comments, garbage, keys before
// the first section) are kept as they are and written back unchanged.  Changes stay in memory
// until Flush(), which replaces the file on disk in one step: a crash or a full disk leaves
// either the old file or the new one, never a truncated one.
class WIniFile {
 public:
  // Reads the file when it exists; a missing or unreadable file gives an empty one.
  explicit WIniFile(std::string path);

  const std::string& Path() const { return path_; }
  // True when the file existed and was read.
  bool WasRead() const { return wasRead_; }
  bool Dirty() const { return dirty_; }

  // The value of section/key, without surrounding blanks and one pair of enclosing quotes;
  // false when the key is absent.
  bool Find(std::string_view section, std::string_view key, std::string* value) const;
  std::string ReadString(std::string_view section, std::string_view key, const std::string& fallback) const;
  // The value as a decimal integer; fallback when absent or not a number.
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;

  // Sets section/key, adding the key at the end of its section and the section at the end of the file
  // when they are new.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);

  // Writes the file (creating its folder when needed); false when it could not be written, in which
  // case the old file is untouched.
  bool Flush();

  // The whole text as Flush() would write it.
  std::string Text() const;

  // Decimal integer with an optional sign and nothing else; false for anything else or on overflow.
  static bool ParseInteger(std::string_view text, int* value);

 private:
  struct Line {
    std::string raw;  // the line as read, without its line end; rebuilt when the value changes
    bool isKey = false;
    std::string key;    // as spelt in the file
    std::string value;  // decoded
  };
  struct Section {
    std::string header;  // the header line as read; empty for the lines before the first header
    std::string name;
    std::vector<Line> lines;
    size_t trailingBlanks = 0;  // blank lines after the last line, kept after keys added later
  };

  void Parse(const std::string& text);
  void AddLine(Section& section, std::string_view raw);
  static std::string EncodeValue(std::string_view value);
  static std::string LookupKey(std::string_view section, std::string_view key);

  std::string path_;
  bool wasRead_ = false;
  bool dirty_ = false;
  std::vector<Section> sections_;  // sections_[0] holds the lines before the first header
  // Lower-cased "section\nkey" -> (section, line) of its first occurrence.
  std::unordered_map<std::string, std::pair<size_t, size_t>> keys_;
  // Lower-cased section name -> its first occurrence.
  std::unordered_map<std::string, size_t> sectionIndex_;
};
