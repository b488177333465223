#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The offscreen platform cannot shape top-level windows and says so for every
// window; the tests check the mask region itself, so that note is only noise.
QtMessageHandler previousHandler = nullptr;
void quietMaskNote(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (previousHandler != nullptr &&
        !message.contains(QLatin1String("does not support setting window masks")))
        previousHandler(type, context, message);
}

} // namespace

// Every GUI suite shares this main: one QApplication on the offscreen platform
// for the whole run, owned here and destroyed after the last test.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietMaskNote);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
