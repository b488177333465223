#pragma once

#include "platform/Prompter.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace corvane::test {

// Records every message and dialog request; file dialogs take the queued
// answers (std::nullopt, or none queued: the operator cancels).
class RecordingPrompter : public Prompter {
public:
    using Answers = std::deque<std::optional<std::string>>;

    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::optional<std::string> chooseOpenFile(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return next(openAnswers);
    }
    std::optional<std::string> chooseSaveFile(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return next(saveAnswers);
    }
    void answerOpen(std::optional<std::string> path) { openAnswers.push_back(std::move(path)); }
    void answerSave(std::optional<std::string> path) { saveAnswers.push_back(std::move(path)); }

    std::vector<std::string> messages;
    std::vector<FileDialogRequest> openRequests, saveRequests;

private:
    static std::optional<std::string> next(Answers& answers) {
        if (answers.empty())
            return std::nullopt;
        auto answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }

    Answers openAnswers, saveAnswers;
};

} // namespace corvane::test
