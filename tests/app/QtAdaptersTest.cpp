// The Qt sides of the core's interfaces: file dialog filters, the event list
// view and the progress bar view.
#include "app/ListWidgetEventView.h"
#include "app/ProgressBarView.h"
#include "app/QtPrompter.h"
#include "app/WindowSnapshot.h"

#include <QListWidget>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace corvane {
namespace {

struct FilterCase {
    const char* dialogFilter;
    const char* qtFilter;
};

void PrintTo(const FilterCase& c, std::ostream* out) {
    *out << '"' << c.dialogFilter << '"';
}

class FileFilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(FileFilterTest, BecomesQtNameFilter) {
    EXPECT_EQ(ToQtFileFilter(GetParam().dialogFilter).toStdString(), GetParam().qtFilter);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, FileFilterTest,
    testing::Values(FilterCase{"Real Time Clock(*.trc)|*.trc|All Files(*.*)|*.*||",
                               "Real Time Clock(*.trc) (*.trc);;All Files(*.*) (*)"},
                    FilterCase{"Analog(*.alg)|*.alg|All Files(*.*)|*.*||",
                               "Analog(*.alg) (*.alg);;All Files(*.*) (*)"},
                    // Several patterns in one entry, and a filter without the closing bars.
                    FilterCase{"Tables(*.trc;*.tic)|*.trc;*.tic",
                               "Tables(*.trc;*.tic) (*.trc *.tic)"},
                    // A display text without its pattern is dropped rather than guessed.
                    FilterCase{"MIDI(*.mdi)|*.mdi|Orphan", "MIDI(*.mdi) (*.mdi)"},
                    FilterCase{"", ""}));

class ListViewTest : public testing::Test {
protected:
    QListWidget widget;
    ListWidgetEventView view{widget};

    void fill(int lines) {
        view.reset();
        for (int i = 0; i < lines; ++i)
            view.addLine("Event" + std::to_string(i));
    }
};

TEST_F(ListViewTest, ShowsLinesInOrderAndResets) {
    fill(3);
    ASSERT_EQ(widget.count(), 3);
    EXPECT_EQ(widget.item(2)->text(), "Event2");
    view.reset();
    EXPECT_EQ(widget.count(), 0);
}

TEST_F(ListViewTest, NameBytesShowAsLatin1) {
    view.addLine("Caf\xE9:(MON/ 8: 5: 0");
    EXPECT_EQ(widget.item(0)->text(), QString::fromUtf8("Café:(MON/ 8: 5: 0"));
}

TEST_F(ListViewTest, CurrentLineOnlyWhenTheOperatorChoseOne) {
    fill(4);
    EXPECT_EQ(view.currentLine(), -1);
    // Focus alone makes a row current without choosing it.
    widget.setCurrentRow(0, QItemSelectionModel::NoUpdate);
    EXPECT_EQ(view.currentLine(), -1);
    widget.setCurrentRow(2);
    EXPECT_EQ(view.currentLine(), 2);
    fill(4);
    EXPECT_EQ(view.currentLine(), -1);
}

TEST(ProgressViewTest, StepsThroughItsRangeAndStopsAtTheEnd) {
    QProgressBar bar;
    ProgressBarView view(bar);
    view.setRange(0, 2);
    view.setPosition(0);
    view.setStep(1);
    view.show();
    EXPECT_TRUE(bar.isVisible());
    view.stepIt();
    EXPECT_EQ(bar.value(), 1);
    view.stepIt();
    view.stepIt();
    EXPECT_EQ(bar.value(), 2);
    view.hide();
    view.setPosition(0);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(bar.value(), 0);
}

TEST(WindowSnapshotTest, OutsideTheMaskIsTransparent) {
    QWidget window;
    window.resize(20, 20);
    window.setStyleSheet("background: #ff0000;");
    window.setAutoFillBackground(true);
    window.setMask(QRegion(5, 5, 10, 10));
    const QImage image = WindowSnapshot(window);
    ASSERT_EQ(image.size(), QSize(20, 20));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(19, 10)), 0);
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));
}

} // namespace
} // namespace corvane
