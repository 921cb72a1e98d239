#include "table_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace orvanta {

namespace {

// A cell's text for a spreadsheet: the exact number, or the shown text.
std::string cellText(const TableCell& cell, const std::string& decimalSign) {
    return cell.value ? exactNumber(*cell.value, decimalSign) : cell.text;
}

// Tabs and line breaks would split the cell: they become blanks.
std::string oneField(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

std::string quotedField(const std::string& text, char separator) {
    if (text.find_first_of(std::string{separator, '"', '\n', '\r'}) == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

template <class Field>
std::string joinedRows(const TextTable& table, const std::string& decimalSign,
                       const std::string& separator, const std::string& lineEnd, Field field) {
    std::string text;
    auto addRow = [&](const auto& cells, auto textOf) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0)
                text += separator;
            text += field(textOf(cells[c]));
        }
        text += lineEnd;
    };
    addRow(table.header, [](const std::string& heading) { return oneField(heading); });
    for (const std::vector<TableCell>& row : table.rows)
        addRow(row, [&](const TableCell& cell) { return cellText(cell, decimalSign); });
    return text;
}

} // namespace

TableCell textCell(std::string text) {
    return {std::move(text), std::nullopt};
}

TableCell numberCell(double value, std::string shown) {
    return {std::move(shown), value};
}

std::string exactNumber(double value, const std::string& decimalSign) {
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0";
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (error != std::errc{})
        return {};
    std::string text;
    for (const char* p = buffer.data(); p != end; ++p) {
        if (*p == '.')
            text += decimalSign;
        else if (*p == 'e')
            text += 'E';
        else
            text += *p;
    }
    return text;
}

std::string clipboardText(const TextTable& table, const std::string& decimalSign) {
    return joinedRows(table, decimalSign, "\t", "\n", oneField);
}

char csvSeparator(const std::string& decimalSign) {
    return decimalSign == "," ? ';' : ',';
}

std::string csvText(const TextTable& table, const std::string& decimalSign) {
    const char separator = csvSeparator(decimalSign);
    const std::string byteOrderMark = "\xEF\xBB\xBF";
    return byteOrderMark + joinedRows(table, decimalSign, std::string(1, separator), "\r\n",
                                      [separator](const std::string& text) {
                                          return quotedField(text, separator);
                                      });
}

} // namespace orvanta
