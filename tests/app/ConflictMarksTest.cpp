#include "app/ConflictMarks.h"

#include "app/ListWidgetEventView.h"
#include "events/EventList.h"
#include "events/RelayRecord.h"
#include "support/FileOfRecords.h"
#include "support/TempFolder.h"

#include <QListWidget>
#include <gtest/gtest.h>

namespace corvane {
namespace {

// Conflicting lines get a background and a tooltip naming the other event;
// their text and the other lines stay as they were.
TEST(ConflictMarks, MarkConflictingLinesOnly) {
    test::TempFolder folder;
    folder.write("relayEvent.bin",
                 test::FileOfRecords(std::vector<RelayRecord>{
                     {1, 0, 100, 3, 0, "up"}, {1, 50, 150, 3, 1, "down"}, {2, 0, 9, 1, 0, "x"}}));
    QListWidget widget;
    ListWidgetEventView view(widget);
    FillEventList(folder.path(), EventKind::Relay, true, view);
    EXPECT_EQ(MarkConflicts(widget, folder.path(), EventKind::Relay, true), 1u);
    EXPECT_EQ(widget.item(0)->toolTip(),
              "Conflicts with:\ndown:ch=1 Level(low:50,high:150)-Relay(No.=3:Status=Off)");
    EXPECT_EQ(widget.item(0)->text(), "up:ch=1 Level(low:0,high:100)-Relay(No.=3:Status=On)");
    EXPECT_EQ(widget.item(1)->background().color(), widget.item(0)->background().color());
    EXPECT_NE(widget.item(1)->background().style(), Qt::NoBrush);
    EXPECT_EQ(widget.item(2)->background().style(), Qt::NoBrush);
    EXPECT_TRUE(widget.item(2)->toolTip().isEmpty());
}

} // namespace
} // namespace corvane
