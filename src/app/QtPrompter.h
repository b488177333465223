#pragma once

#include "platform/Prompter.h"

#include <QString>

class QWidget;

namespace corvane {

// "Name(*.x)|*.x|All Files(*.*)|*.*||" -> "Name(*.x) (*.x);;All Files(*.*) (*)".
// Each display text keeps its wording; its pattern follows in brackets, with
// "*.*" written as "*" so that files without an extension are offered too.
QString ToQtFileFilter(const std::string& filter);

// The prompter of the running program: plain OK message boxes captioned
// "Corvane" and Qt's own file dialogs.
class QtPrompter final : public Prompter {
public:
    // Dialogs are centred on parent when there is one.
    void setParent(QWidget* parent) { parent_ = parent; }

    void showMessage(const std::string& text) override;
    std::optional<std::string> chooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> chooseSaveFile(const FileDialogRequest& request) override;

private:
    std::optional<std::string> runFileDialog(const FileDialogRequest& request, bool save);

    QWidget* parent_ = nullptr;
};

} // namespace corvane
