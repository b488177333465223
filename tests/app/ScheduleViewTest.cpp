// The week schedule in the window: the same picture as the core's PNG, bars
// that lead to their list lines, a view that follows the event file, and the
// conflict count in the status note.
#include "AppHarness.h"
#include "events/WeekClockEntries.h"
#include "schedule/RasterPainter.h"
#include "schedule/ScheduleDrawing.h"
#include "scheduleview/QtSchedulePainter.h"
#include "scheduleview/ScheduleWindow.h"
#include "support/TempFolder.h"

#include <QAbstractButton>
#include <QImage>
#include <QPainter>
#include <QTimeEdit>

namespace corvane::test {
namespace {

// An entry of the shared week-clock helpers under a name of its own.
WeekClockRecord Named(WeekClockRecord record, const std::string& name) {
    record.name = name;
    return record;
}

// The event file holding the entries.
std::vector<std::uint8_t> WeekFile(const std::vector<WeekClockRecord>& records) {
    return TableOf(records).bytes();
}

TEST(QtSchedulePainter, PaintsThePictureTheRasterPainterPaints) {
    const EventTable table = TableOf(std::vector{
        Weekly(2, 800, 1200, 40), Weekly(7, 2200, 200, 255), Dated(310, 3, 900, 310, 3, 1100)});
    const ScheduleLayout layout = LayOutSchedule(table, 2, CivilDate{2026, 3, 10});
    ASSERT_EQ(layout.bars.size(), 4u);
    RasterPainter raster(kScheduleWidth, kScheduleHeight);
    DrawSchedule(layout, raster);
    QImage image(kScheduleWidth, kScheduleHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    QtSchedulePainter qtPainter(painter);
    DrawSchedule(layout, qtPainter);
    painter.end();
    int differing = 0;
    for (int y = 0; y < kScheduleHeight; ++y)
        for (int x = 0; x < kScheduleWidth; ++x) {
            const Rgb want = raster.pixel(x, y);
            differing += image.pixel(x, y) != qRgb(want.r, want.g, want.b);
        }
    EXPECT_EQ(differing, 0);
}

class ScheduleTest : public AppHarness {
protected:
    void writeWeekFile(const std::vector<std::uint8_t>& bytes) {
        TempFolder::writeFile(folderPath("EventWeekInfo.bin"), bytes);
    }
    ScheduleWindow& openSchedule() {
        click(kIdSchedule);
        EXPECT_NE(window().scheduleWindow(), nullptr);
        return *window().scheduleWindow();
    }
    // The middle of the first bar drawn for the record.
    static std::optional<QPoint> barOf(const ScheduleView& view, std::size_t record) {
        for (const ScheduleBar& bar : view.layout().bars)
            if (bar.record == record) {
                const ScheduleRect r = BarRect(view.layout(), bar);
                return QPoint(r.x + r.width / 2, r.y + r.height / 2);
            }
        return std::nullopt;
    }
};

// Each click starts from another kind; the list switches to the week clock
// and to the group of the entry, and selects its line alone.
TEST_F(ScheduleTest, ClickOnABarSelectsItsListLineAndTheTooltipIsThatLine) {
    writeWeekFile(
        WeekFile({Named(Weekly(2, 800, 1000), "early"), Named(Weekly(4, 1200, 1400), "noon"),
                  Named(Dated(310, 3, 800, 310, 3, 900), "spring"),
                  Named(Dated(312, 5, 1500, 312, 5, 1700), "fair")}));
    ASSERT_TRUE(start());
    ScheduleWindow& schedule = openSchedule();
    EXPECT_TRUE(schedule.isVisible());
    EXPECT_TRUE(window().control(kIdSchedule)->toolTip().endsWith("(F7)"));
    schedule.showWeekOf(QDate(2026, 3, 11));

    struct Case {
        std::size_t record;
        const char* name;
        int line;
    };
    const Case cases[] = {
        {0, "early", 0},
        {3, "fair", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        selectKind(EventKind::Midi);
        const auto at = barOf(schedule.view(), c.record);
        ASSERT_TRUE(at);
        QTest::mouseClick(&schedule.view(), Qt::LeftButton, {}, *at);
        EXPECT_EQ(window().currentKind(), EventKind::WeekClock);
        EXPECT_TRUE(window().controlAs<QAbstractButton>(kIdSelectWeekClock)->isChecked());
        EXPECT_FALSE(window().controlAs<QAbstractButton>(kIdSelectMidi)->isChecked());
        ASSERT_EQ(listLines().size(), 2);
        EXPECT_TRUE(listLines()[c.line].startsWith(c.name));
        EXPECT_EQ(window().eventList()->currentRow(), c.line);
        EXPECT_EQ(window().eventList()->selectedItems().size(), 1);
        EXPECT_EQ(schedule.view().toolTipAt(*at), listLines()[c.line]);
    }
    EXPECT_TRUE(schedule.view().toolTipAt(QPoint(1, 1)).isEmpty());
}

// Changes through the window and by another program (a file renamed into
// place) both reach the open schedule; the key opens the same window again.
TEST_F(ScheduleTest, TheScheduleFollowsTheEventFile) {
    ASSERT_TRUE(start());
    ScheduleWindow& schedule = openSchedule();
    EXPECT_TRUE(schedule.view().layout().bars.empty());
    qobject_cast<QTimeEdit*>(panelControl(EventKind::WeekClock, kIdStartTimePicker))
        ->setTime(QTime(8, 0));
    qobject_cast<QTimeEdit*>(panelControl(EventKind::WeekClock, kIdEndTimePicker))
        ->setTime(QTime(9, 0));
    clickPanel(EventKind::WeekClock, kIdWcMonday);
    click(kIdAdd);
    EXPECT_EQ(schedule.view().layout().bars.size(), 1u);
    click(kIdClear);
    EXPECT_TRUE(schedule.view().layout().bars.empty());

    const std::string replacement = folderPath("replacement.bin");
    TempFolder::writeFile(replacement, WeekFile({Weekly(1, 800, 900), Weekly(3, 800, 900)}));
    std::filesystem::rename(replacement, folderPath("EventWeekInfo.bin"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return schedule.view().layout().bars.size() == 2; }));

    schedule.hide();
    QTest::keyClick(&window(), Qt::Key_F7);
    EXPECT_EQ(window().scheduleWindow(), &schedule);
    EXPECT_TRUE(schedule.isVisible());
}

// The refill after a kind switch counts the kind's conflicting pairs; a count
// that no longer holds goes.
TEST_F(ScheduleTest, StatusNoteCountsTheConflictsOfTheKind) {
    ASSERT_TRUE(start());
    writeWeekFile(
        WeekFile({Weekly(2, 800, 1000), Weekly(2, 900, 1100, 200), Weekly(2, 900, 1200, 50)}));
    selectKind(EventKind::WeekClock);
    EXPECT_EQ(window().statusNote(), "3 conflicts in this kind.");
    writeWeekFile(WeekFile({Weekly(2, 800, 1000)}));
    selectKind(EventKind::WeekClock);
    EXPECT_EQ(window().statusNote(), "");
}

// A receive refills the list by itself: the marks and the count follow it, and
// the count goes after the receive's own note. A marked line names the other
// event in its tooltip; a line without a conflict stays plain.
TEST_F(ScheduleTest, ReceiveMarksConflictsAndAddsTheCountToItsNote) {
    ASSERT_TRUE(start());
    const std::string clash = folderPath("clash.trc");
    TempFolder::writeFile(
        clash, WeekFile({Weekly(2, 800, 1000), Weekly(2, 900, 1100, 200), Weekly(3, 800, 900, 1)}));
    send(clash);
    receive(folderPath("back.trc"));
    EXPECT_EQ(window().statusNote(), "Received 3 events. 1 conflict in this kind.");
    ASSERT_EQ(listLines().size(), 3);
    const QListWidget& list = *window().eventList();
    EXPECT_EQ(list.item(0)->toolTip(), "Conflicts with:\n" + listLines()[1]);
    EXPECT_EQ(list.item(1)->background(), list.item(0)->background());
    EXPECT_NE(list.item(1)->background().style(), Qt::NoBrush);
    EXPECT_EQ(list.item(2)->background().style(), Qt::NoBrush);
    EXPECT_TRUE(list.item(2)->toolTip().isEmpty());
    EXPECT_TRUE(prompter.messages.empty());
}

} // namespace
} // namespace corvane::test
