#pragma once

#include <array>
#include <string>
#include <string_view>

// Every user setting of the program: one table of numbered entries, each a text with a section,
// a key and a default.  Everyone reads settings through the typed accessors by number
// (Settings().GetBool(WSettings::PreSuf)) at the moment they need them.  The settings file that
// keeps them between runs belongs to the application layer (WOptions), which installs itself as
// the process's settings; below it, the model and the readers see only this table.
//
// Values are texts: bools are "T" and "F" (only exactly "T" is true), integers decimal (anything
// that is not a number reads as 0), dates "yyyymmdd" (anything but 8 characters forming a valid
// date reads as day 0, 30 December 1899).  Dates are day numbers counted from 30 December 1899.
class WSettings {
 public:
  enum Id : int {
    UseLDS = 1,
    FirstTime = 2,
    MailingList = 3,
    GEDAssoc = 4,
    Ped_Single = 5,
    List_Grey = 6,
    List_Divider = 7,
    List_HL = 8,
    HL_Grey = 9,
    HL_Divider = 10,
    Island_Grey = 11,
    Island_Divider = 12,
    FindDlg = 13,
    FindInList = 14,
    Finddir = 15,
    YearRange = 16,
    UseYear = 17,
    MatchAll = 18,
    SrcCol1 = 19,
    SrcCol2 = 20,
    SrcCol3 = 21,
    SrcCol4 = 22,
    SrcCol5 = 23,
    SrcCol6 = 24,
    SrcCol7 = 25,
    SrcCol8 = 26,
    File1 = 27,
    File2 = 28,
    File3 = 29,
    File4 = 30,
    File5 = 31,
    File6 = 32,
    File7 = 33,
    File8 = 34,
    File9 = 35,
    File10 = 36,
    OpenLastFile = 37,
    LastTab = 38,
    LastID = 39,
    LastPanel = 40,
    LastPanelWidth = 41,
    LastPanelState = 42,
    LastDrive = 43,
    LastDir = 44,
    HLManual = 45,
    Name = 46,
    Email = 47,
    Addr1 = 48,
    Addr2 = 49,
    Addr3 = 50,
    BNRadio = 51,
    sendmsg = 52,
    Title = 53,
    Phone = 54,
    AllowExtract = 55,
    Dir = 56,
    Web = 57,
    FamCol1 = 58,
    FamCol2 = 59,
    FamCol3 = 60,
    FamCol4 = 61,
    FamCol5 = 62,
    FamCol6 = 63,
    FontSize = 64,
    GridHeight = 65,
    HLText = 66,
    FHCOpen = 67,
    AutoSearch = 68,
    DesColumns = 69,
    DesNameCol = 70,
    DesGenLimit = 71,
    DesShowLines = 72,
    DesRepDups = 73,
    DesIndent = 74,
    DesColW = 75,
    DesPC = 76,
    DesDLines = 77,
    CheckUpdates = 78,
    LastUpdate = 79,
    UpdatePeriod = 80,
    AgeCalcCB = 81,
    ShowHlPanel = 82,
    ShowIndHint = 83,
    LoadLastFile = 84,
    LEGCacheNames = 85,
    SortFirstColumn = 86,
    SaveToFileDir = 87,
    IslandColumns = 88,
    FNValueFlag = 89,
    FNValue = 90,
    IndNotes = 91,
    OpenDir = 92,
    ViewSaved = 93,
    DispInitHelp = 94,
    IH1 = 95,
    IH2 = 96,
    IH3 = 97,
    IH4 = 98,
    IH5 = 99,
    IH6 = 100,
    IH7 = 101,
    IH8 = 102,
    IH9 = 103,
    IH10 = 104,
    IH11 = 105,
    IH12 = 106,
    IH13 = 107,
    IH14 = 108,
    IH15 = 109,
    IH16 = 110,
    IH17 = 111,
    IH18 = 112,
    IH19 = 113,
    IH20 = 114,
    IH21 = 115,
    IH22 = 116,
    IH23 = 117,
    IH24 = 118,
    IH25 = 119,
    CalcIslands = 120,
    HLCol = 121,
    HLTCol = 122,
    NameSlash = 123,
    NameUpper = 124,
    PreSuf = 125,
    TMGTagSent = 126,
    TMGEngage = 127,
    Chrono = 128,
    IslandWit = 129,
    SrcCol9 = 130,
    SrcCol10 = 131,
    SrcCol11 = 132,
    IndMod = 133,
    QFind = 134,
    SortChildren = 135,
    PlaceCommas = 136,
    FamBirChr = 137,
    ShowSplash = 138,
    ListColumns = 139,
    // Beyond the main table: where the update check downloads its information file.
    UpdateURL = 140,
    // The viewer reloads a file that changed on disk without asking first.
    AutoReload = 141,
  };

  struct Entry {
    int id;
    const char* section;
    const char* key;
    const char* defaultValue;
  };

  static constexpr int kEntryCount = 139;  // entries 1..kEntryCount are in the main table
  // Entries after the main table (kEntryCount+1..kLastEntry).  They load like the others but are
  // written to the file only when they differ from their default or the file already holds them,
  // so that a build-time default (the update address) is not pinned into every settings file.
  static constexpr int kLastEntry = AutoReload;
  static constexpr int kMaxId = 500;  // numbers above the table are kept in memory only

  WSettings();  // every entry at its default
  virtual ~WSettings();
  WSettings(const WSettings&) = delete;
  WSettings& operator=(const WSettings&) = delete;

  // Every entry back to its default.
  void ResetToDefaults();

  // Typed access by entry number (1..kMaxId); other numbers read as empty and ignore writes.
  std::string GetString(int id) const;
  void SetString(int id, const std::string& value);
  bool GetBool(int id) const;
  void SetBool(int id, bool value);
  int GetInt(int id) const;
  void SetInt(int id, int value);
  int GetDate(int id) const;
  void SetDate(int id, int day);

  // The table entry with this number (main table or the entries after it), or nullptr.
  static const Entry* FindEntry(int id);
  // The number of the entry with this key (letter case ignored), or 0.
  static int FindKey(std::string_view key);
  // Sets the entry named by key to the raw text value; false when no entry has that key.
  bool SetByKey(std::string_view key, const std::string& value);
  // The whole table, in number order.
  static const Entry* Entries(int* count);

  // A decimal integer with an optional sign, nothing else; false when the text is not one or it
  // does not fit in an int.
  static bool ParseInteger(std::string_view text, int* value);

  // Day numbers (0 = 30 December 1899).  EncodeDay fails on an impossible date or a year outside
  // 1..9999.
  static bool EncodeDay(int year, int month, int day, int* dayNumber);
  static void DecodeDay(int dayNumber, int* year, int* month, int* day);
  static int Today();

 protected:
  std::array<std::string, kMaxId + 1> values_;
};

// The settings of this process: the ones installed last, or a table of defaults when none were.
WSettings& Settings();
// Makes `settings` the process's settings (nullptr goes back to the defaults).  The caller keeps
// ownership and keeps the object alive while it is installed.
void InstallSettings(WSettings* settings);
