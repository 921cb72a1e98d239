#pragma once

// frmCarichi, "Immissione dei CARICHI": the third input phase. Storey by storey the engineer
// puts floor slabs on the bays of the grid, each with its span and its permanent and variable
// loads, watching them appear in magenta on the plan. "INSERISCI GEOMETRIA DELLE SEZIONI"
// distributes the loads and hands over to the sections editor; from then on the slabs can no
// longer be edited.
//
// A bay is chosen by the grid node at its lower-left corner (txtNodo1Sol with hsbNodoSol; the
// nodes on the last line along X start no bay and are skipped); the other three corners are
// shown beside it. "Aggiungi / Modifica" and "Elimina" act on the chosen bay of the shown storey
// and move on to the next bay, so a row of bays is entered by pressing the same button.
// "Applica a tutto il piano" and "Applica a tutti i piani" put the typed slab on every bay that
// has the two beams it rests on.

#include "child_host.h"
#include "slab_entry.h"

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvanta {

class NumberSelector;
class PictureBox;

class LoadsEditor : public QWidget, public ChildWindow {
    Q_OBJECT

public:
    explicit LoadsEditor(ChildHost& host, QWidget* parent = nullptr);

    Following follow(ProjectChange change) override;

private:
    void buildControls();
    void startAfresh();
    void showFirstBay();
    // Leaving the loads of a building already entered: the loads are distributed again with the
    // usual questions and the window closes.
    void finishChanges();
    Model& model() { return host_.session().model(); }
    int storey() const;
    int node() const;

    void showBay();
    void redraw();
    void addSlab();
    void deleteSlab();
    void moveToNextBay();
    void applyToStorey();
    void applyToAllStoreys();
    void applyToStoreys(int first, int last, const QString& where);
    void deleteEverything();
    void handOver();
    // The slab the boxes describe, or nothing after a message naming the box to correct.
    std::optional<TypedSlab> typedSlab();

    ChildHost& host_;
    // The building was complete when the window opened ("Modifica Carichi"): its slabs are kept
    // and the window ends with "FINE MODIFICHE" instead of the hand-over.
    bool existing_ = false;
    NumberSelector* node_ = nullptr;
    NumberSelector* storey_ = nullptr;
    QLineEdit* corner2_ = nullptr;
    QLineEdit* corner3_ = nullptr;
    QLineEdit* corner4_ = nullptr;
    QRadioButton* spanX_ = nullptr;
    QRadioButton* spanY_ = nullptr;
    QLineEdit* permanent_ = nullptr;
    QLineEdit* variable_ = nullptr;
    QLineEdit* share_ = nullptr;
    QLabel* bayState_ = nullptr;
    PictureBox* plan_ = nullptr;
};

} // namespace orvanta
