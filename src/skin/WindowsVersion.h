#pragma once

#include <string>

namespace corvane {

// The operating-system version the skin's version tests look at. Linux
// reports 10.0; tests set any value.
struct SystemVersion {
    int major = 10;
    int minor = 0;
    std::string servicePack;

    static SystemVersion current();
    static void setCurrent(const SystemVersion& version);
    static void resetCurrent(); // back to 10.0
};

// Whether the system is newer than Windows XP before its second service pack:
// above 5.1, or 5.1 with "Service Pack 2" (any case). Asked anew on every call.
bool IsNewerWindowsVersion();

} // namespace corvane
