#include "analysis_readiness.h"

namespace orvanta {

namespace {
constexpr const char* refusalTitle = "Impossibile calcolare le matrici";
} // namespace

std::optional<Message> calculationRefusal(const Model& model) {
    if (!model.hasCompleteArrays())
        return Message{{"La struttura non è stata ancora definita completamente",
                        "Completare le fasi di input prima di procedere"},
                       refusalTitle,
                       MessageIcon::Exclamation,
                       MessageButtons::Ok};
    return std::nullopt;
}

} // namespace orvanta
