#pragma once

#include <string>

namespace corvane {

// A shared library loaded at run time (dlopen/dlsym; LoadLibraryA/GetProcAddress
// on Windows). The library is released when the object goes, so a program that
// keeps its driver loaded keeps this object alive.
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

    // The address of an exported symbol, or null when it is missing or nothing is loaded.
    void* symbol(const char* name) const;

private:
    void release();

    void* handle_ = nullptr;
};

} // namespace corvane
