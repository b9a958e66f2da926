#pragma once

#include <map>
#include <string>
#include <vector>

#include "support/TMGWriter.h"

// Writes a TMG 5.x project for tests from the description a TMGWriter holds (people, names,
// events, places and the rest), laid out as version 5 keeps it: integers and memo block numbers
// as raw little-endian 4-byte fields, logical flags, exact upper-case field names, tables named
// by the project's base name without its last character ("family_.pjc": "family$.dbf"), and
// name and place parts moved into dictionaries:
// - a name memo (surname, prefix, given names, suffix joined with "$!&") becomes one NPV row per
//   non-empty part (types 5, 1, 3, 6; or 8 and 9 for surname and given names of names whose
//   RECNO is in alternate_part_types) pointing at an ND row that holds the text;
// - a place memo's k-th part (k from 1) becomes a PPV row of type k pointing at a PD row.
// Equal texts share one dictionary row, as in the program's own files.  People belong to data
// sets: data set 1 with their PER_NO as number unless `data_sets` says otherwise.
class TMG5Writer {
 public:
  struct DataSetId {
    int data_set = 1;
    int ref_id = 0;
  };
  // A row of a part value table (NPV, PPV), written after the ones the description gives.
  struct PartValue {
    int owner = 0;  // the name's or place's RECNO
    int uid = 0;
    int type = 0;
  };
  // A row of a dictionary (ND, PD), written after the ones the description gives.
  struct DictionaryEntry {
    int uid = 0;
    std::string value;
  };

  TMGWriter project;
  std::map<int, DataSetId> data_sets;
  std::vector<int> alternate_part_types;
  std::vector<PartValue> extra_name_values;
  std::vector<PartValue> extra_place_values;
  std::vector<DictionaryEntry> extra_name_parts;
  std::vector<DictionaryEntry> extra_place_parts;
  // Dictionary rows written in descending UID order (the reader must not rely on the order).
  bool dictionaries_reversed = false;

  // Writes the project file `project_name` (such as "family_.pjc") and its tables into dir;
  // returns the project file's path.  Tables named in `skip` (letters such as "$", "ND", "PPV")
  // are left out with their memo files.
  std::string Write(const std::string& dir, const std::string& project_name,
                    const std::vector<std::string>& skip = {}) const;

  // The path of a table or memo file of a project written by Write.
  std::string TablePath(const std::string& dir, const std::string& project_name, const std::string& letter,
                        const std::string& extension) const;

  // Every table letter of a 5.x project.
  static const std::vector<std::string>& TableLetters();
};
