#pragma once

// frmSezioni, "Immissione delle SEZIONI": the last input phase, and the window "Modifica
// Sezioni" opens again later. Storey by storey the engineer walks through the columns and walls
// and through the beams of each direction, gives each its cross-section (rectangle or hollow box
// for a column, rectangle or T for a beam), chooses the concrete class and may ask for the
// smallest column section that carries the column's axial force at half the allowable stress.
// "FINE FASE DI INPUT" saves the project, writes the plan picture beside it and closes the
// window.
//
// The selectors stop only on elements present in the shown storey. An element that has no
// section yet keeps the values typed last in the boxes, so a run of equal sections is entered by
// moving on and pressing "Modifica Sezione"; "Applica a tutto il piano" and "Applica a tutti i
// piani" give the typed section to every column, or every beam of the shown direction, that
// exists.

#include "child_host.h"
#include "element_records.h"
#include "section_entry.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace orvanta {

class NumberSelector;
class PictureBox;

class SectionsEditor : public QWidget, public ChildWindow {
    Q_OBJECT

public:
    explicit SectionsEditor(ChildHost& host, QWidget* parent = nullptr);

    Following follow(ProjectChange change) override;

    // The allowable stress of the chosen concrete class, N/mm².
    double allowableStress() const { return allowableStress_; }

private:
    // The boxes of one kind of element: shape list, four sizes, and their labels.
    struct SectionBoxes {
        QComboBox* shape = nullptr;
        QLineEdit* base = nullptr;
        QLineEdit* height = nullptr;
        QLineEdit* thickness1 = nullptr;
        QLineEdit* thickness2 = nullptr;
        QLabel* thickness1Label = nullptr;
        QLabel* thickness2Label = nullptr;
        QLabel* state = nullptr;
    };

    // The four buttons under the boxes of one kind of element.
    struct SectionCommands {
        QPushButton* modify = nullptr;
        QPushButton* suggest = nullptr;
        QPushButton* wholeStorey = nullptr;
        QPushButton* allStoreys = nullptr;
    };

    QWidget* buildColumnFrame();
    QWidget* buildBeamFrame();
    QWidget* buildGeneralFrame();
    // `owner` ("del pilastro", "della trave") completes the accessible names, which the two
    // frames' same captions would otherwise share.
    SectionBoxes buildSectionBoxes(QWidget* frame, const char* suffix, const QString& owner,
                                   const QStringList& shapes, const QString& thickness1Caption,
                                   const QString& thickness2Caption);

    // The buttons named after `suffix` ("Pil", "Tra"); `elements` says in their tool tips what
    // the bulk entry reaches, `owner` completes their accessible names.
    SectionCommands addSectionCommands(QWidget& frame, QVBoxLayout& layout, const char* suffix,
                                       const QString& owner, const QString& elements);

    const Model& model() const { return host_.document().model(); }
    // Applies a change of the sections as one undoable edit.
    void edit(const char* caption, std::function<void(Model&)> change);
    int storey() const;
    BeamDirection beamDirection() const;
    bool hasColumn(int node) const;
    bool hasBeam(int firstNode) const;

    void showStorey();
    void showColumn();
    void showBeam();
    void chooseBeamDirection();
    void chooseConcreteClass();
    void redraw();

    void modifyColumn();
    void modifyBeam();
    void applyColumnSection(int firstStorey, int lastStorey);
    void applyBeamSection(int firstStorey, int lastStorey);
    void suggestColumnSection();
    void suggestBeamSection();
    void finishInput();

    // The section the boxes describe, or nothing after a message naming what to correct.
    std::optional<ColumnSection> typedColumnSection();
    std::optional<BeamSection> typedBeamSection();
    std::optional<double> readSize(QLineEdit* box);
    // Base, height and, for the second shape, the two thicknesses (0 for a rectangle).
    std::optional<std::array<double, 4>> typedSizes(const SectionBoxes& boxes);
    // Shows the refusal, if any; true when there was one.
    bool refusedSection(const std::optional<std::string>& refusal);
    bool confirmBulk(const std::string& elements, int firstStorey, int lastStorey);

    ChildHost& host_;
    NumberSelector* storey_ = nullptr;
    NumberSelector* column_ = nullptr;
    NumberSelector* beam_ = nullptr;
    QComboBox* direction_ = nullptr;
    QLineEdit* beamEnd_ = nullptr;
    QComboBox* concrete_ = nullptr;
    QLabel* stress_ = nullptr;
    SectionBoxes columnBoxes_;
    SectionBoxes beamBoxes_;
    QList<QWidget*> columnActions_;
    QList<QWidget*> beamActions_;
    PictureBox* plan_ = nullptr;
    double allowableStress_ = 0;
};

} // namespace orvanta
