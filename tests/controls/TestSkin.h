#pragma once

#include "skin/SkinPaths.h"
#include "skin/UIWnd.h"
#include "skin/UiFile.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace corvane::test {

// A skin written into a temporary folder: the.ui, Resource.h and flat-coloured
// bitmaps, so that every pixel a control paints is known.
class TestSkin {
public:
    TestSkin& define(const std::string& name, int value) {
        header_ += "#define " + name + " " + std::to_string(value) + "\n";
        return *this;
    }
    // Adds a section, or replaces the lines of one added before.
    TestSkin& section(const std::string& name, const std::string& lines) {
        for (auto& [existing, body] : sections_) {
            if (existing == name) {
                body = lines;
                return *this;
            }
        }
        sections_.emplace_back(name, lines);
        return *this;
    }
    // A bitmap of one colour; returns its file name.
    std::string flat(const std::string& name, QSize size, QColor color) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        return bitmap(name, image);
    }
    std::string bitmap(const std::string& name, const QImage& image) {
        image.save(dir_.filePath(QString::fromStdString(name)), "BMP");
        return name;
    }
    // Writes the.ui and Resource.h and makes them the process-wide skin.
    void install() {
        std::string ui;
        for (const auto& [name, body] : sections_)
            ui += "[" + name + "]\n" + body + "\n";
        for (const auto& [name, text] :
             {std::pair{"the.ui", ui}, std::pair{"Resource.h", header_}}) {
            QFile file(dir_.filePath(name));
            file.open(QIODevice::WriteOnly | QIODevice::Truncate);
            file.write(text.data(), qint64(text.size()));
        }
        UiFile::clearCache();
        SetUIPath(dir_.filePath("the.ui").toStdString());
    }

private:
    QTemporaryDir dir_;
    std::vector<std::pair<std::string, std::string>> sections_;
    std::string header_;
};

// A skinned window with a chosen skin number that records its commands.
class TestWindow : public UIWnd {
public:
    explicit TestWindow(int number, QWidget* parent = nullptr) : UIWnd(parent), number_(number) {}
    void onCommand(int id, int notification) override { commands.emplace_back(id, notification); }
    std::vector<std::pair<int, int>> commands;

protected:
    int SetSkinNumber() const override { return number_; }

private:
    int number_;
};

// The colour of a pixel of an image, without alpha.
inline QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0x00FFFFFF;
}
inline QRgb Pixel(const QImage& image, QPoint at) {
    return Pixel(image, at.x(), at.y());
}

// The bounding box of the pixels of an image for which the test holds.
template <typename Test> QRect BoundsWhere(const QImage& image, Test test) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}
// ... that have the colour, give or take the blending of anti-aliased text edges.
inline QRect BoundsOf(const QImage& image, QColor c) {
    return BoundsWhere(image, [c](QColor p) {
        return qAbs(p.red() - c.red()) <= 60 && qAbs(p.green() - c.green()) <= 60 &&
               qAbs(p.blue() - c.blue()) <= 60;
    });
}
// ... that differ from the background colour.
inline QRect BoundsExcept(const QImage& image, QColor background) {
    return BoundsWhere(
        image, [background](QColor p) { return ((p.rgb() ^ background.rgb()) & 0x00FFFFFF) != 0; });
}

// The colours of the flat state images of the test window.
inline const QColor kNormal(200, 0, 0), kHover(0, 200, 0), kPressed(200, 200, 0),
    kDisabled(90, 90, 90);

inline QRgb Rgb(const QColor& color) {
    return color.rgb() & 0x00FFFFFF;
}

// A test window with skin number 1000 and flat 200x100 state images; the
// tests add its control sections (ids IDC_101 .. IDC_106 are defined).
class SkinWindowTest : public ::testing::Test {
protected:
    SkinWindowTest() {
        skin_.define("IDW_MAIN", 1000);
        for (int id = 101; id <= 106; ++id)
            skin_.define("IDC_" + std::to_string(id), id);
        skin_.flat("n.bmp", {200, 100}, kNormal);
        skin_.flat("h.bmp", {200, 100}, kHover);
        skin_.flat("s.bmp", {200, 100}, kPressed);
        skin_.flat("d.bmp", {200, 100}, kDisabled);
    }
    // Installs the skin, then creates and shows the window.
    void create(TestWindow& window) {
        skin_.section("IDW_MAIN", windowKeys_);
        skin_.install();
        ASSERT_TRUE(window.createSkin());
        window.move(0, 0);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void create() { create(window_); }
    // A fresh window whose only control (id 101) has the keys.
    template <typename T> T* single(TestWindow& window, const std::string& keys) {
        skin_.section("IDW_MAIN_0", "IDs=IDC_101\n" + keys);
        create(window);
        return window.controlAs<T>(101);
    }
    template <typename T> T* single(const std::string& keys) { return single<T>(window_, keys); }
    // The colour the window shows at a point of one of its controls.
    QRgb shown(QWidget* control, QPoint at = {2, 2}) {
        return Pixel(control->window()->grab().toImage(), control->mapTo(control->window(), at));
    }

    TestSkin skin_;
    std::string windowKeys_ = "BKN=n.bmp\nBKH=h.bmp\nBKS=s.bmp\nBKD=d.bmp";
    TestWindow window_{1000};
};

} // namespace corvane::test
