#include "formats/paf/PAF34Collection.h"

#include "base/TextUtils.h"
#include "formats/paf/PAF34Note.h"
#include "formats/paf/PAFRepo.h"
#include "formats/paf/PafDate.h"

namespace {

// Header offsets of versions 3 and 4.
constexpr uint64_t kOldestVersion = 4;
constexpr uint64_t kVersion = 8;
constexpr uint64_t kVerifyNames = 272;
constexpr uint64_t kExactMatch = 273;
constexpr uint64_t kDisplayLDS = 274;
constexpr uint64_t kPrintIdentifier = 275;
constexpr uint64_t kForceUppercase = 276;
constexpr uint64_t kAutoCap = 277;
constexpr uint64_t kTitle = 1664;
constexpr uint64_t kHeaderBlockCounts = 2048;

}  // namespace

WPAF34Collection::WPAF34Collection(const std::string& path) : WPAFCollection(path, kPAF34Layout) {
  SetRecordSize(kPafIndividual, 298);
  SetRecordSize(kPafMarriage, 110);
  SetRecordSize(kPafNote, 256);
  SetRecordSize(kPafChildLink, 39);
  SetRecordSize(kPafCitation, 127);
  SetRecordSize(kPafSource, 479);
  SetRecordSize(kPafRepository, 299);
}

int32_t WPAF34Collection::HeaderBlockCount(int map, int type) const {
  return HeaderShort(kHeaderBlockCounts + 20 * static_cast<uint64_t>(map) +
                     2 * static_cast<uint64_t>(type - 1));
}

void WPAF34Collection::GetHeaderInfo(int& count, GenHeaderRecs& rows) {
  count = 0;
  if (!Imported()) return;
  auto add = [&](const char* label, const std::string& value) {
    if (count >= kGenHeaderRows) return;
    rows[count++] = GenHeaderRec{0, label, Utf8ToAnsi(value), std::string()};
  };
  auto yes_no = [this](uint64_t offset) { return View().U8(offset) == 1 ? "Yes" : "No"; };
  const char* print_identifier = "";
  switch (View().U8(kPrintIdentifier)) {
    case 'A':
      print_identifier = "AFN";
      break;
    case 'I':
      print_identifier = "ID";
      break;
    case 'N':
      print_identifier = "None";
      break;
    case 'R':
      print_identifier = "RIN/MRIN";
      break;
  }
  add("Source", "PAF");
  add("Oldest Version", HeaderText(kOldestVersion, 4));
  add("Version", HeaderText(kVersion, 4));
  add("Title", HeaderText(kTitle, 64));
  add("Print Identifier", print_identifier);
  add("Deleted Individuals", std::to_string(DeletedIndividuals()));
  add("Deleted Marriages", std::to_string(DeletedMarriages()));
  add("Verify names", yes_no(kVerifyNames));
  add("Exact Match", yes_no(kExactMatch));
  add("Display LDS", yes_no(kDisplayLDS));
  add("Force Uppercase", yes_no(kForceUppercase));
  add("Auto Cap", yes_no(kAutoCap));
}

std::unique_ptr<WABSRepo> WPAF34Collection::GetRepository(RecNo rec_no) {
  return std::make_unique<WPAFRepo>(*this, RepositoryPos(rec_no));
}

std::unique_ptr<WABSNote> WPAF34Collection::NewNote(int32_t first) {
  return std::make_unique<WPAF34Note>(*this, first);
}

std::unique_ptr<WDate> WPAF34Collection::NewDate(uint64_t offset) const {
  return WPafDate::FromPAF34(View(), offset);
}
