// Start-up of the program: the long-lived objects, the command line, and the message loop.
#pragma once

#include <string>

#include "framework/win32.h"

namespace kestrel {

// Runs the program to its end; returns the process exit code.
int RunKestrel(const char* commandLine, int showCmd);

// The first match of a directory search for `path` with its name as stored on disk, or `path`
// unchanged when nothing matches.
std::string ResolveStoredName(const std::string& path);

} // namespace kestrel
