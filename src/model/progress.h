#pragma once

// Progress of a long operation (Open, Save, "Calcola Matrici", the report), told to whoever shows
// it without the core knowing how: the program shows a progress dialog, the batch tool nothing.
// The callback receives the stage in Italian ("Matrici dei ritti ortogonali a X") and the fraction
// of the whole operation done, from 0 to 1. It is called on the thread that started the
// operation, at most about a hundred times per stage.

#include <functional>
#include <string>
#include <utility>

namespace orvanta {

using ProgressCallback = std::function<void(const std::string& stage, double fraction)>;

// One stage of an operation: maps the stage's own fraction (0..1) onto its share [from, to] of
// the whole and passes it on, skipping reports less than 1 % of the stage apart.
class ProgressStage {
public:
    ProgressStage() = default;
    ProgressStage(const ProgressCallback& callback, std::string stage, double from, double to)
        : callback_(callback ? &callback : nullptr), stage_(std::move(stage)), from_(from),
          to_(to) {}

    void report(double fraction) {
        if (!callback_ || (fraction < 1 && fraction < last_ + 0.01))
            return;
        last_ = fraction;
        (*callback_)(stage_, from_ + (to_ - from_) * fraction);
    }
    bool active() const { return callback_ != nullptr; }

private:
    const ProgressCallback* callback_ = nullptr;
    std::string stage_;
    double from_ = 0;
    double to_ = 1;
    double last_ = -1;
};

} // namespace orvanta
