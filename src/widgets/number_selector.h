#pragma once

// A number selector: a text box paired with a horizontal scroll bar, choosing a node, a storey,
// a ritto or a family.
//
// - Moving the bar selects its value; a slot that the predicate calls empty is skipped in the
//   direction of travel, and at either end of the range the selector stays where it was.
// - A number in the box's text that lies in the range and names an occupied slot is taken at
//   once, however the text got there: typed key by key, pasted, or set by assistive technology
//   or a GUI robot. Anything else is settled when typing ends (Enter, leaving the box, or a
//   button of the window being pressed, see settleSelectorsBeforeButtons): a number above or below
//   the range is replaced by that bound after a critical message of the caller's two lines;
//   a number naming an empty slot moves on in the direction of travel, as the bar does; a text
//   that is not a number puts the current value back, without a message.
// - valueChanged(int) tells the window each time the selected value changes.
//
// The two controls carry the names the window gives them (e.g. "txtPiano" and "hsbPiano").

#include "range_messages.h"
#include "slot_stepping.h"
#include "user_interaction.h"

#include <QWidget>
#include <optional>

class QLineEdit;
class QScrollBar;

namespace orvanta {

class NumberSelector : public QWidget {
    Q_OBJECT

public:
    NumberSelector(const QString& textBoxName, const QString& scrollBarName, RangeMessages messages,
                   Asker& asker, QWidget* parent = nullptr);

    int value() const { return value_; }
    int minimum() const;
    int maximum() const;

    // Sets the bar's range; the value is pulled inside it when it falls out.
    void setRange(int minimum, int maximum);
    // Selects a value (pulled inside the range) without skipping: the window picks an occupied one.
    void setValue(int value);
    // Which slots may be selected; without a predicate every slot may.
    void setOccupied(SlotPredicate occupied) { occupied_ = std::move(occupied); }
    // Whether a number is taken while it is being typed (the default). A selector whose every
    // value changes the project (a family count that moves ritti when it is lowered) takes it
    // only when typing ends, so that typing 12 does not pass through 1.
    void setFollowsTyping(bool follows) { followsTyping_ = follows; }

    // Settles a text that is not the selected value yet (out of range, naming an empty slot, not
    // a number) as the end of typing does; nothing happens when the text shows the value.
    void settle();
    // Whether the text shows something other than the selected value.
    bool hasUnsettledText() const;

    QLineEdit* textBox() const { return text_; }
    QScrollBar* scrollBar() const { return bar_; }

signals:
    void valueChanged(int value);

private:
    void barMoved(int requested);
    void textChanged(const QString& text);
    void settleTypedText();
    void adopt(int value);
    void showValue();
    bool isOccupied(int slot) const { return !occupied_ || occupied_(slot); }

    RangeMessages messages_;
    Asker& asker_;
    SlotPredicate occupied_;
    QLineEdit* text_;
    QScrollBar* bar_;
    int value_ = 1;
    bool settling_ = false;
    bool followsTyping_ = true;
};

// The integer a text box holds: optional blanks and sign, then digits only. Numbers too long for
// an int are held at ±1000000000, which lies beyond every range, so they are corrected as too
// large or too small. Nothing for an empty text or any other character.
std::optional<int> typedInteger(const QString& text);

// Makes every button of the window settle the window's number selectors when it is pressed,
// before it acts: a button acts on the numbers its boxes show, also when their text was set
// without Enter (by assistive technology, a GUI robot, or a click straight from the box).
// Buttons created later are not reached.
void settleSelectorsBeforeButtons(QWidget& window);

} // namespace orvanta
