#include "WindowRenderer.h"

#include "FacePainter.h"
#include "WindowBackground.h"
#include "skin/ControlReader.h"
#include "skin/UiFile.h"

#include <QPainter>
#include <QStringList>

namespace corvane::skingen {

namespace {

constexpr std::size_t kFileBuffer = 259;
constexpr std::array<const char*, 4> kImageKeys{"BKN", "BKH", "BKS", "BKD"};
constexpr std::array<const char*, 4> kCheckedKeys{"BKCN", "BKCH", "BKCS", "BKCD"};

QRect ToQRect(const SkinRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

// "h,v": the same margin on the left and right, and on the top and bottom.
QMargins ParseFaceMargin(const std::string& text) {
    const QStringList parts = QString::fromStdString(text).split(u',');
    if (parts.size() != 2)
        return {};
    const int h = parts[0].trimmed().toInt();
    const int v = parts[1].trimmed().toInt();
    return QMargins(h, v, h, v);
}

} // namespace

int ButtonWidthOf(const ControlDescription& description) {
    if (const auto* combo = std::get_if<ComboBoxDescription>(&description))
        return combo->buttonWidth;
    return 18;
}

std::vector<RenderControl> WindowRenderer::readControls(const std::string& section,
                                                        QString& error) const {
    const UiFile ui(files_.uiFile);
    std::vector<RenderControl> controls;
    for (ControlDescription& description : ReadControlDescriptions(files_, section)) {
        const ControlCommon& common = CommonOf(description);
        RenderControl control;
        const std::string faceName = ui.readString(common.section, "Face", "", 64);
        if (faceName.empty()) {
            control.face = DefaultFace(common.type);
        } else if (const auto face = FaceFromName(faceName)) {
            control.face = *face;
        } else {
            error =
                QStringLiteral("%1: unknown Face %2")
                    .arg(QString::fromStdString(common.section), QString::fromStdString(faceName));
        }
        control.sample = QString::fromStdString(ui.readString(common.section, "Sample", "", 259));
        control.previewChecked = ui.readInt(common.section, "PreviewChecked", 0) != 0;
        control.faceMargin = ParseFaceMargin(ui.readString(common.section, "FaceMargin", "", 64));
        for (std::size_t s = 0; s < kCheckedKeys.size(); ++s) {
            control.checkedImageFiles[s] = QString::fromStdString(
                ui.readString(common.section, kCheckedKeys[s], "", kFileBuffer));
        }
        control.description = std::move(description);
        controls.push_back(std::move(control));
    }
    return controls;
}

RenderedWindow WindowRenderer::render(const std::string& section) const {
    const UiFile ui(files_.uiFile);
    RenderedWindow window;
    window.section = section;
    if (!ui.hasSection(section)) {
        window.error = QStringLiteral("no section [%1]").arg(QString::fromStdString(section));
        return window;
    }
    window.decor = ReadWindowDecor(ui, section);
    if (window.decor.size.isEmpty()) {
        window.error = QStringLiteral("[%1] has no Size").arg(QString::fromStdString(section));
        return window;
    }
    for (std::size_t s = 0; s < kImageKeys.size(); ++s) {
        window.imageFiles[s] =
            QString::fromStdString(ui.readString(section, kImageKeys[s], "", kFileBuffer));
    }
    if (window.imageFiles[kStateNormal].isEmpty()) {
        window.error = QStringLiteral("[%1] names no BKN").arg(QString::fromStdString(section));
        return window;
    }
    window.backgroundFile = QString::fromStdString(ui.readString(section, "BKNO", "", kFileBuffer));
    window.controls = readControls(section, window.error);

    const QImage surface = WindowBackground(window.decor).paint();
    for (int s = kStateNormal; s <= kStateDisabled; ++s) {
        QImage image = surface;
        QPainter painter(&image);
        for (const RenderControl& control : window.controls) {
            const ControlCommon& common = CommonOf(control.description);
            FacePainter(control.face, static_cast<VisualState>(s), false,
                        ButtonWidthOf(control.description))
                .paint(painter, ToQRect(common.rect).marginsAdded(control.faceMargin));
        }
        painter.end();
        window.images[static_cast<std::size_t>(s)] = image;
    }
    if (!window.backgroundFile.isEmpty())
        window.background = renderBackground(window, surface);
    renderCheckedImages(window);
    return window;
}

// Each control paints its own rectangle from the state images; only a face
// reaching beyond its control (FaceMargin) has to be on the background.
QImage WindowRenderer::renderBackground(const RenderedWindow& window, const QImage& surface) const {
    QImage image = surface;
    QPainter painter(&image);
    for (const RenderControl& control : window.controls) {
        if (control.faceMargin.isNull())
            continue;
        FacePainter(control.face, kStateNormal, false, ButtonWidthOf(control.description))
            .paint(painter,
                   ToQRect(CommonOf(control.description).rect).marginsAdded(control.faceMargin));
    }
    painter.end();
    return image;
}

// A checked image is loaded whole by its control, so it is the control's
// rectangle of the surface with the checked face on it. Controls that share a
// file must agree on size and face.
void WindowRenderer::renderCheckedImages(RenderedWindow& window) const {
    const QImage plain = WindowBackground(window.decor).paint();
    std::map<QString, std::pair<QSize, Face>> owners;
    for (const RenderControl& control : window.controls) {
        const QRect rect = ToQRect(CommonOf(control.description).rect);
        for (int s = kStateNormal; s <= kStateDisabled; ++s) {
            const QString& file = control.checkedImageFiles[static_cast<std::size_t>(s)];
            if (file.isEmpty())
                continue;
            const auto [it, fresh] = owners.try_emplace(file, rect.size(), control.face);
            if (!fresh) {
                if (it->second != std::pair{rect.size(), control.face}) {
                    window.error =
                        QStringLiteral("%1 is shared by controls of different size or face")
                            .arg(file);
                }
                continue;
            }
            QImage image = plain.copy(rect);
            QPainter painter(&image);
            FacePainter(control.face, static_cast<VisualState>(s), true,
                        ButtonWidthOf(control.description))
                .paint(painter, QRect(QPoint(0, 0), rect.size()));
            painter.end();
            window.checkedImages[file] = image;
        }
    }
}

} // namespace corvane::skingen
