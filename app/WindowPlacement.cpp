#include "app/WindowPlacement.h"

#include "app/Options.h"

WWindowPlacement WWindowPlacement::Read(const WOptions& options, const std::string& section, int screen_width,
                                        int screen_height) {
  WWindowPlacement p;
  p.show_cmd = options.ReadIniInteger(section, "ShowCmd", kMaximized);
  p.min_x = options.ReadIniInteger(section, "MinX", -1);
  p.min_y = options.ReadIniInteger(section, "MinY", -1);
  p.max_x = options.ReadIniInteger(section, "MaxX", 0);
  p.max_y = options.ReadIniInteger(section, "MaxY", 0);
  p.top = options.ReadIniInteger(section, "Top", screen_height / 8);
  p.left = options.ReadIniInteger(section, "Left", screen_width / 8);
  // The defaults of the far edges follow the values read for the near ones.
  p.bottom = options.ReadIniInteger(section, "Bottom", 7 * p.top);
  p.right = options.ReadIniInteger(section, "Right", 7 * p.left);
  return p;
}

void WWindowPlacement::Write(WOptions& options, const std::string& section) const {
  options.WriteIniInteger(section, "ShowCmd", show_cmd);
  options.WriteIniInteger(section, "MinX", min_x);
  options.WriteIniInteger(section, "MinY", min_y);
  options.WriteIniInteger(section, "MaxX", max_x);
  options.WriteIniInteger(section, "MaxY", max_y);
  options.WriteIniInteger(section, "Top", top);
  options.WriteIniInteger(section, "Left", left);
  options.WriteIniInteger(section, "Bottom", bottom);
  options.WriteIniInteger(section, "Right", right);
}
