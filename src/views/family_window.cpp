#include "family_window.h"

#include "accessible_names.h"
#include "display_locale.h"
#include "drawing_painter.h"
#include "families.h"
#include "family_warnings.h"
#include "image_box.h"
#include "normalised_matrix.h"
#include "number_selector.h"
#include "plan_view.h"
#include "ritto_panel.h"
#include "view_drawing.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <filesystem>

namespace orvanta {

namespace {

// The plan drawn when no bitmap was saved, at 15 twips per pixel (96 dpi).
constexpr double twipsPerPixel = 15;

// The ritto's matrix normalised to term (1, 1) = 1000, its own storeys × storeys, row by row.
std::vector<double> normalisedMatrix(const Array3<double>& k, int ritto, int storeys) {
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(storeys) * static_cast<std::size_t>(storeys));
    const double first = k(ritto, 1, 1);
    for (int r = 1; r <= storeys; ++r) {
        for (int c = 1; c <= storeys; ++c)
            values.push_back(normalisedTerm(k(ritto, r, c), first));
    }
    return values;
}

} // namespace

QString FamilyWindow::assignCaption(Direction direction) {
    return direction == Direction::orthogonalToX
               ? QStringLiteral(" ASSEGNAZIONE  FAMIGLIE AUTOMATICA")
               : QStringLiteral("ASSEGNAZIONE  FAMIGLIE AUTOMATICA");
}

FamilyWindow::FamilyWindow(ChildHost& host, Direction direction, QWidget* parent)
    : QWidget(parent), host_(host), direction_(direction),
      familyCount_(new NumberSelector(QStringLiteral("txtFamiglie"), QStringLiteral("hsbFamiglie"),
                                      rangeMessages::familyCount(), host.asker(), this)),
      assign_(new QPushButton(assignCaption(direction), this)),
      recompact_(new QPushButton(QStringLiteral("Ricompatta Famiglie"), this)),
      plan_(new ImageBox(QStringLiteral("imgPianta"), this)) {
    setObjectName(QString::fromLatin1(
        direction == Direction::orthogonalToX ? childWindow::familiesX : childWindow::familiesY));
    // Every count moves ritti when it is lowered: it is taken when typing ends, not on the way.
    familyCount_->setFollowsTyping(false);

    auto* matrices = new QGroupBox(this);
    matrices->setObjectName(QStringLiteral("fraMatrici"));
    auto* matricesLayout = new QHBoxLayout(matrices);
    for (int view = 1; view <= 2; ++view) {
        auto* panel = new RittoPanel(view, host.asker(), matrices);
        views_[static_cast<std::size_t>(view - 1)] = panel;
        matricesLayout->addWidget(panel);
        connect(&panel->selector(), &NumberSelector::valueChanged, this,
                [this, view] { showRitto(view); });
        connect(panel, &RittoPanel::modifyPressed, this, [this, view] { modify(view); });
    }

    auto* general = new QGroupBox(this);
    general->setObjectName(QStringLiteral("fraGenerale"));
    auto* countLabel = new QLabel(QStringLiteral("N° FAMIGLIE"), general);
    countLabel->setObjectName(QStringLiteral("lblFamiglie"));
    nameAfterLabel(*countLabel, *familyCount_);
    assign_->setObjectName(QStringLiteral("cmdAssegna"));
    recompact_->setObjectName(QStringLiteral("cmdRicompatta"));
    auto* back = new QPushButton(QStringLiteral("INDIETRO"), general);
    back->setObjectName(QStringLiteral("cmdIndietro"));
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(countLabel);
    countRow->addWidget(familyCount_, 1);
    auto* generalLayout = new QVBoxLayout(general);
    generalLayout->addLayout(countRow);
    generalLayout->addWidget(assign_);
    generalLayout->addWidget(recompact_);
    generalLayout->addSpacing(8);
    generalLayout->addWidget(back);

    auto* planFrame = new QFrame(this);
    planFrame->setObjectName(QStringLiteral("pctPianta"));
    planFrame->setFrameShape(QFrame::StyledPanel);
    auto* planLayout = new QVBoxLayout(planFrame);
    planLayout->setContentsMargins(1, 1, 1, 1);
    planLayout->addWidget(plan_);
    nameControl(*plan_, QStringLiteral("Pianta della struttura"));

    // What the families hide: heights mixed in one family, ritti with no beam.
    warnings_ = new QLabel(this);
    warnings_->setObjectName(QStringLiteral("lblAvvisiFamiglie"));
    warnings_->setWordWrap(true);
    warnings_->setStyleSheet(QStringLiteral("color: #a00000"));
    nameControl(*warnings_, QStringLiteral("Avvisi sulle famiglie"));

    auto* side = new QVBoxLayout;
    side->addWidget(planFrame, 1);
    side->addWidget(warnings_);
    side->addWidget(general);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(matrices, 3);
    layout->addLayout(side, 2);

    connect(familyCount_, &NumberSelector::valueChanged, this, &FamilyWindow::familyCountChosen);
    connect(assign_, &QPushButton::clicked, this, &FamilyWindow::assign);
    connect(recompact_, &QPushButton::clicked, this, &FamilyWindow::recompact);
    connect(back, &QPushButton::clicked, this, [this] { host_.closeChild(objectName()); });

    resize(1000, 600);
    loadPlan();
    load();
}

bool FamilyWindow::holdsRitto(int slot) const {
    const Array1<std::int16_t>& storeys = host_.results().ritStoreys;
    return slot >= storeys.lower() && slot <= storeys.upper() && storeys(slot) != 0;
}

