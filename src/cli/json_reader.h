#pragma once

// A small JSON reader for the batch tool's parameter files: objects, arrays, strings, numbers,
// true, false and null, as RFC 8259 writes them. Object members keep their order. Text that is
// not JSON gives nothing and a one-line reason ("riga 3: atteso ':'").

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace orvanta::cli {

struct JsonValue;
using JsonObject = std::vector<std::pair<std::string, JsonValue>>;
using JsonArray = std::vector<JsonValue>;

struct JsonValue {
    // null, boolean, number, string, array, object
    std::variant<std::nullptr_t, bool, double, std::string, JsonArray, JsonObject> value;

    const double* number() const { return std::get_if<double>(&value); }
    const std::string* text() const { return std::get_if<std::string>(&value); }
    const bool* boolean() const { return std::get_if<bool>(&value); }
    const JsonObject* object() const { return std::get_if<JsonObject>(&value); }
    const JsonArray* array() const { return std::get_if<JsonArray>(&value); }
};

std::optional<JsonValue> parseJson(std::string_view text, std::string* error = nullptr);

} // namespace orvanta::cli
