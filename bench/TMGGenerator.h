#pragma once

#include <string>

// Writes a TMG 4.x project of `persons` people for timing runs, streaming its tables so that a
// million people need little memory: founder couples and their descendants over several
// generations, one or two names a person, several events a person (birth, christening,
// death and burial for most, marriages, occupations, residences, censuses), places, sources,
// citations of about half the events, witnesses, and the relationship rows of every child.
// Deterministic for the same arguments.  Returns the project file's path ("" when the files
// cannot be written).
std::string WriteGeneratedTMGProject(const std::string& dir, int persons, unsigned seed);
