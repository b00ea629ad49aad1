#pragma once

#include <QString>

class QWidget;

namespace wellbox {

// Asks the user where to save a file, proposing a name in the documents folder; an empty
// answer means the user cancelled.
class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    virtual QString askFileName(QWidget* parent, const QString& proposedName,
                                const QString& filter) = 0;
};

class QtSaveDialog final : public SaveDialog {
public:
    QString askFileName(QWidget* parent, const QString& proposedName,
                        const QString& filter) override;
};

} // namespace wellbox
