#include "skin/ResourceLookup.h"

#include "SkinTestFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// One Resource.h that holds every awkward line the lookups must handle.
constexpr std::string_view kHeader = "// Resource.h for the test skin\r\n"
                                     "#define IDD_MAIN 1000\r\n"
                                     "#define IDC_OK2 1005\r\n"
                                     "#define IDC_OK 1004\r\n"
                                     "#define IDC_NOTE 1007 // the note field\r\n"
                                     "   #define IDC_INDENTED 1010\r\n"
                                     "// #define IDC_COMMENTED is defined below\r\n"
                                     "#define IDC_COMMENTED 77\r\n";

TEST(ResourceLookup, NameAndNumberLookupsOnAwkwardLines) {
    test::SkinTestFolder folder;
    const std::string header = folder.write("Resource.h", kHeader);
    const std::pair<const char*, std::int32_t> ids[] = {
        {"IDD_MAIN", 1000},
        {"IDC_OK", 2},        // IDC_OK2 fits first; its letters I,D,C,_,O,K are cut as a set
        {"IDC_NOTE", 1007},   // atoi stops at the comment
        {"IDC_COMMENTED", 0}, // the comment line fits first
        {"idd_main", 0},      // names compare with regard to case
        {"", 0},              // the first #define line, whose rest starts with its name
    };
    for (const auto& [name, id] : ids)
        EXPECT_EQ(LookupResourceId(header, name), id) << name;
    const std::pair<std::int32_t, const char*> names[] = {
        {1004, "IDC_OK"},
        {77, "IDC_COMMENTED"},
        {1007, ""},                     // a trailing comment hides the value
        {1010, "#define IDC_INDENTED"}, // "#define" cut as a set, before the blanks
    };
    for (const auto& [number, name] : names)
        EXPECT_EQ(LookupResourceName(header, number), name) << number;
}

TEST(ResourceLookup, UnreadableHeaderGivesNoIdAndAnEmptyName) {
    test::SkinTestFolder folder;
    EXPECT_EQ(LookupResourceId(folder.file("missing.h"), "IDD_MAIN"), -1);
    EXPECT_EQ(LookupResourceName(folder.file("missing.h"), 1000), "");
}

TEST(ResourceLookup, LongLinesAreReadInPiecesOf258) {
    // A comment of exactly 258 characters fills one piece; the definition
    // behind it on the same line is read as a piece of its own. Three
    // characters shorter, the piece boundary falls inside "#define".
    test::SkinTestFolder folder;
    const std::string whole =
        folder.write("Whole.h", "//" + std::string(256, 'x') + "#define IDC_SPLIT 1234\n");
    EXPECT_EQ(LookupResourceId(whole, "IDC_SPLIT"), 1234);
    EXPECT_EQ(LookupResourceName(whole, 1234), "IDC_SPLIT");
    const std::string split =
        folder.write("Split.h", "//" + std::string(253, 'x') + "#define IDC_SPLIT 1234\n");
    EXPECT_EQ(LookupResourceId(split, "IDC_SPLIT"), 0);
    EXPECT_EQ(LookupResourceName(split, 1234), "");
}

TEST(ResourceLookup, NulByteEndsTheLineText) {
    test::SkinTestFolder folder;
    const std::string header =
        folder.write("Resource.h", std::string("#define IDC_A 5\0 junk\n#define IDC_B 6\n", 38));
    EXPECT_EQ(LookupResourceId(header, "IDC_A"), 5);
    EXPECT_EQ(LookupResourceName(header, 5), "IDC_A");
    EXPECT_EQ(LookupResourceName(header, 6), "IDC_B");
}

} // namespace
} // namespace corvane
