#include "base/Settings.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <ctime>

namespace {

// clang-format off
const WSettings::Entry kEntries[WSettings::kEntryCount] = {
    {1, "General", "UseLDS", "F"},
    {2, "General", "FirstTime", "T"},
    {3, "General", "MailingList", "T"},
    {4, "General", "GEDAssoc", "T"},
    {5, "Printing", "Ped_Single", "T"},
    {6, "Printing", "List_Grey", "F"},
    {7, "Printing", "List_Divider", "F"},
    {8, "Printing", "List_HL", "F"},
    {9, "Printing", "HL_Grey", "F"},
    {10, "Printing", "HL_Divider", "F"},
    {11, "Printing", "Island_Grey", "F"},
    {12, "Printing", "Island_Divider", "F"},
    {13, "General", "FindDlg", "3"},
    {14, "General", "FindInList", "F"},
    {15, "General", "Finddir", ""},
    {16, "Internet", "YearRange", "0"},
    {17, "Internet", "UseYear", "T"},
    {18, "Internet", "MatchAll", "T"},
    {19, "General", "SrcCol1", "40"},
    {20, "General", "SrcCol2", "12"},
    {21, "General", "SrcCol3", "12"},
    {22, "General", "SrcCol4", "12"},
    {23, "General", "SrcCol5", "150"},
    {24, "General", "SrcCol6", "150"},
    {25, "General", "SrcCol7", "150"},
    {26, "General", "SrcCol8", "150"},
    {27, "General", "File1", ""},
    {28, "General", "File2", ""},
    {29, "General", "File3", ""},
    {30, "General", "File4", ""},
    {31, "General", "File5", ""},
    {32, "General", "File6", ""},
    {33, "General", "File7", ""},
    {34, "General", "File8", ""},
    {35, "General", "File9", ""},
    {36, "General", "File10", ""},
    {37, "General", "OpenLastFile", "T"},
    {38, "General", "LastTab", "1"},
    {39, "General", "LastID", "1"},
    {40, "General", "LastPanel", "0"},
    {41, "General", "LastPanelWidth", "150"},
    {42, "General", "LastPanelState", "T"},
    {43, "General", "LastDrive", ""},
    {44, "General", "LastDir", ""},
    {45, "General", "HLManual", "F"},
    {46, "SelfExtract", "Name", ""},
    {47, "SelfExtract", "Email", ""},
    {48, "SelfExtract", "Addr1", ""},
    {49, "SelfExtract", "Addr2", ""},
    {50, "SelfExtract", "Addr3", ""},
    {51, "SelfExtract", "BNRadio", "0"},
    {52, "SelfExtract", "sendmsg", "sendmsg.txt"},
    {53, "SelfExtract", "Title", ""},
    {54, "SelfExtract", "Phone", ""},
    {55, "SelfExtract", "AllowExtract", "F"},
    {56, "SelfExtract", "Dir", ""},
    {57, "SelfExtract", "Web", ""},
    {58, "General", "FamCol1", "10"},
    {59, "General", "FamCol2", "200"},
    {60, "General", "FamCol3", "25"},
    {61, "General", "FamCol4", "75"},
    {62, "General", "FamCol5", "75"},
    {63, "General", "FamCol6", "200"},
    {64, "General", "FontSize", "8"},
    {65, "General", "GridHeight", "14"},
    {66, "General", "HLText", "T"},
    {67, "General", "FHCOpen", "T"},
    {68, "General", "AutoSearch", "T"},
    {69, "General", "DesColumns", "65,67,19,59,60"},
    {70, "General", "DesNameCol", "400"},
    {71, "General", "DesGenLimit", "32"},
    {72, "General", "DesShowLines", "T"},
    {73, "General", "DesRepDups", "F"},
    {74, "General", "DesIndent", "8"},
    {75, "Printing", "DesColW", "36"},
    {76, "Printing", "DesPC", "T"},
    {77, "Printing", "DesDLines", "F"},
    {78, "General", "CheckUpdates", "T"},
    {79, "General", "LastUpdate", ""},
    {80, "General", "UpdatePeriod", "30"},
    {81, "General", "AgeCalcCB", "T"},
    {82, "General", "ShowHlPanel", "T"},
    {83, "General", "ShowIndHint", "F"},
    {84, "General", "LoadLastFile", "T"},
    {85, "General", "LEGCacheNames", "F"},
    {86, "General", "SortFirstColumn", "T"},
    {87, "Printing", "SaveToFileDir", ""},
    {88, "General", "IslandColumns", "1,2,7,65,67,19,18,54,55"},
    {89, "General", "FNValueFlag", "T"},
    {90, "General", "FNValue", "1"},
    {91, "Printing", "IndNotes", "T"},
    {92, "General", "OpenDir", ""},
    {93, "Printing", "ViewSaved", "T"},
    {94, "Help", "DispInitHelp", "T"},
    {95, "Help", "IH1", "T"},
    {96, "Help", "IH2", "T"},
    {97, "Help", "IH3", "T"},
    {98, "Help", "IH4", "T"},
    {99, "Help", "IH5", "T"},
    {100, "Help", "IH6", "T"},
    {101, "Help", "IH7", "T"},
    {102, "Help", "IH8", "T"},
    {103, "Help", "IH9", "T"},
    {104, "Help", "IH10", "T"},
    {105, "Help", "IH11", "T"},
    {106, "Help", "IH12", "T"},
    {107, "Help", "IH13", "T"},
    {108, "Help", "IH14", "T"},
    {109, "Help", "IH15", "T"},
    {110, "Help", "IH16", "T"},
    {111, "Help", "IH17", "T"},
    {112, "Help", "IH18", "T"},
    {113, "Help", "IH19", "T"},
    {114, "Help", "IH20", "T"},
    {115, "Help", "IH21", "T"},
    {116, "Help", "IH22", "T"},
    {117, "Help", "IH23", "T"},
    {118, "Help", "IH24", "T"},
    {119, "Help", "IH25", "T"},
    {120, "General", "CalcIslands", "T"},
    {121, "General", "HLCol", "65535"},
    {122, "General", "HLTCol", "0"},
    {123, "General", "NameSlash", "T"},
    {124, "General", "NameUpper", "F"},
    {125, "General", "PreSuf", "T"},
    {126, "TMG", "TMGTagSent", "T"},
    {127, "TMG", "TMGEngage", "F"},
    {128, "General", "Chrono", "F"},
    {129, "General", "IslandWit", "T"},
    {130, "General", "SrcCol9", "150"},
    {131, "General", "SrcCol10", "150"},
    {132, "General", "SrcCol11", "150"},
    {133, "General", "IndMod", "T"},
    {134, "General", "QFind", "1"},
    {135, "General", "SortChildren", "T"},
    {136, "General", "PlaceCommas", "T"},
    {137, "General", "FamBirChr", "T"},
    {138, "General", "ShowSplash", "T"},
    {139, "General", "ListColumns", "1,2,7,65,67,19,18"},
};
// clang-format on

#ifndef TARAVELL_UPDATE_URL
#define TARAVELL_UPDATE_URL "https://taravell-lite.org/updates/skerrit.inf"
#endif

const WSettings::Entry kExtraEntries[WSettings::kLastEntry - WSettings::kEntryCount] = {
    {140, "Internet", "UpdateURL", TARAVELL_UPDATE_URL},
    {141, "General", "AutoReload", "F"},
};

bool ValidId(int id) { return id >= 1 && id <= WSettings::kMaxId; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// Days from 1 March of year 0 (proleptic Gregorian) to the given date.
long long CivilToDays(long long y, int m, int d) {
  y -= m <= 2;
  long long era = (y >= 0 ? y : y - 399) / 400;
  long long yoe = y - era * 400;
  long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

const long long kDayZero = CivilToDays(1899, 12, 30);

WSettings* g_installed = nullptr;

}  // namespace

WSettings& Settings() {
  static WSettings defaults;
  return g_installed ? *g_installed : defaults;
}

void InstallSettings(WSettings* settings) { g_installed = settings; }

WSettings::WSettings() { ResetToDefaults(); }

WSettings::~WSettings() {
  if (g_installed == this) g_installed = nullptr;
}

void WSettings::ResetToDefaults() {
  for (std::string& v : values_) v.clear();
  for (const Entry& e : kEntries) values_[e.id] = e.defaultValue;
  for (const Entry& e : kExtraEntries) values_[e.id] = e.defaultValue;
}

const WSettings::Entry* WSettings::FindEntry(int id) {
  if (id >= 1 && id <= kEntryCount) return &kEntries[id - 1];
  if (id > kEntryCount && id <= kLastEntry) return &kExtraEntries[id - kEntryCount - 1];
  return nullptr;
}

int WSettings::FindKey(std::string_view key) {
  for (const Entry& e : kEntries)
    if (EqualNoCase(e.key, key)) return e.id;
  for (const Entry& e : kExtraEntries)
    if (EqualNoCase(e.key, key)) return e.id;
  return 0;
}

bool WSettings::SetByKey(std::string_view key, const std::string& value) {
  int id = FindKey(key);
  if (id == 0) return false;
  SetString(id, value);
  return true;
}

const WSettings::Entry* WSettings::Entries(int* count) {
  *count = kEntryCount;
  return kEntries;
}

bool WSettings::ParseInteger(std::string_view text, int* value) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  long long n = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
    if (n > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) n = -n;
  if (n > INT_MAX || n < INT_MIN) return false;
  *value = static_cast<int>(n);
  return true;
}

// ---- typed access

std::string WSettings::GetString(int id) const { return ValidId(id) ? values_[id] : std::string(); }

void WSettings::SetString(int id, const std::string& value) {
  if (ValidId(id)) values_[id] = value;
}

bool WSettings::GetBool(int id) const { return ValidId(id) && values_[id] == "T"; }

void WSettings::SetBool(int id, bool value) { SetString(id, value ? "T" : "F"); }

int WSettings::GetInt(int id) const {
  int value = 0;
  return ValidId(id) && ParseInteger(values_[id], &value) ? value : 0;
}

void WSettings::SetInt(int id, int value) { SetString(id, std::to_string(value)); }

int WSettings::GetDate(int id) const {
  if (!ValidId(id)) return 0;
  const std::string& text = values_[id];
  if (text.size() != 8) return 0;
  for (char c : text)
    if (c < '0' || c > '9') return 0;
  int year = std::stoi(text.substr(0, 4));
  int month = std::stoi(text.substr(4, 2));
  int day = std::stoi(text.substr(6, 2));
  int dayNumber = 0;
  return EncodeDay(year, month, day, &dayNumber) ? dayNumber : 0;
}

void WSettings::SetDate(int id, int dayNumber) {
  int year, month, day;
  DecodeDay(dayNumber, &year, &month, &day);
  char text[32] = "";
  // A day beyond year 9999 cannot be written in 8 digits; it is stored empty and reads as 0.
  if (year >= 1 && year <= 9999) std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
  SetString(id, text);
}

// ---- day numbers

bool WSettings::EncodeDay(int year, int month, int day, int* dayNumber) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  if (day > kDays[month - 1] + (month == 2 && leap ? 1 : 0)) return false;
  *dayNumber = static_cast<int>(CivilToDays(year, month, day) - kDayZero);
  return true;
}

void WSettings::DecodeDay(int dayNumber, int* year, int* month, int* day) {
  long long z = dayNumber + kDayZero;
  long long era = (z >= 0 ? z : z - 146096) / 146097;
  long long doe = z - era * 146097;
  long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  long long mp = (5 * doy + 2) / 153;
  int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  long long y = yoe + era * 400 + (m <= 2);
  *year = static_cast<int>(y);
  *month = m;
  *day = d;
}

int WSettings::Today() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  int dayNumber = 0;
  EncodeDay(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, &dayNumber);
  return dayNumber;
}
