// The Qt sides of the core's interfaces.
#include "app/ListWidgetEventView.h"
#include "app/QtPrompter.h"

#include <QListWidget>
#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(FileFilterTest, BecomesQtNameFilter) {
    const struct {
        const char* dialogFilter;
        const char* qtFilter;
    } cases[] = {// Several patterns in one entry, and a filter without the closing bars.
                 {"Tables(*.trc;*.tic)|*.trc;*.tic", "Tables(*.trc;*.tic) (*.trc *.tic)"},
                 // A display text without its pattern is dropped rather than guessed.
                 {"MIDI(*.mdi)|*.mdi|Orphan", "MIDI(*.mdi) (*.mdi)"},
                 {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(ToQtFileFilter(c.dialogFilter).toStdString(), c.qtFilter) << c.dialogFilter;
}

TEST(ListViewTest, NameBytesShowAsLatin1) {
    QListWidget widget;
    ListWidgetEventView view{widget};
    view.addLine("Caf\xE9:(MON/ 8: 5: 0");
    EXPECT_EQ(widget.item(0)->text(), QString::fromUtf8("Café:(MON/ 8: 5: 0"));
}

} // namespace
} // namespace corvane
