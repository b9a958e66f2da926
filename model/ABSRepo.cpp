#include "model/ABSRepo.h"

#include "model/ABSAddress.h"
#include "model/ABSNote.h"

WABSRepo::~WABSRepo() = default;

std::string WABSRepo::GetRecordText() { return std::string(); }
