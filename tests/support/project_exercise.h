#pragma once

// The promises the program makes about any project text, checked on one text at a time: by the
// deterministic mutation test and by the libFuzzer target in tools/.
//
//   - the reader either refuses the text with a one-line reason, or accepts it;
//   - an accepted model saves to a text that opens again and saves to the very same bytes;
//   - the model check either refuses it with a message, or the whole calculation (element tables,
//     ritto matrices, global matrix, two families per direction, centres, deformed shape) runs
//     and its JSON holds no null, that is no number that is not finite.

#include <string>
#include <string_view>
#include <vector>

namespace orvanta::testing {

struct ExerciseOutcome {
    bool opened = false;             // the reader accepted the text
    bool calculated = false;         // it also passed the model check and was calculated
    std::vector<std::string> faults; // broken promises; empty when all were kept
};

ExerciseOutcome exerciseProjectText(std::string_view text);

// A text made from `seed` by one to three random edits, field by field or byte by byte: numbers
// replaced by extreme or invalid ones, fields deleted, duplicated or swapped, bytes flipped,
// cut or inserted. The same seed text and state give the same result.
class ProjectMutator {
public:
    explicit ProjectMutator(unsigned seed) : state_(seed) {}
    std::string mutate(std::string text);

private:
    std::size_t below(std::size_t bound); // uniform in 0 .. bound − 1 (bound > 0)
    void mutateOnce(std::string& text);

    unsigned long long state_;
};

} // namespace orvanta::testing
