#include "elevation_window.h"

#include "accessible_names.h"
#include "deformed_shape.h"
#include "display_locale.h"
#include "elevation_drawing.h"
#include "picture_box.h"
#include "view_drawing.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace orvanta {

namespace {

// Passes every message on and remembers that one was shown: the deformed shape reports a
// matrix it cannot invert that way.
class NoticingAsker : public Asker {
public:
    explicit NoticingAsker(Asker& to) : to_(to) {}
    Answer ask(const Message& message) override {
        told = true;
        return to_.ask(message);
    }
    bool told = false;

private:
    Asker& to_;
};

QLabel* smallLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    label->setFont(small);
    return label;
}

QString topDisplacementText(const char* axis, std::optional<double> top) {
    const QString heading = QStringLiteral("Spostamenti lungo %1").arg(QLatin1String(axis));
    if (!top)
        return heading + QStringLiteral(": spostamento in sommità non disponibile.");
    const std::string value = formatScientific(*top, 2, numberFormatOf(displayLocale()));
    return heading +
           QStringLiteral(". In sommità: %1 × F / Ecls").arg(QString::fromStdString(value)) +
           QStringLiteral("\n(mm, con F risultante delle forze di piano in N ed Ecls in N/mm²)");
}

} // namespace

ElevationWindow::ElevationWindow(ChildHost& host, QWidget* parent)
    : QWidget(parent), host_(host),
      pictureX_(new PictureBox(QStringLiteral("pctElevazioneX"), elevationExtent, this)),
      pictureY_(new PictureBox(QStringLiteral("pctElevazioneY"), elevationExtent, this)),
      topX_(smallLabel("lblSpostamentoX", this)), topY_(smallLabel("lblSpostamentoY", this)) {
    setObjectName(QString::fromLatin1(childWindow::elevation));
    nameControl(*pictureX_, QStringLiteral("Deformata in elevazione lungo X"));
    nameControl(*pictureY_, QStringLiteral("Deformata in elevazione lungo Y"));

    auto* general = new QGroupBox(this);
    general->setObjectName(QStringLiteral("fraGenerale"));
    auto* back = new QPushButton(QStringLiteral("INDIETRO"), general);
    back->setObjectName(QStringLiteral("cmdIndietro"));
    auto* generalLayout = new QHBoxLayout(general);
    generalLayout->addStretch(1);
    generalLayout->addWidget(back);

    auto* pictures = new QHBoxLayout;
    for (auto [picture, label] : {std::pair{pictureX_, topX_}, std::pair{pictureY_, topY_}}) {
        auto* column = new QVBoxLayout;
        column->addWidget(picture, 1);
        column->addWidget(label);
        pictures->addLayout(column, 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures, 1);
    layout->addWidget(general);

    connect(back, &QPushButton::clicked, this, [this] { host_.closeChild(objectName()); });

    resize(760, 640);
    compute();
}

void ElevationWindow::compute() {
    const Model& model = host_.session().model();
    AnalysisResults& results = host_.results();
    const int storeys = model.counts.nStoreys;
    if (!model.hasCompleteArrays() || results.globalStiffness.upper(1) != 3 * storeys ||
        results.globalStiffness.upper(2) != 3 * storeys)
        return; // no matrices of this building yet
    NoticingAsker asker(host_.asker());
    computeDeformedShape(model, results, asker);

    const double scale = elevationScale(model);
    Drawing x;
    Drawing y;
    drawElevation(x, model, results.deformedShape, 1, scale);
    drawElevation(y, model, results.deformedShape, 2, scale);
    // One extent for both, so that both shapes keep one scale on the screen.
    fitExtentToContents(x, elevationExtent);
    fitExtentToContents(y, x.extent());
    fitExtentToContents(x, y.extent());
    pictureX_->setDrawing(std::move(x));
    pictureY_->setDrawing(std::move(y));

    const auto top = [&](Direction d) {
        return asker.told ? std::nullopt : topDisplacementPerUnitForce(model, results[d]);
    };
    topX_->setText(topDisplacementText("X", top(Direction::orthogonalToY)));
    topY_->setText(topDisplacementText("Y", top(Direction::orthogonalToX)));
}

Following ElevationWindow::follow(ProjectChange change) {
    // The pictures keep what they show while the sections are edited; new matrices redraw them.
    if (change == ProjectChange::resultsRecomputed)
        compute();
    return Following::stayOpen;
}

} // namespace orvanta
