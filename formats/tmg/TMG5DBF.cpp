#include "formats/tmg/TMG5DBF.h"

#include "formats/tmg/TMGDBF.h"

WTMG5DBF::WTMG5DBF(const std::string& directory, const std::string& letter, const std::string& prefix)
    : WDBFKeyedTable<WDBF5File>(WTMGDBF::TablePath(directory, letter, prefix, ".dbf")) {}
