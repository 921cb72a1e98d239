#pragma once

// Tables as they leave the program for a spreadsheet: through the clipboard as tab-separated
// text, or as a CSV file.
//
// Every cell carries the text the window shows and, for a number, the exact value behind it.
// What leaves the program is the exact value at full precision (the shortest text that reads
// back as the same double), in the user's decimal sign and without digit grouping, so that a
// spreadsheet in the same locale reads it as a number: the window's "1.000" for 999.9996 leaves
// as "999,9996" in Italian, "999.9996" in English.
//
// CSV follows the spreadsheets of the user's locale: where the decimal sign is a comma the
// separator is a semicolon (as Italian spreadsheets expect), otherwise a comma. The file is
// UTF-8 with a byte-order mark (so that a spreadsheet reads "≤" and "°" right), rows end with
// CR LF, and a field holding the separator, a quote or a line break is quoted with its quotes
// doubled (RFC 4180).

#include <optional>
#include <string>
#include <vector>

namespace orvanta {

struct TableCell {
    std::string text;            // as shown, UTF-8
    std::optional<double> value; // the exact number behind the text, if it is one
    bool operator==(const TableCell&) const = default;
};

struct TextTable {
    std::string name;                         // "frmMatrice-mfgKxx": window and table
    std::vector<std::string> header;          // one per column; "\n" in a heading becomes " "
    std::vector<std::vector<TableCell>> rows; // each as long as the header
    bool operator==(const TextTable&) const = default;
};

// A cell of text alone, and one of a number shown as `shown`.
TableCell textCell(std::string text);
TableCell numberCell(double value, std::string shown);

// The value at full precision with the decimal sign given, no grouping, "E" before an exponent:
// exactNumber(1234.5, ",") = "1234,5", exactNumber(1e-7, ",") = "1E-07",
// exactNumber(-0.0, ",") = "0". A value that is not finite gives an empty text.
std::string exactNumber(double value, const std::string& decimalSign);

// Tab-separated rows, the header first, each row ended by "\n"; a tab or line break inside a
// cell becomes a blank.
std::string clipboardText(const TextTable& table, const std::string& decimalSign);

// The field separator of CSV files for the decimal sign: ';' for ',' and ',' otherwise.
char csvSeparator(const std::string& decimalSign);

// The CSV file's bytes: byte-order mark, header row, rows.
std::string csvText(const TextTable& table, const std::string& decimalSign);

} // namespace orvanta
