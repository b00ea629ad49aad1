#pragma once

#include "platform/messagebox.h"

namespace wellbox {

class QtMessageBox final : public MessageBox {
public:
    MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override;
};

} // namespace wellbox
