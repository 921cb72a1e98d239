#include "confirmations.h"

namespace orvanta {

bool confirmDeleteAll(Asker& asker) {
    return asker.confirm({"La presente operazione eliminerà", "tutti i dati immessi. Continuare?"},
                         "Avviso", MessageIcon::Exclamation);
}

bool confirmNextPhase(Asker& asker, const std::string& whatBecomesFixed) {
    return asker.confirm(
        {"Il passaggio alla fase successiva renderà impossibile", whatBecomesFixed}, "Avviso",
        MessageIcon::Exclamation);
}

} // namespace orvanta
