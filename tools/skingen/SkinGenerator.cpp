#include "SkinGenerator.h"

#include "PreviewPainter.h"
#include "WindowRenderer.h"
#include "skin/UiFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>

namespace corvane::skingen {

SkinGenerator::SkinGenerator(const std::string& uiFile, QString outputDir, QString previewDir)
    : files_(SkinFiles::forUiFile(uiFile)), outputDir_(std::move(outputDir)),
      previewDir_(std::move(previewDir)) {}

std::vector<std::string> SkinGenerator::windowSections() const {
    const UiFile ui(files_.uiFile);
    const QString list = QString::fromStdString(ui.readString("SkinGen", "Windows", "", 2048));
    std::vector<std::string> sections;
    for (const QString& name : list.split(u',', Qt::SkipEmptyParts)) {
        sections.push_back(name.trimmed().toStdString());
    }
    return sections;
}

// The program loads these with Qt's BMP reader; 24-bit is the plain form every
// reader takes.
bool SkinGenerator::writeImage(const QImage& image, const QString& file) {
    const QString path = QDir(outputDir_).filePath(file);
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
        error_ = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    written_.insert(QDir(outputDir_).absoluteFilePath(file));
    return true;
}

// Bitmaps an earlier version of the skin named would otherwise be installed
// with it.
void SkinGenerator::removeStaleBitmaps() const {
    const QDir dir(outputDir_);
    for (const QString& name : dir.entryList({QStringLiteral("*.bmp")}, QDir::Files)) {
        const QString path = dir.absoluteFilePath(name);
        if (!written_.contains(path))
            QFile::remove(path);
    }
}

bool SkinGenerator::run() {
    const std::vector<std::string> sections = windowSections();
    if (sections.empty()) {
        error_ = QStringLiteral("%1 lists no windows in [SkinGen]")
                     .arg(QString::fromStdString(files_.uiFile));
        return false;
    }
    if (!QDir().mkpath(outputDir_) || (!previewDir_.isEmpty() && !QDir().mkpath(previewDir_))) {
        error_ = QStringLiteral("cannot create the output folders");
        return false;
    }
    const WindowRenderer renderer(files_);
    for (const std::string& section : sections) {
        const RenderedWindow window = renderer.render(section);
        if (!window.error.isEmpty()) {
            error_ = window.error;
            return false;
        }
        for (std::size_t s = 0; s < window.images.size(); ++s) {
            if (!window.imageFiles[s].isEmpty() &&
                !writeImage(window.images[s], window.imageFiles[s])) {
                return false;
            }
        }
        if (!window.backgroundFile.isEmpty() &&
            !writeImage(window.background, window.backgroundFile)) {
            return false;
        }
        for (const auto& [file, image] : window.checkedImages) {
            if (!writeImage(image, file))
                return false;
        }
        if (!previewDir_.isEmpty()) {
            const QString base =
                QDir(previewDir_).filePath(QString::fromStdString(section).toLower());
            const PreviewPainter preview(window);
            if (!preview.paint().save(base + QStringLiteral(".png")) ||
                !preview.paintStateSheet().save(base + QStringLiteral("_states.png"))) {
                error_ = QStringLiteral("cannot write the preview of %1")
                             .arg(QString::fromStdString(section));
                return false;
            }
        }
    }
    removeStaleBitmaps();
    return true;
}

} // namespace corvane::skingen
