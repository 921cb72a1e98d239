#pragma once

// Just enough JSON reading for the batch tool's tests: objects, arrays, strings (with the escapes
// the writer uses), numbers, booleans, null. Throws std::runtime_error on malformed text.

#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::testing {

struct Json {
    enum class Kind { Null, Boolean, Number, String, Array, Object } kind = Kind::Null;
    double number = 0;
    bool truth = false;
    std::string text;
    std::vector<Json> items;
    std::vector<std::pair<std::string, Json>> members; // in document order

    const Json& operator[](const std::string& key) const {
        for (const auto& [name, value] : members) {
            if (name == key)
                return value;
        }
        throw std::runtime_error("no key " + key);
    }
    bool has(const std::string& key) const {
        for (const auto& member : members) {
            if (member.first == key)
                return true;
        }
        return false;
    }
    const Json& operator[](std::size_t i) const { return items.at(i); }
    std::size_t size() const { return kind == Kind::Object ? members.size() : items.size(); }
};

namespace detail {

class JsonParser {
public:
    explicit JsonParser(std::string_view text) : s_(text) {}

    Json document() {
        Json value = parse();
        skip();
        if (pos_ != s_.size())
            fail("text after the document");
        return value;
    }

private:
    [[noreturn]] void fail(const std::string& what) {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(pos_));
    }
    void skip() {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\n' || s_[pos_] == '\r' || s_[pos_] == '\t'))
            ++pos_;
    }
    void expect(char c) {
        skip();
        if (pos_ >= s_.size() || s_[pos_] != c)
            fail(std::string("expected ") + c);
        ++pos_;
    }
    bool next(char c) {
        skip();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    std::string string() {
        expect('"');
        std::string out;
        while (pos_ < s_.size() && s_[pos_] != '"') {
            char c = s_[pos_++];
            if (c == '\\') {
                if (pos_ >= s_.size())
                    fail("bad escape");
                const char e = s_[pos_++];
                if (e == 'n')
                    c = '\n';
                else if (e == 'r')
                    c = '\r';
                else if (e == 't')
                    c = '\t';
                else if (e == 'u') {
                    if (pos_ + 4 > s_.size())
                        fail("bad escape");
                    c = static_cast<char>(
                        std::strtol(std::string(s_.substr(pos_, 4)).c_str(), nullptr, 16));
                    pos_ += 4;
                } else
                    c = e;
            }
            out += c;
        }
        expect('"');
        return out;
    }
    Json parse() {
        skip();
        Json v;
        if (pos_ >= s_.size())
            fail("unexpected end");
        const char c = s_[pos_];
        if (c == '{') {
            ++pos_;
            v.kind = Json::Kind::Object;
            if (next('}'))
                return v;
            do {
                std::string key = string();
                expect(':');
                v.members.emplace_back(std::move(key), parse());
            } while (next(','));
            expect('}');
        } else if (c == '[') {
            ++pos_;
            v.kind = Json::Kind::Array;
            if (next(']'))
                return v;
            do
                v.items.push_back(parse());
            while (next(','));
            expect(']');
        } else if (c == '"') {
            v.kind = Json::Kind::String;
            v.text = string();
        } else if (s_.substr(pos_, 4) == "null") {
            pos_ += 4;
        } else if (s_.substr(pos_, 4) == "true" || s_.substr(pos_, 5) == "false") {
            v.kind = Json::Kind::Boolean;
            v.truth = c == 't';
            pos_ += v.truth ? 4 : 5;
        } else {
            const std::string rest(s_.substr(pos_, 40));
            char* end = nullptr;
            v.number = std::strtod(rest.c_str(), &end);
            if (end == rest.c_str())
                fail("not a value");
            v.kind = Json::Kind::Number;
            pos_ += static_cast<std::size_t>(end - rest.c_str());
        }
        return v;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
};

} // namespace detail

inline Json parseJson(std::string_view text) {
    return detail::JsonParser(text).document();
}

} // namespace orvanta::testing
