#pragma once

#include <optional>
#include <string>

namespace corvane {

// What an open or save file dialog is asked to show. The filter is in the
// "Name(*.x)|*.x|All Files(*.*)|*.*||" form; each implementation turns it into
// its own dialog's format.
struct FileDialogRequest {
    std::string filter;
    std::string defaultExtension;
    std::string initialName;
};

// Messages and file dialogs the core asks the operator through. The GUI shows
// real dialogs; tests record the messages and answer dialogs from a script.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A plain OK message box captioned with the product name.
    virtual void showMessage(const std::string& text) = 0;

    // The chosen path, or nothing when the operator cancelled.
    virtual std::optional<std::string> chooseOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> chooseSaveFile(const FileDialogRequest& request) = 0;
};

} // namespace corvane
