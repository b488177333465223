#include "skin/WindowsVersion.h"

#include "skin/TextRules.h"

#include <mutex>

namespace corvane {

namespace {

struct VersionStore {
    std::mutex mutex;
    SystemVersion version;
};

VersionStore& Store() {
    static VersionStore store;
    return store;
}

} // namespace

SystemVersion SystemVersion::current() {
    std::lock_guard lock(Store().mutex);
    return Store().version;
}

void SystemVersion::setCurrent(const SystemVersion& version) {
    std::lock_guard lock(Store().mutex);
    Store().version = version;
}

void SystemVersion::resetCurrent() {
    setCurrent(SystemVersion{});
}

bool IsNewerWindowsVersion() {
    const SystemVersion version = SystemVersion::current();
    if (version.major != 5)
        return version.major > 5;
    if (version.minor != 1)
        return version.minor > 1;
    return textrules::EqualsNoCase(version.servicePack, "Service Pack 2");
}

} // namespace corvane
