#pragma once

#include <string>

class WOptions;

// Where the main window stands between runs, kept as nine integers in a section of the
// settings file.  The minimized and maximized positions are kept for the file's sake; a
// desktop under X11 or Wayland places those windows itself.
class WWindowPlacement {
 public:
  enum ShowCmd { kNormal = 1, kMinimized = 2, kMaximized = 3 };

  int show_cmd = kMaximized;
  int min_x = -1, min_y = -1;
  int max_x = 0, max_y = 0;
  // The normal (restored) geometry: edges in screen pixels, right and bottom exclusive.
  int top = 0, left = 0, bottom = 0, right = 0;

  // Reads the nine keys; missing keys give: maximized, no minimized position, maximized at
  // 0,0, and a normal rectangle from one eighth to seven eighths of the screen.
  static WWindowPlacement Read(const WOptions& options, const std::string& section, int screen_width,
                               int screen_height);
  void Write(WOptions& options, const std::string& section) const;

  // The minimized position applies only when both coordinates are set.
  bool HasMinimizedPosition() const { return min_x != -1 && min_y != -1; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};
