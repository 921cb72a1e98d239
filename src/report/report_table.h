#pragma once

// Ruled tables of the report: a header of one or two lines per column, rows 0.35 cm high with
// their cells centred (or left-aligned) in the columns, rules between the columns and around
// the header, a closing rule. A paged table goes on to new pages, repeating its header, when
// its rows reach the footer.
//
// Worked layout: a header with subtitles whose top is at y = 20 has its titles at 19.55, its
// subtitles at 19.15 and its lower rule at 19; the first row's baseline is then 19 − 0.26 and
// the 40th row ends at 19 − 40·0.35 = 5.

#include "report_canvas.h"

#include <span>
#include <string>
#include <vector>

namespace orvanta::report {

struct TableColumn {
    double left = 0; // cm
    double width = 0;
    std::string title;
    std::string subtitle; // under the title, smaller; may be empty
    bool leftAligned = false;
    double textCentre = 0; // where the texts are centred when not in the middle, cm
    double centre() const { return textCentre > 0 ? textCentre : left + width / 2; }
    double right() const { return left + width; }
};

struct TableStyle {
    double titleSize = 12;
    double subtitleSize = 10;
    double cellSize = 9;
    double rowHeight = 0.35;
    double scaling = 100; // horizontal text scaling of the whole table, per cent
};

// Columns side by side from `left`, of the given widths.
std::vector<TableColumn> columnsFrom(double left, std::span<const double> widths);

struct ColumnTitle {
    const char* title = "";
    const char* subtitle = "";
};
// The same with a title (and subtitle) for each column, in order.
std::vector<TableColumn> columnsFrom(double left, std::span<const double> widths,
                                     std::span<const ColumnTitle> titles);

// One row's cells; a marked cell is printed in bold on a grey ground (a failed check).
struct TableRow {
    std::vector<std::string> cells;
    std::vector<bool> marked; // empty, or one flag per cell
};

class Table {
public:
    Table(ReportCanvas& canvas, std::vector<TableColumn> columns, TableStyle style = {});

    // Height of the header, cm: 1.0 with subtitles, 0.6 without.
    double headerHeight() const;
    // Draws the header with its top edge at top; rows follow from its lower rule.
    void begin(double top);
    // One row below the last; a cell that is wider than its column is narrowed to fit.
    void row(const TableRow& row);
    void row(std::vector<std::string> cells) { row(TableRow{std::move(cells), {}}); }
    // Extra lines inside the last row (a wrapped cell): each adds a row's height.
    void continuationLine(std::size_t column, const std::string& text);
    // A rule across the table under the last row (before a row of sums).
    void rule();
    // Draws the vertical rules and the closing rule; returns the lower edge of the table.
    double end();

    double bottom() const { return bottom_; }
    const std::vector<TableColumn>& columns() const { return columns_; }
    const TableStyle& style() const { return style_; }

private:
    void cell(std::size_t column, double baseline, const std::string& text, bool marked);

    ReportCanvas& canvas_;
    std::vector<TableColumn> columns_;
    TableStyle style_;
    double top_ = 0;
    double bottom_ = 0;
    bool open_ = false;
};

// A table that runs over as many pages as its rows need, within a section of the canvas
// (ReportCanvas::startSection): each page repeats the header below the cursor.
class PagedTable {
public:
    PagedTable(ReportCanvas& canvas, std::vector<TableColumn> columns, TableStyle style = {});
    // Starts the table on a new page, rather than below the cursor, when its `rows` rows would
    // not all fit below the cursor but fit on a page: short tables are not split.
    void keepTogether(int rows) { keptRows_ = rows; }
    // Rows of `lines` lines (1 for a plain row): the first line holds the row's cells, the
    // others the continuation of `wrappedColumn`.
    void row(const TableRow& row, const std::vector<std::string>& continuation = {},
             std::size_t wrappedColumn = 0);
    void row(std::vector<std::string> cells) { row(TableRow{std::move(cells), {}}); }
    void rule() { table_.rule(); }
    // Closes the table; the canvas's cursor moves below it.
    void end();

private:
    void beginOnThisPage();

    ReportCanvas& canvas_;
    Table table_;
    bool begun_ = false;
    int keptRows_ = 1;
};

} // namespace orvanta::report
