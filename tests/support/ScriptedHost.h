#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Host.h"

namespace velmora::testing {

// The test double for every message box and input dialog: records what the program shows
// and answers questions from scripted queues (the default answer when a queue is empty).
// Installs itself for its lifetime and puts the previous host back afterwards.
class ScriptedHost : public Host {
public:
    ScriptedHost() : previous_(&host()) { installHost(this); }
    ~ScriptedHost() override { installHost(previous_); }
    ScriptedHost(const ScriptedHost&) = delete;
    ScriptedHost& operator=(const ScriptedHost&) = delete;

    void showError(const std::string& text) override {
        errors.push_back(text);
        whileShown();
    }
    void showInformation(const std::string& text) override {
        informations.push_back(text);
        whileShown();
    }
    bool askWarningYesNo(const std::string& text) override {
        questions.push_back(text);
        if (yesNoAnswers.empty())
            return false;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    UnsavedAnswer askSaveDiscardCancel(const std::string& text) override {
        unsavedQuestions.push_back(text);
        if (unsavedAnswers.empty())
            return UnsavedAnswer::Cancel;
        const UnsavedAnswer answer = unsavedAnswers.front();
        unsavedAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> inputText(const std::string& caption, const std::string& prompt,
                                         const std::string& initial) override {
        inputPrompts.push_back(caption + "|" + prompt + "|" + initial);
        if (textAnswers.empty())
            return initial;
        std::optional<std::string> answer = textAnswers.front();
        textAnswers.pop_front();
        return answer;
    }
    void setWaitCursor(bool busy) override { waitCursorChanges.push_back(busy); }
    void processEvents() override { ++eventPumps; }
    void requestQuit() override { ++quitRequests; }

    // Runs while an error or information box would be open: what the user sees behind it.
    std::function<void()> whileShown = [] {};

    // Answers, taken front first.
    std::deque<bool> yesNoAnswers;
    std::deque<UnsavedAnswer> unsavedAnswers;
    std::deque<std::optional<std::string>> textAnswers;

    // What was shown or asked, in order.
    std::vector<std::string> errors;
    std::vector<std::string> informations;
    std::vector<std::string> questions;
    std::vector<std::string> unsavedQuestions;
    std::vector<std::string> inputPrompts;  // "caption|prompt|initial"
    std::vector<bool> waitCursorChanges;
    int eventPumps = 0;
    int quitRequests = 0;

private:
    Host* previous_;
};

}  // namespace velmora::testing
