#pragma once

#include <cstddef>
#include <cstdint>

// Protection of read-only file mappings against files that shrink while they are mapped.
//
// Reading a mapped page that lies wholly past the file's current end raises SIGBUS.  The
// process installs one SIGBUS handler (on the first registration); when the faulting address
// lies inside a registered mapping, the handler maps anonymous zero pages over the rest of that
// mapping from the faulting page on, marks the mapping as changed and returns, so the
// interrupted read sees zeros.  Any other SIGBUS goes to the handler installed before ours, or
// ends the process with the default action.
//
// Registering and unregistering are meant for the thread that owns the mapping; the handler
// itself uses only async-signal-safe calls on a fixed table.

// Registers [base, base + length) of a read-only mapping.  Returns the slot to pass to the other
// calls, or -1 when the table is full (the mapping is then unprotected).
int GuardMapping(const void* base, size_t length);
// Forgets a slot before its mapping is unmapped; -1 is ignored.
void UnguardMapping(int slot);
// True once a fault was answered inside that slot's mapping.
bool MappingFaulted(int slot);
// Number of faults answered in registered mappings since the process started.
uint64_t MappingFaultCount();

// With `on`, the long loops that yield (YieldToUI) stop as if cancelled once a registered mapping
// faults from now on: what a program reads after its file shrank is zeros, and reading on would
// only cost time.  The command line turns this on; the viewer keeps reading and tells the user.
void StopLongLoopsOnMappingFault(bool on);
// True when StopLongLoopsOnMappingFault is on and a fault came after it was turned on.
bool LongLoopsShouldStop();
