// libFuzzer target: any bytes as a project file, through the reader, Save and a second Open,
// the model check and the whole calculation. A broken promise (see project_exercise.h) is
// printed and aborts, so libFuzzer keeps the input that broke it.

#include "project_exercise.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const orvanta::testing::ExerciseOutcome outcome = orvanta::testing::exerciseProjectText(text);
    if (outcome.faults.empty())
        return 0;
    for (const std::string& fault : outcome.faults)
        std::fprintf(stderr, "orvanta fuzz: %s\n", fault.c_str());
    std::abort();
}
