#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "StepTiming.h"

class WABSCollection;

// The pools the generated people take their names and places from, and the generation of a
// family (family k's children found families 2k and 2k+1: the number of halvings down to family 1),
// for the benches that write the same people in another format.
namespace generated {
extern const char* const kMen[4];
extern const char* const kWomen[4];
extern const char* const kSurnames[8];
extern const char* const kPlaces[4];
int Generation(int family);
}  // namespace generated

// Writes a GEDCOM file of `persons` individuals (rounded up to an even number) for timing
// runs: every individual has a name, sex, birth, death, an occupation and a note, and
// belongs to one family as a spouse; most have parents.  Family k joins individuals 2k-1
// and 2k; its children are the husband of family 2k and the wife of family 2k+1.
// Returns false when the file cannot be written.
bool WriteGeneratedGedcom(const std::string& path, int persons);

// The generated file of `persons` individuals in the temporary folder, written on first use
// (with a line on stdout) and reused after.  Empty when it cannot be written.
std::string GeneratedGedcomPath(int persons, const char* program);

// Opens and imports a file for a timing run (the generated one when path is empty),
// printing the import line with its time in `import_seconds`; nullptr after printing why
// not.
std::unique_ptr<WABSCollection> OpenBenchFile(std::string path, int persons, const char* program,
                                              double* import_seconds);
