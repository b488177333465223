// The skin names the controls it places in its Resource.h; the code's id
// constants must be the numbers the default skin gives those names.
#include "panels/ControlIds.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>

namespace corvane {
namespace {

std::map<std::string, int> ResourceDefines(const std::string& path) {
    std::map<std::string, int> defines;
    std::ifstream in(path);
    std::string line, directive, name;
    int value = 0;
    while (std::getline(in, line))
        if (std::istringstream(line) >> directive >> name >> value && directive == "#define")
            defines.emplace(name, value);
    return defines;
}

TEST(ControlIds, TheDefaultSkinDefinesEveryIdTheCodeUsesWithTheSameValue) {
    const auto defines = ResourceDefines(CORVANE_DEFAULT_RESOURCE_HEADER);
    ASSERT_FALSE(defines.empty()) << CORVANE_DEFAULT_RESOURCE_HEADER;
    for (const SkinId& id : kSkinIds) {
        const auto found = defines.find(std::string(id.name));
        ASSERT_NE(found, defines.end()) << id.name;
        EXPECT_EQ(found->second, id.value) << id.name;
    }
}

} // namespace
} // namespace corvane
