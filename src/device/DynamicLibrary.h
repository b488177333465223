#pragma once

#include <string>

namespace corvane {

// A shared library loaded at run time (dlopen/dlsym; LoadLibraryA/GetProcAddress
// on Windows). The library is released when the object goes; loadForProcess()
// keeps one loaded until the process ends.
class DynamicLibrary {
public:
    DynamicLibrary() = default;
    ~DynamicLibrary();
    DynamicLibrary(DynamicLibrary&& other) noexcept;
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // Loads the library by file name (searched the system's usual way) or path.
    // Returns false when it cannot be loaded; any library loaded before is released.
    bool load(const std::string& file);
    bool isLoaded() const { return handle_ != nullptr; }

    // The library loaded once for the rest of the process and never released, so
    // addresses taken from it stay valid whatever goes first at exit; null when it
    // cannot be loaded (a later call tries again).
    static const DynamicLibrary* loadForProcess(const std::string& file);

    // The address of an exported symbol, or null when it is missing or nothing is loaded.
    void* symbol(const char* name) const;

private:
    void release();

    void* handle_ = nullptr;
};

} // namespace corvane
