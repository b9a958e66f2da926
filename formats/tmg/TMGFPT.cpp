#include "formats/tmg/TMGFPT.h"

#include "formats/tmg/TMGDBF.h"

WTMGFPT::WTMGFPT(const std::string& directory, const std::string& letter, const std::string& prefix)
    : WFPTFile(WTMGDBF::TablePath(directory, letter, prefix, ".fpt")) {}
