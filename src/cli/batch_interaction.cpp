#include "batch_interaction.h"

namespace orvanta::cli {

Answer RecordingAsker::ask(const Message& message) {
    messages_.push_back(message);
    return message.buttons == MessageButtons::YesNo ? Answer::Yes : Answer::Ok;
}

std::optional<std::string> PresetFileChooser::next() {
    if (paths_.empty())
        return std::nullopt;
    std::string path = std::move(paths_.front());
    paths_.pop_front();
    return path;
}

std::optional<std::string> PresetFileChooser::chooseFileToOpen(const std::string&,
                                                               const std::string&) {
    return next();
}

std::optional<std::string> PresetFileChooser::chooseFileToSave(const std::string&,
                                                               const std::string&) {
    return next();
}

std::string oneLine(const Message& message) {
    std::string line;
    for (const std::string& part : message.lines) {
        if (!line.empty())
            line += ' ';
        line += printable(part);
    }
    return line;
}

} // namespace orvanta::cli
