#pragma once

#include "platform/messagebox.h"

namespace wellbox {

// Every box carries the application title itself: Qt's display name is left unset so
// that window captions stay exactly as designed.
inline constexpr char kApplicationTitle[] = "Kestavo Wellbox I";

class QtMessageBox final : public MessageBox {
public:
    MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override;
};

} // namespace wellbox
