#pragma once

#include <QDialog>

namespace wellbox {

class HelpLinks;

// The About window `frmAbout`: a fixed-size box on black, closed by OK, Enter or Esc.
class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(HelpLinks& links, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();

    HelpLinks& m_links;
};

} // namespace wellbox
