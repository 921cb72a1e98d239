#pragma once

// frmStampa, "Stampa Relazione": the general data of the calculation report and the command
// that writes it.
//
// The five fields are printed on page 1 after their labels and kept with the project (its
// settings) when the report is printed; a project never printed starts with txtData at today's
// date ("08/12/2026"). cmbCalcestruzzo shows the project's concrete class, the one the sections
// editor offers; a choice here changes it for the whole project. "Stampa PDF" first runs "Calcola
// Matrici" again when the model was edited since, then writes the report beside the project file
// with the project's name (a project never saved asks where, with the save dialog), in the user's
// number conventions, then says in the status bar where the file is, with "Apri la relazione", and
// closes the window. A report that cannot be written is reported with the file and the reason, and
// the window stays open with everything typed.

#include "child_host.h"

#include <QWidget>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;

namespace orvanta {

struct ReportFields;

class ReportWindow : public QWidget, public ChildWindow {
    Q_OBJECT

public:
    explicit ReportWindow(ChildHost& host, QWidget* parent = nullptr);

    // The report reads the results when it is written; the fields and the class follow the
    // project's settings.
    Following follow(ProjectChange change) override;

    ReportFields fields() const;
    // The project's Rck in N/mm².
    double concreteClass() const;

    // Writes the report; true when it was written.
    bool print();

private:
    std::optional<std::string> reportPath();
    void showStoredFields();

    ChildHost& host_;
    QLineEdit* description_;
    QLineEdit* location_;
    QLineEdit* designer_;
    QLineEdit* client_;
    QLineEdit* date_;
    QComboBox* concrete_;
};

} // namespace orvanta
