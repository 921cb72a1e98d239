#include "report_window.h"

#include "accessible_names.h"
#include "calculation_report.h"
#include "concrete.h"
#include "concrete_class_box.h"
#include "display_locale.h"
#include "progress_feedback.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta {

namespace {

const char* const reportTitle = "Stampa Relazione";
const char* const reportFilter = "Documento PDF (*.pdf)";
constexpr int fieldWidth = 380; // pixels: a description of some 60 characters shows whole

QLineEdit* addField(QFormLayout& form, QWidget& parent, const char* labelName,
                    const QString& caption, const char* fieldName) {
    auto* label = new QLabel(caption, &parent);
    label->setObjectName(QString::fromUtf8(labelName));
    auto* field = new QLineEdit(&parent);
    field->setObjectName(QString::fromUtf8(fieldName));
    field->setMinimumWidth(fieldWidth);
    nameAfterLabel(*label, *field);
    form.addRow(label, field);
    return field;
}

// A path ending in ".pdf", whatever the user typed in the dialog.
std::string withPdfExtension(std::string path) {
    const std::string extension = ".pdf";
    const bool has = path.size() >= extension.size() &&
                     QString::fromStdString(path.substr(path.size() - extension.size()))
                             .compare(QString::fromStdString(extension), Qt::CaseInsensitive) == 0;
    return has ? path : path + extension;
}

} // namespace

ReportWindow::ReportWindow(ChildHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(childWindow::report);
    setWindowTitle(QString::fromUtf8(reportTitle));

    auto* heading = new QLabel(QStringLiteral("Inserimento Dati Generali"), this);
    heading->setObjectName(QStringLiteral("lblGeneralità"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    description_ = addField(*form, *this, "lblDescrizione",
                            QStringLiteral("Descrizione dell' Opera:"), "txtDescrizione");
    location_ =
        addField(*form, *this, "lblUbicazione", QStringLiteral("Ubicazione:"), "txtUbicazione");
    designer_ =
        addField(*form, *this, "lblProgettista", QStringLiteral("Progettista:"), "txtProgettista");
    client_ =
        addField(*form, *this, "lblCommittente", QStringLiteral("Committente:"), "txtCommittente");
    date_ = addField(*form, *this, "lblData", QStringLiteral("Data:"), "txtData");
    date_->setText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));

    auto* concreteLabel = new QLabel(QStringLiteral("Classe Calcestruzzo [MPa]"), this);
    concreteLabel->setObjectName(QStringLiteral("lblCalcestruzzo"));
    concrete_ = new QComboBox(this);
    concrete_->setObjectName(QStringLiteral("cmbCalcestruzzo"));
    fillConcreteClasses(*concrete_, projectConcreteClass(host.session().model()));
    nameAfterLabel(*concreteLabel, *concrete_);
    form->addRow(concreteLabel, concrete_);

    auto* print = new QPushButton(QStringLiteral("&Stampa PDF"), this);
    print->setObjectName(QStringLiteral("cmdStampa"));
    print->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Annulla"), this);
    cancel->setObjectName(QStringLiteral("cmdAnnulla"));
    connect(print, &QPushButton::clicked, this, [this] { this->print(); });
    connect(cancel, &QPushButton::clicked, this,
            [this] { host_.closeChild(QString::fromUtf8(childWindow::report)); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);
}

Following ReportWindow::follow(ProjectChange) {
    return Following::stayOpen;
}

ReportFields ReportWindow::fields() const {
    return {description_->text().toStdString(), location_->text().toStdString(),
            designer_->text().toStdString(), client_->text().toStdString(),
            date_->text().toStdString()};
}

double ReportWindow::concreteClass() const {
    return selectedConcreteClass(*concrete_);
}

// Beside the project file with its name; a project without a file asks where.
std::optional<std::string> ReportWindow::reportPath() {
    const std::string beside = host_.session().siblingFile(".pdf");
    if (!beside.empty())
        return beside;
    const std::optional<std::string> chosen = host_.chooseFileToSave(reportTitle, reportFilter);
    if (!chosen || chosen->empty())
        return std::nullopt;
    return withPdfExtension(*chosen);
}

bool ReportWindow::print() {
    const std::optional<std::string> path = reportPath();
    if (!path)
        return false;
    ProjectSession& session = host_.session();
    const ReportRequest request{fields(), numberFormatOf(displayLocale()), concreteClass(),
                                session.projectName()};
    ReportOutcome outcome;
    {
        // Seconds on the largest buildings: a wait cursor, then the stage being written.
        ProgressFeedback feedback(this, QString::fromUtf8(reportTitle));
        outcome = writeCalculationReport(*path, session.model(), host_.results(), request,
                                         feedback.callback());
    }
    if (!outcome.written) {
        host_.asker().tell(
            {"Impossibile scrivere la relazione di calcolo nel file", *path, outcome.error},
            reportTitle, MessageIcon::Critical);
        return false;
    }
    const QString shown = QDir::toNativeSeparators(QString::fromStdString(*path));
    host_.announceDocument(QStringLiteral("Relazione di calcolo scritta in %1 (%2 pagine)")
                               .arg(shown)
                               .arg(outcome.pages),
                           QStringLiteral("Apri la relazione"), QString::fromStdString(*path));
    host_.closeChild(QString::fromUtf8(childWindow::report));
    return true;
}

} // namespace orvanta
