#include "progress_feedback.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProgressDialog>

namespace orvanta {

namespace {
constexpr int steps = 1000; // the dialog's range
} // namespace

ProgressFeedback::ProgressFeedback(QWidget* parent, QString title)
    : parent_(parent), title_(std::move(title)) {}

ProgressFeedback::~ProgressFeedback() {
    finish();
}

ProgressCallback ProgressFeedback::callback() {
    return [this](const std::string& stage, double fraction) { update(stage, fraction); };
}

void ProgressFeedback::update(const std::string& stage, double fraction) {
    if (fraction >= 1) {
        finish();
        return;
    }
    if (!waiting_) { // the work has started: a file dialog before it is not counted
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        waiting_ = true;
        clock_.start();
    }
    if (!dialog_ && clock_.elapsed() >= delayMilliseconds) {
        // Shown by hand: the work runs on this thread, so the dialog's own timer never fires.
        dialog_ = new QProgressDialog(parent_);
        dialog_->setObjectName("dlgAvanzamento");
        dialog_->setWindowTitle(title_);
        dialog_->setCancelButton(nullptr);
        dialog_->setRange(0, steps);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumWidth(420);
        dialog_->show();
    }
    if (dialog_) {
        dialog_->setLabelText(QString::fromStdString(stage));
        dialog_->setValue(static_cast<int>(fraction * steps));
        // Paint the dialog; the user's clicks and keys wait for the end of the command.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void ProgressFeedback::finish() {
    if (dialog_) {
        dialog_->close();
        dialog_->deleteLater();
        dialog_ = nullptr;
    }
    if (waiting_) {
        QGuiApplication::restoreOverrideCursor();
        waiting_ = false;
    }
}

} // namespace orvanta
