// The number selector: range corrections with their messages, typed text, and the skipping of
// empty slots by the scroll bar.

#include "number_selector.h"
#include "scripted_interaction.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>
#include <set>

namespace orvanta {

using testing::ScriptedAsker;

class NumberSelectorTest : public QObject {
    Q_OBJECT

private:
    // Types the text into the box and presses Enter, as a user does.
    static void type(NumberSelector& selector, const QString& text) {
        selector.textBox()->selectAll();
        QTest::keyClicks(selector.textBox(), text);
        QTest::keyClick(selector.textBox(), Qt::Key_Return);
    }

    static void stepUp(NumberSelector& s) {
        s.scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    static void stepDown(NumberSelector& s) {
        s.scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }

private slots:
    void controlsCarryTheWindowsNames() {
        ScriptedAsker asker;
        NumberSelector selector("txtNodoiTra", "hsbNodoTra", rangeMessages::node(), asker);
        QCOMPARE(selector.textBox()->objectName(), QString("txtNodoiTra"));
        QCOMPARE(selector.scrollBar()->objectName(), QString("hsbNodoTra"));
        QCOMPARE(selector.scrollBar()->orientation(), Qt::Horizontal);
        QVERIFY(selector.findChild<QLineEdit*>("txtNodoiTra"));
    }

    void typedNumbersAreCorrected_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("secondLine"); // empty: no message

        QTest::newRow("in range") << "7" << 7 << "";
        QTest::newRow("above the maximum") << "25" << 10 << "Sarà adottato il valore massimo";
        QTest::newRow("zero") << "0" << 1 << "Sarà adottato il valore minimo";
        QTest::newRow("negative") << "-3" << 1 << "Sarà adottato il valore minimo";
        QTest::newRow("too long for an int")
            << "99999999999999" << 10 << "Sarà adottato il valore massimo";
        QTest::newRow("blanks around") << "  8 " << 8 << "";
        QTest::newRow("not a number") << "abc" << 4 << "";
        // "3" was followed as it was typed; ".5" then makes no number and is dropped.
        QTest::newRow("a decimal") << "3.5" << 3 << "";
        QTest::newRow("empty") << "" << 4 << "";
    }

    void typedNumbersAreCorrected() {
        QFETCH(QString, typed);
        QFETCH(int, value);
        QFETCH(QString, secondLine);
        ScriptedAsker asker;
        NumberSelector selector("txtNodoPil", "hsbNodoPil", rangeMessages::node(), asker);
        selector.setRange(1, 10);
        selector.setValue(4);

        type(selector, typed);

        QCOMPARE(selector.value(), value);
        QCOMPARE(selector.scrollBar()->value(), value);
        QCOMPARE(selector.textBox()->text(), QString::number(value));
        if (secondLine.isEmpty()) {
            QVERIFY(asker.messages.empty());
            return;
        }
        QCOMPARE(asker.messages.size(), size_t{1});
        const Message& m = asker.messages.front();
        QCOMPARE(m.title, std::string("Nodo Inesistente"));
        QCOMPARE(m.icon, MessageIcon::Critical);
        QCOMPARE(m.buttons, MessageButtons::Ok);
        QCOMPARE(m.lines.size(), size_t{2});
        QCOMPARE(m.lines[0], std::string("E' impossibile rintracciare il nodo specificato"));
        QCOMPARE(QString::fromStdString(m.lines[1]), secondLine);
    }

    void storeysHaveTheirOwnMessages() {
        ScriptedAsker asker;
        NumberSelector selector("txtPiano", "hsbPiano", rangeMessages::storey(), asker);
        selector.setRange(1, 4);
        type(selector, "9");
        QCOMPARE(selector.value(), 4);
        QCOMPARE(asker.messages.at(0).title, std::string("Piano Inesistente"));
        QCOMPARE(asker.messages.at(0).lines.at(1),
                 std::string("Sarà visualizzato il piano massimo"));
    }

    // Typing 12 in a range that starts at 7 passes through 1: nothing may be said or rewritten
    // before the number is complete.
    void aNumberBeingTypedIsFollowedOnlyWhenValid() {
        ScriptedAsker asker;
        NumberSelector selector("txtRitto1", "hsbRitto1", rangeMessages::ritto(), asker);
        selector.setRange(7, 20);
        selector.setValue(7);
        QSignalSpy changes(&selector, &NumberSelector::valueChanged);

        selector.textBox()->selectAll();
        QTest::keyClicks(selector.textBox(), "1");
        QCOMPARE(selector.textBox()->text(), QString("1"));
        QCOMPARE(selector.value(), 7);
        QTest::keyClicks(selector.textBox(), "2");
        QCOMPARE(selector.value(), 12);
        QCOMPARE(selector.scrollBar()->value(), 12);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.at(0).at(0).toInt(), 12);
        QVERIFY(asker.messages.empty());
    }

    // A family count moves ritti when it is lowered: typing 12 over 3 must never adopt 1.
    void aSelectorThatDoesNotFollowTypingWaitsForTheEnd() {
        ScriptedAsker asker;
        NumberSelector selector("txtFamiglie", "hsbFamiglie", rangeMessages::familyCount(), asker);
        selector.setRange(1, 20);
        selector.setValue(3);
        selector.setFollowsTyping(false);
        QSignalSpy changes(&selector, &NumberSelector::valueChanged);

        selector.textBox()->selectAll();
        QTest::keyClicks(selector.textBox(), "12");
        QCOMPARE(selector.value(), 3);
        QCOMPARE(changes.count(), 0);
        QTest::keyClick(selector.textBox(), Qt::Key_Return);
        QCOMPARE(selector.value(), 12);
        QCOMPARE(changes.count(), 1);

        type(selector, "0");
        QCOMPARE(selector.value(), 1);
        QCOMPARE(asker.messages.at(0).lines.at(0),
                 std::string("Il numero di famiglie specificato è inferiore all'unità"));
    }

