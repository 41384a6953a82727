// Where the time of start-up goes, for the opening benchmark. When the environment names a file
// in KESTREL_STARTUP_LOG, each mark records the milliseconds since the process was created, and
// the end of start-up (the document open and its first page on screen) writes them all to
// that file, one "milliseconds phase" line each. Without the variable every call returns at once.
#pragma once

namespace kestrel {

// Records that `phase` (a string literal) has just ended. Marks past the sixteenth are dropped.
void StartupMark(const char* phase);

// Records the last mark and writes the log; later calls do nothing.
void StartupFinished(const char* phase);

// Forgets the marks and whether the log was written, and reads the environment again.
void ResetStartupClockForTesting();

} // namespace kestrel
