#pragma once

#include <string>

#include "model/RecNo.h"
#include "views/Colors.h"

class WABSCollection;

// What a person box shows, without any drawing: a name line, a birth line and a death
// line, the LDS ordinance letters, the hint and the colours.  A box without an individual
// is drawn empty in the button-face colour.
class WIndInfoBox {
 public:
  // Empties the texts, the letters and the hint; the box shows nobody.
  void Clear();

  // Fills the box for individual m (0 clears it): the display name, birth date and place,
  // death date and place (with `fam_bir_chr`, the christening or burial in brackets when
  // those are empty), the LDS letters when `use_lds` is set, and the summary as hint when
  // `show_hint` is set.
  void Fill(WABSCollection& collection, RecNo m, bool use_lds, bool fam_bir_chr, bool show_hint,
            WColor background, WColor text_color);

  RecNo Individual() const { return individual_; }
  bool IsEmpty() const { return individual_ == 0; }
  const std::string& NameString() const { return name_; }
  const std::string& BirthString() const { return birth_; }
  const std::string& DeathString() const { return death_; }
  const std::string& Hint() const { return hint_; }
  bool UseLDS() const { return use_lds_; }
  // LDS baptism, endowment, sealing to parents, sealing to a spouse: "B", "E", "P", "S".
  bool LDSBap() const { return lds_bap_; }
  bool LDSEnd() const { return lds_end_; }
  bool LDSSP() const { return lds_sp_; }
  bool LDSSS() const { return lds_ss_; }
  WColor Background() const { return background_; }
  WColor TextColor() const { return text_color_; }

 private:
  RecNo individual_ = 0;
  std::string name_;
  std::string birth_;
  std::string death_;
  std::string hint_;
  bool use_lds_ = false;
  bool lds_bap_ = false;
  bool lds_end_ = false;
  bool lds_sp_ = false;
  bool lds_ss_ = false;
  WColor background_ = kColorWhite;
  WColor text_color_ = kColorBlack;
};