    // The X beams of a 3 × 2 grid start at nodes 1, 2, 4 and 5.
    void theBarSkipsEmptySlotsAndStopsAtTheEnds() {
        ScriptedAsker asker;
        NumberSelector selector("txtNodoiTra", "hsbNodoTra", rangeMessages::node(), asker);
        selector.setRange(1, 6);
        selector.setOccupied([](int node) { return node % 3 != 0; });
        selector.setValue(1);
        QSignalSpy changes(&selector, &NumberSelector::valueChanged);

        QList<int> visited;
        for (int i = 0; i < 4; ++i) {
            stepUp(selector);
            visited << selector.value();
        }
        QCOMPARE(visited, (QList<int>{2, 4, 5, 5}));
        QCOMPARE(selector.scrollBar()->value(), 5);
        QCOMPARE(selector.textBox()->text(), QString("5"));
        QCOMPARE(changes.count(), 3);

        stepDown(selector);
        stepDown(selector);
        QCOMPARE(selector.value(), 2);
    }

    void aTypedNumberNamingAnEmptySlotMovesOnInTheDirectionOfTravel() {
        ScriptedAsker asker;
        NumberSelector selector("txtRitto1", "hsbRitto1", rangeMessages::ritto(), asker);
        const std::set<int> ritti{2, 5, 9};
        selector.setRange(2, 9);
        selector.setOccupied([&](int slot) { return ritti.count(slot) > 0; });
        selector.setValue(5);

        type(selector, "7"); // up from 5
        QCOMPARE(selector.value(), 9);
        type(selector, "4"); // down from 9
        QCOMPARE(selector.value(), 2);
        type(selector, "3"); // up from 2
        QCOMPARE(selector.value(), 5);
        QVERIFY(asker.messages.empty());
    }

    // Corrected to a maximum whose slot is empty: the selector stays on the current ritto.
    void aCorrectionToAnEmptyBoundStaysOnTheCurrentSlot() {
        ScriptedAsker asker;
        NumberSelector selector("txtRitto2", "hsbRitto2", rangeMessages::ritto(), asker);
        selector.setRange(1, 9);
        selector.setOccupied([](int slot) { return slot != 4 && slot <= 5; });
        selector.setValue(3);

        type(selector, "40");
        QCOMPARE(asker.messages.size(), size_t{1});
        QCOMPARE(asker.messages[0].lines[1],
                 std::string("Sarà adottato il ritto con il valore massimo di etichetta"));
        QCOMPARE(selector.value(), 3);
        QCOMPARE(selector.scrollBar()->value(), 3);
        QCOMPARE(selector.textBox()->text(), QString("3"));
    }

    // Assistive technology and GUI robots set the whole text at once, without keys or Enter,
    // then press a button: the button acts on the numbers the boxes show.
    void aTextSetWithoutTypingIsTakenOrSettledBeforeAButtonActs() {
        ScriptedAsker asker;
        QWidget window;
        auto* node =
            new NumberSelector("txtNodoPil", "hsbNodoPil", rangeMessages::node(), asker, &window);
        node->setRange(1, 10);
        node->setValue(4);
        auto* families = new NumberSelector("txtFamiglie", "hsbFamiglie",
                                            rangeMessages::familyCount(), asker, &window);
        families->setRange(1, 20);
        families->setValue(3);
        families->setFollowsTyping(false);
        auto* button = new QPushButton("Aggiungi", &window);
        std::pair<int, int> whenClicked;
        connect(button, &QPushButton::clicked, this, [&] {
            whenClicked = {node->value(), families->value()};
        });
        settleSelectorsBeforeButtons(window);

        node->textBox()->setText("7");
        QCOMPARE(node->value(), 7);
        QCOMPARE(node->scrollBar()->value(), 7);
        QVERIFY(!node->hasUnsettledText());

        node->textBox()->setText("25");
        families->textBox()->setText("12");
        QCOMPARE(node->value(), 7);
        QCOMPARE(families->value(), 3);
        QVERIFY(node->hasUnsettledText());
        button->click();
        QCOMPARE(whenClicked, std::make_pair(10, 12));
        QCOMPARE(node->textBox()->text(), QString("10"));
        QCOMPARE(asker.messages.size(), size_t{1});
        QCOMPARE(asker.messages[0].lines[1], std::string("Sarà adottato il valore massimo"));

        button->click(); // nothing left to settle
        QCOMPARE(asker.messages.size(), size_t{1});
    }

    void aNewRangePullsTheValueInside() {
        ScriptedAsker asker;
        NumberSelector selector("txtPiano", "hsbPiano", rangeMessages::storey(), asker);
        selector.setRange(1, 8);
        selector.setValue(8);
        QSignalSpy changes(&selector, &NumberSelector::valueChanged);
        selector.setRange(1, 3);
        QCOMPARE(selector.value(), 3);
        QCOMPARE(selector.textBox()->text(), QString("3"));
        QCOMPARE(changes.count(), 1);
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::NumberSelectorTest)
#include "number_selector_test.moc"
