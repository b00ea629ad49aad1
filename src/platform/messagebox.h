#pragma once

#include <QString>

class QWidget;

namespace wellbox {

enum class MessageIcon { Stop, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// A modal message box with the application title; returns the button pressed.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                               MessageButtons buttons) = 0;
};

} // namespace wellbox
