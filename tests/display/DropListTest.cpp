// Drop lists and the window's shape on the X server.
#include "DisplayHarness.h"

namespace corvane::test {
namespace {

using DropListTest = DisplayHarness;

struct DropListCase {
    const char* name;
    EventKind kind;
    int comboId;
    int chosen; // the item chosen before the list opens
};

// clang-format off
const DropListCase kDropLists[] = {
    {"SensorLastChannelAtTheEnd", EventKind::Sensor, kIdSensorLastChannel, 511},
    {"WeekClockLevel", EventKind::WeekClock, kIdWcLevel, 0},
};
// clang-format on

TEST_F(DropListTest, ListDropsBelowTheFaceAboutTwiceTheDropHeightWithTheChosenItemInView) {
    window().move(window().x(), 0); // room below every combo box
    ASSERT_TRUE(waitFor([this] { return window().y() == 0; }));
    for (const DropListCase& c : kDropLists) {
        SCOPED_TRACE(c.name);
        chooseKind(c.kind);
        UIComboBox* box = combo(c.kind, c.comboId);
        ASSERT_NE(box, nullptr);
        box->setCurrentIndex(c.chosen);
        openList(box);
        QWidget* popup = box->view()->window();
        const QRect face(box->mapToGlobal(QPoint(0, 0)), box->size());
        const QRect list = popup->frameGeometry();
        EXPECT_GE(list.top(), face.bottom());
        // A short list is only as tall as its items.
        const int rows = box->view()->sizeHintForRow(0);
        const int wanted = std::min(2 * box->dropListHeight(), box->count() * rows);
        EXPECT_LE(list.height(), wanted + 8);
        EXPECT_GE(list.height(), wanted - rows - 8);
        const QRect item = box->view()->visualRect(box->model()->index(c.chosen, 0));
        EXPECT_TRUE(box->view()->viewport()->rect().contains(item));
        press("Escape");
        ASSERT_TRUE(waitFor([box] { return !box->view()->isVisible(); }));
    }
}

TEST_F(DropListTest, ListOpensAboveWhereTheScreenHasNoRoomBelow) {
    chooseKind(EventKind::Sensor);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window().move(window().x(), screen.bottom() - window().height() + 20);
    ASSERT_TRUE(waitFor([&] { return window().geometry().bottom() > screen.bottom(); }));
    UIComboBox* box = combo(EventKind::Sensor, kIdSensorLastChannel);
    openList(box);
    EXPECT_LE(box->view()->window()->frameGeometry().bottom(), box->mapToGlobal(QPoint(0, 0)).y());
    press("Escape");
}

TEST_F(DropListTest, WindowCornersShowTheScreenBehindNotTheKeyColour) {
    const QImage shown = onScreen(&window());
    keep(shown, QStringLiteral("main_window"));
    const QRgb magenta = qRgb(255, 0, 255);
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(shown.width() - 1, 0), QPoint(0, shown.height() - 1),
          QPoint(shown.width() - 1, shown.height() - 1)}) {
        EXPECT_NE(shown.pixel(corner) & 0xFFFFFF, magenta & 0xFFFFFF)
            << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(shown.pixel(window().width() / 2, 5),
              window().image(kImageNormal).pixel(window().width() / 2, 5));
}

} // namespace
} // namespace corvane::test
