#include "user_interaction.h"

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

void Asker::tell(std::vector<std::string> lines, std::string title, MessageIcon icon) {
    ask(Message{std::move(lines), std::move(title), icon, MessageButtons::Ok});
}

bool Asker::confirm(std::vector<std::string> lines, std::string title, MessageIcon icon) {
    return ask(Message{std::move(lines), std::move(title), icon, MessageButtons::YesNo}) ==
           Answer::Yes;
}

} // namespace orvanta
