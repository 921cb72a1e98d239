#pragma once

// Accessible names: every input control, button and picture of a window is named by what the
// user reads beside it, so that a screen reader (Orca, through AT-SPI) says "Numero del Nodo"
// for txtNodoPil and desktop automation can find the control by its label. A button's caption
// already names it; text boxes, lists, scroll bars and pictures take the label next to them.

#include <QString>

class QLabel;
class QWidget;

namespace orvanta {

// The text a user reads in a caption: access-key marks removed, a final colon and the blanks
// around it dropped ("&Data:" → "Data").
QString readableCaption(const QString& caption);

// Makes the label the control's buddy (its access key moves to the control) and names the
// control after it. A number selector names its text box and its scroll bar.
void nameAfterLabel(QLabel& label, QWidget& control);

// Names a control that has no label beside it (a picture, a grid under a heading). A list is
// then read by this name, not by its current item (list_accessibility.h).
void nameControl(QWidget& control, const QString& name);

} // namespace orvanta
