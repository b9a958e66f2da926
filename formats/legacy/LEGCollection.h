#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/ABSCollection.h"
#include "model/ReaderInfo.h"

class TDAODatabase;
class WFamLinks;
class WIndLinks;
class WLEGTabAR;
class WLEGTabBP;
class WLEGTabBR;
class WLEGTabCR;
class WLEGTabER;
class WLEGTabET;
class WLEGTabHR;
class WLEGTabInd;
class WLEGTabLR;
class WLEGTabMR;
class WLEGTabSR;
class WLEGTabSX;
class WLEGTabTR;

// A Legacy Family Tree database (".fdb", a Jet 4 file) read through the database operations of
// TDAODatabase.  Import loads the identifiers and links of the large tables into sorted arrays
// and fills the link tables; every other value is read when a record asks for it, by seeking
// its row.  Individuals and families are numbered by ascending "IDIR" and "IDMR"; the record
// number an individual or family object stores is that identifier itself.
class WLEGCollection : public WABSCollection {
 public:
  // Opens the file through libmdb; raises ETaravellError when it cannot be read.
  explicit WLEGCollection(const std::string& path);
  // Reads an already open database (the tests' in-memory tables).
  WLEGCollection(const std::string& path, std::unique_ptr<TDAODatabase> database);
  ~WLEGCollection() override;
  std::string GetIdentifierSource() const override { return "Legacy"; }

  // The Legacy reader in the registry: ".fdb" files with the Jet signature and a database
  // version of at least "3i".
  static const WReaderInfo& ReaderInfo();
  // True when bytes 13 to 16 of the file read "Jet " (letter case ignored); otherwise false with
  // "Not a valid Legacy Family Tree Database" in `error`.
  static bool IsLegacyDatabase(const std::string& path, std::string& error);
  static constexpr const char* kVersionTooOld =
      "Error: The version of this Legacy file is too old.\rPlease download the latest version of Legacy "
      "Family Tree and\ropen this Legacy file to update it.";

  static constexpr const char* kDamagedDatabase =
      "Error: This Legacy file is damaged: its settings cannot be read.";

  // False when the setting "Version" compares below "3i".
  bool IsVersionSupported() const { return version_supported_; }
  const std::string& Version() const { return version_; }

  bool Import() override;
  int PreCountIndividuals() override;
  std::string GetFileSizeText() override;
  std::string GetFileDateText() override;
  void BuildLinks() override;
  std::unique_ptr<WABSIndividual> GetIndividual(RecNo rec_no) override;
  std::unique_ptr<WABSMarriage> GetFamily(RecNo rec_no) override;
  std::unique_ptr<WABSSubmitter> GetSubmitter() override;
  std::unique_ptr<WABSNote> GetNote(RecNo rec_no) override;
  std::unique_ptr<WABSSource> GetSource(RecNo rec_no) override;
  std::unique_ptr<WABSRepo> GetRepository(RecNo rec_no) override;
  int IndividualCount() override;
  int FamilyCount() override;
  int NoteCount() override;
  int SourceCount() override;
  void GetHeaderInfo(int& count, GenHeaderRecs& rows) override;
  std::string GetHeaderText() override;
  std::string GetVersionText() override;
  RecNo FindIndividual(const std::string& id) override;
  std::string GetReferenceCaption() const override;
  std::string GetSubmitterCountryLabel() const override;

  // --- For the record classes.
  WLEGTabHR& TabHR() { return *tab_hr_; }
  WLEGTabInd& TabInd() { return *tab_ind_; }
  WLEGTabMR& TabMR() { return *tab_mr_; }
  WLEGTabCR& TabCR() { return *tab_cr_; }
  WLEGTabLR& TabLR() { return *tab_lr_; }
  WLEGTabET& TabET() { return *tab_et_; }
  WLEGTabER& TabER() { return *tab_er_; }
  WLEGTabSR& TabSR() { return *tab_sr_; }
  WLEGTabSX& TabSX() { return *tab_sx_; }
  WLEGTabAR& TabAR() { return *tab_ar_; }
  WLEGTabTR& TabTR() { return *tab_tr_; }
  WLEGTabBR& TabBR() { return *tab_br_; }
  WIndLinks* IndLinks() { return ind_links_.get(); }
  WFamLinks* FamLinks() override { return fam_links_.get(); }
  // A setting of "TBLHR".
  std::string Setting(const std::string& item);
  // True when the events carry a "Description" (database version "3s" or later).
  bool HasEventDescriptions() const { return version_ >= "3s"; }
  // The path of an existing picture file named `name` (folder identifier `folder`); "" when
  // none is found.
  std::string ResolvePicture(const std::string& name, int32_t folder);

 private:
  bool BuildLinkTables();
  void LoadPictureFolders();

  std::unique_ptr<TDAODatabase> database_;
  std::string version_;
  bool version_supported_ = false;
  std::unique_ptr<WLEGTabHR> tab_hr_;
  std::unique_ptr<WLEGTabInd> tab_ind_;
  std::unique_ptr<WLEGTabMR> tab_mr_;
  std::unique_ptr<WLEGTabCR> tab_cr_;
  std::unique_ptr<WLEGTabLR> tab_lr_;
  std::unique_ptr<WLEGTabET> tab_et_;
  std::unique_ptr<WLEGTabER> tab_er_;
  std::unique_ptr<WLEGTabSR> tab_sr_;
  std::unique_ptr<WLEGTabSX> tab_sx_;
  std::unique_ptr<WLEGTabAR> tab_ar_;
  std::unique_ptr<WLEGTabTR> tab_tr_;
  std::unique_ptr<WLEGTabBP> tab_bp_;
  std::unique_ptr<WLEGTabBR> tab_br_;
  std::unique_ptr<WIndLinks> ind_links_;
  std::unique_ptr<WFamLinks> fam_links_;
  std::array<std::string, 3> picture_folders_;
  bool folders_loaded_ = false;
};
