#pragma once

#include "platform/messagebox.h"

#include <memory>

class QMessageBox;

namespace wellbox {

class QtMessageBox final : public MessageBox {
public:
    MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override;

    // The box as it will be shown, not yet shown.
    static std::unique_ptr<QMessageBox> makeBox(QWidget* parent, const QString& text,
                                                MessageIcon icon, MessageButtons buttons);
};

} // namespace wellbox
