// Control identifiers handed out to the program's child controls.
#pragma once

namespace kestrel {

// 900, 901, 902 and so on, one per call, for the whole process.
int NextControlId();

} // namespace kestrel
