// The pieces every input window shares: numbers typed in either convention, the refusal that
// names the box, the "Avviso" confirmations, the storey controls and the names of lists.

#include "accessible_names.h"
#include "confirmations.h"
#include "named_controls.h"
#include "scripted_interaction.h"
#include "storey_selector.h"
#include "typed_number.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

namespace orvanta {

using testing::ScriptedAsker;

class InputControlsTest : public QObject {
    Q_OBJECT

private slots:
    void typedNumbers_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");

        QTest::newRow("integer") << "it_IT"
                                 << " 5000 " << true << 5000.0;
        QTest::newRow("Italian decimal comma") << "it_IT"
                                               << "2,5" << true << 2.5;
        QTest::newRow("decimal period in Italian") << "it_IT"
                                                   << "2.5" << true << 2.5;
        QTest::newRow("Italian thousands") << "it_IT"
                                           << "1.500,5" << true << 1500.5;
        QTest::newRow("grouped thousands") << "it_IT"
                                           << "1.500" << true << 1500.0;
        QTest::newRow("negative") << "it_IT"
                                  << "-250" << true << -250.0;
        QTest::newRow("minus zero is zero") << "it_IT"
                                            << "-0" << true << 0.0;
        QTest::newRow("exponent") << "it_IT"
                                  << "1e3" << true << 1000.0;
        QTest::newRow("English thousands") << "en_US"
                                           << "1,500.5" << true << 1500.5;
        QTest::newRow("C reads a period") << "C"
                                          << "12.25" << true << 12.25;
        QTest::newRow("empty") << "it_IT"
                               << "" << false << 0.0;
        QTest::newRow("letters") << "it_IT"
                                 << "abc" << false << 0.0;
        QTest::newRow("number then letters") << "it_IT"
                                             << "12m" << false << 0.0;
        QTest::newRow("two signs") << "it_IT"
                                   << "1,2,3" << false << 0.0;
        QTest::newRow("infinity") << "C"
                                  << "inf" << false << 0.0;
        QTest::newRow("not a number") << "C"
                                      << "nan" << false << 0.0;
        QTest::newRow("beyond 1e9") << "it_IT"
                                    << "2e9" << false << 0.0;
        QTest::newRow("overflow") << "it_IT"
                                  << "1e400" << false << 0.0;
    }

    void typedNumbers() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const std::optional<double> read = typedNumber(text, QLocale(locale));
        QCOMPARE(read.has_value(), isNumber);
        if (isNumber) {
            QCOMPARE(*read, value);
            QVERIFY(!std::signbit(*read) || *read < 0);
        }
    }

    // The refusal names the box by what the user reads beside it, and leaves the text alone.
    void aBoxThatHoldsNoNumberIsNamedInTheRefusal() {
        QWidget window;
        auto* label = makeLabel("lblGrigliaX", "Interasse per Griglia X ", &window);
        QLineEdit* box = makeNumberBox("txtX", "0", &window);
        nameAfterLabel(*label, *box);
        ScriptedAsker asker;

        box->setText("5000");
        QCOMPARE(readNumberBox(*box, asker), std::optional<double>(5000));
        QVERIFY(asker.messages.empty());

        box->setText("5 metri");
        QCOMPARE(readNumberBox(*box, asker), std::nullopt);
        QCOMPARE(asker.messages.size(), std::size_t{1});
        const Message& m = asker.messages.back();
        QCOMPARE(m.title, std::string("Valore non valido"));
        QCOMPARE(m.icon, MessageIcon::Exclamation);
        QCOMPARE(m.buttons, MessageButtons::Ok);
        QCOMPARE(m.lines.front(),
                 std::string("Il valore di \"Interasse per Griglia X\" non è un numero valido"));
        QCOMPARE(box->text(), QString("5 metri"));
    }

    void confirmationsAreExclamationYesNoTitledAvviso() {
        ScriptedAsker asker;
        asker.answer({Answer::No, Answer::Yes});
        QVERIFY(!confirmDeleteAll(asker));
        QVERIFY(confirmNextPhase(asker, "modificare il numero di elementi griglia. Continuare?"));

        QCOMPARE(asker.messages.size(), std::size_t{2});
        for (const Message& m : asker.messages) {
            QCOMPARE(m.title, std::string("Avviso"));
            QCOMPARE(m.icon, MessageIcon::Exclamation);
            QCOMPARE(m.buttons, MessageButtons::YesNo);
        }
        QCOMPARE(asker.messages[0].lines,
                 (std::vector<std::string>{"La presente operazione eliminerà",
                                           "tutti i dati immessi. Continuare?"}));
        QCOMPARE(
            asker.messages[1].lines,
            (std::vector<std::string>{"Il passaggio alla fase successiva renderà impossibile",
                                      "modificare il numero di elementi griglia. Continuare?"}));
    }

    void storeyControlsCountFromOne() {
        QWidget window;
        ScriptedAsker asker;
        auto* label = makeLabel("lblPiano", "PIANO", &window);
        NumberSelector* shown = makeStoreySelector(*label, asker, 4, &window);
        QCOMPARE(shown->textBox()->objectName(), QString("txtPiano"));
        QCOMPARE(shown->scrollBar()->objectName(), QString("hsbPiano"));
        QCOMPARE(shown->minimum(), 1);
        QCOMPARE(shown->maximum(), 4);
        QCOMPARE(shown->value(), 1);
        QCOMPARE(shown->textBox()->accessibleName(), QString("PIANO"));

        shown->textBox()->setText("9");
        emit shown->textBox()->editingFinished();
        QCOMPARE(shown->value(), 4);
        QCOMPARE(asker.messages.back().title, std::string("Piano Inesistente"));
        QCOMPARE(asker.messages.back().lines.back(),
                 std::string("Sarà visualizzato il piano massimo"));

        QComboBox list;
        fillStoreyList(list, 3);
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.itemText(2), QString("3"));
        QCOMPARE(chosenStorey(list), 1);
        list.setCurrentIndex(2);
        QCOMPARE(chosenStorey(list), 3);
    }

    // A list is read by its label, with its current item as the value; "ShowMenu" opens its
    // items, which stay its child. A list without a name is still read as its item.
    void listsAreNamedByTheirLabels() {
        QWidget window;
        QLabel* label = makeLabel("lblElevazionePil", "Numero di Elevazioni", &window);
        auto* list = new QComboBox(&window);
        list->setObjectName("cmbElevazionePil");
        fillStoreyList(*list, 3);
        list->setCurrentIndex(2);
        nameAfterLabel(*label, *list);
        auto* unnamed = new QComboBox(&window);
        unnamed->addItems({"Rettangolare", "a T"});
        window.show();

        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(list);
        QCOMPARE(node->text(QAccessible::Name), QString("Numero di Elevazioni"));
        QCOMPARE(node->text(QAccessible::Value), QString("3"));
        QCOMPARE(node->role(), QAccessible::ComboBox);
        QCOMPARE(node->childCount(), 1);
        QCOMPARE(node->child(0)->object(), list->view());
        QCOMPARE(node->indexOfChild(node->child(0)), 0);
        QCOMPARE(QAccessible::queryAccessibleInterface(unnamed)->text(QAccessible::Name),
                 QString("Rettangolare"));

        QVERIFY(node->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::showMenuAction()));
        node->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        QTRY_VERIFY(list->view()->isVisible());
        QVERIFY(node->state().expanded);
        list->hidePopup();
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::InputControlsTest)
#include "input_controls_test.moc"
