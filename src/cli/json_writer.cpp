#include "json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace orvanta::cli {

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back())
            out_ += ',';
        first_.back() = false;
    }
}

void JsonWriter::beginObject() {
    separate();
    out_ += '{';
    first_.push_back(true);
}

void JsonWriter::endObject() {
    if (first_.size() == 1)
        out_ += '\n';
    first_.pop_back();
    out_ += '}';
}

void JsonWriter::beginArray() {
    separate();
    out_ += '[';
    first_.push_back(true);
}

void JsonWriter::endArray() {
    first_.pop_back();
    out_ += ']';
}

void JsonWriter::key(std::string_view name) {
    separate();
    if (first_.size() == 1)
        out_ += '\n';
    writeString(name);
    out_ += ':';
    afterKey_ = true;
}

void JsonWriter::value(double number) {
    separate();
    if (!std::isfinite(number)) {
        out_ += "null";
        return;
    }
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 17);
    out_.append(buffer, end.ptr);
}

void JsonWriter::value(int number) {
    separate();
    out_ += std::to_string(number);
}

void JsonWriter::value(std::string_view text) {
    separate();
    writeString(text);
}

void JsonWriter::boolean(bool truth) {
    separate();
    out_ += truth ? "true" : "false";
}

void JsonWriter::null() {
    separate();
    out_ += "null";
}

void JsonWriter::writeString(std::string_view text) {
    out_ += '"';
    for (const char ch : text) {
        switch (ch) {
        case '"':
            out_ += "\\\"";
            break;
        case '\\':
            out_ += "\\\\";
            break;
        case '\n':
            out_ += "\\n";
            break;
        case '\r':
            out_ += "\\r";
            break;
        case '\t':
            out_ += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(ch) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", ch);
                out_ += escaped;
            } else {
                out_ += ch;
            }
        }
    }
    out_ += '"';
}

void JsonWriter::values(const Array1<double>& array) {
    beginArray();
    for (const double v : array.values())
        value(v);
    endArray();
}

void JsonWriter::values(const Array1<std::int16_t>& array) {
    beginArray();
    for (const std::int16_t v : array.values())
        value(static_cast<int>(v));
    endArray();
}

void JsonWriter::values(const Array2<double>& array) {
    beginArray();
    for (int i = array.lower(1); i <= array.upper(1); ++i) {
        beginArray();
        for (const double v : array.row(i))
            value(v);
        endArray();
    }
    endArray();
}

void JsonWriter::values(const Array3<double>& array) {
    beginArray();
    for (int i = array.lower(1); i <= array.upper(1); ++i) {
        beginArray();
        for (int j = array.lower(2); j <= array.upper(2); ++j) {
            beginArray();
            for (int k = array.lower(3); k <= array.upper(3); ++k)
                value(array(i, j, k));
            endArray();
        }
        endArray();
    }
    endArray();
}

} // namespace orvanta::cli
