#pragma once

// frmFamiglieX and frmFamiglieY: the families of one set of ritti (one class, the direction
// chosen at construction).
//
// Two views show the normalised matrix (term (1, 1) = 1000) of any two ritti side by side with
// their families; a ritto is moved into another family by hand with "Modifica Famiglia di
// Appartenenza". The family count (txtFamiglie, hsbFamiglie) is set within 1..nX·nY + nExtra;
// lowering it moves the ritti of the removed families into the new last family.
// "ASSEGNAZIONE FAMIGLIE AUTOMATICA" groups every ritto into the nearest of the counted families,
// "Ricompatta Famiglie" puts them all back into family 1. Every change of the families is told
// to the other windows (the centres view recomputes its centres). The plan bitmap saved beside
// the project is shown for reference; without it the plan of the first storey is drawn.

#include "analysis_results.h"
#include "child_host.h"

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;

namespace orvanta {

class ImageBox;
class NumberSelector;
class RittoPanel;

class FamilyWindow : public QWidget, public ChildWindow {
    Q_OBJECT

public:
    // direction: the ritti resisting along Y are the window "X" (orthogonal to X).
    FamilyWindow(ChildHost& host, Direction direction, QWidget* parent = nullptr);

    Following follow(ProjectChange change) override;

    // The caption of the automatic assignment's button for the window of this direction.
    static QString assignCaption(Direction direction);

private:
    void load();
    void loadPlan();
    void showRitto(int view);
    void showFamilies();
    void familyCountChosen(int count);
    void assign();
    void recompact();
    void modify(int view);
    // Applies a change of the families as one undoable edit of the document.
    void edit(const char* caption, std::function<void(const Model&, AnalysisResults&)> change);
    // The family count box shows the count adopted.
    void showCount();

    RittiResults& ritti() { return host_.results()[direction_]; }
    bool holdsRitto(int slot) const;

    ChildHost& host_;
    Direction direction_;
    std::array<RittoPanel*, 2> views_{};
    NumberSelector* familyCount_;
    QLabel* warnings_;
    QPushButton* assign_;
    QPushButton* recompact_;
    ImageBox* plan_;
    bool loading_ = false;
};

} // namespace orvanta
