#include "app/CommandLineInfo.h"
#include "app/ConsolePrompter.h"
#include "app/CorvaneApp.h"
#include "app/MainWindow.h"
#include "app/QtPrompter.h"
#include "app/WindowSnapshot.h"
#include "platform/SystemPacer.h"

#include <QApplication>
#include <string_view>
#include <vector>

// Corvane takes no options besides --help and --version. The environment
// variable CORVANE_SCREENSHOT=FILE (used by scripts/run --screenshot) saves the
// main window as a PNG once it is shown and quits; messages then go to stderr
// instead of message boxes.
int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (const auto status = corvane::AnswerInfoOption(args, stdout))
        return *status;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("corvane"));

    const QString screenshot = qEnvironmentVariable("CORVANE_SCREENSHOT");
    corvane::QtPrompter dialogs;
    corvane::ConsolePrompter console;
    corvane::Prompter& prompter =
        screenshot.isEmpty() ? static_cast<corvane::Prompter&>(dialogs) : console;
    corvane::SystemPacer pacer;

    corvane::CorvaneApp corvane(prompter, pacer);
    if (!corvane.initInstance()) {
        corvane.exitInstance();
        return 1;
    }
    dialogs.setParent(corvane.mainWindow());
    if (!screenshot.isEmpty())
        corvane::SaveSnapshotWhenShown(*corvane.mainWindow(), screenshot);
    const int status = QApplication::exec();
    corvane.exitInstance();
    return status;
}
