#include "formats/legacy/LEGSource.h"

#include "formats/legacy/LEGCollection.h"
#include "formats/legacy/LEGNote.h"
#include "formats/legacy/LEGTabSR.h"

WLEGSource::WLEGSource(WLEGCollection& collection, int32_t idsr) {
  WLEGTabSR& table = collection.TabSR();
  if (idsr == 0 || !table.Seek(idsr)) return;
  name_ = table.Text("SrcName");
  title_ = table.Text("SrcTitle");
  author_ = table.Text("SrcAuthor");
  publication_ = table.Text("SrcPubl");
  call_number_ = table.Text("SrcCallNum");
  text_ = table.Text("SrcText");
  note_ = table.Text("SrcNote");
  repository_ = table.Int("IDAR");
}

std::unique_ptr<WABSNote> WLEGSource::GetNote() { return WLEGNote::From(note_); }

std::unique_ptr<WABSNote> WLEGSource::GetText() { return WLEGNote::From(text_); }
