#include "number_selector.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

namespace orvanta {

namespace {

constexpr int beyondEveryRange = 1'000'000'000;
constexpr int maximumDigits = 9;

} // namespace

std::optional<int> typedInteger(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype start = 0;
    bool negative = false;
    if (!trimmed.isEmpty() && (trimmed[0] == u'+' || trimmed[0] == u'-')) {
        negative = trimmed[0] == u'-';
        start = 1;
    }
    if (start == trimmed.size())
        return std::nullopt;
    long long magnitude = 0;
    for (qsizetype i = start; i < trimmed.size(); ++i) {
        const QChar ch = trimmed[i];
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        if (i - start < maximumDigits)
            magnitude = magnitude * 10 + (ch.unicode() - u'0');
        else
            magnitude = beyondEveryRange;
    }
    magnitude = std::min<long long>(magnitude, beyondEveryRange);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

NumberSelector::NumberSelector(const QString& textBoxName, const QString& scrollBarName,
                               RangeMessages messages, Asker& asker, QWidget* parent)
    : QWidget(parent), messages_(std::move(messages)), asker_(asker), text_(new QLineEdit(this)),
      bar_(new QScrollBar(Qt::Horizontal, this)) {
    text_->setObjectName(textBoxName);
    bar_->setObjectName(scrollBarName);
    text_->setMaximumWidth(text_->fontMetrics().horizontalAdvance(u'0') * 7 + 12);
    text_->setAlignment(Qt::AlignRight);
    bar_->setRange(1, 1);
    bar_->setSingleStep(1);
    bar_->setPageStep(1);
    bar_->setMinimumWidth(80);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    layout->addWidget(bar_, 1);
    showValue();

    connect(bar_, &QScrollBar::valueChanged, this, &NumberSelector::barMoved);
    connect(text_, &QLineEdit::textChanged, this, &NumberSelector::textChanged);
    connect(text_, &QLineEdit::editingFinished, this, &NumberSelector::settleTypedText);
}

int NumberSelector::minimum() const {
    return bar_->minimum();
}
int NumberSelector::maximum() const {
    return bar_->maximum();
}

void NumberSelector::setRange(int minimum, int maximum) {
    maximum = std::max(minimum, maximum);
    {
        const QSignalBlocker quiet(bar_);
        bar_->setRange(minimum, maximum);
    }
    setValue(value_);
}

void NumberSelector::setValue(int value) {
    value = std::clamp(value, minimum(), maximum());
    {
        const QSignalBlocker quiet(bar_);
        bar_->setValue(value);
    }
    adopt(value);
}

void NumberSelector::barMoved(int requested) {
    if (requested == value_)
        return;
    const int landed = stepToOccupied(value_, requested, minimum(), maximum(), occupied_);
    if (landed != requested) {
        const QSignalBlocker quiet(bar_);
        bar_->setValue(landed);
    }
    adopt(landed);
}

// A number being typed is followed only while it needs no correction, so the text is never
// rewritten under the user's fingers (typing 12 in a range starting at 7 passes through 1).
// Every change of the text counts, not only key presses: a text set through the accessibility
// interface is what the user sees, so it is what the window uses.
void NumberSelector::textChanged(const QString& text) {
    if (!followsTyping_)
        return;
    const std::optional<int> typed = typedInteger(text);
    if (!typed || *typed < minimum() || *typed > maximum() || !isOccupied(*typed) ||
        *typed == value_)
        return;
    {
        const QSignalBlocker quiet(bar_);
        bar_->setValue(*typed);
    }
    value_ = *typed;
    emit valueChanged(value_);
}

bool NumberSelector::hasUnsettledText() const {
    return text_->text() != QString::number(value_);
}

void NumberSelector::settle() {
    if (hasUnsettledText())
        settleTypedText();
}

void NumberSelector::settleTypedText() {
    // The message box takes the focus, which ends the editing a second time.
    if (settling_)
        return;
    settling_ = true;
    const std::optional<int> typed = typedInteger(text_->text());
    if (!typed) {
        showValue();
        settling_ = false;
        return;
    }
    int target = *typed;
    if (target > maximum() || target < minimum()) {
        const bool above = target > maximum();
        target = above ? maximum() : minimum();
        text_->setText(QString::number(target));
        asker_.ask(Message{above ? messages_.aboveMaximum : messages_.belowMinimum, messages_.title,
                           MessageIcon::Critical, MessageButtons::Ok});
    }
    bar_->setValue(target); // moves through barMoved, which skips empty slots
    showValue();
    settling_ = false;
}

void NumberSelector::adopt(int value) {
    const bool changed = value != value_;
    value_ = value;
    showValue();
    if (changed)
        emit valueChanged(value_);
}

void NumberSelector::showValue() {
    const QString shown = QString::number(value_);
    if (text_->text() != shown)
        text_->setText(shown);
}

void settleSelectorsBeforeButtons(QWidget& window) {
    QWidget* const target = &window;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        QObject::connect(button, &QAbstractButton::pressed, target, [target] {
            for (NumberSelector* selector : target->findChildren<NumberSelector*>())
                selector->settle();
        });
    }
}

} // namespace orvanta
