#pragma once

// Test doubles for the user interaction: an Asker that records every message and answers
// Yes/No questions from a script, and a FileChooser that returns names given in advance.

#include "user_interaction.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace orvanta::testing {

class ScriptedAsker : public Asker {
public:
    // Answers for the coming Yes/No questions, in order; once they run out every question is
    // answered Yes.
    void answer(std::initializer_list<Answer> answers) {
        answers_.insert(answers_.end(), answers.begin(), answers.end());
    }

    Answer ask(const Message& message) override {
        messages.push_back(message);
        if (message.buttons == MessageButtons::Ok)
            return Answer::Ok;
        if (answers_.empty())
            return Answer::Yes;
        const Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }

    std::vector<Message> messages;

private:
    std::deque<Answer> answers_;
};

class ScriptedFileChooser : public FileChooser {
public:
    // The next dialogs return these names, in order; std::nullopt stands for Cancel.
    void willChoose(std::optional<std::string> path) { paths_.push_back(std::move(path)); }

    std::optional<std::string> chooseFileToOpen(const std::string& title,
                                                const std::string& filter) override {
        return next(title, filter);
    }
    std::optional<std::string> chooseFileToSave(const std::string& title,
                                                const std::string& filter) override {
        return next(title, filter);
    }

    std::vector<std::string> titles; // the title of every dialog shown
    std::vector<std::string> filters;

private:
    std::optional<std::string> next(const std::string& title, const std::string& filter) {
        titles.push_back(title);
        filters.push_back(filter);
        if (paths_.empty())
            return std::nullopt;
        std::optional<std::string> path = std::move(paths_.front());
        paths_.pop_front();
        return path;
    }
    std::deque<std::optional<std::string>> paths_;
};

} // namespace orvanta::testing
