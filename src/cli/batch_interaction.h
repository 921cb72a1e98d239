#pragma once

// The batch tool's side of the user interaction: every question is answered Yes, every
// message is recorded in order, and file dialogs return names given in advance.

#include "user_interaction.h"

#include <deque>
#include <string>
#include <vector>

namespace orvanta::cli {

class RecordingAsker : public Asker {
public:
    Answer ask(const Message& message) override;
    const std::vector<Message>& messages() const { return messages_; }

private:
    std::vector<Message> messages_;
};

class PresetFileChooser : public FileChooser {
public:
    // Each dialog, open or save, takes the next name; with none left it is cancelled.
    void push(std::string path) { paths_.push_back(std::move(path)); }
    std::optional<std::string> chooseFileToOpen(const std::string&, const std::string&) override;
    std::optional<std::string> chooseFileToSave(const std::string&, const std::string&) override;

private:
    std::optional<std::string> next();
    std::deque<std::string> paths_;
};

// A message on one line: its lines joined by blanks, control characters escaped.
std::string oneLine(const Message& message);

} // namespace orvanta::cli