// Everything from the results, which may have other sizes than before: the ritti shown stay when
// they still stand, otherwise both views start from the lowest ritto.
void FamilyWindow::load() {
    loading_ = true;
    const Array1<std::int16_t>& storeys = host_.results().ritStoreys;
    int lowest = 0;
    int highest = 0;
    for (int i = storeys.lower(); i <= storeys.upper(); ++i) {
        if (storeys(i) == 0)
            continue;
        lowest = lowest == 0 ? i : lowest;
        highest = i;
    }
    const bool anyRitto = lowest != 0;
    familyCount_->setRange(1, std::max(1, static_cast<int>(storeys.size())));
    familyCount_->setValue(std::max<int>(1, ritti().familyCount));
    for (RittoPanel* view : views_) {
        const int shown = view->ritto();
        view->selector().setOccupied([this](int slot) { return holdsRitto(slot); });
        view->selector().setRange(anyRitto ? lowest : 1, anyRitto ? highest : 1);
        view->selector().setValue(anyRitto && holdsRitto(shown) ? shown : lowest);
        view->setEnabled(anyRitto);
    }
    assign_->setEnabled(anyRitto);
    recompact_->setEnabled(anyRitto);
    loading_ = false;
    showFamilies();
    showRitto(1);
    showRitto(2);
}

void FamilyWindow::loadPlan() {
    const std::string file = host_.session().siblingFile(".bmp");
    QImage picture;
    if (!file.empty() && std::filesystem::is_regular_file(file))
        picture.load(QString::fromStdString(file));
    const Model& model = host_.session().model();
    if (picture.isNull() && model.hasCompleteArrays()) {
        Drawing plan;
        drawStoreyPlan(plan, storeyPlan(model, 1), planScaleOf(model), bitmapPlanStyle());
        fitExtentToContents(plan, Drawing::defaultExtent);
        picture =
            renderDrawing(plan, QSize(static_cast<int>(plan.extent().width / twipsPerPixel),
                                      static_cast<int>(plan.extent().height / twipsPerPixel)));
    }
    plan_->setImage(picture);
}

void FamilyWindow::showRitto(int view) {
    if (loading_)
        return;
    RittoPanel& panel = *views_[static_cast<std::size_t>(view - 1)];
    const int i = panel.ritto();
    if (!holdsRitto(i)) {
        panel.showMatrix({}, 0, 0, {});
        panel.selectFamily(0);
        return;
    }
    const Array3<double>& k = ritti().ritMatrix;
    const int own = host_.results().ritStoreys(i);
    if (i > k.upper(1) || own > k.upper(2)) { // a stage that allocated nothing
        panel.showMatrix({}, 0, 0, {});
        return;
    }
    const NumberFormat format = numberFormatOf(displayLocale());
    const QString coefficient =
        QString::fromStdString(formatScientific(k(i, 1, 1) / 1000, 1, format)) +
        QStringLiteral("  E  x");
    panel.showMatrix(coefficient, k.upper(2), own, normalisedMatrix(k, i, own));
    panel.selectFamily(ritti().family(i));
}

void FamilyWindow::showFamilies() {
    QStringList warnings;
    for (const std::string& line : familyWarnings(host_.results(), direction_))
        warnings << QString::fromStdString(line);
    warnings_->setText(warnings.isEmpty()
                           ? QString()
                           : QStringLiteral("Attenzione:\n") + warnings.join(QLatin1Char('\n')));
    warnings_->setVisible(!warnings.isEmpty());
    const int count = ritti().familyCount;
    for (RittoPanel* view : views_) {
        view->setFamilies(count);
        if (holdsRitto(view->ritto()))
            view->selectFamily(ritti().family(view->ritto()));
    }
}

// Each change of the families is one edit of the document, which tells the other windows; this
// one shows the families and the adopted count itself (a count beyond its limit is shown as
// reduced even when nothing moved).
void FamilyWindow::familyCountChosen(int count) {
    if (loading_)
        return;
    edit("Numero di Famiglie", [this, count](const Model& m, AnalysisResults& r) {
        setFamilyCount(m, r, direction_, count, host_.asker());
    });
}

void FamilyWindow::assign() {
    const int count = familyCount_->value();
    edit("Assegnazione Famiglie", [this, count](const Model& m, AnalysisResults& r) {
        assignFamilies(m, r, direction_, count, host_.asker());
    });
}

void FamilyWindow::edit(const char* caption,
                        std::function<void(const Model&, AnalysisResults&)> change) {
    host_.document().apply({caption, [&change](Model& m, AnalysisResults& r) { change(m, r); }});
    showCount();
    showFamilies();
}

void FamilyWindow::showCount() {
    loading_ = true;
    familyCount_->setValue(std::max<int>(1, ritti().familyCount));
    loading_ = false;
}

void FamilyWindow::recompact() {
    familyCount_->setValue(1);
    assign();
}

void FamilyWindow::modify(int view) {
    RittoPanel& panel = *views_[static_cast<std::size_t>(view - 1)];
    const int i = panel.ritto();
    const int family = panel.chosenFamily();
    if (!holdsRitto(i) || family < 1 || family > ritti().familyCount)
        return;
    const Direction direction = direction_;
    edit("Modifica Famiglia di Appartenenza", [=](const Model&, AnalysisResults& r) {
        r[direction].family(i) = static_cast<std::int16_t>(family);
    });
}

Following FamilyWindow::follow(ProjectChange change) {
    switch (change) {
    case ProjectChange::modelEdited:
        return Following::close;
    case ProjectChange::resultsRecomputed:
        load();
        return Following::stayOpen;
    case ProjectChange::settingsChanged:
        return Following::stayOpen;
    case ProjectChange::familiesReassigned:
        showCount();
        showFamilies();
        return Following::stayOpen;
    }
    return Following::stayOpen;
}

} // namespace orvanta
