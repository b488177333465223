#pragma once

#include "skin/SkinFiles.h"

#include <QImage>
#include <QSet>
#include <QString>
#include <string>
#include <vector>

namespace corvane::skingen {

// Renders every window the UI file lists in its [SkinGen] section and writes
// the bitmaps (24-bit BMP) into the output folder; with a preview folder also
// a PNG of each window with its captions and a sheet of its four states.
// Other bitmaps in the output folder are removed: it holds exactly the skin.
class SkinGenerator {
public:
    SkinGenerator(const std::string& uiFile, QString outputDir, QString previewDir = {});

    // The window sections to render, in the order the UI file lists them.
    std::vector<std::string> windowSections() const;

    // False after the first problem, which error() then describes.
    bool run();
    const QString& error() const { return error_; }

private:
    bool writeImage(const QImage& image, const QString& file);
    void removeStaleBitmaps() const;

    SkinFiles files_;
    QString outputDir_;
    QString previewDir_;
    QString error_;
    QSet<QString> written_; // absolute paths of the bitmaps of this run
};

} // namespace corvane::skingen
