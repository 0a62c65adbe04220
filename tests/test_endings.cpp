// A program ended from outside in the middle of a batch, as a logout (SIGTERM, SIGHUP), a
// terminal (SIGINT) or the out-of-memory killer (SIGKILL) ends it: no name the user sees
// ever holds half a file.
#include "tests/support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTest>

#include <csignal>

class TestEndings : public QObject {
    Q_OBJECT

private slots:
    void endedMidBatch_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("after"); // milliseconds from the batch's start
        QTest::newRow("SIGTERM as the first files start") << int(SIGTERM) << 50;
        QTest::newRow("SIGTERM mid-batch") << int(SIGTERM) << 500;
        QTest::newRow("SIGHUP mid-batch") << int(SIGHUP) << 800;
        QTest::newRow("SIGINT mid-batch") << int(SIGINT) << 300;
        QTest::newRow("SIGKILL as the first files start") << int(SIGKILL) << 50;
        QTest::newRow("SIGKILL mid-batch") << int(SIGKILL) << 500;
        QTest::newRow("SIGKILL later") << int(SIGKILL) << 1000;
    }
    void endedMidBatch()
    {
        QFETCH(int, signal);
        QFETCH(int, after);
        // Each codec writes its file in two steps, and leaves its pid to be looked for.
        const TStandInCodec codec("echo $$ > \"$(dirname \"$0\")/pid.$$\"\n"
                                  "echo begun > \"$out\"\nsleep 0.3\necho whole >> \"$out\"");
        QTemporaryDir dir;
        QStringList arguments{codec.Dir(), dir.filePath("out"), "2"};
        for (int i = 0; i < 8; ++i)
            arguments << Touch(dir.filePath(QString("in/memo %1.amr").arg(i)));
        QDir().mkpath(dir.filePath("out"));

        QProcess child;
        child.start(QCoreApplication::applicationDirPath() + "/tolvane_batch_child", arguments);
        QVERIFY(child.waitForReadyRead(10000));
        QVERIFY(child.readLine().startsWith("converting"));
        QTest::qWait(after);
        QVERIFY2(child.state() == QProcess::Running, "the batch ended before it could be ended");
        ::kill(pid_t(child.processId()), signal);
        QVERIFY(child.waitForFinished(10000));
        if (signal == SIGKILL) {
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        } else {
            QCOMPARE(child.exitStatus(), QProcess::NormalExit);
            QCOMPARE(child.exitCode(), 128 + signal);
        }

        // The codecs go with the program, however it ended.
        for (const QString &pidFile : QDir(codec.Dir()).entryList({"pid.*"})) {
            const qint64 pid = pidFile.section('.', 1).toLongLong();
            QTRY_VERIFY2(!ProcessAlive(pid), qPrintable(pidFile));
        }
        const QDir out(dir.filePath("out"));
        for (const QString &name : out.entryList(QDir::Files)) {
            QFile file(out.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("begun\nwhole\n"));
        }
        const QStringList hidden = out.entryList(QDir::Files | QDir::Hidden).filter(QRegularExpression("^\\."));
        if (signal != SIGKILL)
            QCOMPARE(hidden, QStringList());
        else
            QVERIFY(hidden.size() <= 2); // a killed program can clean up nothing: its working files stay hidden
    }
};

QTEST_GUILESS_MAIN(TestEndings)
#include "test_endings.moc"
