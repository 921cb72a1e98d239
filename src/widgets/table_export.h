#pragma once

// Tables out of the windows: every grid of numbers (the family matrices, the blocks of the global
// matrix, the centres, the torsional checks, the modes) copies its selection, or the whole table
// when nothing is selected, with Ctrl+C, and offers in its context menu "Copia", "Copia tutto"
// and "Esporta CSV...". The text follows table_text.h: a header row, tab-separated rows, numbers
// at full precision in the user's decimal sign without grouping; the CSV file is written whole
// or not at all.
//
// A table model gives the exact number behind a cell under exactValueRole; a cell without one
// leaves as the text it shows. The header row is the horizontal header; when the vertical header
// is shown (the storey numbers of a matrix) its labels make the first column, headed by the
// vertical header's title ("Piano" unless the view names another, see headerTitle below).
//
//     QTableView* table = makeNumberTable(...);   // number tables get it already
//     enableTableExport(*table);                 // any other QTableView

#include "table_text.h"

#include <QString>
#include <Qt>

class QTableView;

namespace orvanta {

inline constexpr int exactValueRole = Qt::UserRole + 100;

// The heading of the column made of the vertical header's labels: the view's property
// "headerTitle" when set, "Piano" otherwise.
inline constexpr const char* headerTitleProperty = "headerTitle";

// The table as it leaves the program: the selected rows and columns (the rectangle that spans
// the selection) or, with nothing selected or `whole`, every row and column. Named
// "<window>-<table>" after the objectName of the window holding it and its own.
TextTable exportedTable(const QTableView& view, bool whole);

// The decimal sign of the user's locale (Italian under C/POSIX).
std::string userDecimalSign();

// Puts the table's text on the clipboard.
void copyTable(const QTableView& view, bool whole);

// Writes the whole table as CSV to the path. Returns an empty string on success, otherwise the
// message to show: the file and the reason.
QString exportTableCsv(const QTableView& view, const QString& path);

// Gives the view Ctrl+C and the context menu.
void enableTableExport(QTableView& view);

} // namespace orvanta
