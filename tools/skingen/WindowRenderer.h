#pragma once

#include "Face.h"
#include "WindowDecor.h"
#include "skin/ControlDescription.h"
#include "skin/SkinFiles.h"

#include <QImage>
#include <QMargins>
#include <QString>
#include <array>
#include <map>
#include <string>
#include <vector>

namespace corvane::skingen {

// One skinned control as the renderer sees it.
struct RenderControl {
    ControlDescription description;
    Face face = Face::None;
    QString sample; // Sample: text shown in the preview only
    bool previewChecked = false;
    // FaceMargin=h,v: the face reaches this far beyond the control, so that
    // an edit field's text keeps clear of the field's border.
    QMargins faceMargin;
    std::array<QString, 4> checkedImageFiles; // BKCN, BKCH, BKCS, BKCD as written
};

// A window rendered: its four state images under the file names of its
// section and the checked images its check boxes and radio buttons name.
struct RenderedWindow {
    std::string section;
    WindowDecor decor;
    std::vector<RenderControl> controls;
    std::array<QString, 4> imageFiles; // BKN, BKH, BKS, BKD as written
    std::array<QImage, 4> images;      // N, H, S, D
    // BKNO, when the section names one: the surface the window paints under
    // its controls. It holds no control face (only the margins a face draws
    // beyond its control), so a hidden control leaves no trace.
    QString backgroundFile;
    QImage background;
    std::map<QString, QImage> checkedImages;
    QString error; // set when the window cannot be rendered
};

// Renders one window section: the surface once, then for every visual state
// each control's face at its rectangle, so that a control cutting its
// rectangle out of a state image finds its own face in that state.
class WindowRenderer {
public:
    explicit WindowRenderer(SkinFiles files) : files_(std::move(files)) {}

    RenderedWindow render(const std::string& section) const;

private:
    std::vector<RenderControl> readControls(const std::string& section, QString& error) const;
    void renderCheckedImages(RenderedWindow& window) const;
    QImage renderBackground(const RenderedWindow& window, const QImage& surface) const;

    SkinFiles files_;
};

// The combo box's arrow width, the default when the control has none.
int ButtonWidthOf(const ControlDescription& description);

} // namespace corvane::skingen
