#include "box_values.h"

#include "display_locale.h"
#include "named_controls.h"

#include <QLineEdit>

namespace orvanta {

namespace {

constexpr const char* refusalTitle = "Valore non valido";
constexpr const char* correctIt = "Correggere il valore prima di procedere";

} // namespace

QLineEdit* makeReadOnlyBox(const char* name, QWidget* parent) {
    QLineEdit* box = makeNumberBox(name, QString(), parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

Message valueRefusalMessage(const QString& boxName, const std::string& reason) {
    return Message{{"Il valore di \"" + boxName.toStdString() + "\" " + reason, correctIt},
                   refusalTitle,
                   MessageIcon::Exclamation,
                   MessageButtons::Ok};
}

Message recordRefusalMessage(const std::string& refused, const std::string& reason) {
    return Message{
        {refused, reason, correctIt}, refusalTitle, MessageIcon::Exclamation, MessageButtons::Ok};
}

QString boxText(double value) {
    QLocale locale = displayLocale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value + 0.0, 'g', 15);
}

} // namespace orvanta
