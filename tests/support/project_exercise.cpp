#include "project_exercise.h"

#include "analysis_json.h"
#include "batch_interaction.h"
#include "calculation.h"
#include "deformed_shape.h"
#include "families.h"
#include "model_check.h"
#include "project_file.h"
#include "stiffness_centres.h"

#include <array>

namespace orvanta::testing {

namespace {

bool isOneLine(std::string_view text) {
    if (text.empty())
        return false;
    for (const char ch : text) {
        if (static_cast<unsigned char>(ch) < 0x20)
            return false;
    }
    return true;
}

// Runs what "Calcola Matrici" and the result views run, as the batch tool does with two
// families asked for in each direction.
std::string calculatedJson(const Model& model) {
    cli::RecordingAsker asker;
    AnalysisResults results;
    const CalculationReport calculation = runCalculation(model, results, asker);
    for (const Direction direction : bothDirections) {
        const int count = setFamilyCount(model, results, direction, 2, asker);
        assignFamilies(model, results, direction, count, asker);
    }
    computeStiffnessCentres(model, results);
    computeDeformedShape(model, results, asker);
    return cli::analysisJson(model, results, calculation, asker.messages());
}

} // namespace

ExerciseOutcome exerciseProjectText(std::string_view text) {
    ExerciseOutcome outcome;
    const ProjectReadResult read = parseProject(text);
    if (!read.model) {
        if (!isOneLine(read.error))
            outcome.faults.push_back("refused without a one-line reason: \"" + read.error + "\"");
        return outcome;
    }
    outcome.opened = true;
    const Model& model = *read.model;

    const std::string saved = projectText(model);
    const ProjectReadResult reopened = parseProject(saved);
    if (!reopened.model) {
        outcome.faults.push_back("the saved text does not open again: " + reopened.error);
        return outcome;
    }
    if (projectText(*reopened.model) != saved)
        outcome.faults.push_back("the saved text does not save to the same bytes");

    if (const std::optional<Message> refusal = calculationRefusal(model)) {
        if (refusal->lines.empty() || refusal->title.empty())
            outcome.faults.push_back("the model check refused without a message");
        return outcome;
    }
    outcome.calculated = true;
    const std::string json = calculatedJson(model);
    // null as a value, not the word "nullo" of a message.
    for (const char* token : {":null", "[null", ",null"}) {
        if (const std::size_t at = json.find(token); at != std::string::npos) {
            outcome.faults.push_back("the results hold a number that is not finite, near: " +
                                     json.substr(at > 200 ? at - 200 : 0, 260));
            break;
        }
    }
    return outcome;
}

// ---------------------------------------------------------------------------------------------

std::size_t ProjectMutator::below(std::size_t bound) {
    // SplitMix64: small, fast, and the same sequence on every platform.
    state_ += 0x9E3779B97F4A7C15ull;
    unsigned long long z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<std::size_t>(z % bound);
}

namespace {

// Values that have broken readers and formulas: extremes of both precisions, codes next to the
// valid ones, counts at and past the editors' limits, and text that is no number.
constexpr std::array<const char*, 34> specialValues = {"0",
                                                       "-0",
                                                       "1",
                                                       "2",
                                                       "7",
                                                       "-1",
                                                       "-300",
                                                       ".5",
                                                       "1.5",
                                                       "100",
                                                       "101",
                                                       "99",
                                                       "1000",
                                                       "32767",
                                                       "-32768",
                                                       "40000",
                                                       "1E+39",
                                                       "3.4028235E+38",
                                                       "1E+300",
                                                       "-1E+300",
                                                       "1E-300",
                                                       "1E-320",
                                                       "1E+400",
                                                       "1E-400",
                                                       "1.7976931348623157E+308",
                                                       "4.9E-324",
                                                       "1E+15",
                                                       "nan",
                                                       "inf",
                                                       "",
                                                       " ",
                                                       "abc",
                                                       "1D+03",
                                                       "0x10"};

struct Field {
    std::size_t begin = 0;
    std::size_t end = 0;
};

std::vector<Field> fieldsOf(const std::string& text) {
    std::vector<Field> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ',' || text[i] == '\r' || text[i] == '\n') {
            if (i > start)
                fields.push_back({start, i});
            start = i + 1;
        }
    }
    return fields;
}

} // namespace

void ProjectMutator::mutateOnce(std::string& text) {
    const std::vector<Field> fields = fieldsOf(text);
    const auto anyField = [&]() { return fields[below(fields.size())]; };
    switch (fields.empty() ? 4 : below(8)) {
    case 0:
    case 1: // a field becomes a special value (twice as likely as the other edits)
    {
        const Field f = anyField();
        text.replace(f.begin, f.end - f.begin, specialValues[below(specialValues.size())]);
        break;
    }
    case 2: // a field is scaled by a power of ten, keeping its digits
    {
        const Field f = anyField();
        const char* exponents[] = {"E+3", "E-3", "E+100", "E-100", "E+30", "E+200"};
        text.insert(f.end, exponents[below(std::size(exponents))]);
        break;
    }
    case 3: // a field is deleted with its separator
    {
        const Field f = anyField();
        text.erase(f.begin, std::min(text.size(), f.end + 1) - f.begin);
        break;
    }
    case 4: // a byte becomes any byte, control characters included
        if (!text.empty())
            text[below(text.size())] = static_cast<char>(below(256));
        break;
    case 5: // a field is repeated
    {
        const Field f = anyField();
        text.insert(f.begin, text.substr(f.begin, f.end - f.begin) + ",");
        break;
    }
    case 6: // two fields swap places
    {
        const Field a = anyField();
        const Field b = anyField();
        if (a.begin < b.begin && a.end <= b.begin) {
            const std::string second = text.substr(b.begin, b.end - b.begin);
            const std::string first = text.substr(a.begin, a.end - a.begin);
            text.replace(b.begin, b.end - b.begin, first);
            text.replace(a.begin, a.end - a.begin, second);
        }
        break;
    }
    default: // the text is cut short
        text.resize(below(text.size() + 1));
        break;
    }
}

std::string ProjectMutator::mutate(std::string text) {
    const std::size_t edits = 1 + below(3);
    for (std::size_t i = 0; i < edits; ++i)
        mutateOnce(text);
    return text;
}

} // namespace orvanta::testing
