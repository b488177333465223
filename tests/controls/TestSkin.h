#pragma once

#include "skin/SkinPaths.h"
#include "skin/SkinTestFolder.h"
#include "skin/UIWnd.h"
#include "skin/UiFile.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvane::test {

// A skinned window that records its commands.
using Commands = std::vector<std::pair<int, int>>;
class TestWindow : public UIWnd {
public:
    explicit TestWindow(int number) : number_(number) {}
    void onCommand(int id, int notification) override { commands.emplace_back(id, notification); }
    int designatedSkinNumber() const override { return number_; }
    Commands commands;
    const int number_;
};

inline QRgb Rgb(const QColor& color) {
    return color.rgb() & 0x00FFFFFF;
}
inline QRgb Pixel(const QImage& image, QPoint at) {
    return Rgb(image.pixel(at));
}

// The flat state images of the test window.
inline const QColor kNormal(200, 0, 0), kHover(0, 200, 0), kPressed(200, 200, 0),
    kDisabled(90, 90, 90);

// A skin written into a temporary folder (the.ui, Resource.h and flat-coloured
// bitmaps, so that every pixel a control paints is known) and a test window on
// it: skin number 1000 with 200x100 state images; the tests add its control
// sections (ids IDC_101 .. IDC_105 are defined).
class SkinWindowTest : public ::testing::Test {
protected:
    SkinWindowTest() {
        define("IDW_MAIN", 1000);
        for (int id = 101; id <= 105; ++id)
            define("IDC_" + std::to_string(id), id);
        for (const auto& [name, color] : {std::pair{"n.bmp", kNormal},
                                          {"h.bmp", kHover},
                                          {"s.bmp", kPressed},
                                          {"d.bmp", kDisabled}})
            flat(name, {200, 100}, color);
    }
    void define(const std::string& name, int value) {
        header_ += "#define " + name + " " + std::to_string(value) + "\n";
    }
    // Adds a section or replaces the one of that name.
    void section(const std::string& name, const std::string& lines) {
        std::erase_if(sections_, [&](const auto& section) { return section.first == name; });
        sections_.emplace_back(name, lines);
    }
    // The sections IDW_MAIN_0.. in order.
    void controls(const std::vector<std::string>& sections) {
        for (std::size_t n = 0; n < sections.size(); ++n)
            section("IDW_MAIN_" + std::to_string(n), sections[n]);
    }
    void flat(const std::string& name, QSize size, QColor color) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        image.save(QString::fromStdString(folder_.file(name)), "BMP");
    }
    // Writes the skin and makes it the process-wide one, then creates and
    // shows a new window; the one before goes.
    void create() {
        section("IDW_MAIN", windowKeys_);
        std::string ui;
        for (const auto& [name, body] : sections_)
            ui += "[" + name + "]\n" + body + "\n";
        folder_.write("Resource.h", header_);
        UiFile::clearCache();
        SetUIPath(folder_.write("the.ui", ui));
        window_.emplace(1000);
        ASSERT_TRUE(window_->createSkin());
        window_->move(0, 0);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&*window_));
    }
    // A new window whose only control, id 101, has the keys.
    template <typename T> T* single(const std::string& keys) {
        controls({"IDs=IDC_101\n" + keys});
        create();
        return window_->controlAs<T>(101);
    }
    QRgb shown(QWidget* control, QPoint at = {2, 2}) {
        return Pixel(control->window()->grab().toImage(), control->mapTo(control->window(), at));
    }

    SkinTestFolder folder_;
    std::vector<std::pair<std::string, std::string>> sections_;
    std::string header_;
    std::string windowKeys_ = "BKN=n.bmp\nBKH=h.bmp\nBKS=s.bmp\nBKD=d.bmp";
    std::optional<TestWindow> window_;
};

} // namespace corvane::test
