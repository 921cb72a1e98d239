#include "input_checks.h"

#include "model_check.h"

namespace orvanta {

std::optional<Message> endOfInputWarning(const Model& model) {
    const ModelCheck check = checkModel(model);
    if (check.passed())
        return std::nullopt;
    Message message = modelCheckMessage(check, endOfInputTitle);
    message.buttons = MessageButtons::YesNo;
    // In place of what to do before the calculation: what happens if the user goes on.
    message.lines.back() = "Le matrici non potranno essere calcolate finché non saranno corretti.";
    message.lines.push_back("Terminare comunque la fase di input?");
    return message;
}

} // namespace orvanta
