// Resource.h of the default skin: every name resolves to its own line in both
// directions, and the controls the code needs are named. The window numbers'
// sections are read by every window test through the same lookups.

#include "DefaultSkin.h"

#include "skin/ResourceLookup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace corvane::test {
namespace {

struct Definition {
    std::string name;
    int value;
};

std::vector<Definition> ReadDefinitions() {
    std::ifstream in(DefaultSkinFiles().resourceHeader);
    std::vector<Definition> definitions;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string directive;
        Definition d;
        if (words >> directive >> d.name >> d.value && directive == "#define") definitions.push_back(d);
    }
    return definitions;
}

TEST(DefaultSkinResourceHeader, EveryNameIsDefinedOnceAndFindsItsOwnLine) {
    const std::string header = DefaultSkinFiles().resourceHeader;
    const auto definitions = ReadDefinitions();
    ASSERT_GT(definitions.size(), 90u);
    std::map<std::string, int> seen;
    std::map<int, std::string> firstNameOf;
    for (const Definition& d : definitions) {
        EXPECT_EQ(++seen[d.name], 1) << d.name << " defined twice";
        // The lookup matches substrings: a name inside an earlier name would
        // resolve to that earlier line.
        EXPECT_EQ(LookupResourceId(header, d.name), d.value) << d.name;
        firstNameOf.try_emplace(d.value, d.name);
    }
    // The number lookup takes the text after the last blank: the lines must
    // end in the bare value.
    for (const auto& [value, name] : firstNameOf) {
        EXPECT_EQ(LookupResourceName(header, value), name) << value;
    }
}

TEST(DefaultSkinResourceHeader, EveryIdTheCodeUsesBelongsToExactlyOneControlOfItsWindow) {
    const std::string header = DefaultSkinFiles().resourceHeader;
    for (const RequiredControl& required : RequiredControls()) {
        int matches = 0;
        for (const ControlDescription& control : ControlsOf(required.skinNumber)) {
            const ControlCommon& common = CommonOf(control);
            if (common.id != required.id) continue;
            ++matches;
            EXPECT_EQ(common.type, required.type) << "id " << required.id << " in " << required.skinNumber;
            // The event name and the voltages are one-line fields.
            if (required.type == ControlType::Edit)
                EXPECT_EQ(common.style & style::kEditMultiline, 0u) << "id " << required.id;
            EXPECT_EQ(LookupResourceId(header, common.idName), required.id) << common.idName;
        }
        EXPECT_EQ(matches, 1) << "id " << required.id << " in window " << required.skinNumber;
    }
}

} // namespace
} // namespace corvane::test
