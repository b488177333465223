// The default skin as the build placed it beside the program: what the code
// needs from Resource.h and the.ui, and the rendered bitmaps.

#include "skin/ControlReader.h"
#include "skin/ResourceLookup.h"
#include "skin/WindowSkin.h"

#include <QColor>
#include <QImage>
#include <algorithm>
#include <array>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace corvane::test {
namespace {

constexpr int kMainWindow = 1000;
constexpr int kWindows[] = {1000, 1020, 1055, 1080, 1098, 1114, 1125, 1142};

SkinFiles Files() {
    return SkinFiles::forUiFile(CORVANE_TEST_SKIN_FILE);
}
std::string SectionOf(int window) {
    return ResolveSkinSection(Files(), window);
}
std::vector<ControlDescription> ControlsOf(int window) {
    return ReadControlDescriptions(Files(), SectionOf(window));
}

// Child ids first..last the code of a window uses, with the type it expects.
struct Required {
    int window, first, last;
    ControlType type;
};
constexpr auto B = ControlType::PushButton, R = ControlType::Radio, K = ControlType::Check,
               C = ControlType::ComboBox, S = ControlType::Static, E = ControlType::Edit;
// clang-format off
constexpr Required kRequired[] = {
    {1000, 1001, 1001, B}, // main window: minimise
    {1000, 1003, 1007, B}, // close, add, delete, receive, send
    {1000, 1012, 1014, B}, // clear, import, export
    {1000, 1018, 1018, B}, // empty table
    {1000, 1008, 1011, R}, // kind selectors, one radio group
    {1000, 1016, 1017, R},
    {1000, 1019, 1019, R},
    {1000, 1015, 1015, E}, // event name
    {1020, 1021, 1028, K}, // week clock: day boxes and all days
    {1020, 1029, 1030, R}, // the mode pair
    {1020, 1031, 1034, C}, // the channel block
    {1055, 1056, 1059, C}, // timecode: channel block
    {1055, 1060, 1067, S}, // the eight spin read-outs
    {1080, 1081, 1088, C}, // MIDI
    {1098, 1099, 1103, C}, // audio
    {1098, 1105, 1105, C},
    {1114, 1105, 1105, C}, // relay
    {1114, 1115, 1118, C},
    {1125, 1134, 1139, C}, // sensor: the boxes
    {1125, 1128, 1128, S}, // the labels the output type rewrites
    {1125, 1130, 1132, S},
    {1125, 1140, 1140, S}, // the settings
    {1125, 1015, 1015, S},
    {1142, 1139, 1139, C}, // analog: the boxes
    {1142, 1152, 1156, C},
    {1142, 1148, 1151, S}, // the labels
    {1142, 1140, 1140, E}, // the voltage fields
    {1142, 1015, 1015, E},
};

// Rectangles the code of a window places its own widgets in.
struct CodeOwned {
    int window;
    SkinRect rect;
};
const CodeOwned kCodeOwned[] = {
    {1000, {369,  77, 790, 573}}, // the event list
    {1000, { 15, 583, 780, 597}}, // the progress bar
    {1000, { 11, 173, 361, 573}}, // the largest panel area the window allows
    {1020, {192,  69, 282,  94}}, // date and time pickers
    {1020, {192, 115, 282, 140}},
    {1020, { 94, 175, 219, 200}},
    {1020, { 94, 204, 219, 229}},
    {1055, {115,  55, 155,  78}}, // spin buttons
    {1055, {115,  93, 155, 116}},
    {1055, {115, 132, 155, 155}},
    {1055, {115, 170, 155, 193}},
    {1055, {202,  55, 242,  78}},
    {1055, {202,  93, 242, 116}},
    {1055, {202, 132, 242, 155}},
    {1055, {202, 170, 242, 193}},
    {1125, {197, 146, 242, 169}}, // the sensor's spin buttons, hidden but kept free
    {1125, {197, 178, 242, 201}},
};
// clang-format on

TEST(DefaultSkinResourceHeader, EveryNameIsDefinedOnceAndFindsItsOwnLine) {
    const std::string header = Files().resourceHeader;
    std::ifstream in(header);
    std::map<std::string, int> seen;
    std::map<int, std::string> firstNameOf;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string directive, name;
        int value;
        if (!(words >> directive >> name >> value) || directive != "#define")
            continue;
        EXPECT_EQ(++seen[name], 1) << name << " defined twice";
        // The lookup matches substrings: a name inside an earlier name would
        // resolve to that earlier line.
        EXPECT_EQ(LookupResourceId(header, name), value) << name;
        firstNameOf.try_emplace(value, name);
    }
    ASSERT_GT(seen.size(), 90u);
    // The number lookup takes the text after the last blank: the lines must
    // end in the bare value.
    for (const auto& [value, name] : firstNameOf)
        EXPECT_EQ(LookupResourceName(header, value), name);
}

