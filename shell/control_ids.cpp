// The process-wide control identifier counter.
#include "shell/control_ids.h"

namespace kestrel {

int NextControlId() {
    static int next = 900;
    return next++;
}

} // namespace kestrel
