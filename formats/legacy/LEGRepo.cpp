#include "formats/legacy/LEGRepo.h"

#include "formats/legacy/LEGAddress.h"
#include "formats/legacy/LEGCollection.h"
#include "formats/legacy/LEGNote.h"
#include "formats/legacy/LEGTabAR.h"

WLEGRepo::WLEGRepo(WLEGCollection& collection, int32_t idar) : collection_(collection), idar_(idar) {}

std::string WLEGRepo::GetName() {
  WLEGTabAR& table = collection_.TabAR();
  return table.Seek(idar_) ? table.Text("AddrName") : std::string();
}

std::unique_ptr<WABSAddress> WLEGRepo::GetAddress() {
  WLEGTabAR& table = collection_.TabAR();
  table.Seek(idar_);
  return std::make_unique<WLEGAddress>(table);
}

std::unique_ptr<WABSNote> WLEGRepo::GetNote() {
  WLEGTabAR& table = collection_.TabAR();
  return table.Seek(idar_) ? WLEGNote::From(table.Text("AddrNotes")) : nullptr;
}
