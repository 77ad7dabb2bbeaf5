// The real platform of the system the program is built for (Qt and POSIX, or
// Win32 on Windows); Current() hands it out unless a test installed another.
#pragma once

#include "platform/Platform.h"

namespace platform {

Platform& SystemPlatform();

}  // namespace platform
