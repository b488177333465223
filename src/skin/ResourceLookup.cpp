#include "skin/ResourceLookup.h"

#include "skin/ResourceText.h"
#include "skin/SkinPaths.h"
#include "skin/StampedFileCache.h"

namespace corvane {

namespace {

StampedFileCache<ResourceText>& Headers() {
    static StampedFileCache<ResourceText> cache(
        [](std::string_view bytes) { return ResourceText(std::string(bytes)); });
    return cache;
}

} // namespace

std::int32_t LookupResourceId(std::string_view name) {
    return LookupResourceId(GetResourceHeaderPath(), name);
}

std::int32_t LookupResourceId(const std::string& headerPath, std::string_view name) {
    const auto text = Headers().get(headerPath);
    return text ? text->findId(name) : -1;
}

std::string LookupResourceName(std::int32_t number) {
    return LookupResourceName(GetResourceHeaderPath(), number);
}

std::string LookupResourceName(const std::string& headerPath, std::int32_t number) {
    const auto text = Headers().get(headerPath);
    return text ? text->findName(number) : std::string();
}

} // namespace corvane
