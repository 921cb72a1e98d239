// The message boxes and file dialogs of the program, driven while they are open.

#include "qt_interaction.h"
#include "test_paths.h"
#include "toolkit_language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace orvanta {

namespace {

// Runs `inspect` on the modal window once it is open, and makes sure it closes even when a check
// fails, so that a failing test cannot hang on a dialog.
void whenModalOpens(std::function<void(QWidget*)> inspect) {
    QTimer::singleShot(0, [inspect = std::move(inspect)] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        inspect(modal);
        if (modal && modal->isVisible())
            modal->close();
    });
    QTimer::singleShot(5000, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
}

} // namespace

class QtInteractionTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxesShowIconButtonsLinesAndTitle_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("yesNo");
        QTest::addColumn<int>("boxIcon");
        QTest::newRow("16, OK") << 16 << false << int(QMessageBox::Critical);
        QTest::newRow("48, Yes/No") << 48 << true << int(QMessageBox::Warning);
        QTest::newRow("64, OK") << 64 << false << int(QMessageBox::Information);
    }

    void messageBoxesShowIconButtonsLinesAndTitle() {
        QFETCH(int, icon);
        QFETCH(bool, yesNo);
        QFETCH(int, boxIcon);
        const Message message{{"Il passaggio alla fase successiva renderà impossibile",
                               "modificare il numero di elementi griglia. Continuare?"},
                              "Avviso",
                              static_cast<MessageIcon>(icon),
                              yesNo ? MessageButtons::YesNo : MessageButtons::Ok};
        bool seen = false;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            seen = true;
            QCOMPARE(box->windowTitle(), QString("Avviso"));
            QCOMPARE(box->text(), QString("Il passaggio alla fase successiva renderà impossibile\n"
                                          "modificare il numero di elementi griglia. Continuare?"));
            QCOMPARE(int(box->icon()), boxIcon);
            const QMessageBox::StandardButtons expected =
                yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
            QCOMPARE(box->standardButtons(), expected);
            box->button(yesNo ? QMessageBox::No : QMessageBox::Ok)->click();
        });

        MessageBoxAsker asker;
        const Answer answer = asker.ask(message);
        QVERIFY(seen);
        QCOMPARE(answer, yesNo ? Answer::No : Answer::Ok);
    }

    void yesIsAnsweredAsYes() {
        whenModalOpens([](QWidget* modal) {
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
        });
        MessageBoxAsker asker;
        QVERIFY(asker.confirm({"Continuare?"}, "Avviso", MessageIcon::Exclamation));
    }

    // The buttons of the toolkit's boxes speak Italian, like the rest of the program.
    void theToolkitsButtonsSpeakItalian() {
        QVERIFY2(installToolkitTranslations(*QCoreApplication::instance()),
                 "Qt's Italian translations are missing (qt6-translations-l10n)");
        whenModalOpens([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QCOMPARE(box->button(QMessageBox::Yes)->text().remove('&'), QString("Sì"));
            QCOMPARE(box->button(QMessageBox::No)->text().remove('&'), QString("No"));
            box->button(QMessageBox::No)->click();
        });
        MessageBoxAsker asker;
        QVERIFY(!asker.confirm({"Continuare?"}, "Avviso", MessageIcon::Exclamation));
    }

    void theSaveDialogAddsTheProjectSuffix() {
        const auto folder = testing::outputFolder("qt-interaction-save");
        const QString typed = QString::fromStdString((folder / "palazzina").string());
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QString("Salva Progetto"));
            QCOMPARE(dialog->nameFilters(), QStringList{"File Orvanta (*.orv)"});
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog->defaultSuffix(), QString("orv"));
            dialog->selectFile(typed);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        FileDialogChooser chooser;
        const std::optional<std::string> chosen =
            chooser.chooseFileToSave("Salva Progetto", "File Orvanta (*.orv)");
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen), typed + ".orv");
    }

    void cancellingTheOpenDialogChoosesNothing() {
        whenModalOpens([](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QString("Apri Progetto"));
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
            dialog->reject();
        });
        FileDialogChooser chooser;
        QVERIFY(!chooser.chooseFileToOpen("Apri Progetto", "File Orvanta (*.orv)").has_value());
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::QtInteractionTest)
#include "qt_interaction_test.moc"
