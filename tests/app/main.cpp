#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The offscreen platform cannot shape top-level windows and says so for every
// window; the tests check the mask region itself, so that note is only noise.
QtMessageHandler previousHandler = nullptr;
void QuietMaskNote(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (previousHandler != nullptr &&
        !message.contains(QLatin1String("does not support setting window masks")))
        previousHandler(type, context, message);
}

} // namespace

// GUI tests need one QApplication for the whole run.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(QuietMaskNote);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
