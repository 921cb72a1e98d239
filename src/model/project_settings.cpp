#include "project_settings.h"

#include <charconv>
#include <cmath>

namespace orvanta {

namespace {

constexpr std::string_view sectionTitle = "[Impostazioni Orvanta]";
constexpr std::string_view versionKey = "versione";

std::string escaped(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string unescaped(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'r' ? '\r' : next == 'n' ? '\n' : next;
    }
    return out;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() &&
           (s.front() == ' ' || s.front() == '\t' || s.front() == '\r' || s.front() == '\n'))
        s.remove_prefix(1);
    while (!s.empty() &&
           (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
        s.remove_suffix(1);
    return s;
}

} // namespace

bool isSettingKey(std::string_view key) {
    if (key.empty())
        return false;
    for (const char c : key) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                             (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
        if (!allowed)
            return false;
    }
    return key != versionKey;
}

std::optional<std::string> ProjectSettings::text(std::string_view key) const {
    const auto found = values_.find(key);
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

std::optional<double> ProjectSettings::number(std::string_view key) const {
    const std::optional<std::string> value = text(key);
    if (!value)
        return std::nullopt;
    const std::string_view digits = trimmed(*value);
    double number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(number))
        return std::nullopt;
    return number;
}

bool ProjectSettings::setText(std::string_view key, std::string value) {
    if (!isSettingKey(key))
        return false;
    values_.insert_or_assign(std::string(key), std::move(value));
    return true;
}

bool ProjectSettings::setNumber(std::string_view key, double value) {
    if (!std::isfinite(value))
        return false;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return setText(key, std::string(buffer, result.ptr));
}

void ProjectSettings::erase(std::string_view key) {
    if (const auto found = values_.find(key); found != values_.end())
        values_.erase(found);
}

std::string settingsSectionText(const ProjectSettings& settings) {
    if (settings.empty())
        return {};
    std::string text = "\r\n";
    text += sectionTitle;
    text += "\r\n";
    text +=
        std::string(versionKey) + "=" + std::to_string(ProjectSettings::currentVersion) + "\r\n";
    for (const auto& [key, value] : settings.values())
        text += key + "=" + escaped(value) + "\r\n";
    return text;
}

ProjectSettings parseSettingsSection(std::string_view rest) {
    ProjectSettings settings;
    rest = trimmed(rest);
    if (!rest.starts_with(sectionTitle))
        return settings;
    rest.remove_prefix(sectionTitle.size());
    while (!rest.empty()) {
        const std::size_t end = rest.find_first_of("\r\n");
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = trimmed(line.substr(0, equals));
        if (isSettingKey(key))
            settings.setText(key, unescaped(line.substr(equals + 1)));
    }
    return settings;
}

} // namespace orvanta
