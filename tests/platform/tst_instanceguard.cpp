#include "platform/instanceguard.h"

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
