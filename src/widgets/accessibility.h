#pragma once

class QGroupBox;
class QString;
class QWidget;

namespace wellbox {

// Teaches Qt's accessibility layer about the suite's own widgets: a frame stack shows a screen
// reader only its front member, and a link label is a link that can be pressed. Safe to call
// again; the widgets concerned call it themselves.
void installAccessibility();

// Gives a control a description that a screen reader reads out, and, when the control has the
// keyboard focus, has the reader announce it again with the new text.
void announce(QWidget* control, const QString& description);

// With a screen reader listening, puts the focus on `preferred` where it can take it, else where
// Tab would, once the events under way are done, if it has gone from `window`: a calculator
// closing under the focus leaves it nowhere, and a reader without a word of where the user is.
void refocusForReader(QWidget* window, QWidget* preferred = nullptr);

// Whether an assistive technology, such as a screen reader, is listening: the platform says so,
// or has told Qt's activation observers so since the first call.
bool readerActive();

// A plain widget in `frame`, with a column of its own, to hold controls a reader should not hear
// labelled by the frame: Qt labels each control lying directly in a titled group box by its
// title, and a reader, which names the box already as the panel around them, says it twice.
QWidget* unlabelledColumn(QGroupBox* frame);

// Has a reader find `widget` by its own name only, not by the title of the frame it lies in: a
// reader takes a frame whose one child bears its title for mere layout, and names neither.
void keepOwnName(QWidget* widget);

} // namespace wellbox
