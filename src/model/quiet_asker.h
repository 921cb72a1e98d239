#pragma once

// The asker of work that says what it could not do in its own output (the report's pages, the
// tables of a view recomputed for another concrete class): every question is answered Yes, every
// notice Ok, and nothing is shown.

#include "user_interaction.h"

namespace orvanta {

class QuietAsker : public Asker {
public:
    Answer ask(const Message& message) override {
        return message.buttons == MessageButtons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

} // namespace orvanta
