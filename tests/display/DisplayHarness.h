#pragma once

#include "app/AppHarness.h"
#include "skin/controls/UIComboBox.h"

#include <QAbstractItemView>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <functional>

namespace corvane::test {

// The program on the X server with input as an operator gives it: xdotool
// moves the real pointer and presses real keys, and pictures are read back
// from the screen, so shapes, popups and focus are what the server shows.
class DisplayHarness : public AppHarness {
protected:
    void SetUp() override {
        AppHarness::SetUp();
        ASSERT_TRUE(start());
        ASSERT_TRUE(waitFor([this] { return window().isActiveWindow(); }));
    }

    static void xdotool(const QStringList& arguments) {
        ASSERT_EQ(QProcess::execute(QStringLiteral(CORVANE_XDOTOOL), arguments), 0)
            << arguments.join(' ').toStdString();
    }
    // A real left click, at the widget's centre unless a point is given.
    void clickAt(QWidget* widget, std::optional<QPoint> point = std::nullopt) {
        const QPoint at = widget->mapToGlobal(point.value_or(widget->rect().center()));
        xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click",
                 "1"});
        QTest::qWait(50);
    }
    // Keys as xdotool names them ("Down", "Tab").
    void press(const QString& keys) {
        xdotool(QStringList{"key", "--delay", "20"} + keys.split(u' '));
        QTest::qWait(50);
    }
    static bool waitFor(const std::function<bool()>& condition) {
        for (int i = 0; i < 500 && !condition(); ++i)
            QTest::qWait(10);
        return condition();
    }

    static QImage onScreen(const QWidget* widget) {
        const QPoint at = widget->mapToGlobal(QPoint(0, 0));
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, at.x(), at.y(), widget->width(), widget->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    // Saves a picture for a reviewer.
    static void keep(const QImage& image, const QString& name) {
        const QString folder = QStringLiteral(CORVANE_SCREENSHOT_DIR);
        QDir().mkpath(folder);
        EXPECT_TRUE(image.save(QDir(folder).filePath(name + QStringLiteral(".png"))))
            << name.toStdString();
    }

    void chooseKind(EventKind kind) {
        clickAt(window().control(kSelectorIds[static_cast<std::size_t>(kind)]));
        ASSERT_TRUE(waitFor([&] { return window().currentKind() == kind; }));
    }
    UIComboBox* combo(EventKind kind, int id) const {
        return qobject_cast<UIComboBox*>(panelControl(kind, id));
    }
    // Opens a combo box's list with a click on its arrow.
    void openList(UIComboBox* box) {
        clickAt(box, QPoint(box->width() - 4, box->height() / 2));
        ASSERT_TRUE(waitFor([box] { return box->view()->isVisible(); }));
    }
    void chooseItem(UIComboBox* box, int index) {
        openList(box);
        QAbstractItemView* list = box->view();
        list->scrollTo(list->model()->index(index, 0));
        QTest::qWait(20);
        clickAt(list->viewport(), list->visualRect(list->model()->index(index, 0)).center());
        ASSERT_TRUE(waitFor([box] { return !box->view()->isVisible(); }));
    }
};

} // namespace corvane::test
