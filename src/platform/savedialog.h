#pragma once

#include <QString>

class QWidget;

namespace wellbox {

// The file the user chose, empty where they cancelled; or why no dialog could be shown.
struct SaveChoice {
    QString file;
    QString failure;
};

// Asks the user where to save a file, proposing a name in the documents folder (the home folder
// where there is none).
class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    virtual SaveChoice askFileName(QWidget* parent, const QString& proposedName,
                                   const QString& filter) = 0;
};

// Qt's own dialog. From the first one made, Qt's dialogs keep no file of their own, nor their
// folder history past the run. Where the process has no room for a dialog, none is shown.
class QtSaveDialog final : public SaveDialog {
public:
    QtSaveDialog();
    SaveChoice askFileName(QWidget* parent, const QString& proposedName,
                           const QString& filter) override;
};

} // namespace wellbox
