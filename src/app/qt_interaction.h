#pragma once

// The desktop program's side of the user interaction: messages become modal message boxes
// (critical, warning or information icon; OK or Yes/No), file names come from the file dialogs.

#include "user_interaction.h"

#include <QString>
#include <memory>

class QMessageBox;
class QWidget;

namespace orvanta {

// The box that shows a message: its title, its lines, the icon of its kind and the buttons
// ("Sì" and "No", or OK), not yet shown.
std::unique_ptr<QMessageBox> makeMessageBox(const Message& message, QWidget* parent);

class MessageBoxAsker : public Asker {
public:
    Answer ask(const Message& message) override;
};

// The extension of a filter's first pattern: "File Orvanta (*.orv)" → "orv".
QString defaultSuffix(const std::string& filter);

class FileDialogChooser : public FileChooser {
public:
    // Open: an existing file. Save: the extension of the filter ("orv", "pdf") is added to a
    // name without one, and replacing an existing file is confirmed. Both start in the folder last
    // used.
    std::optional<std::string> chooseFileToOpen(const std::string& title,
                                                const std::string& filter) override;
    std::optional<std::string> chooseFileToSave(const std::string& title,
                                                const std::string& filter) override;

private:
    std::optional<std::string> choose(const std::string& title, const std::string& filter,
                                      bool saving);
    QString folder_;
};

} // namespace orvanta
