#pragma once

#include <string>

// Rewrites a TMG 4.x project as version 5 keeps it, for the 5.x timing runs: every table with
// its numeric fields as raw 4-byte integers and its memo fields as raw 4-byte block numbers (the
// memo files are copied as they are), people in two data sets (the first half of the PER_NO
// values in data set 1, the rest in data set 2, each numbered from 1), and the name and place
// memos moved into the dictionaries ND and PD with their part value tables NPV and PPV.  Tables
// are read and written row by row, so a project of a million people needs little memory.
// Returns the new project file's path (prefix + "_.pjc" in out_dir), or "" with *error set.
std::string ConvertTMGProjectTo5(const std::string& tmg_project, const std::string& out_dir,
                                 const std::string& prefix, std::string* error);
