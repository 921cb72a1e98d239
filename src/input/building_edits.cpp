#include "building_edits.h"

#include "load_distribution.h"

#include <vector>

namespace orvanta {

namespace {

// Answers Yes to every question and keeps the messages that end the distribution.
class QuietAsker : public Asker {
public:
    Answer ask(const Message& message) override {
        if (message.buttons == MessageButtons::YesNo)
            return Answer::Yes;
        told.push_back(message);
        return Answer::Ok;
    }
    std::vector<Message> told;
};

} // namespace

void commitBuilding(ChildHost& host, Model edited, const QWidget* origin) {
    host.session().model() = std::move(edited);
    host.projectChanged(ProjectChange::modelEdited, origin);
}

bool redistributeQuietly(ChildHost& host, const QString& why, const QWidget* origin) {
    Model trial = host.session().model();
    QuietAsker quiet;
    if (!distributeLoads(trial, quiet)) {
        for (const Message& message : quiet.told)
            host.asker().ask(message);
        return false;
    }
    commitBuilding(host, std::move(trial), origin);
    host.showStatus(QStringLiteral("Carichi distribuiti di nuovo %1.").arg(why));
    return true;
}

} // namespace orvanta
