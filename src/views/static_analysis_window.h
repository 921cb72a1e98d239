#pragma once

// frmAnalisiStatica: the static analysis with lateral forces of NTC 2018 on the project's seismic
// parameters. Above, what the action is built from (q and how it was obtained, the periods, the
// validity of the method) in lblEsito; the spectra Se at SLO, SLD, SLV and Sd at SLV with T1 of
// both directions (pctSpettri); the plan of a chosen storey (cmbPiano) with each ritto's share of
// the storey shear in a chosen case (cmbCaso: X+, X-, Y+, Y-) (pctPianta). Below, for the
// direction of cmbDirezione, per storey the force F, the shear V, the accidental eccentricity,
// the displacement of the centre of mass at SLV (elastic dEe and dE = μd·dEe), the floor's
// rotation, the design drift and θ with its second-order effects (mfgPiani); and the drift check
// of every storey over every ritto and case against its limit, with ✓ / ✗ and the ritto that
// governs (mfgSpostamenti). "Parametri Sismici..." (cmdParametri) opens frmAzioneSismica.

#include "child_host.h"
#include "linear_static_analysis.h"
#include "number_format.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QStandardItemModel;
class QTableView;

namespace orvanta {

namespace childWindow {
inline constexpr const char* staticAnalysisWindow = "frmAnalisiStatica";
} // namespace childWindow

class PictureBox;

class StaticAnalysisWindow : public QWidget, public ChildWindow {
    Q_OBJECT

public:
    explicit StaticAnalysisWindow(ChildHost& host, QWidget* parent = nullptr);

    Following follow(ProjectChange change) override;

    const LinearStaticResults& analysis() const { return analysis_; }

    // The summary of lblEsito: q, q0, KR, αu/α1, T1 and the validity of the method, or why
    // nothing was computed.
    static QString summary(const LinearStaticResults& results, const NumberFormat& format);

private:
    void compute(Asker& asker);
    void fillStoreyTable();
    void fillDriftTable();
    void redrawPlan();

    ChildHost& host_;
    LinearStaticResults analysis_;
    QLabel* summary_;
    PictureBox* spectra_;
    PictureBox* plan_;
    QComboBox* storey_;
    QComboBox* action_;
    QComboBox* direction_;
    QStandardItemModel* storeys_;
    QStandardItemModel* drifts_;
    QTableView* storeyTable_;
    QTableView* driftTable_;
};

} // namespace orvanta
