#include "report_table.h"

#include <algorithm>

namespace orvanta::report {

namespace {

constexpr double ruleWidth = 0.025;
constexpr double cellPadding = 0.08; // each side of a cell's text, cm
constexpr std::int32_t markGrey = -215;
// The baseline of a row's text sits a quarter of the row above its lower edge.
constexpr double baselineRise = 0.25;

} // namespace

std::vector<TableColumn> columnsFrom(double left, std::span<const double> widths) {
    std::vector<TableColumn> columns;
    for (const double width : widths) {
        columns.push_back({left, width, {}, {}, false, 0});
        left += width;
    }
    return columns;
}

std::vector<TableColumn> columnsFrom(double left, std::span<const double> widths,
                                     std::span<const ColumnTitle> titles) {
    std::vector<TableColumn> columns = columnsFrom(left, widths);
    for (std::size_t i = 0; i < columns.size() && i < titles.size(); ++i) {
        columns[i].title = titles[i].title;
        columns[i].subtitle = titles[i].subtitle;
    }
    return columns;
}

Table::Table(ReportCanvas& canvas, std::vector<TableColumn> columns, TableStyle style)
    : canvas_(canvas), columns_(std::move(columns)), style_(style) {}

double Table::headerHeight() const {
    const bool subtitles = std::any_of(columns_.begin(), columns_.end(),
                                       [](const TableColumn& c) { return !c.subtitle.empty(); });
    return subtitles ? 1.0 : 0.6;
}

void Table::begin(double top) {
    PdfWriter& pdf = canvas_.pdf();
    pdf.SetColorStroke(0);
    pdf.SetDash(0, 0);
    pdf.SetLineWidth(ruleWidth);
    top_ = top;
    bottom_ = top - headerHeight();
    open_ = true;
    const double left = columns_.front().left;
    const double right = columns_.back().right();
    canvas_.line(left, top, right, top);
    for (const TableColumn& c : columns_) {
        const double room = c.width - 2 * cellPadding;
        canvas_.fittedText(c.centre(), top - 0.45, c.title, font::body, style_.titleSize,
                           text_align::centre, room, style_.scaling);
        if (!c.subtitle.empty())
            canvas_.fittedText(c.centre(), top - 0.85, c.subtitle, font::body, style_.subtitleSize,
                               text_align::centre, room, style_.scaling);
    }
    canvas_.line(left, bottom_, right, bottom_);
}

void Table::cell(std::size_t column, double baseline, const std::string& text, bool marked) {
    const TableColumn& c = columns_[column];
    const char* fontName = marked ? font::bold : font::body;
    const double room = 2 * std::min(c.centre() - c.left, c.right() - c.centre()) - 2 * cellPadding;
    if (c.leftAligned)
        canvas_.fittedText(c.left + cellPadding, baseline, text, fontName, style_.cellSize,
                           text_align::left, c.width - 2 * cellPadding, style_.scaling);
    else
        canvas_.fittedText(c.centre(), baseline, text, fontName, style_.cellSize,
                           text_align::centre, room, style_.scaling);
}

void Table::row(const TableRow& row) {
    const double lower = bottom_ - style_.rowHeight;
    for (std::size_t i = 0; i < row.cells.size() && i < columns_.size(); ++i) {
        const bool marked = i < row.marked.size() && row.marked[i];
        if (marked) {
            const TableColumn& c = columns_[i];
            canvas_.pdf().SetColorFill(markGrey);
            canvas_.pdf().Rectangle(c.left, lower, c.width, style_.rowHeight, paint::fill);
            canvas_.pdf().SetColorFill(0);
        }
        cell(i, lower + style_.rowHeight * baselineRise, row.cells[i], marked);
    }
    bottom_ = lower;
}

void Table::continuationLine(std::size_t column, const std::string& text) {
    const double lower = bottom_ - style_.rowHeight;
    cell(column, lower + style_.rowHeight * baselineRise, text, false);
    bottom_ = lower;
}

void Table::rule() {
    canvas_.pdf().SetLineWidth(ruleWidth);
    canvas_.line(columns_.front().left, bottom_, columns_.back().right(), bottom_);
}

double Table::end() {
    if (!open_)
        return bottom_;
    PdfWriter& pdf = canvas_.pdf();
    pdf.SetColorStroke(0);
    pdf.SetDash(0, 0);
    pdf.SetLineWidth(ruleWidth);
    for (const TableColumn& c : columns_)
        canvas_.line(c.left, top_, c.left, bottom_);
    canvas_.line(columns_.back().right(), top_, columns_.back().right(), bottom_);
    canvas_.line(columns_.front().left, bottom_, columns_.back().right(), bottom_);
    open_ = false;
    return bottom_;
}

PagedTable::PagedTable(ReportCanvas& canvas, std::vector<TableColumn> columns, TableStyle style)
    : canvas_(canvas), table_(canvas, std::move(columns), style) {}

void PagedTable::beginOnThisPage() {
    table_.begin(canvas_.cursor());
    begun_ = true;
}

void PagedTable::row(const TableRow& row, const std::vector<std::string>& continuation,
                     std::size_t wrappedColumn) {
    const double height = table_.style().rowHeight * static_cast<double>(1 + continuation.size());
    if (!begun_) {
        const double whole = table_.headerHeight() + table_.style().rowHeight * keptRows_;
        const bool fitsOnAPage = firstLineY - whole >= bottomLimit;
        canvas_.need(fitsOnAPage ? whole : table_.headerHeight() + height);
        beginOnThisPage();
    } else if (table_.bottom() - height < bottomLimit) {
        table_.end();
        canvas_.setCursor(table_.bottom());
        canvas_.continueOnNewPage();
        beginOnThisPage();
    }
    table_.row(row);
    for (const std::string& line : continuation)
        table_.continuationLine(wrappedColumn, line);
}

void PagedTable::end() {
    if (!begun_)
        return;
    canvas_.setCursor(table_.end() - 0.6);
}

} // namespace orvanta::report
