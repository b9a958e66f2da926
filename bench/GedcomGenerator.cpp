#include "GedcomGenerator.h"

#include "app/ReaderChoice.h"
#include "model/ABSCollection.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace generated {

const char* const kMen[4] = {"John", "William", "Thomas", "James"};
const char* const kWomen[4] = {"Mary", "Elizabeth", "Sarah", "Anne"};
const char* const kSurnames[8] = {"Smith", "Taylor", "Brown", "Walker", "Wright", "Hughes", "Green", "Hall"};
const char* const kPlaces[4] = {"Whitby, Yorkshire, England", "Boston, Suffolk, Massachusetts",
                                "Leeds, Yorkshire, England", "Halifax, Nova Scotia, Canada"};

int Generation(int family) {
  int generation = 0;
  for (int k = family; k > 1; k /= 2) ++generation;
  return generation;
}

}  // namespace generated

namespace {

using namespace generated;

const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                               "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

}  // namespace

bool WriteGeneratedGedcom(const std::string& path, int persons) {
  if (persons < 2) persons = 2;
  const int families = (persons + 1) / 2;
  persons = families * 2;
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!file) return false;
  FILE* out = file.get();
  std::fprintf(out,
               "0 HEAD\r\n1 SOUR BENCH\r\n1 GEDC\r\n2 VERS 5.5\r\n2 FORM LINEAGE-LINKED\r\n"
               "1 CHAR ASCII\r\n1 SUBM @U1@\r\n0 @U1@ SUBM\r\n1 NAME Bench\r\n");
  for (int p = 1; p <= persons; ++p) {
    const bool male = p % 2 == 1;
    const int family = (p + 1) / 2;
    const int born = 1400 + 30 * Generation(family) + p % 7;
    std::fprintf(out, "0 @I%d@ INDI\r\n1 NAME %s /%s/\r\n1 SEX %c\r\n", p,
                 male ? kMen[p / 2 % 4] : kWomen[p / 2 % 4], kSurnames[(p / 2) % 8], male ? 'M' : 'F');
    std::fprintf(out, "1 BIRT\r\n2 DATE %d %s %d\r\n2 PLAC %s\r\n", 1 + p % 28, kMonths[p % 12], born,
                 kPlaces[p % 4]);
    std::fprintf(out, "1 OCCU Labourer\r\n2 DATE %d\r\n", born + 25);
    std::fprintf(out, "1 DEAT\r\n2 DATE %d\r\n2 PLAC %s\r\n", born + 60 + p % 20, kPlaces[(p + 1) % 4]);
    std::fprintf(out, "1 NOTE Generated individual %d.\r\n2 CONT Second line of the note.\r\n", p);
    // The parent family: family k's children are the husband of 2k and the wife of 2k+1.
    const int parents = male ? (family % 2 == 0 ? family / 2 : 0) : (family % 2 == 1 ? (family - 1) / 2 : 0);
    if (parents >= 1) std::fprintf(out, "1 FAMC @F%d@\r\n", parents);
    std::fprintf(out, "1 FAMS @F%d@\r\n", family);
  }
  for (int f = 1; f <= families; ++f) {
    std::fprintf(out, "0 @F%d@ FAM\r\n1 HUSB @I%d@\r\n1 WIFE @I%d@\r\n", f, 2 * f - 1, 2 * f);
    std::fprintf(out, "1 MARR\r\n2 DATE %d\r\n", 1425 + 30 * Generation(f));
    if (2 * f <= families) std::fprintf(out, "1 CHIL @I%d@\r\n", 4 * f - 1);
    if (2 * f + 1 <= families) std::fprintf(out, "1 CHIL @I%d@\r\n", 4 * f + 2);
  }
  std::fprintf(out, "0 TRLR\r\n");
  return std::fflush(out) == 0 && !std::ferror(out);
}

std::string GeneratedGedcomPath(int persons, const char* program) {
  std::string path =
      (std::filesystem::temp_directory_path() / ("taravell-bench-" + std::to_string(persons) + ".ged"))
          .string();
  if (std::filesystem::exists(path)) return path;
  auto started = std::chrono::steady_clock::now();
  if (!WriteGeneratedGedcom(path, persons)) {
    std::fprintf(stderr, "%s: cannot write %s\n", program, path.c_str());
    return std::string();
  }
  std::printf("generated %s in %.2f s\n", path.c_str(),
              std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
  return path;
}

std::unique_ptr<WABSCollection> OpenBenchFile(std::string path, int persons, const char* program,
                                              double* import_seconds) {
  if (path.empty()) path = GeneratedGedcomPath(persons, program);
  if (path.empty()) return nullptr;
  std::string error;
  std::unique_ptr<WABSCollection> collection = CreateCollectionForFile(path, error);
  if (!collection) {
    std::fprintf(stderr, "%s: %s\n", program, error.c_str());
    return nullptr;
  }
  auto started = std::chrono::steady_clock::now();
  if (!collection->Import()) {
    std::fprintf(stderr, "%s: %s could not be read\n", program, path.c_str());
    return nullptr;
  }
  collection->BuildLinks();
  *import_seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("imported %d individuals, %d families in %.2f s\n", collection->IndividualCount(),
              collection->FamilyCount(), *import_seconds);
  return collection;
}
