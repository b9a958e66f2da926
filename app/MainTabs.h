#pragma once

// The tabs of the main window in the order they stand on screen, and the numbers the setting
// "LastTab" keeps them under.
//
// The setting numbers the tabs as the window first had them: 0 General, 1 Individual, 2 Family,
// 3 and 4 the two information pages.  Tabs that joined later take the numbers after those
// (5 Pedigree, 6 Descendants) wherever they stand on screen, so a settings file written by an
// earlier version still opens the tab it named.
class WMainTabs {
 public:
  enum Tab : int {
    kGeneral = 0,
    kIndividual = 1,
    kFamily = 2,
    kPedigree = 3,
    kDescendants = 4,
    kFeatures = 5,  // the first information page
    kLinks = 6      // the second information page
  };
  static constexpr int kCount = 7;

  // The "LastTab" value of a tab on screen; -1 for a position that is no tab.
  static int ToSetting(int tab);
  // The tab on screen a "LastTab" value names; -1 for a value that names none.
  static int FromSetting(int value);
};
