// What a freshly created panel shows: combo box contents and selections, the
// initial texts, and that the panels answer the collect rules from them.
#include "PanelTestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace corvane::test {
namespace {

EventPanel* SharedPanel(int kind)
{
    static std::map<int, std::unique_ptr<EventPanel>> panels;
    auto& panel = panels[kind];
    if (!panel)
        panel = CreatedPanel(kind);
    return panel.get();
}

struct ComboCase {
    int kind;
    int id;
    int count;
    const char* first;
    const char* last;
    int selected;
    const char* selectedText;
};

void PrintTo(const ComboCase& c, std::ostream* os)
{
    *os << "kind " << c.kind << " combo " << c.id;
}

class InitialCombo : public ::testing::TestWithParam<ComboCase> {};

TEST_P(InitialCombo, HoldsItemsInOrderWithItsSelection)
{
    const ComboCase& c = GetParam();
    EventPanel* panel = SharedPanel(c.kind);
    ASSERT_NE(panel, nullptr);
    auto* combo = panel->controlAs<QComboBox>(c.id);
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), c.count);
    EXPECT_EQ(combo->itemText(0), c.first);
    EXPECT_EQ(combo->itemText(c.count - 1), c.last);
    EXPECT_EQ(panel->selection(c.id), c.selected);
    EXPECT_EQ(panel->text(c.id), c.selectedText);
}

// The DMX block: first 1..512 on "1", last 1..512 on "512", increment
// 1..255 on "1", level 0..255 on "0".
#define CHANNEL_BLOCK(kind, first, last, increment, level)            \
    ComboCase{kind, first, 512, "1", "512", 0, "1"},                  \
        ComboCase{kind, last, 512, "1", "512", 511, "512"},           \
        ComboCase{kind, increment, 255, "1", "255", 0, "1"},          \
        ComboCase{kind, level, 256, "0", "255", 0, "0"}

INSTANTIATE_TEST_SUITE_P(
    AllPanels, InitialCombo,
    ::testing::Values(
        CHANNEL_BLOCK(0, 1031, 1032, 1033, 1034),
        CHANNEL_BLOCK(1, 1056, 1057, 1058, 1059),
        CHANNEL_BLOCK(2, 1084, 1085, 1086, 1087),
        ComboCase{2, 1081, 17, "1", "All Channel", 0, "1"},
        ComboCase{2, 1082, 128, "1", "128", 0, "1"},
        ComboCase{2, 1083, 2, "ON", "OFF", 0, "ON"},
        ComboCase{2, 1088, 4, "Hold", "Toggle", 0, "Hold"},
        ComboCase{3, 1101, 512, "1", "512", 0, "1"},
        ComboCase{3, 1102, 512, "1", "512", 511, "512"},
        ComboCase{3, 1103, 255, "1", "255", 0, "1"},
        ComboCase{3, 1099, 3, "Left", "All", 0, "Left"},
        ComboCase{3, 1100, 14, "16kHz", "42Hz", 0, "16kHz"},
        ComboCase{3, 1105, 2, "One Pixel", "More Pixel", 0, "One Pixel"},
        ComboCase{4, 1105, 512, "1", "512", 0, "1"},
        ComboCase{4, 1115, 256, "0", "255", 0, "0"},
        ComboCase{4, 1116, 256, "0", "255", 255, "255"},
        ComboCase{4, 1117, 8, "1", "8", 0, "1"},
        ComboCase{4, 1118, 2, "On", "Off", 1, "Off"},
        ComboCase{5, 1134, 8, "Contact1", "Contact8", 0, "Contact1"},
        ComboCase{5, 1139, 3, "DMX", "Audio", 0, "DMX"},
        CHANNEL_BLOCK(5, 1135, 1137, 1136, 1138),
        ComboCase{6, 1139, 4, "Analog1", "Analog4", 0, "Analog1"},
        ComboCase{6, 1152, 2, "DMX", "Relay", 0, "DMX"},
        ComboCase{6, 1153, 512, "1", "512", 0, "1"},
        ComboCase{6, 1155, 512, "1", "512", 511, "512"},
        ComboCase{6, 1154, 255, "1", "255", 0, "1"},
        ComboCase{6, 1156, 255, "1", "255", 0, "1"}));

TEST(InitialCombo, AudioBandsRunFromHighestToLowest)
{
    EventPanel* panel = SharedPanel(3);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(Items(panel->controlAs<QComboBox>(1100)),
              QStringList({"16kHz", "10.7kHz", "6.3kHz", "4.2kHz", "2.5kHz", "1.7kHz", "1kHz",
                           "670Hz", "400Hz", "265Hz", "160Hz", "107Hz", "63Hz", "42Hz"}));
}

TEST(InitialCombo, NumberListsCountUpWithoutPadding)
{
    EventPanel* panel = SharedPanel(2);
    ASSERT_NE(panel, nullptr);
    const QStringList notes = Items(panel->controlAs<QComboBox>(1082));
    for (int i = 0; i < notes.size(); ++i)
        ASSERT_EQ(notes[i], QString::number(i + 1));
}

struct TextCase {
    int kind;
    int id;
    const char* text;
};

class InitialText : public ::testing::TestWithParam<TextCase> {};

TEST_P(InitialText, IsSetAtCreation)
{
    EventPanel* panel = SharedPanel(GetParam().kind);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->text(GetParam().id), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    AllPanels, InitialText,
    ::testing::Values(TextCase{1, 1060, " 0"}, TextCase{1, 1061, " 0"}, TextCase{1, 1062, " 0"},
                      TextCase{1, 1063, " 0"}, TextCase{1, 1064, " 0"}, TextCase{1, 1065, " 0"},
                      TextCase{1, 1066, " 0"}, TextCase{1, 1067, " 0"},
                      TextCase{5, 1140, "0"}, TextCase{5, 1015, "30"},
                      TextCase{6, 1140, "0.05v"}, TextCase{6, 1015, "10.00v"}));

TEST(PanelCreation, EveryKindBuildsFromTheDefaultSkinWithItsNumber)
{
    const int numbers[] = {1020, 1055, 1080, 1098, 1114, 1125, 1142};
    for (int kind = 0; kind < 7; ++kind) {
        EventPanel* panel = SharedPanel(kind);
        ASSERT_NE(panel, nullptr) << "kind " << kind;
        EXPECT_EQ(panel->skinNumber(), numbers[kind]);
    }
}

TEST(PanelCreation, FailsWithoutItsSkinSection)
{
    // A panel whose number has no section fails and adds no controls.
    class Unskinned : public EventPanel {
    protected:
        int SetSkinNumber() const override { return 4242; }
        void fillControls() override { ADD_FAILURE() << "filled after a failed skin"; }
    };
    EnsureSkinnedApplication();
    Unskinned panel;
    EXPECT_FALSE(panel.create());
}

} // namespace
} // namespace corvane::test
