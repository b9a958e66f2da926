#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/ABSCollection.h"
#include "model/ReaderInfo.h"

class WFamLinks;
class WIndLinks;
class WRM3Header;
class WRM3PrimeEventArray;
class WRM3TabA;
class WRM3TabC;
class WRM3TabE;
class WRM3TabF;
class WRM3TabI;
class WRM3TabL;
class WRM3TabM;
class WRM3TabP;
class WRM3TabR;
class WRM3TabS;
class WRM3TabT;

// A RootsMagic 3 family file: the small .rmg file and, beside it, one dBase table per letter
// (family_I.dbf for family.rmg, found ignoring letter case) with memo files.  Import opens
// the tables A, C, E, F, I, L, M, P, R, S, T and builds their row lists, then opens the memo
// files and fills the link tables from C and F.  People are the positions of table I,
// families of F, sources of S and repositories of A; records read the tables on demand.
class WRM3Collection : public WABSCollection {
 public:
  // Maps the .rmg file; raises the open error when it cannot be opened.
  explicit WRM3Collection(const std::string& path);
  ~WRM3Collection() override;
  std::string GetIdentifierSource() const override { return "RootsMagic"; }

  // The RootsMagic reader in the registry: ".rmg".
  static const WReaderInfo& ReaderInfo();

  bool Import() override;
  int PreCountIndividuals() override;
  std::string GetFileSizeText() override;
  std::string GetFileDateText() override;
  // The project file, its tables and their memo and index files.
  std::vector<std::string> SourceFiles() const override;
  std::string GetVersionText() override;
  std::string GetHeaderText() override;
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
  int RepositoryCount();
  void GetHeaderInfo(int& count, GenHeaderRecs& rows) override;
  // The text read as a PersonID; 0 when it is below 1 or no person has it.
  RecNo FindIndividual(const std::string& id) override;

  // --- For the record classes (valid after a successful Import).
  const WRM3TabA& TabA() const { return *tab_a_; }
  const WRM3TabE& TabE() const { return *tab_e_; }
  const WRM3TabF& TabF() const { return *tab_f_; }
  const WRM3TabI& TabI() const { return *tab_i_; }
  const WRM3TabL& TabL() const { return *tab_l_; }
  const WRM3TabP& TabP() const { return *tab_p_; }
  const WRM3TabS& TabS() const { return *tab_s_; }
  const WRM3TabT& TabT() const { return *tab_t_; }
  const WRM3Header& Header() const { return *header_; }
  WIndLinks* IndLinks() { return ind_links_.get(); }
  WFamLinks* FamLinks() override { return fam_links_.get(); }
  WRM3PrimeEventArray& PrimeEvents() { return *prime_events_; }
  // The place text of a PLACEID, or of a temple number when placeType is "T" or "t".
  std::string PlaceText(int place_id, const std::string& place_type) const;

  // Bytes held by the indexes and link tables (for timing runs).
  int64_t IndexBytes() const;

 private:
  bool OpenTables();
  bool MakeLinks();

  std::string directory_;
  std::string base_name_;
  std::unique_ptr<WRM3Header> header_;
  std::unique_ptr<WRM3TabA> tab_a_;
  std::unique_ptr<WRM3TabC> tab_c_;
  std::unique_ptr<WRM3TabE> tab_e_;
  std::unique_ptr<WRM3TabF> tab_f_;
  std::unique_ptr<WRM3TabI> tab_i_;
  std::unique_ptr<WRM3TabL> tab_l_;
  std::unique_ptr<WRM3TabM> tab_m_;
  std::unique_ptr<WRM3TabP> tab_p_;
  std::unique_ptr<WRM3TabR> tab_r_;
  std::unique_ptr<WRM3TabS> tab_s_;
  std::unique_ptr<WRM3TabT> tab_t_;
  std::unique_ptr<WIndLinks> ind_links_;
  std::unique_ptr<WFamLinks> fam_links_;
  std::unique_ptr<WRM3PrimeEventArray> prime_events_;
  bool imported_ = false;
};
