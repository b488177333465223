// What a freshly created panel shows, read back through PanelValues.
#include "PanelTestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace corvane::test {
namespace {

struct Initial {
    int kind;
    int id;
    int count;  // items of a combo box; 0 for a text
    const char* first;
    const char* last;
    int selected;
    const char* text;  // what the collect reads
};

// First 1..512 on "1", last 1..512 on "512", increment 1..255 on "1", level 0..255 on "0".
#define CHANNEL_BLOCK(kind, first, last, increment, level)                                         \
    {kind, first, 512, "1", "512", 0, "1"}, {kind, last, 512, "1", "512", 511, "512"},             \
        {kind, increment, 255, "1", "255", 0, "1"}, {kind, level, 256, "0", "255", 0, "0"}
#define TEXT(kind, id, text) {kind, id, 0, "", "", 0, text}

TEST(PanelCreation, EveryPanelShowsTheInitialContentsOfItsLayout)
{
    const Initial cases[] = {
        CHANNEL_BLOCK(0, 1031, 1032, 1033, 1034), CHANNEL_BLOCK(1, 1056, 1057, 1058, 1059),
        CHANNEL_BLOCK(2, 1084, 1085, 1086, 1087), CHANNEL_BLOCK(5, 1135, 1137, 1136, 1138),
        {2, 1081, 17, "1", "All Channel", 0, "1"}, {2, 1082, 128, "1", "128", 0, "1"},
        {2, 1083, 2, "ON", "OFF", 0, "ON"}, {2, 1088, 4, "Hold", "Toggle", 0, "Hold"},
        {3, 1101, 512, "1", "512", 0, "1"}, {3, 1102, 512, "1", "512", 511, "512"},
        {3, 1103, 255, "1", "255", 0, "1"}, {3, 1099, 3, "Left", "All", 0, "Left"},
        {3, 1100, 14, "16kHz", "42Hz", 0, "16kHz"},
        {3, 1105, 2, "One Pixel", "More Pixel", 0, "One Pixel"},
        {4, 1105, 512, "1", "512", 0, "1"}, {4, 1115, 256, "0", "255", 0, "0"},
        {4, 1116, 256, "0", "255", 255, "255"}, {4, 1117, 8, "1", "8", 0, "1"},
        {4, 1118, 2, "On", "Off", 1, "Off"}, {5, 1134, 8, "Contact1", "Contact8", 0, "Contact1"},
        {5, 1139, 3, "DMX", "Audio", 0, "DMX"}, {6, 1139, 4, "Analog1", "Analog4", 0, "Analog1"},
        {6, 1152, 2, "DMX", "Relay", 0, "DMX"}, {6, 1153, 512, "1", "512", 0, "1"},
        {6, 1155, 512, "1", "512", 511, "512"}, {6, 1154, 255, "1", "255", 0, "1"},
        {6, 1156, 255, "1", "255", 0, "1"},
        // The timecode and sensor display texts are checked by their rules' tests.
        TEXT(6, 1140, "0.05v"), TEXT(6, 1015, "10.00v")};
    std::map<int, std::unique_ptr<EventPanel>> panels;  // one per kind, read only
    for (const Initial& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << ", control " << c.id);
        auto& panel = panels[c.kind];
        if (!panel)
            panel = CreatedPanel(c.kind);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->text(c.id), c.text);
        if (c.count == 0)
            continue;
        const QStringList items = Items(*panel, c.id);
        EXPECT_EQ(items.size(), c.count);
        EXPECT_EQ(items.value(0), c.first);
        EXPECT_EQ(items.value(items.size() - 1), c.last);
        EXPECT_EQ(panel->selection(c.id), c.selected);
    }
}

TEST(PanelCreation, FailsWithoutItsSkinSectionBeforeFillingAnything)
{
    class Unskinned : public EventPanel {
    protected:
        int SetSkinNumber() const override { return 4242; }
        void fillControls() override { ADD_FAILURE() << "filled after a failed skin"; }
    };
    ASSERT_NE(CreatedPanel(0), nullptr);  // the application and skin paths
    Unskinned panel;
    EXPECT_FALSE(panel.create());
}

} // namespace
} // namespace corvane::test
