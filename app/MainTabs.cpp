#include "app/MainTabs.h"

namespace {

// The "LastTab" value of each tab, in screen order.
constexpr int kSettingOfTab[WMainTabs::kCount] = {
    0,  // General
    1,  // Individual
    2,  // Family
    5,  // Pedigree
    6,  // Descendants
    3,  // the first information page
    4,  // the second information page
};

}  // namespace

int WMainTabs::ToSetting(int tab) { return tab >= 0 && tab < kCount ? kSettingOfTab[tab] : -1; }

int WMainTabs::FromSetting(int value) {
  for (int tab = 0; tab < kCount; ++tab)
    if (kSettingOfTab[tab] == value) return tab;
  return -1;
}