TEST(DefaultSkinResourceHeader, EveryIdTheCodeUsesBelongsToExactlyOneControlOfItsWindow) {
    const std::string header = Files().resourceHeader;
    for (const Required& r : kRequired) {
        const auto controls = ControlsOf(r.window);
        for (int id = r.first; id <= r.last; ++id) {
            SCOPED_TRACE(testing::Message() << "id " << id << " in window " << r.window);
            int matches = 0;
            for (const ControlDescription& control : controls) {
                const ControlCommon& c = CommonOf(control);
                if (c.id != id)
                    continue;
                ++matches;
                EXPECT_EQ(c.type, r.type);
                // The event name and the voltages are one-line fields.
                if (r.type == E) {
                    EXPECT_EQ(c.style & style::kEditMultiline, 0u);
                }
                EXPECT_EQ(LookupResourceId(header, c.idName), id) << c.idName;
            }
            EXPECT_EQ(matches, 1);
        }
    }
}

QImage Load(const std::string& path) {
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

// Normal, hover, pressed and disabled, indexed by the state constants.
std::array<QImage, 4> StateImages(const WindowSkin& skin) {
    return {Load(skin.normalImage), Load(skin.hoverImage), Load(skin.pressedImage),
            Load(skin.disabledImage)};
}
std::array<QImage, 4> StateImages(int window) {
    return StateImages(ReadWindowSkin(Files(), SectionOf(window)));
}

QImage Piece(const QImage& image, const SkinRect& r) {
    return image.copy(r.left, r.top, r.width(), r.height());
}

// Average lightness (0..255) of the middle third of a piece, where the text goes.
int Lightness(const QImage& piece) {
    const QRect middle(piece.width() / 3, piece.height() / 3, std::max(1, piece.width() / 3),
                       std::max(1, piece.height() / 3));
    return QColor(piece.copy(middle)
                      .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .pixel(0, 0))
        .lightness();
}

bool Overlap(const SkinRect& a, const SkinRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Buttons and combo boxes look different when hovered, pressed or disabled;
// check boxes and radio buttons have checked images of their size that differ
// from the unchecked face; edit fields and combo faces are light under the
// black text the controls draw; combo boxes are unsorted drop-down lists.
TEST(DefaultSkinWindows, RenderAtOneSizeAndPlaceAndDrawTheirControls) {
    const QSize panelSize = StateImages(1020)[kStateNormal].size();
    for (int window : kWindows) {
        SCOPED_TRACE(testing::Message() << "window " << window);
        const auto images = StateImages(window);
        const QSize size = images[kStateNormal].size();
        ASSERT_FALSE(size.isEmpty());
        for (const QImage& image : images)
            EXPECT_EQ(image.size(), size);
        if (window == kMainWindow) {
            EXPECT_EQ(size, QSize(805, 610));
        } else { // the main window gives every panel the week-clock panel's size
            EXPECT_EQ(size, panelSize);
            EXPECT_TRUE(size.width() <= 350 && size.height() <= 400);
        }
        const auto controls = ControlsOf(window);
        ASSERT_FALSE(controls.empty());
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const ControlCommon& c = CommonOf(controls[i]);
            SCOPED_TRACE(c.section);
            EXPECT_TRUE(c.rect.width() > 0 && c.rect.height() > 0 && c.rect.left >= 0 &&
                        c.rect.top >= 0 && c.rect.right <= size.width() &&
                        c.rect.bottom <= size.height())
                << "empty or outside the window";
            for (const CodeOwned& owned : kCodeOwned)
                EXPECT_FALSE(owned.window == window && Overlap(c.rect, owned.rect))
                    << "covers the code's widget at " << owned.rect.left << "," << owned.rect.top;
            for (std::size_t j = i + 1; j < controls.size(); ++j)
                EXPECT_FALSE(Overlap(c.rect, CommonOf(controls[j]).rect))
                    << "overlaps " << CommonOf(controls[j]).section;
            const QImage normal = Piece(images[kStateNormal], c.rect);
            if (c.type == B || c.type == K || c.type == R || c.type == C) {
                for (int s : {kStateHover, kStatePressed, kStateDisabled})
                    EXPECT_NE(Piece(images[s], c.rect), normal) << "state " << s;
            }
            if (const auto* button = std::get_if<ButtonDescription>(&controls[i]);
                button && button->isCheckable()) {
                ASSERT_FALSE(button->checkedImageFiles.empty());
                for (const std::string& path : button->checkedImageFiles)
                    EXPECT_EQ(Load(path).size(), QSize(c.rect.width(), c.rect.height())) << path;
                EXPECT_NE(Load(button->checkedImageFiles[kStateNormal]), normal);
            }
            if (c.type == E || c.type == C) {
                EXPECT_GT(Lightness(normal), 200);
            }
            if (const auto* combo = std::get_if<ComboBoxDescription>(&controls[i])) {
                EXPECT_EQ(combo->style & style::kComboSort, 0u);
                EXPECT_EQ(combo->style & style::kComboStyleMask, style::kComboDropDownList);
            }
        }
    }
}

TEST(DefaultSkinMainWindow, MaskColourCutsOnlyTheRoundedCorners) {
    const WindowSkin skin = ReadWindowSkin(Files(), SectionOf(kMainWindow));
    ASSERT_TRUE(skin.useMaskColor);
    const QRgb key = qRgb(skin.red & 0xFF, skin.green & 0xFF, skin.blue & 0xFF);
    for (const QImage& image : StateImages(skin)) {
        const int w = image.width(), h = image.height();
        for (const QPoint p :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            EXPECT_EQ(image.pixel(p), key);
        int stray = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                stray += image.pixel(x, y) == key &&
                         !(std::min(x, w - 1 - x) < 10 && std::min(y, h - 1 - y) < 10);
        EXPECT_EQ(stray, 0);
    }
}

// A radio group runs from a control with WS_GROUP up to the next one; the
// members must follow each other in creation order, the kind selectors also
// from left to right on screen.
TEST(DefaultSkinGroups, KindSelectorsAndWeekClockModesFormOneGroupEach) {
    const std::pair<int, std::vector<int>> groups[] = {
        {kMainWindow, {1008, 1009, 1010, 1011, 1017, 1016, 1019}},
        {1020, {1029, 1030}},
    };
    for (const auto& [window, ids] : groups) {
        std::vector<int> order;
        int previousLeft = -1;
        bool inGroup = false;
        for (const ControlDescription& control : ControlsOf(window)) {
            const ControlCommon& c = CommonOf(control);
            if (c.style & style::kGroup)
                inGroup = c.id == ids.front();
            if (!inGroup || c.type != R)
                continue;
            order.push_back(c.id);
            if (window == kMainWindow) {
                EXPECT_GT(c.rect.left, previousLeft) << c.id;
            }
            previousLeft = c.rect.left;
        }
        EXPECT_EQ(order, ids) << "window " << window;
    }
}

} // namespace
} // namespace corvane::test
