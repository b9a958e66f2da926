#pragma once

#include <cstdint>

// Record types of a PAF file: the type byte that a map block gives each block.
enum PAFRecordType : int {
  kPafText = 1,  // not read: text records are reached through their file offsets
  kPafIndividual = 2,
  kPafMarriage = 3,
  kPafNote = 4,
  kPafChildLink = 5,
  kPafCitation = 6,
  kPafSource = 7,
  kPafRepository = 8,
  kPafMapBlock = 11,
  kPafOtherEvent = 12,
  kPafEventType = 13,
  kPafTotalsBlock = 14,
  kPafIndividualExt = 15,
  kPafSourceExt = 19,
};

// Block store constants shared by every version.
inline constexpr uint64_t kPafBlockSize = 8192;
inline constexpr uint64_t kPafBlocksPerRegion = 8192;
inline constexpr uint64_t kPafRegionSize = kPafBlockSize * kPafBlocksPerRegion;  // 64 MiB
// The highest record type a size table covers.
inline constexpr int kPafMaxType = 40;

// Where the fields sit that every version has, in the file header and in the records.
// Versions 3 and 4 share one layout; version 5 has its own.  The common record classes read
// through it, so a walk along families, children or citations is written once.
struct WPAFLayout {
  // File header: the record counts and the heads of the deleted-record chains.
  uint32_t individual_count;
  uint32_t first_deleted_individual;
  uint32_t marriage_count;
  uint32_t first_deleted_marriage;
  uint32_t note_count;
  uint32_t source_count;

  // Individual record.
  uint32_t ind_sex;
  uint32_t ind_spouse_family;  // MRIN of the first family as a spouse
  uint32_t ind_child_link;     // first child link (parent families)
  uint32_t ind_note;
  uint32_t ind_citation;
  uint32_t ind_deleted_next;  // in a deleted record: the next deleted RIN
  uint32_t ind_birth;
  uint32_t ind_death;
  uint32_t ind_christening;
  uint32_t ind_burial;
  uint32_t ind_baptism;
  uint32_t ind_endowment;
  uint32_t ind_change_time;

  // Event and ordinance inside a record.
  uint32_t event_citation;
  uint32_t ordinance_citation;

  // Marriage record.
  uint32_t mar_deleted_next;
  uint32_t mar_husband;
  uint32_t mar_wife;
  uint32_t mar_first_child;
  uint32_t mar_husband_next;
  uint32_t mar_wife_next;
  uint32_t mar_note;
  uint32_t mar_event;
  uint32_t mar_sealing;

  // Child link record.
  uint32_t cl_family;
  uint32_t cl_next_child;
  uint32_t cl_next_parent;
  uint32_t cl_child;
  uint32_t cl_sealing;

  // Citation record.
  uint32_t cit_detail;
  uint32_t cit_note;
  uint32_t cit_source;
  uint32_t cit_next;

  // Note record: where a piece's text starts and how wide it is.
  uint32_t note_piece;
  uint32_t note_piece_width;

  // Repository record: the name, then three address lines of one width each, then the phone.
  uint32_t repo_name;
  uint32_t repo_name_width;
  uint32_t repo_address;
  uint32_t repo_line_width;
  uint32_t repo_phone;
  uint32_t repo_phone_width;
  bool repo_phone_utf8;  // version 5 keeps the phone as UTF-8 like the other texts; 3 and 4 as typed
};

inline constexpr WPAFLayout kPAF34Layout{
    .individual_count = 14,
    .first_deleted_individual = 26,
    .marriage_count = 30,
    .first_deleted_marriage = 38,
    .note_count = 62,
    .source_count = 86,
    .ind_sex = 0,
    .ind_spouse_family = 218,
    .ind_child_link = 222,
    .ind_note = 226,
    .ind_citation = 234,
    .ind_deleted_next = 1,
    .ind_birth = 22,
    .ind_death = 98,
    .ind_christening = 60,
    .ind_burial = 136,
    .ind_baptism = 174,
    .ind_endowment = 196,
    .ind_change_time = 258,
    .event_citation = 26,
    .ordinance_citation = 10,
    .mar_deleted_next = 1,
    .mar_husband = 5,
    .mar_wife = 9,
    .mar_first_child = 13,
    .mar_husband_next = 77,
    .mar_wife_next = 81,
    .mar_note = 89,
    .mar_event = 17,
    .mar_sealing = 55,
    .cl_family = 1,
    .cl_next_child = 5,
    .cl_next_parent = 9,
    .cl_child = 13,
    .cl_sealing = 17,
    .cit_detail = 5,
    .cit_note = 103,
    .cit_source = 111,
    .cit_next = 115,
    .note_piece = 12,
    .note_piece_width = 244,
    .repo_name = 1,
    .repo_name_width = 92,
    .repo_address = 93,
    .repo_line_width = 42,
    .repo_phone = 261,
    .repo_phone_width = 26,
    .repo_phone_utf8 = false,
};

inline constexpr WPAFLayout kPAF5Layout{
    .individual_count = 22,
    .first_deleted_individual = 34,
    .marriage_count = 130,
    .first_deleted_marriage = 142,
    .note_count = 150,
    .source_count = 190,
    .ind_sex = 202,
    .ind_spouse_family = 4,
    .ind_child_link = 8,
    .ind_note = 12,
    .ind_citation = 16,
    .ind_deleted_next = 0,
    .ind_birth = 64,
    .ind_death = 112,
    .ind_christening = 88,
    .ind_burial = 136,
    .ind_baptism = 160,
    .ind_endowment = 181,
    .ind_change_time = 20,
    .event_citation = 20,
    .ordinance_citation = 16,
    .mar_deleted_next = 0,
    .mar_husband = 4,
    .mar_wife = 8,
    .mar_first_child = 12,
    .mar_husband_next = 16,
    .mar_wife_next = 20,
    .mar_note = 28,
    .mar_event = 52,
    .mar_sealing = 76,
    .cl_family = 0,
    .cl_next_child = 4,
    .cl_next_parent = 8,
    .cl_child = 12,
    .cl_sealing = 16,
    .cit_detail = 4,
    .cit_note = 108,
    .cit_source = 116,
    .cit_next = 120,
    .note_piece = 13,
    .note_piece_width = 243,
    .repo_name = 0,
    .repo_name_width = 84,
    .repo_address = 84,
    .repo_line_width = 84,
    .repo_phone = 420,
    .repo_phone_width = 52,
    .repo_phone_utf8 = true,
};
