#pragma once

// frmGuida: the user guide inside the program. The chapters are listed on the left
// (lstSommario), the chapter chosen is shown on the right (txtGuida, a browser that follows the
// links between chapters and shows their pictures); above the list, a search box (txtCerca)
// lists the chapters that contain every word typed (lstRisultati), most occurrences first, and
// opening one marks the first occurrence in the page.

#include "user_guide.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace orvanta {

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(UserGuide guide, QWidget* parent = nullptr);

    // The table of contents, on the first chapter.
    void showContents();
    // The search box, with the keyboard in it.
    void showSearch();

    // Opens a chapter by its position in the table of contents.
    void openChapter(int index);
    // Lists the chapters that contain the words.
    void search(const QString& query);

private:
    void openMatch(int row);

    UserGuide guide_;
    std::vector<GuideMatch> matches_;
    QString lastQuery_;
    QListWidget* contents_;
    QLineEdit* query_;
    QListWidget* results_;
    QTextBrowser* page_;
};

} // namespace orvanta
