#include "skin/ControlFactory.h"

#include "skin/controls/Drawing.h"
#include "skin/controls/SkinFont.h"
#include "skin/controls/UIButton.h"
#include "skin/controls/UIComboBox.h"
#include "skin/controls/UIEdit.h"
#include "skin/controls/UISlider.h"
#include "skin/controls/UIStatic.h"

#include <QPointer>
#include <algorithm>

namespace corvane {

namespace {

// The rectangle as Qt takes it. Edges far beyond any screen are pulled in, so
// that no width, height or far edge overflows in Qt's own arithmetic.
QRect ToQRect(const SkinRect& rect) {
    static constexpr std::int32_t kFar = 1 << 24;
    const auto edge = [](std::int32_t value) { return std::clamp(value, -kFar, kFar); };
    const int left = edge(rect.left);
    const int top = edge(rect.top);
    return QRect(left, top, qMax(0, edge(rect.right) - left), qMax(0, edge(rect.bottom) - top));
}

// Texts of the UI file are UTF-8 when they decode as such, else Latin-1.
QString SkinText(const std::string& text) {
    const QString decoded = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (decoded.contains(QChar::ReplacementCharacter))
        return QString::fromLatin1(text.data(), qsizetype(text.size()));
    return decoded;
}

QString FilePath(const std::string& path) {
    return QString::fromStdString(path);
}

// The piece of a window image under a control, clipped to the image on all
// four edges, so that an absurd rectangle costs no absurd amount of memory. Its
// offset is where it sits in the control (DrawPiece); where the image does not
// reach, the control is outside its window and nothing of the piece is drawn.
QImage CutPiece(const QImage& full, const QRect& area) {
    const QRect inside = area.intersected(full.rect());
    if (full.isNull() || inside.isEmpty())
        return {};
    // A piece shares the window's pixels instead of copying them: the window
    // keeps its images until its controls are gone, and a control that ever
    // drew into its piece would get a copy of its own.
    QImage piece = full.depth() == 32
                       ? QImage(full.constScanLine(inside.top()) + inside.left() * 4,
                                inside.width(), inside.height(), full.bytesPerLine(), full.format())
                       : full.copy(inside);
    piece.setOffset(inside.topLeft() - area.topLeft());
    return piece;
}

ButtonKind KindOf(ControlType type) {
    switch (type) {
    case ControlType::Check:
        return ButtonKind::Check;
    case ControlType::Radio:
        return ButtonKind::Radio;
    default:
        return ButtonKind::Push;
    }
}

template <std::size_t N>
std::array<QFont, N> Fonts(const std::array<LOGFONTA, N>& logFonts, const QFont& base) {
    std::array<QFont, N> fonts;
    for (std::size_t i = 0; i < N; ++i)
        fonts[i] = FontFromLogFont(logFonts[i], base);
    return fonts;
}

template <std::size_t N> std::array<QRgb, N> Colors(const std::array<ColorRef, N>& colorRefs) {
    std::array<QRgb, N> colors;
    for (std::size_t i = 0; i < N; ++i)
        colors[i] = RgbFromColorRef(colorRefs[i]);
    return colors;
}

// The four state images named by files; a file that does not load gives none.
PerState<QImage> LoadImages(const PerState<std::string>& files) {
    PerState<QImage> images;
    for (int state = 0; state < 4; ++state)
        images[state] = LoadSkinImage(FilePath(files[state]));
    return images;
}

// Reports each user signal of the control to the window as a command.
template <typename Control, typename Signal>
void RouteCommand(UIWnd& window, Control* control, Signal signal, int notification) {
    QObject::connect(control, signal, &window, [&window, control, notification] {
        window.onCommand(ControlId(control), notification);
    });
}

} // namespace

std::vector<ControlEntry>
ControlFactory::createControls(const std::vector<ControlDescription>& descriptions) {
    std::vector<ControlEntry> entries;
    entries.reserve(descriptions.size());
    for (const ControlDescription& description : descriptions) {
        QWidget* control = createControl(description);
        if (!control)
            continue;
        const ControlCommon& common = CommonOf(description);
        const QRect rect =
            common.type == ControlType::ComboBox ? ToQRect(common.rect) : control->geometry();
        entries.push_back({control, rect, QString::fromUtf8(CanonicalTypeName(common.type))});
    }
    return entries;
}

QWidget* ControlFactory::createControl(const ControlDescription& description) {
    return std::visit(
        [this](const auto& d) -> QWidget* {
            using T = std::decay_t<decltype(d)>;
            if constexpr (std::is_same_v<T, ButtonDescription>)
                return createButton(d);
            else if constexpr (std::is_same_v<T, EditDescription>)
                return createEdit(d);
            else if constexpr (std::is_same_v<T, ComboBoxDescription>)
                return createComboBox(d);
            else if constexpr (std::is_same_v<T, StaticDescription>)
                return createStatic(d);
            else
                return createSlider(d);
        },
        description);
}

PerState<QImage> ControlFactory::cutStateImages(const SkinRect& rect, StateImages which) const {
    static constexpr int kCodes[4] = {kImageNormal, kImageHover, kImagePressed, kImageDisabled};
    PerState<QImage> pieces;
    if (which == StateImages::None)
        return pieces;
    const QRect area = ToQRect(rect);
    for (int state = 0; state < 4; ++state) {
        if (which == StateImages::NormalAndDisabled && state != kStateNormal &&
            state != kStateDisabled)
            continue;
        const QImage full = window_.image(kCodes[state]);
        pieces[state] = CutPiece(full, area);
    }
    return pieces;
}

void ControlFactory::applyCommon(QWidget* control, const ControlCommon& common,
                                 const SkinRect& rect) {
    SetControlId(control, common.id);
    control->setGeometry(ToQRect(rect));
    control->setEnabled(!common.disabled());
    control->setVisible(common.visible());
}

QWidget* ControlFactory::createButton(const ButtonDescription& d) {
    auto* button = new UIButton(KindOf(d.type), &window_);
    button->setSectionName(QString::fromStdString(d.section));
    button->setText(SkinText(d.caption));
    applyCommon(button, d, d.rect);
    button->setFocusPolicy(d.tabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    button->setFocusRectEnabled(d.focusRectFlag);
    button->setMultiline(d.style & style::kMultiline);
    if (d.type == ControlType::PushButton)
        button->setDefault(d.style & style::kDefPushButton);
    if (d.type == ControlType::Radio) {
        // A radio button with the group style starts a new group; the ones
        // after it belong to it.
        if (d.style & style::kGroup)
            ++radioGroup_;
        button->setRadioGroup(radioGroup_);
    }
    button->setStateImages(cutStateImages(d.rect, StateImagesOf(d.type)));
    if (d.isCheckable())
        button->setCheckedImages(LoadImages(d.checkedImageFiles));
    if (!d.maskFile.empty())
        LoadMaskRegion(button, FilePath(d.maskFile), RgbFromColorRef(kControlMaskColor));
    const PerState<QFont> fonts = Fonts(d.fonts, window_.font());
    button->setTextFonts(fonts);
    button->setCheckedTextFonts(fonts);
    button->setTextColors(Colors(d.colors));
    button->setCheckedTextColors(Colors(d.checkedColors));
    PerState<TextLayout> layouts;
    layouts.fill(d.layout);
    button->setTextLayouts(layouts);
    button->setCheckedTextLayouts(layouts);
    if (d.hasToolTip)
        button->setToolTip(SkinText(d.toolTip));
    RouteCommand(window_, button, &QAbstractButton::clicked, kButtonClicked);
    return button;
}

QWidget* ControlFactory::createEdit(const EditDescription& d) {
    auto* edit = new UIEdit(d.style, &window_);
    edit->setSectionName(QString::fromStdString(d.section));
    applyCommon(edit, d, d.rect);
    edit->setTextFont(FontFromLogFont(d.font, window_.font()));
    edit->setStateImages(cutStateImages(d.rect, StateImagesOf(d.type)));
    RouteCommand(window_, edit, &UIEdit::textChanged, kEditChange);
    return edit;
}

QWidget* ControlFactory::createComboBox(const ComboBoxDescription& d) {
    auto* combo = new UIComboBox(d.style, &window_);
    combo->setSectionName(QString::fromStdString(d.section));
    // The box shows its closed rectangle; the list drops below it.
    applyCommon(combo, d, d.rect);
    combo->setFocusPolicy(d.tabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    combo->setTextFont(FontFromLogFont(d.font, window_.font()));
    combo->setTextOffsets(d.horOffset, d.verOffset);
    combo->setButtonWidth(d.buttonWidth);
    combo->setDropListHeight(d.dropListHeight);
    combo->setStateImages(cutStateImages(d.openRect(), StateImagesOf(d.type)));
    RouteCommand(window_, combo, &UIComboBox::selectionChangedByUser, kSelectionChange);
    return combo;
}

QWidget* ControlFactory::createStatic(const StaticDescription& d) {
    auto* label = new UIStatic(&window_);
    label->setSectionName(QString::fromStdString(d.section));
    label->setText(SkinText(d.caption));
    applyCommon(label, d, d.rect);
    label->setTextLayouts({d.layout, d.layout});
    label->setNoWrap(d.noWrap);
    if (d.hasToolTip)
        label->setToolTip(SkinText(d.toolTip));
    label->setTextFonts(Fonts(d.fonts, window_.font()));
    label->setTextColors(Colors(d.colors));
    const PerState<QImage> pieces = cutStateImages(d.rect, StateImagesOf(d.type));
    label->setImages({pieces[kStateNormal], pieces[kStateDisabled]});
    RouteCommand(window_, label, &UIStatic::clicked, kButtonClicked);
    return label;
}

QWidget* ControlFactory::createSlider(const SliderDescription& d) {
    auto* slider = new UISlider(d.vertical() ? Qt::Vertical : Qt::Horizontal, &window_);
    slider->setSectionName(QString::fromStdString(d.section));
    applyCommon(slider, d, d.rect);
    slider->setFocusPolicy(Qt::ClickFocus);
    const QRect area = ToQRect(d.rect);
    slider->setBackgroundImages(CutPiece(window_.image(kImageNormal), area),
                                CutPiece(window_.image(kImageHover), area));
    slider->setThumbImages(LoadImages(d.thumbFiles));
    slider->setMarkEnabled(d.useMark);
    RouteCommand(window_, slider, &QAbstractSlider::actionTriggered, kScrolled);
    return slider;
}

} // namespace corvane
