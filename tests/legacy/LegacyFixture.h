#pragma once

#include <memory>
#include <string>

#include "formats/legacy/MemDatabase.h"
#include "support/JetWriter.h"

// Legacy databases for the tests, described once and written two ways: as a Jet 4 file through
// JetWriter, and as the same tables in memory (TMemDatabase) for the Legacy logic without libmdb.

// A table of a Legacy database with the columns Legacy keeps in it (those the reader uses and a
// few it ignores).
JetWriter::Table& AddLegacyTable(JetWriter& writer, const std::string& name);

// Every table of a Legacy database, empty, with the settings "Version" and "filedesc".
void AddLegacySkeleton(JetWriter& writer, const std::string& version);

// The family of about forty people over four generations: every date form, LDS ordinances with
// temples, events with types and descriptions, notes, sources, citations of every owner type,
// repositories, a person with two parent families whose preferred one is the second, a person
// with two marriages whose preferred one is the second, deleted rows and rows with identifier 0.
void BuildFamilyFixture(JetWriter& writer, const std::string& version = "3s");

// The same tables in memory: texts converted to Windows-1252, Booleans as -1 and 0, dates as the
// yyyymmdd numbers the Jet engine gives; deleted rows left out.
std::unique_ptr<TMemDatabase> MemFromJet(const JetWriter& writer);

// The 18-character coded date: qualifier, era, then day, month, year of each date.
std::string LegacyDate(char qualifier, int day, int month, int year, int day2 = 0, int month2 = 0,
                       int year2 = 0, char era = '0');
