#pragma once

#include <functional>

#include "model/RecNo.h"
#include "views/Colors.h"

class WABSCollection;

// The part every tab shares, without any drawing: the collection, the individual shown,
// the individual the tab asks the main window to make active, and whether LDS ordinances
// are shown.  Tabs never change the active individual themselves: they name it and raise
// OnIndexChange.
class WABSPanelLogic {
 public:
  WABSPanelLogic() = default;
  virtual ~WABSPanelLogic() = default;
  WABSPanelLogic(const WABSPanelLogic&) = delete;
  WABSPanelLogic& operator=(const WABSPanelLogic&) = delete;

  // Colours of a row or box that names individual n: white on black for everybody.
  virtual WColor RowBackground(RecNo n) const;
  virtual WColor RowTextColor(RecNo n) const;
  // Keeps the collection (not owned) and forgets the requested individual.
  virtual void SetCollection(WABSCollection* collection);
  virtual void SetIndividual(RecNo n);

  // Takes effect at the next rebuild.
  void SetUseLDS(bool use) { use_lds_ = use; }
  bool UseLDS() const { return use_lds_; }

  WABSCollection* Collection() const { return collection_; }
  RecNo Individual() const { return individual_; }
  // The individual that the last OnIndexChange asked for.
  RecNo RequestedIndividual() const { return requested_; }

  // Raised when the user asks to make RequestedIndividual active.
  std::function<void()> OnIndexChange;

 protected:
  // Makes n the requested individual and raises OnIndexChange.
  void RequestIndividual(RecNo n);

  WABSCollection* collection_ = nullptr;
  RecNo individual_ = 0;
  RecNo requested_ = 0;
  bool use_lds_ = false;
};
