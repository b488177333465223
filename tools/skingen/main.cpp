// skingen: renders the bitmaps of a skin from its UI file.
//
//   skingen [--preview DIR] UI_FILE OUTPUT_DIR
//
// Writes every window's BKN/BKH/BKS/BKD and the check images its controls name
// into OUTPUT_DIR; with --preview also a PNG of each window with its captions
// drawn and a sheet of its four states into DIR.

#include "SkinGenerator.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char* argv[]) {
    // Rendering needs fonts but no screen; run the same on a build machine
    // without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = QGuiApplication::arguments().mid(1);
    QString previewDir;
    if (const qsizetype at = args.indexOf(QStringLiteral("--preview")); at >= 0) {
        if (at + 1 >= args.size()) {
            std::fputs("skingen: --preview needs a folder\n", stderr);
            return 2;
        }
        previewDir = args.at(at + 1);
        args.remove(at, 2);
    }
    if (args.size() != 2) {
        std::fputs("usage: skingen [--preview DIR] UI_FILE OUTPUT_DIR\n", stderr);
        return 2;
    }
    corvane::skingen::SkinGenerator generator(args.at(0).toStdString(), args.at(1), previewDir);
    if (!generator.run()) {
        std::fprintf(stderr, "skingen: %s\n", qPrintable(generator.error()));
        return 1;
    }
    return 0;
}
