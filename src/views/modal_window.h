#pragma once

// frmAnalisiModale: the modal analysis and the regularity of the building by the Italian code
// (NTC 2018). A "Regolarità" summary lists each criterion of §7.2.1 with its figure, where it
// applies (a storey, a pair of storeys, a direction) and ✓ / ✗, with the verdicts in elevation
// and in plan; beside it, every mode with its period and its participating masses along X and Y,
// and T1 of each direction. With the project's seismic parameters (frmAzioneSismica) the modal
// response under the site's action: per storey the CQC forces, shears, displacements and
// rotations at SLV, the largest drift against its limit (SLD or SLO) with ✓ / ✗ and θ; each
// ritto's share of the base shear; and which analysis governs and why. The figures follow the
// project: "Calcola Matrici" recomputes them, an edit of the model closes the window.

#include "child_host.h"
#include "ntc_modal_analysis.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace orvanta {

namespace childWindow {
inline constexpr const char* modal = "frmAnalisiModale";
} // namespace childWindow

class ModalWindow : public QWidget, public ChildWindow {
    Q_OBJECT

public:
    explicit ModalWindow(ChildHost& host, QWidget* parent = nullptr);

    Following follow(ProjectChange change) override;

    const ModalStudy& study() const { return ntc_.study; }
    const NtcAnalysis& analysis() const { return ntc_; }
    bool hasAction() const { return hasAction_; }

    // "L'edificio è regolare in altezza e non regolare in pianta secondo NTC 2018 §7.2.1", or
    // why nothing could be computed.
    static QString verdict(const ModalStudy& study);
    // Which analysis governs and why, or why the modal response was not computed.
    static QString method(const NtcAnalysis& analysis, bool hasAction);

private:
    void compute();
    void fillCriteria();
    void fillModes();
    void fillStoreys();
    void fillRitti();

    ChildHost& host_;
    NtcAnalysis ntc_;
    bool hasAction_ = false;
    QLabel* verdict_;
    QLabel* periods_;
    QLabel* method_;
    QTableWidget* criteria_;
    QTableWidget* modes_;
    QTableWidget* storeys_;
    QTableWidget* ritti_;
};

} // namespace orvanta
