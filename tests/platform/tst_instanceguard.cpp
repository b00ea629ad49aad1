#include "platform/instanceguard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using wellbox::LockFileInstanceGuard;

class TestInstanceGuard : public QObject {
    Q_OBJECT

private slots:
    void firstInstanceRunsAlone() {
        QTemporaryDir dir;
        LockFileInstanceGuard first(dir.filePath("wellbox.lock"));
        QVERIFY(!first.anotherInstanceRunning());
        // Asking again must not make the holder see itself as another instance.
        QVERIFY(!first.anotherInstanceRunning());
    }

    void secondInstanceIsRefusedWhileTheFirstRuns() {
        QTemporaryDir dir;
        LockFileInstanceGuard first(dir.filePath("wellbox.lock"));
        QVERIFY(!first.anotherInstanceRunning());
        LockFileInstanceGuard second(dir.filePath("wellbox.lock"));
        QVERIFY(second.anotherInstanceRunning());
        QVERIFY(!first.anotherInstanceRunning());
    }

    void lockIsFreedWhenTheFirstInstanceEnds() {
        QTemporaryDir dir;
        {
            LockFileInstanceGuard first(dir.filePath("wellbox.lock"));
            QVERIFY(!first.anotherInstanceRunning());
        }
        LockFileInstanceGuard next(dir.filePath("wellbox.lock"));
        QVERIFY(!next.anotherInstanceRunning());
    }

    void lockOfACrashedInstanceDoesNotBlock() {
        QTemporaryDir dir;
        QProcess dead;
        dead.start(QStringLiteral("true"), {});
        QVERIFY(dead.waitForFinished());
        const qint64 deadPid = dead.processId() > 0 ? dead.processId() : 999999;
        QFile lock(dir.filePath("wellbox.lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + "\nkestavo-wellbox\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();

        LockFileInstanceGuard next(dir.filePath("wellbox.lock"));
        QVERIFY(!next.anotherInstanceRunning());
    }

    void onlyALiveInstanceOfThisProgramRefuses_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("takenOver");
        QTest::newRow("empty file") << "file" << QByteArray() << false << true;
        QTest::newRow("random bytes")
            << "file" << QByteArray("\x93\x07\xfe\n\x00\x81z", 7) << false << true;
        QTest::newRow("another host")
            << "file" << QByteArray("%pid\n%self\nelsewhere.invalid\n") << false << true;
        QTest::newRow("live process of another program")
            << "file" << QByteArray("%child\nsleep\n%host\n") << false << true;
        QTest::newRow("directory") << "directory" << QByteArray() << false << false;
        QTest::newRow("unreadable file") << "unreadable" << QByteArray() << false << false;
        QTest::newRow("live instance of this program")
            << "file" << QByteArray("%pid\n%self\n%host\n") << true << false;
    }

    void onlyALiveInstanceOfThisProgramRefuses() {
        QFETCH(QString, form);
        QFETCH(QByteArray, content);
        QFETCH(bool, refused);
        QFETCH(bool, takenOver);
        QTemporaryDir dir;
        const QString path = dir.filePath("wellbox.lock");
        QProcess other;
        other.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(other.waitForStarted());
        content.replace("%pid", QByteArray::number(QCoreApplication::applicationPid()))
            .replace("%self",
                     QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8())
            .replace("%host", QSysInfo::machineHostName().toUtf8())
            .replace("%child", QByteArray::number(other.processId()));
        if (form == "directory") {
            QVERIFY(QDir().mkdir(path));
        } else {
            QFile lock(path);
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write(content);
            if (form == "unreadable")
                QVERIFY(lock.setPermissions({}));
        }

        LockFileInstanceGuard guard(path);
        QCOMPARE(guard.anotherInstanceRunning(), refused);
        if (takenOver)
            QVERIFY(LockFileInstanceGuard(path).anotherInstanceRunning());
        other.kill();
        other.waitForFinished();
    }

    void unusableDirectoryLetsTheProgramStart() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("not-a-directory"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        LockFileInstanceGuard guard(dir.filePath("not-a-directory/wellbox.lock"));
        QVERIFY(!guard.anotherInstanceRunning());
    }

    void lockLivesInThePrivateRuntimeDirectory() {
        const QString path = LockFileInstanceGuard::defaultLockFilePath("kestavo-wellbox");
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        QVERIFY(!runtime.isEmpty());
        QVERIFY2(path.startsWith(runtime + '/'), qPrintable(path));
        // Nobody else may create the file first.
        QVERIFY(!(QFileInfo(QFileInfo(path).path()).permissions() & QFileDevice::WriteOther));
        QVERIFY(path.endsWith(QStringLiteral("kestavo-wellbox.lock")));
    }
};

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "tst_instanceguard.moc"
