#include "formats/rm3/RM3Repo.h"

#include "formats/rm3/RM3Address.h"
#include "formats/rm3/RM3Collection.h"
#include "formats/rm3/RM3Note.h"
#include "formats/rm3/RM3TabA.h"

std::string WRM3Repo::GetName() { return pos_ < 1 ? std::string() : collection_.TabA().Name(pos_); }

std::unique_ptr<WABSAddress> WRM3Repo::GetAddress() {
  if (pos_ < 1) return nullptr;
  return std::make_unique<WRM3Address>(collection_.TabA(), pos_);
}

std::unique_ptr<WABSNote> WRM3Repo::GetNote() {
  if (pos_ < 1) return nullptr;
  std::string note;
  collection_.TabA().RepositoryNote(pos_, note);
  return std::make_unique<WRM3Note>(note);
}
