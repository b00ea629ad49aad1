#pragma once

#include <QString>

class QWidget;

namespace wellbox {

// Asks the user where to save a file, proposing a name in the documents folder (the home folder
// where there is none); an empty answer means the user cancelled.
class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    virtual QString askFileName(QWidget* parent, const QString& proposedName,
                                const QString& filter) = 0;
};

// Qt's own dialog. From the first one made, Qt's dialogs keep no file of their own, nor their
// folder history past the run.
class QtSaveDialog final : public SaveDialog {
public:
    QtSaveDialog();
    QString askFileName(QWidget* parent, const QString& proposedName,
                        const QString& filter) override;
};

} // namespace wellbox
