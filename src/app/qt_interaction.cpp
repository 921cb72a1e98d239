#include "qt_interaction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace orvanta {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const Message& message, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(QString::fromStdString(message.title));
    box->setText(QString::fromStdString(message.text()));
    box->setIcon(boxIcon(message.icon));
    if (message.buttons == MessageButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        box->button(QMessageBox::Yes)->setText(QStringLiteral("&Sì"));
        box->button(QMessageBox::No)->setText(QStringLiteral("&No"));
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    return box;
}

Answer MessageBoxAsker::ask(const Message& message) {
    const std::unique_ptr<QMessageBox> box = makeMessageBox(message, QApplication::activeWindow());
    const int pressed = box->exec();
    if (message.buttons == MessageButtons::YesNo)
        return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

std::optional<std::string> FileDialogChooser::chooseFileToOpen(const std::string& title,
                                                               const std::string& filter) {
    return choose(title, filter, false);
}

std::optional<std::string> FileDialogChooser::chooseFileToSave(const std::string& title,
                                                               const std::string& filter) {
    return choose(title, filter, true);
}

// The extension of the filter's first pattern ("File Orvanta (*.orv)" → "orv"), added to a name
// typed without one.
QString defaultSuffix(const std::string& filter) {
    const QString text = QString::fromStdString(filter);
    const qsizetype star = text.indexOf(QStringLiteral("*."));
    if (star < 0)
        return QStringLiteral("orv");
    qsizetype end = star + 2;
    while (end < text.size() && text.at(end).isLetterOrNumber())
        ++end;
    return text.mid(star + 2, end - star - 2);
}

std::optional<std::string> FileDialogChooser::choose(const std::string& title,
                                                     const std::string& filter, bool saving) {
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(title), folder_,
                       QString::fromStdString(filter));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (saving)
        dialog.setDefaultSuffix(defaultSuffix(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(chosen).absolutePath();
    return chosen.toStdString();
}

} // namespace orvanta
