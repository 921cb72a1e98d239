#include "seismic_action_window.h"

#include "accessible_names.h"
#include "behaviour_factor.h"
#include "concrete.h"
#include "display_locale.h"
#include "number_format.h"
#include "number_text.h"
#include "static_analysis_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta {

namespace {

const char* const title = "Azione Sismica";
const char* const stateNames[] = {"SLO", "SLD", "SLV"};
const char* const hazardNames[] = {"Ag", "F0", "Tc"};
const char* const hazardCaptions[] = {"ag [g]", "F0", "Tc* [s]"};
const char* const hazardBoxes[] = {"ag", "F0", "Tc*"};

// A number typed with a comma or a point for decimals; nothing for an empty box or other text.
std::optional<double> typedNumber(const QLineEdit& box) {
    std::string text = box.text().trimmed().toStdString();
    for (char& c : text) {
        if (c == ',')
            c = '.';
    }
    if (text.empty())
        return std::nullopt;
    return number_text::parse(text);
}

// Shown with the user's decimal sign and no trailing zeros.
QString shown(double value) {
    QString text = QString::fromStdString(formatNumber(value, 4, numberFormatOf(displayLocale())));
    const QChar decimal = displayLocale().decimalPoint().front();
    if (text.contains(decimal)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(decimal))
            text.chop(1);
    }
    return text;
}

QComboBox* makeChoice(const char* name, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    return box;
}

QLineEdit* makeBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaximumWidth(90);
    return box;
}

} // namespace

