#include "platform/qtmessagebox.h"

#include "platform/version.h"

#include <QMessageBox>

#include <memory>

namespace wellbox {

std::unique_ptr<QMessageBox> QtMessageBox::makeBox(QWidget* parent, const QString& text,
                                                   MessageIcon icon, MessageButtons buttons) {
    auto made = std::make_unique<QMessageBox>(parent);
    QMessageBox& box = *made;
    box.setWindowTitle(QString::fromLatin1(kApplicationTitle));
    // A carriage return separates lines in our texts; Qt breaks only on a line feed.
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(shown);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    return made;
}

MessageAnswer QtMessageBox::show(QWidget* parent, const QString& text, MessageIcon icon,
                                 MessageButtons buttons) {
    const int pressed = makeBox(parent, text, icon, buttons)->exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace wellbox
