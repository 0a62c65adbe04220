// A program ended from outside in the middle of a batch, as a logout (SIGTERM, SIGHUP), a
// terminal (SIGINT) or the out-of-memory killer (SIGKILL) ends it: no name the user sees
// ever holds half a file.
#include "convert/Batch.h"
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
        QTest::newRow("SIGHUP mid-batch") << int(SIGHUP) << 500;
        QTest::newRow("SIGKILL as the first files start") << int(SIGKILL) << 50;
        QTest::newRow("SIGKILL mid-batch") << int(SIGKILL) << 800;
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
        QVERIFY(hidden.size() <= 2); // a killed program can clean up nothing: its working files stay hidden
        // The next batch into the folder removes what nobody holds any more (the stand-in's
        // own children may hold it for a moment longer).
        const auto nextBatchCleans = [&] {
            const TBatch next({TDirection::AmrToMp3, {}, QFile::encodeName(out.path()), codec.Dir()}, {1, 1000});
            return out.entryList(QDir::Files | QDir::Hidden).filter(QRegularExpression("^\\.")).isEmpty();
        };
        QTRY_VERIFY(nextBatchCleans());
    }

    // Where a file system has no rename that refuses to replace (a network share), nor hard
    // links (a FUSE mount), outputs are still published whole and never over anything.
    void publishedWithoutAtomicRename_data()
    {
        QTest::addColumn<bool>("links");
        QTest::newRow("hard links") << true;
        QTest::newRow("neither") << false;
    }
    void publishedWithoutAtomicRename()
    {
        QFETCH(bool, links);
        const TStandInCodec codec("echo \"$in\" > \"$out\"");
        QTemporaryDir dir;
        const QString out = dir.filePath("out");
        Touch(out + "/x.mp3", "mine");
        QFile::link(dir.filePath("nowhere"), out + "/x(1).mp3");
        QDir().mkpath(out + "/x(2).mp3");
        const QMap<QString, QByteArray> before = FolderSnapshot(out);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LD_PRELOAD", QCoreApplication::applicationDirPath() + "/libtolvane_no_atomic_rename.so");
        environment.insert("ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=0");
        if (!links)
            environment.insert("TOLVANE_NO_LINKS", "1");
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationDirPath() + "/tolvane_batch_child",
                    {codec.Dir(), out, "2", Touch(dir.filePath("a/x.amr")), Touch(dir.filePath("b/x.amr"))});
        QVERIFY(child.waitForFinished(20000));
        QVERIFY2(child.readAll().contains("message: Success conversion"), "the batch did not succeed");
        QMap<QString, QByteArray> after = FolderSnapshot(out);
        after.remove("x(3).mp3");
        after.remove("x(4).mp3");
        QCOMPARE(after, before); // nothing else made, nothing replaced
        QFile first(out + "/x(3).mp3");
        QVERIFY(first.open(QIODevice::ReadOnly));
        QCOMPARE(first.readAll(), dir.filePath("a/x.amr").toUtf8() + "\n");
    }
};

QTEST_GUILESS_MAIN(TestEndings)
#include "test_endings.moc"
