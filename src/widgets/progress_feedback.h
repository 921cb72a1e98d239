#pragma once

// Feedback for a command that may take long (Open, Save, "Calcola Matrici", the report): a wait
// cursor from the moment the work starts reporting, and, once the command has taken half a
// second, a window-modal progress dialog showing the stage in Italian and how far it has got. A
// report of the whole work done (fraction 1) ends both, so that a message shown afterwards has
// the usual cursor; so does the end of the feedback's scope.

#include "progress.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

namespace orvanta {

class ProgressFeedback {
public:
    // The dialog, when it comes, is titled `title` and centred on `parent`.
    ProgressFeedback(QWidget* parent, QString title);
    ~ProgressFeedback();
    ProgressFeedback(const ProgressFeedback&) = delete;
    ProgressFeedback& operator=(const ProgressFeedback&) = delete;

    // The callback to hand to the work; valid while this object lives.
    ProgressCallback callback();

    // How long the work may run, from its first report, before the dialog appears.
    static constexpr int delayMilliseconds = 500;

private:
    void update(const std::string& stage, double fraction);
    void finish();

    QWidget* parent_;
    QString title_;
    QElapsedTimer clock_;
    bool waiting_ = false; // the wait cursor is set
    QPointer<QProgressDialog> dialog_;
};

} // namespace orvanta
