#pragma once

#include "platform/Progress.h"
#include "platform/Prompter.h"

#include <cstdio>

namespace corvane::cli {

// The device commands' prompter: every message on its own line on stderr; there
// is nobody to answer a file dialog, so none is ever shown.
class StderrPrompter final : public Prompter {
public:
    void showMessage(const std::string& text) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    std::optional<std::string> chooseOpenFile(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseSaveFile(const FileDialogRequest&) override {
        return std::nullopt;
    }
};

// Send progress as "sending: k of at most n chunks" on stderr, rewritten in place, only
// when stderr is a terminal (a log file would fill with carriage returns).
class TerminalProgress final : public Progress {
public:
    TerminalProgress();
    void show() override {}
    void hide() override;
    void setRange(int lowest, int highest) override;
    void setPosition(int position) override { position_ = position; }
    void setStep(int step) override { step_ = step; }
    void stepIt() override;

private:
    bool terminal_;
    bool shown_ = false;
    int highest_ = 0;
    int position_ = 0;
    int step_ = 1;
};

} // namespace corvane::cli
