#pragma once

// How the core talks to the user without knowing any window: it hands a message to an Asker,
// and asks a FileChooser for file names. The desktop program answers with message boxes and file
// dialogs, the batch tool answers Yes and records every message, tests answer from a script.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// The icon codes are those of the message styles: 16 stop, 48 exclamation, 64 information.
enum class MessageIcon : int { Critical = 16, Exclamation = 48, Information = 64 };

enum class MessageButtons { Ok, YesNo };

enum class Answer { Ok, Yes, No };

struct Message {
    std::vector<std::string> lines; // shown one under the other
    std::string title;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;

    // The lines joined by single line feeds.
    std::string text() const;
    bool operator==(const Message&) const = default;
};

// The text with its control characters escaped (a line feed as "\n", a carriage return as "\r",
// a tab as "\t", any other as "\x1B"), so that a file name shown in a message or on a line of the
// batch tool stays on one line: "casa\nnuova.orv" is shown as casa\nnuova.orv.
std::string printable(std::string_view text);

// The message shown when memory runs out while doing what `task` names ("calcolare le matrici").
Message outOfMemoryMessage(std::string_view task);

class Asker {
public:
    virtual ~Asker() = default;
    // Shows the message and returns the button pressed (Ok for an OK box).
    virtual Answer ask(const Message& message) = 0;

    // Shorthands for the two kinds of box.
    void tell(std::vector<std::string> lines, std::string title, MessageIcon icon);
    bool confirm(std::vector<std::string> lines, std::string title, MessageIcon icon);
};

// A file chooser with a title and a filter such as "File Orvanta (*.orv)". Returns the chosen
// path, or nothing when the user cancels.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::optional<std::string> chooseFileToOpen(const std::string& title,
                                                        const std::string& filter) = 0;
    virtual std::optional<std::string> chooseFileToSave(const std::string& title,
                                                        const std::string& filter) = 0;
};

} // namespace orvanta
