#include "windows/unitoptions.h"

#include "widgets/uistyle.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

namespace wellbox {

namespace {

// In twips (15 to a pixel), as the detail rows space their labels.
constexpr int kLabelSpacing = 150;

} // namespace

UnitOptions::UnitOptions(const QString& labelText, const std::array<Option, 2>& options,
                         std::size_t checked, QWidget* parent)
    : QWidget(parent)
    , m_chosen(checked) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(ui::px(kLabelSpacing));
    grid->setVerticalSpacing(0);
    auto* label = ui::named(new QLabel(labelText, this), "lblUnits");
    label->setTextFormat(Qt::PlainText);
    label->setFont(ui::font(ui::FontRole::Strong));
    grid->addWidget(label, 0, 0);
    for (std::size_t i = 0; i < options.size(); ++i) {
        auto* option = new QRadioButton(options[i].caption, this);
        option->setObjectName(options[i].name);
        option->setFont(ui::font(ui::FontRole::Text));
        option->setChecked(i == checked);
        // Heard with what it chooses; the label names the group for the eye.
        option->setAccessibleDescription(labelText);
        grid->addWidget(option, static_cast<int>(i), 1);
        // A click, a key or a reader's action; not a choice made by the program.
        connect(option, &QRadioButton::clicked, this, [this, i] {
            if (i == m_chosen)
                return;
            m_chosen = i;
            emit changed(i);
        });
        m_buttons.at(i) = option;
    }
    label->setBuddy(m_buttons.at(checked));
}

void UnitOptions::followInTabOrder(QWidget* previous) {
    for (QRadioButton* option : m_buttons) {
        setTabOrder(previous, option);
        previous = option;
    }
}

} // namespace wellbox

#include "moc_unitoptions.cpp"
