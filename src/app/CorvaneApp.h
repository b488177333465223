#pragma once

#include <memory>
#include <string_view>

namespace corvane {

class MainWindow;
class Pacer;
class Prompter;

// Where the program finds its skin, below its own folder.
inline constexpr std::string_view kDefaultUiPath = "Skins/Corvane/the.ui";

inline constexpr const char* kUiPathMessage =
    "Failed to set the ui path or the ui path isn't exist!";

// The application: finds the skin, creates the main window and deletes it
// again at exit. A QApplication must exist; the caller runs its event loop
// while initInstance() returned true and calls exitInstance() after it.
class CorvaneApp {
public:
    CorvaneApp(Prompter& prompter, Pacer& pacer);
    ~CorvaneApp();
    CorvaneApp(const CorvaneApp&) = delete;
    CorvaneApp& operator=(const CorvaneApp&) = delete;

    // False ends the program: the skin was not found (after telling the
    // operator) or the main window could not be built.
    bool initInstance(std::string_view uiPath = kDefaultUiPath);

    // Deletes the main window, if any. Safe to call more than once.
    void exitInstance();

    MainWindow* mainWindow() const { return mainWindow_.get(); }

private:
    Prompter& prompter_;
    Pacer& pacer_;
    std::unique_ptr<MainWindow> mainWindow_;
};

} // namespace corvane
