#pragma once

// Recording stand-ins for the platform seams, so that tests never show a real box, open a
// browser, touch the user's settings or depend on today's date.

#include "platform/instanceguard.h"
#include "platform/platform.h"

#include <QEventLoop>
#include <QMap>
#include <QPageLayout>
#include <QStringList>
#include <QTextDocument>
#include <QTimer>

#include <chrono>
#include <functional>

namespace wellbox::testing {

// A fake dialog's own event loop, as a real modal dialog runs one while it is up: `whileOpen`
// runs in it, and the loop then delivers for `openFor` whatever comes (a key's animated click, a
// window's deferred deletion). Without `whileOpen` the fake answers at once.
struct DialogLoop {
    std::function<void()> whileOpen;
    std::chrono::milliseconds openFor{50};

    void run() const {
        if (!whileOpen)
            return;
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            whileOpen();
            QTimer::singleShot(openFor, &loop, &QEventLoop::quit);
        });
        loop.exec();
    }
};

class FakeMessageBox final : public MessageBox {
public:
    struct Shown {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer show(QWidget*, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override {
        shown.append({text, icon, buttons});
        m_texts << text;
        loop.run();
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return answers.isEmpty() ? MessageAnswer::No : answers.takeFirst();
    }
    QStringList texts() const { return m_texts; }

    QVector<Shown> shown;
    QVector<MessageAnswer> answers; // replies to Yes/No boxes, in order; No when empty
    DialogLoop loop;

private:
    QStringList m_texts;
};

class FakeWebPageOpener final : public WebPageOpener {
public:
    void open(const QString& address) override { opened << address; }
    QStringList opened;
};

// Entries are kept under "application|section|entry".
class FakeSettingsStore final : public SettingsStore {
public:
    QString read(const QString& app, const QString& section, const QString& entry) const override {
        return values.value(app + '|' + section + '|' + entry);
    }
    void write(const QString& app, const QString& section, const QString& entry,
               const QString& value) override {
        values[app + '|' + section + '|' + entry] = value;
    }
    QMap<QString, QString> values;
};

class FakeClock final : public Clock {
public:
    QDate today() const override { return date; }
    QDateTime now() const override { return QDateTime(date, QTime(9, 41)); }
    QDate date{2026, 12, 6};
};

// Answers with `answer` (empty: cancelled), or fails to show with `failure`, and records the
// names it proposed.
class FakeSaveDialog final : public SaveDialog {
public:
    SaveChoice askFileName(QWidget*, const QString& proposedName, const QString&) override {
        proposed << proposedName;
        loop.run();
        return {failure.isEmpty() ? answer : QString(), failure};
    }
    QStringList proposed;
    QString answer;
    QString failure;
    DialogLoop loop;
};

// Keeps what is written in `files`, or fails with `failure`; `onDisk` writes it as the program
// does, for tests that read the file back (in a folder of their own).
class FakeFileWriter final : public FileWriter {
public:
    std::optional<QString> write(const QString& path, const QByteArray& bytes) override {
        if (!failure.isEmpty())
            return failure;
        if (onDisk)
            return QtFileWriter().write(path, bytes);
        files[path] = bytes;
        return std::nullopt;
    }
    QMap<QString, QByteArray> files;
    QString failure;
    bool onDisk = false;
};

// Records the plain text of each document offered for printing and prints it, as the real
// dialog does into the PDF file `file` when one is named, through `writer`; or fails to show
// with `failure`.
class FakePrintDialog final : public PrintDialog {
public:
    explicit FakePrintDialog(FileWriter& writer)
        : m_writer(writer) {}
    PrintResult print(QWidget*, const QTextDocument& document) override {
        offered << document.toPlainText();
        loop.run();
        if (!failure.isEmpty())
            return {false, {}, failure};
        if (file.isEmpty())
            return {true, {}, {}};
        return QtPrintDialog::printToFile(
            m_writer, document, file,
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}));
    }
    QStringList offered;
    QString file;
    QString failure;
    DialogLoop loop;

private:
    FileWriter& m_writer;
};

class FakeInstanceGuard final : public InstanceGuard {
public:
    bool anotherInstanceRunning() override { return running; }
    bool running = false;
};

// Every seam faked, handed on as one Platform.
struct FakePlatform {
    FakeMessageBox messageBox;
    FakeWebPageOpener webPageOpener;
    FakeSettingsStore settings;
    FakeClock clock;
    FakeSaveDialog saveDialog;
    FakeFileWriter fileWriter;
    FakePrintDialog printDialog{fileWriter};
    Platform platform{messageBox, webPageOpener, settings,  clock,
                      saveDialog, printDialog,   fileWriter};
};

} // namespace wellbox::testing
