#pragma once

#include <QApplication>

namespace wellbox {

// The suite's application object. With a screen reader listening, Qt's bridge to it holds each
// key back until the reader has seen it, and then sends the widget that had the focus a copy:
// after the access key had acted on the key itself. The copy of an Alt key or an Alt+letter went
// through the shortcuts and the widget a second time, so that an access key typed its letter
// into a box (the File menu flashed, "Only numbers are accepted" followed) or pressed its button
// again, and the copy of the Alt key alone left the menu bar active. Those copies are dropped
// here, before anything sees them; every other key, and everything without a reader, goes as
// before.
class SuiteApplication : public QApplication {
    Q_OBJECT
public:
    SuiteApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Whether `event` is a reader's copy of an Alt key or of a key pressed with Alt.
    static bool isReadersAltCopy(const QEvent* event);
};

} // namespace wellbox
