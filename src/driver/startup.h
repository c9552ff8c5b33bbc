// The converter's run from start-up to the end: folders, checks, the source,
// the syntax check, the passes, deployment, and the pause on errors.
#pragma once

#include "platform/platform.h"

namespace korvex::driver {

/// One whole run; always returns exit code 0.
int RunKorvex(Platform& platform);

}  // namespace korvex::driver
