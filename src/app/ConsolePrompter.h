#pragma once

#include "platform/Prompter.h"

#include <cstdio>

namespace corvane {

// A prompter for runs nobody watches (the screenshot run): messages go to a
// stream and every file dialog is cancelled, so nothing waits for an operator.
class ConsolePrompter final : public Prompter {
public:
    explicit ConsolePrompter(std::FILE* out = stderr) : out_(out) {}

    void showMessage(const std::string& text) override {
        std::fprintf(out_, "Corvane: %s\n", text.c_str());
    }
    std::optional<std::string> chooseOpenFile(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseSaveFile(const FileDialogRequest&) override {
        return std::nullopt;
    }

private:
    std::FILE* out_;
};

} // namespace corvane
