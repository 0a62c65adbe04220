// Starting the codec, reading its console without blocking, and stopping it.
#include "app/ConverterForm.h"
#include "tests/support/ScriptedSeam.h"
#include "tests/support/TestSupport.h"

#include <QGuiApplication>
#include <QLabel>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTest>

namespace {

// A form set to convert `input` into `output` as row 0 of the AMR page.
void Aim(TConverterForm &form, const QString &input, const QString &output)
{
    form.AddAMRFile(input, false);
    form.FCurrentRow = 0;
    form.FInputPath = input;
    form.FOutputPath = output;
}

// Starts the codec alone, without the monitor that would judge its file.
TStartResult Start(TConverterForm &form)
{
    const TStartResult result = form.StartDecoding();
    form.Timer.stop();
    return result;
}

} // namespace

class TestRunner : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    const QString FMemo = SharedMemo();

private slots:
    void realCodecConverts()
    {
        TScriptedSeam seam;
        TConverterForm form(seam);
        const QString output = FDir.filePath("memo.mp3");
        Aim(form, FMemo, output);
        QCOMPARE(form.StartDecoding(), TStartResult::Started);
        QVERIFY(form.IsBusy() && form.Timer.isActive());
        form.Timer.stop();
        QCOMPARE(form.LogPanel->text(), QString("Start to decode audio ..."));
        QVERIFY(form.AMRListView->topLevelItem(0)->isSelected());
        QVERIFY(form.CurrentRun()->Process.waitForFinished(20000));
        QVERIFY(seam.messages.isEmpty());
    }

    void onlyTheLastChunkIsKept_data()
    {
        QTest::addColumn<int>("waiting");
        QTest::addColumn<int>("kept");
        QTest::newRow("more than a chunk") << 1500 << 476;
        QTest::newRow("exactly a chunk") << 1024 << 1024;
        QTest::newRow("three chunks") << 3072 << 1024;
    }
    void onlyTheLastChunkIsKept()
    {
        QFETCH(int, waiting);
        QFETCH(int, kept);
        const TStandInCodec codec(QString("head -c %1 /dev/zero | tr '\\0' a\nprintf b\nexec sleep 30")
                                      .arg(waiting - 1).toUtf8());
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.FExeDir = codec.Dir();
        Aim(form, FMemo, FDir.filePath("unused.mp3"));
        QCOMPARE(Start(form), TStartResult::Started);
        TCodecRun &run = *form.CurrentRun();
        QTRY_COMPARE(run.Process.bytesAvailable(), qint64(waiting));
        const QString text = form.ReadPipeText(run);
        QCOMPARE(text.size(), kept);
        QVERIFY(text.endsWith('b'));
        QCOMPARE(run.Process.bytesAvailable(), qint64(0));
        QVERIFY(form.ReadPipeText(run).isEmpty()); // nothing waiting: no wait either
    }

    void codecThatCannotRun()
    {
        const TStandInCodec codec("exit 0");
        QFile::setPermissions(codec.Dir() + "amrcodec.dll", QFile::ReadOwner | QFile::WriteOwner);
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.FExeDir = codec.Dir();
        Aim(form, FMemo, FDir.filePath("never.mp3"));
        QCOMPARE(Start(form), TStartResult::FailedToStart);
        QCOMPARE(seam.Texts(), QStringList{"Can't start to deocde audio."});
        QCOMPARE(seam.messages.first().caption, QString("ERROR"));
        QCOMPARE(seam.messages.first().icon, QMessageBox::Critical);
        QVERIFY(!form.IsBusy() && !form.Timer.isActive() && form.PageControl->isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void vanishedInputStartsNothing()
    {
        const QString input = FDir.filePath("vanishing.amr");
        QFile::copy(FMemo, input);
        TScriptedSeam seam;
        TConverterForm form(seam);
        Aim(form, input, FDir.filePath("vanishing.mp3"));
        QFile::remove(input);
        QCOMPARE(form.StartDecoding(), TStartResult::NotStarted);
        QVERIFY(seam.messages.isEmpty());
        QVERIFY(!form.IsBusy() && !form.Timer.isActive());
        QCOMPARE(form.RunningCodecs(), 0);
        form.FOutputPath.clear();
        form.FInputPath = FMemo;
        QCOMPARE(form.StartDecoding(), TStartResult::NotStarted); // no output name
    }

    void secondStartAndCloseStopTheCodec()
    {
        const TStandInCodec codec("exec sleep 60");
        TScriptedSeam seam;
        auto *form = new TConverterForm(seam);
        form->FExeDir = codec.Dir();
        Aim(*form, FMemo, FDir.filePath("hang.mp3"));
        QCOMPARE(Start(*form), TStartResult::Started);
        const qint64 first = form->CurrentRun()->Process.processId();
        QCOMPARE(Start(*form), TStartResult::Started);
        const qint64 second = form->CurrentRun()->Process.processId();
        QVERIFY(!ProcessAlive(first));
        QVERIFY(ProcessAlive(second));
        form->close();
        QVERIFY(!ProcessAlive(second));
        delete form;
        QCOMPARE(ChildProcessCount(), 0);
    }
};

QTEST_MAIN(TestRunner)
#include "test_runner.moc"
