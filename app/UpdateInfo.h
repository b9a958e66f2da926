#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One link of the update list: a caption, the address it opens and the picture shown beside it.
struct WUpdateLeaf {
  std::string caption;
  std::string url;
  int image = 1;
};

// A top-level entry of the update list with its links.
struct WUpdateItem {
  std::string caption;
  std::vector<WUpdateLeaf> leaves;
};

// The update information file: lines of "name=value".  The product code's line holds the latest
// version; "item<n>" the caption of a top-level entry and "subitem<n>-<m>" a link as
// "caption|address" (n and m from 0 to 99, decimal without leading zeros).  Names are looked up
// without regard to letter case and the first line with a name wins.
class WUpdateInfo {
 public:
  static constexpr int kMaxNumber = 99;
  static constexpr size_t kMaxUrlLength = 128;
  // Pictures of the tree: an entry, a plain link, an archive, a program.
  enum Image { ItemImage = 0, LinkImage = 1, ZipImage = 2, ExeImage = 3 };

  WUpdateInfo() = default;
  explicit WUpdateInfo(std::string_view text);

  bool Empty() const { return lines_.empty(); }
  // The value of the first line named name ("" when there is none).
  std::string Value(std::string_view name) const;
  // The entries in file order of their numbers; items with an empty caption are left out, and so
  // are links without "|".
  std::vector<WUpdateItem> Items() const;

  // The picture for an address: by the text after its last ".".
  static int ImageFor(std::string_view url);
  // Links come from a downloaded file: only web addresses are handed to the system to open, never
  // local files or programs ("file:", "javascript:" and the like).
  static bool IsWebAddress(std::string_view url);
  // True when the first line mentions 404, the way servers start their "not found" pages.
  static bool FirstLineSays404(std::string_view text);
  // Whether a downloaded body is an information file that may replace the kept copy: text without
  // NUL bytes, not an HTML page, not a 404 page, with the product's version line or an entry.
  static bool LooksLikeInfoFile(std::string_view text, std::string_view productCode);

 private:
  std::vector<std::pair<std::string, std::string>> lines_;  // lower-cased name, value
};
