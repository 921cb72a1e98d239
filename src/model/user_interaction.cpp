#include "user_interaction.h"

#include <cstdio>
#include <utility>

namespace orvanta {

std::string Message::text() const {
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            joined += '\n';
        joined += lines[i];
    }
    return joined;
}

std::string printable(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char ch : text) {
        const auto code = static_cast<unsigned char>(ch);
        if (code >= 0x20 && code != 0x7F) {
            shown += ch;
        } else if (ch == '\n') {
            shown += "\\n";
        } else if (ch == '\r') {
            shown += "\\r";
        } else if (ch == '\t') {
            shown += "\\t";
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", code);
            shown += escape;
        }
    }
    return shown;
}

Message outOfMemoryMessage(std::string_view task) {
    return Message{{"Memoria insufficiente per " + std::string(task) + ".",
                    "Chiudere altri programmi e riprovare."},
                   "Memoria insufficiente",
                   MessageIcon::Critical,
                   MessageButtons::Ok};
}

void Asker::tell(std::vector<std::string> lines, std::string title, MessageIcon icon) {
    ask(Message{std::move(lines), std::move(title), icon, MessageButtons::Ok});
}

bool Asker::confirm(std::vector<std::string> lines, std::string title, MessageIcon icon) {
    return ask(Message{std::move(lines), std::move(title), icon, MessageButtons::YesNo}) ==
           Answer::Yes;
}

} // namespace orvanta
