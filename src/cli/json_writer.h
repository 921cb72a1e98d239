#pragma once

// A small JSON writer for the batch tool's output: objects, arrays, strings, integers, doubles,
// booleans and null. Doubles are written with 17 significant digits, so they read back to the same
// value; a value that is not finite is written as null.

#include "bounded_array.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvanta::cli {

class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);
    void value(double number);
    void value(int number);
    void value(std::string_view text);
    void boolean(bool truth);
    void null();

    // Arrays of the model, written with their first element first.
    void values(const Array1<double>& array);
    void values(const Array1<std::int16_t>& array);
    void values(const Array2<double>& array);
    void values(const Array3<double>& array);

    const std::string& text() const { return out_; }

private:
    void separate();
    void writeString(std::string_view text);

    std::string out_;
    std::vector<bool> first_; // per open container: no element written yet
    bool afterKey_ = false;
};

} // namespace orvanta::cli
