#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

#include <string_view>

class QWidget;

namespace wellbox::ui {

// Layout figures are kept in twips; 15 of them make one device-independent pixel.
constexpr int px(int twips) {
    return (twips + 7) / 15;
}

inline const QColor kBannerBlue{192, 192, 255};
inline const QColor kButtonFace{192, 192, 192};
inline const QColor kCyan{0, 255, 255};
inline const QColor kRed{255, 0, 0};
inline const QColor kYellow{255, 255, 0};
inline const QColor kGreen{0, 255, 0};
inline const QColor kMagenta{255, 0, 255};
// The light window colour the suite was drawn on; texts of fixed dark colours sit on it, so a
// dark system theme does not put them on dark grey.
inline const QColor kLightWindow{239, 239, 239};

// The suite's type by what the text does: Verdana where it is installed, otherwise a sans-serif
// of similar width, never a serif.
enum class FontRole {
    Text,    // 8.25 point: body text, boxes and lists
    Strong,  // 8.25 point bold: buttons, captions and frame titles
    Link,    // 8.25 point underlined: links on About's dark ground
    Advert,  // 8.25 point bold underlined: adverts and the calculator windows' banners
    Title,   // 9.75 point bold: About's title
    Banner,  // 9.75 point bold underlined: the main window's forum banner
    Heading, // 12 point bold: the welcome panel's headings and calculator names
    Figure,  // 18 point bold: the daily calorie requirement
};

QFont font(FontRole role);

// Text kept in the plain C++ tables, as Qt wants it.
inline QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Gives a widget or action the object name by which tests and assistive tools find it.
template <typename T> T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

// A caption as a label shows it: "&&" becomes "&" and a lone "&" (an access key mark) goes.
QString labelText(const QString& caption);

// Makes the pictures and icons of the suite available under ":/icons"; safe to call again.
void loadArtwork();
// One of the suite's pictures from the resources, e.g. "heart" or "kestavo-wellbox".
QPixmap artwork(const char* name);

void setBackground(QWidget* widget, const QColor& colour);
void setForeground(QWidget* widget, const QColor& colour);
void setButtonFace(QWidget* widget, const QColor& colour);

} // namespace wellbox::ui
