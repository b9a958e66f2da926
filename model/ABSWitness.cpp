#include "model/ABSWitness.h"

#include "model/ABSCitation.h"
#include "model/ABSNote.h"
#include "model/ABSPlace.h"

std::unique_ptr<WABSPlace> WABSWitness::GetPlace() { return nullptr; }

std::unique_ptr<WABSCitation> WABSWitness::GetCitation(int) { return nullptr; }

bool WABSWitness::HasNote() { return false; }

std::unique_ptr<WABSNote> WABSWitness::GetNote() { return nullptr; }

RecNo WABSWitness::GetPrincipal() { return 0; }

RecNo WABSWitness::GetSecondPrincipal() { return 0; }
