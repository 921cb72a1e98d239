#include "table_export.h"

#include "atomic_file.h"
#include "display_locale.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTableView>
#include <set>

namespace orvanta {

namespace {

// The folder of the last CSV file written in this session, offered for the next.
QString& lastFolder() {
    static QString folder = QDir::homePath();
    return folder;
}

// The objectName of the child window holding the view: the nearest "frm…" ancestor.
QString windowName(const QWidget& view) {
    for (const QWidget* w = view.parentWidget(); w; w = w->parentWidget()) {
        if (w->objectName().startsWith(QLatin1String("frm")))
            return w->objectName();
    }
    return {};
}

std::string heading(const QAbstractItemModel& model, int section, Qt::Orientation orientation) {
    return model.headerData(section, orientation, Qt::DisplayRole).toString().toStdString();
}

TableCell cellOf(const QAbstractItemModel& model, int row, int column) {
    const QModelIndex index = model.index(row, column);
    const std::string shown = model.data(index, Qt::DisplayRole).toString().toStdString();
    const QVariant exact = model.data(index, exactValueRole);
    if (exact.isValid() && exact.canConvert<double>())
        return numberCell(exact.toDouble(), shown);
    return textCell(shown);
}

// The rows and columns of the selection, or all of them.
void chosenRange(const QTableView& view, bool whole, std::vector<int>& rows,
                 std::vector<int>& columns) {
    const QAbstractItemModel& model = *view.model();
    const QModelIndexList selected =
        view.selectionModel() ? view.selectionModel()->selectedIndexes() : QModelIndexList{};
    if (whole || selected.isEmpty()) {
        for (int r = 0; r < model.rowCount(); ++r)
            rows.push_back(r);
        for (int c = 0; c < model.columnCount(); ++c)
            columns.push_back(c);
        return;
    }
    std::set<int> r, c;
    for (const QModelIndex& index : selected) {
        r.insert(index.row());
        c.insert(index.column());
    }
    rows.assign(r.begin(), r.end());
    columns.assign(c.begin(), c.end());
}

// Ctrl+C on the view copies the table, before the view's own copy of the current cell.
class CopyShortcut : public QObject {
public:
    explicit CopyShortcut(QTableView& view) : QObject(&view), view_(view) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool key =
            event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
        if (watched == &view_ && key &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                copyTable(view_, false);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTableView& view_;
};

void askAndExportCsv(QTableView& view) {
    const QString suggested = QDir(lastFolder())
                                  .filePath(QString::fromStdString(exportedTable(view, true).name) +
                                            QStringLiteral(".csv"));
    QString path = QFileDialog::getSaveFileName(&view, QStringLiteral("Esporta CSV"), suggested,
                                                QStringLiteral("File CSV (*.csv)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".csv");
    lastFolder() = QFileInfo(path).absolutePath();
    const QString error = exportTableCsv(view, path);
    if (!error.isEmpty())
        QMessageBox::critical(&view, QStringLiteral("Esportazione non riuscita"), error);
}

QAction* addAction(QTableView& view, const QString& caption, const char* name) {
    auto* action = new QAction(caption, &view);
    action->setObjectName(QLatin1String(name));
    view.addAction(action);
    return action;
}

} // namespace

std::string userDecimalSign() {
    return numberFormatOf(displayLocale()).decimalSign;
}

TextTable exportedTable(const QTableView& view, bool whole) {
    TextTable table;
    const QString window = windowName(view);
    table.name = (window.isEmpty() ? QString() : window + QLatin1Char('-')).toStdString() +
                 view.objectName().toStdString();
    const QAbstractItemModel* model = view.model();
    if (!model)
        return table;
    std::vector<int> rows, columns;
    chosenRange(view, whole, rows, columns);
    const bool rowLabels = !view.verticalHeader()->isHidden();
    if (rowLabels) {
        const QVariant title = view.property(headerTitleProperty);
        table.header.push_back(title.isValid() ? title.toString().toStdString() : "Piano");
    }
    for (const int c : columns)
        table.header.push_back(heading(*model, c, Qt::Horizontal));
    for (const int r : rows) {
        std::vector<TableCell> row;
        if (rowLabels) {
            const QVariant label = model->headerData(r, Qt::Vertical, Qt::DisplayRole);
            bool isNumber = false;
            const double number = label.toDouble(&isNumber);
            row.push_back(isNumber ? numberCell(number, label.toString().toStdString())
                                   : textCell(label.toString().toStdString()));
        }
        for (const int c : columns)
            row.push_back(cellOf(*model, r, c));
        table.rows.push_back(std::move(row));
    }
    return table;
}

void copyTable(const QTableView& view, bool whole) {
    const std::string text = clipboardText(exportedTable(view, whole), userDecimalSign());
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

QString exportTableCsv(const QTableView& view, const QString& path) {
    const std::string bytes = csvText(exportedTable(view, true), userDecimalSign());
    const std::string reason = writeFileAtomically(path.toStdString(), bytes);
    if (reason.empty())
        return {};
    return QStringLiteral("Impossibile scrivere il file %1:\n%2")
        .arg(QDir::toNativeSeparators(path), QString::fromStdString(reason));
}

void enableTableExport(QTableView& view) {
    if (view.findChild<QAction*>(QStringLiteral("mnuCopia"), Qt::FindDirectChildrenOnly))
        return;
    view.setContextMenuPolicy(Qt::ActionsContextMenu);
    QAction* copy = addAction(view, QStringLiteral("Copia"), "mnuCopia");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QAction* copyAll = addAction(view, QStringLiteral("Copia tutto"), "mnuCopiaTutto");
    auto* separator = new QAction(&view);
    separator->setSeparator(true);
    view.addAction(separator);
    QAction* csv = addAction(view, QStringLiteral("Esporta CSV..."), "mnuEsportaCsv");
    QObject::connect(copy, &QAction::triggered, &view, [&view] { copyTable(view, false); });
    QObject::connect(copyAll, &QAction::triggered, &view, [&view] { copyTable(view, true); });
    QObject::connect(csv, &QAction::triggered, &view, [&view] { askAndExportCsv(view); });
    view.installEventFilter(new CopyShortcut(view));
}

} // namespace orvanta
