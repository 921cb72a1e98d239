#pragma once

// frmAzioneSismica: the seismic action of the site and of the building, typed once and kept with
// the project. For SLO, SLD and SLV the hazard ag [g], F0 and Tc* [s] (txtAgSLO … txtTcSLV); the
// soil category (cmbSuolo), the topographic category (cmbTopografia), the use class
// (cmbClasseUso), the ductility class (cmbDuttilita), the structural type (cmbTipologia),
// αu/α1 (txtAlfaU, empty for the value proposed for the structure, shown in grey), regularity in
// elevation (cmbRegolareAltezza), the infills (cmbTamponature), the damping ξ (txtSmorzamento),
// a behaviour factor q typed by the user (txtQ, empty for the computed one) and the concrete
// class Rck (txtRck). "Salva e Calcola" (cmdCalcola) checks every box, naming the first one out
// of range, keeps the values in the project and opens the static analysis on them.

#include "child_host.h"
#include "ntc_parameters.h"

#include <QWidget>
#include <array>

class QComboBox;
class QLineEdit;

namespace orvanta {

namespace childWindow {
inline constexpr const char* seismicActionWindow = "frmAzioneSismica";
} // namespace childWindow

class SeismicActionWindow : public QWidget {
    Q_OBJECT

public:
    explicit SeismicActionWindow(ChildHost& host, QWidget* parent = nullptr);

    // The parameters as typed, or nothing when a box is out of range (the message is shown).
    std::optional<NtcParameters> typedParameters(Asker& asker);

private:
    void fill(const NtcParameters& parameters, double rck);
    void proposeAlphaU();
    void saveAndCompute();
    bool refuse(Asker& asker, QLineEdit& box, const std::string& message);

    ChildHost& host_;
    std::array<std::array<QLineEdit*, 3>, 3> hazard_{}; // [limit state][ag, F0, Tc*]
    QComboBox* soil_;
    QComboBox* topography_;
    QComboBox* useClass_;
    QComboBox* ductility_;
    QComboBox* structure_;
    QLineEdit* alphaU_;
    QComboBox* regularInElevation_;
    QComboBox* infill_;
    QLineEdit* damping_;
    QLineEdit* behaviourFactor_;
    QLineEdit* concreteClass_;
};

} // namespace orvanta
