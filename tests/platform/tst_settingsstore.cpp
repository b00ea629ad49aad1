#include "platform/filewriter.h"
#include "platform/inientry.h"
#include "platform/savedialog.h"
#include "platform/settingsstore.h"
#include "support/datarows.h"
#include "support/limits.h"
#include "support/nodes.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <random>

#include <unistd.h>

using namespace wellbox;
using namespace wellbox::testing;

namespace {

// The entry the update reminder keeps, "Duration" in disguise.
const QString kEntry = "sFC2E:@?";

// Bytes from a data file, percent-encoded.
QByteArray bytes(const QString& cell) {
    return QByteArray::fromPercentEncoding(cell.toUtf8());
}

// Room for 256 MB more of address space than is in use, where a reader that believes a count
// in the file would ask for gigabytes. Not under AddressSanitizer, whose shadow memory takes
// terabytes of address space.
rlim_t littleMemory() {
#ifdef __SANITIZE_ADDRESS__
    return RLIM_INFINITY;
#else
    return inUse(RLIMIT_AS) + (256u << 20);
#endif
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    // What lies where a settings file and its lock go (ours, the one Qt's file dialogs keep, the
    // user's folder names) and where the environment puts them; between the store's read and
    // write the real save dialog may be answered with Enter. From surroundings.tsv.
    void surroundings_data() { addRowsFrom("surroundings.tsv"); }

    void surroundings() {
        QFETCH(QString, at);
        QFETCH(QString, content);
        QFETCH(int, size);
        QFETCH(QString, lock);
        QFETCH(QString, environment);
        QFETCH(QString, saved);
        QFETCH(QString, target);
        // Away from the user's own configuration, and from test runs side by side; one folder
        // for every row, as Qt settles where its own settings lie once a run. Started in an empty
        // folder, which must stay so.
        QVERIFY(m_config.isValid() && QDir(m_config.path()).removeRecursively());
        const QDir config(m_config.path());
        QVERIFY(config.mkpath("start"));
        const QString started = QDir::currentPath();
        QDir::setCurrent(config.filePath("start"));
        qputenv("HOME", QFile::encodeName(config.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        for (const QString& setting : environment.split(' ', Qt::SkipEmptyParts)) {
            const QByteArray name = setting.section('=', 0, 0).toUtf8();
            setting.contains('=') ? qputenv(name.constData(), setting.section('=', 1).toUtf8())
                                  : qunsetenv(name.constData());
        }
        QVERIFY(putNode(config.filePath(at), bytes(content).leftJustified(size, 'x')));
        QVERIFY(putNode(config.filePath(at + ".lock"), bytes(lock)));
        ::alarm(10); // opening a FIFO or waiting for a lock would hang; the alarm ends the test
        QtFileWriter writer;
        QtSettingsStore store(writer);
        const QString before = store.read("wellbox", "Settings", "sFC2E:@?") + '|';
        QString answer;
        if (!saved.isEmpty()) {
            QtSaveDialog dialog;
            QTimer::singleShot(0, this, [] {
                if (QWidget* shown = QApplication::activeModalWidget())
                    QTest::keyClick(shown->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
            });
            answer = dialog.askFileName(nullptr, "kept.pdf", "PDF (*.pdf)").file;
        }
        store.write("wellbox", "Settings", "sFC2E:@?", "changed");
        const QString after = store.read("wellbox", "Settings", "sFC2E:@?");
        ::alarm(0);
        const QStringList left = QDir::current().entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        QDir::setCurrent(started);
        QTEST(before + after, "reads");
        QCOMPARE(answer, QString(saved).replace('~', config.path()));
        QFile linked(config.filePath("target"));
        QCOMPARE(linked.open(QIODevice::ReadOnly) ? linked.readAll() : QByteArray(), bytes(target));
        QCOMPARE(left, QStringList());
        QTEST(
            config.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System)
                .join(' '),
            "kept");
    }

    // What the file holds, read and then written with "changed", from settingsfile.tsv.
    void file_data() { addRowsFrom("settingsfile.tsv"); }

    void file() {
        QFETCH(QString, before);
        QFETCH(int, limit);
        QFETCH(QString, reads);
        QFETCH(QString, after);
        const QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        const QString path = config.filePath("wellbox.ini");
        QVERIFY(putNode(path, cellBytes(before)));
        QtFileWriter writer;
        QtSettingsStore store(writer);
        const rlim_t open = inUse(RLIMIT_NOFILE);
        ::alarm(10); // a store that parses the whole file may never end
        QString read;
        withLimit(RLIMIT_AS, littleMemory(),
                  [&] { read = store.read("wellbox", "Settings", kEntry); });
        QCOMPARE(read, QString::fromUtf8(cellBytes(reads)));
        withLimit(RLIMIT_FSIZE, limit ? rlim_t(limit) : RLIM_INFINITY,
                  [&] { store.write("wellbox", "Settings", kEntry, "changed"); });
        ::alarm(0);
        QCOMPARE(inUse(RLIMIT_NOFILE), open); // every file it opened closed again
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), cellBytes(after == "=" ? before : after));
        QCOMPARE(
            QDir(config.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"wellbox.ini"});
    }

    // Started with no standard input, a program's first file opens as descriptor 0: the
    // settings file is read all the same.
    void readWithoutStandardInput() {
        const QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        QtFileWriter writer;
        QtSettingsStore store(writer);
        store.write("wellbox", "Settings", kEntry, "kept");
        const int input = ::dup(STDIN_FILENO);
        ::close(STDIN_FILENO);
        const QString read = store.read("wellbox", "Settings", kEntry);
        ::dup2(input, STDIN_FILENO);
        ::close(input);
        QCOMPARE(read, "kept");
    }

    // Random files, and files the store wrote with a few bytes changed, read in seconds with
    // nothing but the entry parsed; each read gives a value no longer than any written, and now
    // and then a random value written is read back, every line of the file that does not name
    // the entry kept in its order.
    void fuzz() {
        // On a memory file system where there is one: every write is flushed to the disk.
        QTemporaryDir config(QFileInfo("/dev/shm").isWritable() ? "/dev/shm/wellbox-XXXXXX"
                                                                : QString());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        const QString path = config.filePath("wellbox.ini");
        QtFileWriter writer;
        QtSettingsStore store(writer);
        std::mt19937 random(38); // one sequence every run, so that a failure can be replayed
        QElapsedTimer clock;
        clock.start();
        ::alarm(60);
        withLimit(RLIMIT_AS, littleMemory(), [&] { fuzzRuns(path, store, random); });
        ::alarm(0);
        QVERIFY2(clock.elapsed() < 20'000, qPrintable(QString::number(clock.elapsed())));
    }

private:
    static void fuzzRuns(const QString& path, QtSettingsStore& store, std::mt19937& random) {
        QByteArray written = "[Settings]\nsFC2E%3A%40%3F=a_ae\\`a\\_e\n";
        for (int run = 0; run < 4000; ++run) {
            const QByteArray file = run % 2 ? randomFile(random) : mutated(written, random);
            QFile put(path);
            QVERIFY(put.open(QIODevice::WriteOnly) && put.write(file) == file.size());
            put.close();
            const QString read = store.read("wellbox", "Settings", kEntry);
            QVERIFY2(read.size() <= ini::kLongestValue, file.toPercentEncoding().constData());
            if (run % 8 > 1)
                continue;
            const QString value = randomValue(random);
            store.write("wellbox", "Settings", kEntry, value);
            QFile back(path);
            QVERIFY(back.open(QIODevice::ReadOnly));
            written = back.readAll();
            QCOMPARE(store.read("wellbox", "Settings", kEntry), value);
            QVERIFY2(keptInOrder(file, written), file.toPercentEncoding().constData());
        }
    }

    // A file of pieces an INI file is made of, any bytes among them.
    static QByteArray randomFile(std::mt19937& random) {
        static const QList<QByteArray> pieces =
            QByteArray("[Settings]|[General]|[|]|sFC2E%3A%40%3F|sFC2E:@?|=|=|@Variant(|@ByteArray(|"
                       "@@|)|\\x|\\|\"|,|;|#| |\t|\r|\n|\n|%U|\xc3\xa9|`a^e^a_ae")
                .split('|');
        QByteArray file;
        for (int i = int(random() % 40); i > 0; --i)
            file += random() % 5 ? pieces[random() % pieces.size()] : QByteArray(1, char(random()));
        return file;
    }

    // `file` with one to four bytes changed, put in or taken out.
    static QByteArray mutated(QByteArray file, std::mt19937& random) {
        for (int i = 1 + int(random() % 4); i > 0 && !file.isEmpty(); --i) {
            const qsizetype at = qsizetype(random() % file.size());
            if (const auto kind = random() % 3; kind == 0)
                file[at] = char(random());
            else if (kind == 1)
                file.insert(at, char(random()));
            else
                file.remove(at, 1);
        }
        return file;
    }

    // Up to twelve characters of any kind: controls, quotes, separators, a leading @, spaces at
    // the ends, letters beyond ASCII and beyond the Basic Multilingual Plane.
    static QString randomValue(std::mt19937& random) {
        static const QString kinds = QStringLiteral("\0\t\n\r\x1f\"\\,;=@ #%[]a0F\u00e9\u20ac");
        QString value;
        for (int i = int(random() % 13); i > 0; --i)
            value += random() % 8 ? QString(kinds[random() % kinds.size()])
                                  : QString::fromUcs4(U"\U0001F600", 1);
        return value;
    }

    // Whether every line of `before` that does not name the entry is a line of `after`, in the
    // same order.
    static bool keptInOrder(const QByteArray& before, const QByteArray& after) {
        const QList<QByteArray> lines = after.split('\n');
        qsizetype at = 0;
        for (const QByteArray& line : before.split('\n')) {
            if (line.contains("sFC2E"))
                continue;
            while (at < lines.size() && lines[at] != line)
                ++at;
            if (at++ == lines.size())
                return false;
        }
        return true;
    }

    QTemporaryDir m_config;
};

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
