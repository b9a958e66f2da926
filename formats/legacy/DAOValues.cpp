#include "formats/legacy/DAOValues.h"

#include <cmath>

#include "base/Settings.h"
#include "base/TextUtils.h"

int32_t DAOStrictInt(std::string_view text) {
  std::string trimmed = TrimText(text);
  int value = 0;
  return WSettings::ParseInteger(trimmed, &value) ? value : 0;
}

namespace {

// Joins UTF-16 code units into code points as they come.
class Utf16Sink {
 public:
  explicit Utf16Sink(std::string& out) : out_(out) {}
  ~Utf16Sink() {
    if (high_) out_ += '?';
  }
  void Put(char16_t unit) {
    if (unit >= 0xD800 && unit < 0xDC00) {
      if (high_) out_ += '?';
      high_ = unit;
      return;
    }
    if (unit >= 0xDC00 && unit < 0xE000) {
      if (high_) {
        AppendUtf8(out_, 0x10000 + ((static_cast<char32_t>(high_) - 0xD800) << 10) + (unit - 0xDC00));
        high_ = 0;
      } else {
        out_ += '?';
      }
      return;
    }
    if (high_) out_ += '?';
    high_ = 0;
    AppendUtf8(out_, unit);
  }

 private:
  std::string& out_;
  char16_t high_ = 0;
};

}  // namespace

std::string JetTextToUtf8(const unsigned char* bytes, size_t size) {
  std::string out;
  if (!bytes) return out;
  out.reserve(size);
  {
    Utf16Sink sink(out);
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
      bool compressed = true;
      size_t i = 2;
      while (i < size) {
        if (bytes[i] == 0) {
          compressed = !compressed;
          ++i;
        } else if (compressed) {
          sink.Put(bytes[i++]);
        } else if (i + 1 < size) {
          sink.Put(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
          i += 2;
        } else {
          break;
        }
      }
    } else {
      for (size_t i = 0; i + 1 < size; i += 2)
        sink.Put(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    }
  }
  // Jet pads fixed-width text with zero characters; they end the value.
  size_t zero = out.find('\0');
  if (zero != std::string::npos) out.resize(zero);
  return out;
}

bool JetDateParts(double value, int& year, int& month, int& day, int& hour, int& minute, int& second) {
  if (!std::isfinite(value) || value < -657434.0 || value >= 2958466.0) return false;
  // The whole part counts days (negative before 30 December 1899) and the fraction, whatever
  // the sign, the time of that day: -1.25 is 29 December 1899, 06:00.
  double whole = std::trunc(value);
  double fraction = std::fabs(value - whole);
  int day_number = static_cast<int>(whole);
  WSettings::DecodeDay(day_number, &year, &month, &day);
  long seconds = std::lround(fraction * 86400.0);
  if (seconds >= 86400) seconds = 86399;
  hour = static_cast<int>(seconds / 3600);
  minute = static_cast<int>(seconds / 60 % 60);
  second = static_cast<int>(seconds % 60);
  return year >= 1 && year <= 9999;
}
