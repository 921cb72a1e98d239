#include "json_reader.h"

#include "number_text.h"

namespace orvanta::cli {

namespace {

// Nesting deeper than this is refused rather than recursed into.
constexpr int deepestNesting = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<JsonValue> document(std::string* error) {
        std::optional<JsonValue> v = value(0);
        if (v) {
            skipBlanks();
            if (at_ != text_.size())
                v = fail("testo dopo la fine del documento");
        }
        if (!v && error)
            *error = "riga " + std::to_string(line()) + ": " + error_;
        return v;
    }

private:
    std::optional<JsonValue> fail(std::string reason) {
        if (error_.empty())
            error_ = std::move(reason);
        return std::nullopt;
    }

    int line() const {
        int n = 1;
        for (std::size_t i = 0; i < at_ && i < text_.size(); ++i)
            n += text_[i] == '\n';
        return n;
    }

    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    bool take(char c) {
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    bool word(std::string_view w) {
        if (text_.substr(at_, w.size()) != w)
            return false;
        at_ += w.size();
        return true;
    }

    std::optional<JsonValue> value(int depth) {
        if (depth > deepestNesting)
            return fail("annidamento troppo profondo");
        skipBlanks();
        if (at_ >= text_.size())
            return fail("documento incompleto");
        const char c = text_[at_];
        if (c == '{')
            return object(depth);
        if (c == '[')
            return array(depth);
        if (c == '"') {
            std::optional<std::string> s = string();
            if (!s)
                return std::nullopt;
            return JsonValue{std::move(*s)};
        }
        if (word("true"))
            return JsonValue{true};
        if (word("false"))
            return JsonValue{false};
        if (word("null"))
            return JsonValue{nullptr};
        return number();
    }

    std::optional<JsonValue> number() {
        const std::size_t start = at_;
        while (at_ < text_.size() &&
               (std::string_view("+-.eE0123456789").find(text_[at_]) != std::string_view::npos))
            ++at_;
        const std::optional<double> v = number_text::parse(text_.substr(start, at_ - start));
        if (start == at_ || !v)
            return fail("valore non valido");
        return JsonValue{*v};
    }

    std::optional<std::string> string() {
        ++at_; // the opening quote
        std::string out;
        while (at_ < text_.size() && text_[at_] != '"') {
            char c = text_[at_++];
            if (static_cast<unsigned char>(c) < 0x20) {
                fail("carattere di controllo in una stringa");
                return std::nullopt;
            }
            if (c == '\\') {
                if (at_ >= text_.size())
                    break;
                c = text_[at_++];
                switch (c) {
                case 'n':
                    out += '\n';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'u':
                    out += '?';
                    at_ += 4;
                    break; // names and codes are plain ASCII
                default:
                    out += c;
                }
                continue;
            }
            out += c;
        }
        if (at_ >= text_.size()) {
            fail("stringa non chiusa");
            return std::nullopt;
        }
        ++at_;
        return out;
    }

    std::optional<JsonValue> array(int depth) {
        ++at_;
        JsonArray items;
        if (take(']'))
            return JsonValue{std::move(items)};
        do {
            std::optional<JsonValue> item = value(depth + 1);
            if (!item)
                return std::nullopt;
            items.push_back(std::move(*item));
        } while (take(','));
        if (!take(']'))
            return fail("atteso ']'");
        return JsonValue{std::move(items)};
    }

    std::optional<JsonValue> object(int depth) {
        ++at_;
        JsonObject members;
        if (take('}'))
            return JsonValue{std::move(members)};
        do {
            skipBlanks();
            if (at_ >= text_.size() || text_[at_] != '"')
                return fail("atteso il nome di una chiave");
            std::optional<std::string> name = string();
            if (!name)
                return std::nullopt;
            if (!take(':'))
                return fail("atteso ':'");
            std::optional<JsonValue> member = value(depth + 1);
            if (!member)
                return std::nullopt;
            members.emplace_back(std::move(*name), std::move(*member));
        } while (take(','));
        if (!take('}'))
            return fail("atteso '}'");
        return JsonValue{std::move(members)};
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string error_;
};

} // namespace

std::optional<JsonValue> parseJson(std::string_view text, std::string* error) {
    return Parser(text).document(error);
}

} // namespace orvanta::cli
