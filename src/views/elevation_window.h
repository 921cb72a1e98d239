#pragma once

// frmElevazione: the deformed shape of the building in elevation under the storey forces, in X
// (pctElevazioneX) and in Y (pctElevazioneY), drawn to one scale so that the two can be
// compared. Beside each picture, the top displacement in the units of the forces
// (lblSpostamentoX, lblSpostamentoY): the drawing alone gives only proportions. The shape is
// computed when the window opens and again whenever the matrices are recomputed.

#include "child_host.h"

#include <QWidget>

class QLabel;

namespace orvanta {

class PictureBox;

class ElevationWindow : public QWidget, public ChildWindow {
    Q_OBJECT

public:
    explicit ElevationWindow(ChildHost& host, QWidget* parent = nullptr);

    Following follow(ProjectChange change) override;

private:
    void compute();

    ChildHost& host_;
    PictureBox* pictureX_;
    PictureBox* pictureY_;
    QLabel* topX_;
    QLabel* topY_;
};

} // namespace orvanta
