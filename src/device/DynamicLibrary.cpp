#include "device/DynamicLibrary.h"

#include <map>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace corvane {

DynamicLibrary::~DynamicLibrary() {
    release();
}

DynamicLibrary::DynamicLibrary(DynamicLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept {
    if (this != &other) {
        release();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

bool DynamicLibrary::load(const std::string& file) {
    release();
#ifdef _WIN32
    handle_ = reinterpret_cast<void*>(LoadLibraryA(file.c_str()));
#else
    handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
    return handle_ != nullptr;
}

const DynamicLibrary* DynamicLibrary::loadForProcess(const std::string& file) {
    // Never destroyed: not even the end of static destruction unloads these.
    static auto& kept = *new std::map<std::string, DynamicLibrary>;
    DynamicLibrary& library = kept[file];
    if (!library.isLoaded() && !library.load(file))
        return nullptr;
    return &library;
}

void* DynamicLibrary::symbol(const char* name) const {
    if (handle_ == nullptr)
        return nullptr;
#ifdef _WIN32
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
#else
    return dlsym(handle_, name);
#endif
}

void DynamicLibrary::release() {
    if (handle_ == nullptr)
        return;
#ifdef _WIN32
    FreeLibrary(static_cast<HMODULE>(handle_));
#else
    dlclose(handle_);
#endif
    handle_ = nullptr;
}

} // namespace corvane