SeismicActionWindow::SeismicActionWindow(ChildHost& host, QWidget* parent)
    : QWidget(parent), host_(host), soil_(makeChoice("cmbSuolo",
                                                     {"A - roccia", "B - depositi molto addensati",
                                                      "C - depositi mediamente "
                                                      "addensati",
                                                      "D - depositi scarsamente addensati",
                                                      "E - terreni di tipo "
                                                      "C o D con spessore ≤ 30 m su substrato"},
                                                     this)),
      topography_(makeChoice("cmbTopografia",
                             {"T1 - pianura, pendii ≤ 15°", "T2 - pendii > 15°",
                              "T3 - rilievi, 15° ≤ i ≤ 30°", "T4 - rilievi, i > 30°"},
                             this)),
      useClass_(makeChoice("cmbClasseUso", {"I", "II", "III", "IV"}, this)),
      ductility_(makeChoice("cmbDuttilita", {"CD\"A\" (alta)", "CD\"B\" (media)"}, this)),
      structure_(makeChoice("cmbTipologia",
                            {"a telaio", "a pareti non accoppiate", "mista o a pareti accoppiate"},
                            this)),
      alphaU_(makeBox(QStringLiteral("txtAlfaU"), this)),
      regularInElevation_(makeChoice("cmbRegolareAltezza", {"Sì", "No"}, this)),
      infill_(makeChoice("cmbTamponature",
                         {"fragili, collegate rigidamente (0,005·h)", "duttili (0,0075·h)",
                          "non interferenti con la struttura (0,010·h)"},
                         this)),
      damping_(makeBox(QStringLiteral("txtSmorzamento"), this)),
      behaviourFactor_(makeBox(QStringLiteral("txtQ"), this)),
      concreteClass_(makeBox(QStringLiteral("txtRck"), this)) {
    setObjectName(QString::fromLatin1(childWindow::seismicActionWindow));

    auto* hazardGroup = new QGroupBox(QStringLiteral("Pericolosità del sito"), this);
    hazardGroup->setObjectName(QStringLiteral("fraPericolosita"));
    auto* hazardGrid = new QGridLayout(hazardGroup);
    for (int j = 0; j < 3; ++j) {
        auto* caption = new QLabel(QString::fromUtf8(hazardCaptions[j]), hazardGroup);
        caption->setObjectName(QStringLiteral("lbl") + QLatin1String(hazardNames[j]));
        hazardGrid->addWidget(caption, 0, j + 1);
    }
    for (int i = 0; i < 3; ++i) {
        auto* state = new QLabel(QLatin1String(stateNames[i]), hazardGroup);
        state->setObjectName(QStringLiteral("lbl") + QLatin1String(stateNames[i]));
        hazardGrid->addWidget(state, i + 1, 0);
        for (int j = 0; j < 3; ++j) {
            QLineEdit* box = makeBox(QStringLiteral("txt") + QLatin1String(hazardNames[j]) +
                                         QLatin1String(stateNames[i]),
                                     hazardGroup);
            nameControl(*box, QString::fromUtf8(hazardBoxes[j]) + QStringLiteral(" allo ") +
                                  QLatin1String(stateNames[i]));
            hazardGrid->addWidget(box, i + 1, j + 1);
            hazard_[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = box;
        }
    }

    auto* building = new QGroupBox(QStringLiteral("Terreno ed edificio"), this);
    building->setObjectName(QStringLiteral("fraEdificio"));
    auto* form = new QGridLayout(building);
    int row = 0;
    const auto addRow = [&](const char* name, const QString& caption, QWidget* control) {
        auto* label = new QLabel(caption, building);
        label->setObjectName(QLatin1String(name));
        nameAfterLabel(*label, *control);
        form->addWidget(label, row, 0);
        form->addWidget(control, row, 1);
        ++row;
    };
    addRow("lblSuolo", QStringLiteral("Categoria di sottosuolo:"), soil_);
    addRow("lblTopografia", QStringLiteral("Categoria topografica:"), topography_);
    addRow("lblClasseUso", QStringLiteral("Classe d'uso:"), useClass_);
    addRow("lblDuttilita", QStringLiteral("Classe di duttilità:"), ductility_);
    addRow("lblTipologia", QStringLiteral("Tipologia strutturale:"), structure_);
    addRow("lblAlfaU", QStringLiteral("αu/α1:"), alphaU_);
    addRow("lblRegolareAltezza", QStringLiteral("Regolare in altezza:"), regularInElevation_);
    addRow("lblTamponature", QStringLiteral("Tamponature:"), infill_);
    addRow("lblSmorzamento", QStringLiteral("Smorzamento ξ [%]:"), damping_);
    addRow("lblQ", QStringLiteral("Fattore di struttura q imposto:"), behaviourFactor_);
    addRow("lblRck", QStringLiteral("Classe calcestruzzo Rck [N/mm²]:"), concreteClass_);
    behaviourFactor_->setPlaceholderText(QStringLiteral("calcolato"));

    auto* note = new QLabel(
        QStringLiteral("Lasciare vuoti αu/α1 e q per adottare i valori proposti dalla norma "
                       "(NTC 2018 §7.3.1)."),
        this);
    note->setObjectName(QStringLiteral("lblNota"));
    note->setWordWrap(true);

    auto* compute = new QPushButton(QStringLiteral("Salva e Calcola"), this);
    compute->setObjectName(QStringLiteral("cmdCalcola"));
    auto* back = new QPushButton(QStringLiteral("INDIETRO"), this);
    back->setObjectName(QStringLiteral("cmdIndietro"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(compute);
    buttons->addWidget(back);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hazardGroup);
    layout->addWidget(building);
    layout->addWidget(note);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(structure_, &QComboBox::currentIndexChanged, this, [this] { proposeAlphaU(); });
    connect(compute, &QPushButton::clicked, this, [this] { saveAndCompute(); });
    connect(back, &QPushButton::clicked, this, [this] { host_.closeChild(objectName()); });

    const Model& model = host_.session().model();
    const std::optional<NtcParameters> stored = readNtcParameters(model.settings);
    fill(stored.value_or(NtcParameters{}), projectConcreteClass(model));
    if (!stored) {
        for (auto& boxes : hazard_) {
            for (QLineEdit* box : boxes)
                box->clear();
        }
    }
    resize(560, 640);
}

void SeismicActionWindow::fill(const NtcParameters& p, double rck) {
    for (const LimitState state : allLimitStates) {
        const auto& boxes = hazard_[limitIndex(state)];
        boxes[0]->setText(shown(p.at(state).ag));
        boxes[1]->setText(shown(p.at(state).f0));
        boxes[2]->setText(shown(p.at(state).tcStar));
    }
    soil_->setCurrentIndex(static_cast<int>(p.soil));
    topography_->setCurrentIndex(static_cast<int>(p.topography));
    useClass_->setCurrentIndex(p.useClass - 1);
    ductility_->setCurrentIndex(static_cast<int>(p.ductility));
    structure_->setCurrentIndex(static_cast<int>(p.structure));
    alphaU_->setText(p.alphaU ? shown(*p.alphaU) : QString());
    regularInElevation_->setCurrentIndex(p.regularInElevation.value_or(true) ? 0 : 1);
    infill_->setCurrentIndex(static_cast<int>(p.infill));
    damping_->setText(shown(p.dampingPercent));
    behaviourFactor_->setText(p.behaviourFactor ? shown(*p.behaviourFactor) : QString());
    concreteClass_->setText(shown(rck));
    proposeAlphaU();
}

void SeismicActionWindow::proposeAlphaU() {
    const Counts& c = host_.session().model().counts;
    const double proposed = proposedAlphaU(static_cast<StructuralType>(structure_->currentIndex()),
                                           c.nStoreys, c.nX - 1, c.nY - 1);
    alphaU_->setPlaceholderText(QStringLiteral("proposto ") + shown(proposed));
}

bool SeismicActionWindow::refuse(Asker& asker, QLineEdit& box, const std::string& message) {
    asker.ask(Message{{message, "Correggere il valore prima di procedere."},
                      title,
                      MessageIcon::Critical,
                      MessageButtons::Ok});
    box.setFocus();
    box.selectAll();
    return false;
}

std::optional<NtcParameters> SeismicActionWindow::typedParameters(Asker& asker) {
    NtcParameters p;
    for (const LimitState state : allLimitStates) {
        const auto& boxes = hazard_[limitIndex(state)];
        double* values[] = {&p.at(state).ag, &p.at(state).f0, &p.at(state).tcStar};
        for (std::size_t j = 0; j < 3; ++j) {
            const std::optional<double> v = typedNumber(*boxes[j]);
            if (!v) {
                refuse(asker, *boxes[j],
                       std::string("Inserire il valore di ") + hazardBoxes[j] + " (" +
                           limitStateName(state) + ").");
                return std::nullopt;
            }
            *values[j] = *v;
        }
    }
    p.soil = static_cast<SoilCategory>(soil_->currentIndex());
    p.topography = static_cast<TopographicCategory>(topography_->currentIndex());
    p.useClass = useClass_->currentIndex() + 1;
    p.ductility = static_cast<DuctilityClass>(ductility_->currentIndex());
    p.structure = static_cast<StructuralType>(structure_->currentIndex());
    p.regularInElevation = regularInElevation_->currentIndex() == 0;
    p.infill = static_cast<InfillKind>(infill_->currentIndex());
    // An optional box left empty takes the computed value; other text is refused.
    const auto optional = [&](QLineEdit& box, const char* name,
                              std::optional<double>& out) -> bool {
        if (box.text().trimmed().isEmpty())
            return true;
        out = typedNumber(box);
        return out || refuse(asker, box, std::string("Il valore di ") + name + " non è un numero.");
    };
    std::optional<double> damping;
    if (!optional(*alphaU_, "αu/α1", p.alphaU) ||
        !optional(*behaviourFactor_, "q", p.behaviourFactor) || !optional(*damping_, "ξ", damping))
        return std::nullopt;
    p.dampingPercent = damping.value_or(5);
    if (const std::optional<ParameterError> e = checkParameters(p)) {
        QLineEdit* box = e->box == "αu/α1" ? alphaU_
                         : e->box == "q"   ? behaviourFactor_
                         : e->box == "ξ"   ? damping_
                                           : nullptr;
        for (const LimitState state : allLimitStates) {
            for (std::size_t j = 0; j < 3; ++j) {
                if (e->box == std::string(hazardBoxes[j]) + " (" + limitStateName(state) + ")")
                    box = hazard_[limitIndex(state)][j];
            }
        }
        refuse(asker, box ? *box : *alphaU_, e->message);
        return std::nullopt;
    }
    return p;
}

void SeismicActionWindow::saveAndCompute() {
    Asker& asker = host_.asker();
    const std::optional<NtcParameters> p = typedParameters(asker);
    if (!p)
        return;
    const std::optional<double> rck = typedNumber(*concreteClass_);
    const std::optional<ParameterError> rckError =
        rck ? checkConcreteClass(*rck)
            : std::optional<ParameterError>(
                  ParameterError{"Rck", "Inserire la classe del calcestruzzo Rck."});
    if (rckError) {
        refuse(asker, *concreteClass_, rckError->message);
        return;
    }
    // Kept in the project's settings, saved with it by File > Salva.
    Model& model = host_.session().model();
    writeNtcParameters(model.settings, *p);
    model.settings.setNumber(settingKey::concreteClass, *rck);
    host_.closeChild(QString::fromLatin1(childWindow::staticAnalysisWindow));
    host_.openChild(QString::fromLatin1(childWindow::staticAnalysisWindow));
}

} // namespace orvanta
