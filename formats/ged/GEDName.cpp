#include "formats/ged/GEDName.h"

#include "base/TextUtils.h"
#include "formats/ged/GEDCollection.h"
#include "formats/ged/GEDNote.h"
#include "formats/ged/GEDSubLines.h"

WGEDName::WGEDName(WGEDCollection& collection, const char* name_line)
    : collection_(collection), text_(collection.Text()), line_(name_line) {
  WGEDSubLines::ByDepth(text_, name_line, [&](const char* p) {
    switch (text_.TagAt(p)) {
      case GEDTag("NOTE"):
        note_ = p;
        break;
      case GEDTag("NPFX"):
        prefix_line_ = p;
        break;
      case GEDTag("NSFX"):
        suffix_line_ = p;
        break;
      case GEDTag("SOUR"):
        WGEDSubLines::AddCitation(citations_, p);
        break;
      default:
        break;
    }
  });
  citation_count_ = static_cast<int32_t>(citations_.size());
}

std::string_view WGEDName::Value() const { return text_.LineValueViewAt(line_, 7); }

std::string WGEDName::GetSurname() {
  std::string_view value = Value();
  size_t first = value.find('/');
  if (first == std::string_view::npos) return std::string();
  size_t second = value.find('/', first + 1);
  size_t end = second == std::string_view::npos ? value.size() : second;
  if (end - first - 1 > kMaxPart) return std::string();
  return text_.ConvertText(value.substr(first + 1, end - first - 1));
}

std::string WGEDName::GetGivenNames() {
  std::string_view value = Value();
  if (value.size() <= 1) return std::string();
  std::string given;
  if (value[0] == '/') {
    // Surname first: the given names follow the second slash.
    size_t second = value.find('/', 1);
    if (second != std::string_view::npos) given = TrimText(value.substr(second + 1));
  } else {
    size_t slash = value.find('/');
    given = slash == std::string_view::npos ? std::string(value) : TrimText(value.substr(0, slash));
  }
  return text_.ConvertText(std::move(given));
}

std::string WGEDName::GetPrefix() {
  if (!prefix_done_) {
    prefix_ = WGEDSubLines::ConvertedAt(text_, prefix_line_, 7);
    prefix_done_ = true;
  }
  return prefix_;
}

std::string WGEDName::GetSuffix() {
  if (suffix_done_) return suffix_;
  suffix_done_ = true;
  if (suffix_line_) {
    suffix_ = WGEDSubLines::ConvertedAt(text_, suffix_line_, 7);
    return suffix_;
  }
  std::string_view value = Value();
  // A name written surname first ("/Smith/ John") has its given names after the second
  // slash, so that text is no suffix.
  if (value.empty() || value[0] == '/') return suffix_;
  size_t first = value.find('/');
  size_t second = first == std::string_view::npos ? first : value.find('/', first + 1);
  if (second == std::string_view::npos) return suffix_;
  suffix_ = text_.ConvertText(value.substr(second + 1, kMaxPart));
  return suffix_;
}

std::unique_ptr<WABSCitation> WGEDName::GetCitation(int i) {
  return WGEDSubLines::CitationAt(collection_, citations_, i);
}

std::unique_ptr<WABSNote> WGEDName::GetNote() { return WGEDNote::NoteOfLine(collection_, note_); }
