#pragma once

// The input windows on the test bench: a main window with a scripted asker and file chooser,
// a model in the state the geometry phase leaves it (members with their presence flags, no
// section, no slab, no load result), and the window of the phase under test opened as the
// phase before it opens it.

#include "child_host.h"
#include "main_window.h"
#include "sample_models.h"
#include "scripted_interaction.h"
#include "settings_in_folder.h"
#include "test_paths.h"
#include "window_driving.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

namespace orvanta::testing {

// A frame of nX × nY lines with every column and beam placed and nothing else entered, drawn at
// the plan scale the grid editor gives it.
inline Model afterGeometry(std::int16_t nX, std::int16_t nY, std::int16_t storeys,
                           std::int16_t nExtra = 0) {
    Model m = fullFrame(nX, nY, storeys, nExtra);
    for (int k = 1; k <= storeys; ++k) {
        for (int s = 1; s <= m.sizes().nSlots; ++s) {
            for (int v = member::shape; v <= member::values; ++v)
                m.members(k, s, v) = 0;
        }
    }
    m.slabs = {};
    m.beamLoads = {};
    m.massCentre = {};
    m.gyrationRadius = {};
    m.storeyForce = {};
    m.planScale = static_cast<float>(std::min(11000 / m.coordX(nX), 9000 / m.coordY(nY)));
    m.elevScale = static_cast<float>(3000 / m.levelZ(storeys + 1));
    return m;
}

class EditorBench {
public:
    explicit EditorBench(const std::string& name)
        : folder(outputFolder("input-" + name)),
          window(std::make_unique<MainWindow>(asker, chooser, settingsIn(folder))) {
        window->resize(1200, 800);
        window->show();
    }

    // File > Nuovo with a grid editor that leaves the given model, then the window of `phase`
    // opened as the phase before it opens it.
    QWidget* openPhase(const Model& model, const char* phaseWindow) {
        window->registerChild(childWindow::grid, [model](ChildHost& host) {
            host.session().model() = model;
            return std::make_unique<QWidget>();
        });
        window->findChild<QAction*>("mnuFileNew")->trigger();
        window->closeChild(childWindow::grid);
        return window->openChild(phaseWindow);
    }

    Model& model() { return window->session().model(); }

    template <class Control = QWidget> Control* control(const char* name) const {
        return testing::control<Control>(*window, name);
    }
    void click(const char* button) const { control<QPushButton>(button)->click(); }
    // Types into a box as the user does, ending with Enter.
    void type(const char* box, const QString& text) const {
        typeInto(*control<QLineEdit>(box), text, true);
    }
    // Sets a box's text without going through the keys (the section and load boxes are read
    // when a button is pressed).
    void fill(const char* box, const QString& text) const {
        control<QLineEdit>(box)->setText(text);
    }
    QString text(const char* box) const { return control<QLineEdit>(box)->text(); }
    int bar(const char* name) const { return control<QScrollBar>(name)->value(); }
    void moveBar(const char* name, int value) const { control<QScrollBar>(name)->setValue(value); }
    void choose(const char* combo, int index) const {
        control<QComboBox>(combo)->setCurrentIndex(index);
    }

    // The names of the open child windows.
    QStringList openWindows() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList names;
        for (const QMdiSubWindow* frame : window->findChild<QMdiArea*>()->subWindowList())
            names << frame->widget()->objectName();
        return names;
    }

    const Message& lastMessage() const {
        if (asker.messages.empty())
            qFatal("no message was shown");
        return asker.messages.back();
    }

    std::filesystem::path folder;
    ScriptedAsker asker;
    ScriptedFileChooser chooser;
    std::unique_ptr<MainWindow> window;
};

} // namespace orvanta::testing
