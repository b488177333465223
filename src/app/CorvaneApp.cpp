#include "app/CorvaneApp.h"

#include "app/MainWindow.h"
#include "app/ProgramIcon.h"
#include "platform/Prompter.h"
#include "skin/SkinPaths.h"

namespace corvane {

CorvaneApp::CorvaneApp(Prompter& prompter, Pacer& pacer) : prompter_(prompter), pacer_(pacer) {}

CorvaneApp::~CorvaneApp() {
    exitInstance();
}

bool CorvaneApp::initInstance(std::string_view uiPath) {
    if (SetUIPath(uiPath) != 0) {
        prompter_.showMessage(kUiPathMessage);
        return false;
    }
    mainWindow_ = std::make_unique<MainWindow>(prompter_, pacer_);
    mainWindow_->setWindowTitle(QStringLiteral("Corvane"));
    mainWindow_->setWindowIcon(ProgramIcon());
    if (!mainWindow_->create())
        return false;
    mainWindow_->show();
    return true;
}

void CorvaneApp::exitInstance() {
    mainWindow_.reset();
}

} // namespace corvane
