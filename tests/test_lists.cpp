// The conversion lists: adding through the dialogs, by drag and drop and at start, folder
// walks, deleting.
#include "app/ConverterForm.h"
#include "app/ListView.h"
#include "tests/support/ScriptedSeam.h"
#include "tests/support/SlowMount.h"
#include "tests/support/TestSupport.h"

#include <QElapsedTimer>
#include <QFileDialog>
#include <QPushButton>
#include <QListView>
#include <QMimeData>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTextDocument>
#include <QToolTip>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int Selected(TConversionListView *list)
{
    return list->SelectedRow();
}

QString SizeText(TConversionListView *list, int row)
{
    return list->model()->index(row, 1).data().toString();
}

} // namespace

class TestLists : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English)); }

    void addThroughDialog()
    {
        QTemporaryDir dir;
        const QString a = Touch(dir.filePath("a.amr"), QByteArray(1536, 'x'));
        const QString upper = Touch(dir.filePath("A.AMR"), QByteArray(999, 'x'));
        TScriptedSeam seam;
        TConverterForm form(seam);
        seam.openAnswers = {{a}, {a}, {upper}};

        form.AMRAddButtonClick();
        QVERIFY(WaitForAdds(form));
        QCOMPARE(seam.dialogsRun.last(), form.AMROpenDialog);
        QCOMPARE(Captions(form.AMRListView), QStringList{a});
        QCOMPARE(SizeText(form.AMRListView, 0), QString("1.54 KB"));
        QVERIFY(Outputs(form.AMRListView).constFirst().isEmpty());
        QCOMPARE(Selected(form.AMRListView), 0);
        QCOMPARE(form.FOutputDir, dir.path());

        form.AMRListView->clearSelection();
        form.AMRAddButtonClick(); // the same path again selects its row
        QVERIFY(WaitForAdds(form));
        QCOMPARE(Captions(form.AMRListView), QStringList{a});
        QCOMPARE(Selected(form.AMRListView), 0);

        form.AMRAddButtonClick(); // differs only in case: another file
        QVERIFY(WaitForAdds(form));
        QCOMPARE(Captions(form.AMRListView), QStringList({a, upper}));
        QCOMPARE(SizeText(form.AMRListView, 1), QString("999 Bytes"));
        QCOMPARE(Selected(form.AMRListView), 1);

        // A missing file, a pipe and a device (whose reading never ends), and a cancel.
        const QString fifo = dir.filePath("x.amr");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QFile::link("/dev/zero", dir.filePath("noise.amr"));
        seam.openAnswers = {{dir.filePath("gone.amr")}, {fifo}, {dir.filePath("noise.amr")}, {}};
        for (int i = 0; i < 4; ++i)
            form.AMRAddButtonClick();
        QVERIFY(WaitForAdds(form));
        QCOMPARE(RowCount(form.AMRListView), 2);
        QVERIFY(seam.messages.isEmpty());

        seam.openAnswers = {{Touch(dir.filePath("b.mp3"))}};
        form.MP3AddButtonClick();
        QVERIFY(WaitForAdds(form));
        QCOMPARE(seam.dialogsRun.last(), form.MP3OpenDialog);
        QCOMPARE(RowCount(form.MP3ListView), 1);
        QCOMPARE(RowCount(form.AMRListView), 2);

        form.AddMP3File("/tolvane-test-not-here.mp3", false); // a file in the root folder
        QVERIFY(WaitForAdds(form));
        QCOMPARE(form.FOutputDir, QString("/"));
        QCOMPARE(RowCount(form.MP3ListView), 1);
    }

    void deleteRows()
    {
        QTemporaryDir dir;
        const QString a = Touch(dir.filePath("a.amr")), b = Touch(dir.filePath("b.amr"));
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.AddAMRFile(a, false);
        form.AddAMRFile(b, false);
        QVERIFY(WaitForAdds(form));

        form.AMRDeleteButtonClick();
        form.MP3DeleteButtonClick();
        QCOMPARE(seam.Texts(), QStringList({"Please select one AMR file.", "Please select one MP3 file."}));
        QCOMPARE(seam.messages.first().caption, QString("INFORMATION"));
        QCOMPARE(seam.messages.first().icon, QMessageBox::Information);
        QCOMPARE(RowCount(form.AMRListView), 2);

        // Two presses after selecting a row: the row goes, then the message.
        form.FindRowByPath(form.AMRListView, a);
        form.AMRDeleteButtonClick();
        form.AMRDeleteButtonClick();
        QCOMPARE(Captions(form.AMRListView), QStringList{b});
        QVERIFY(QFile::exists(a));
        QCOMPARE(seam.messages.size(), 3);

        // The Delete key in the list does what the button does.
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.AMRListView->setFocus();
        form.FindRowByPath(form.AMRListView, b);
        QTest::keyClick(form.AMRListView, Qt::Key_Delete);
        QCOMPARE(RowCount(form.AMRListView), 0);
        QVERIFY(QFile::exists(b));
    }

    void dropFiles()
    {
        QTemporaryDir dir;
        const QString a = Touch(dir.filePath("a.amr")), b = Touch(dir.filePath("b.amr"));
        QDir(dir.path()).mkdir("folder");
        QTemporaryDir other;
        const QString c = Touch(other.filePath("c.amr"));
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.show(); // drops reach only a window on screen
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.AddAMRFile(a, true);
        QVERIFY(WaitForAdds(form));

        Drop(form.AMRListView, {QUrl::fromLocalFile(b), QUrl::fromLocalFile(a),
                                QUrl::fromLocalFile(dir.filePath("folder")),
                                QUrl("https://tolvane.example/x.amr"), QUrl::fromLocalFile(c),
                                QUrl::fromLocalFile(b)});
        QCOMPARE(Captions(form.AMRListView), QStringList({a, b, c}));
        QCOMPARE(Selected(form.AMRListView), 2);
        QCOMPARE(form.FOutputDir, other.path());
        QVERIFY(seam.messages.isEmpty());

        form.EnableControls(false);
        form.PageControl->setEnabled(true); // even with the list reachable, busy refuses drops
        form.PageControl->setCurrentIndex(1);
        Drop(form.MP3ListView, {QUrl::fromLocalFile(Touch(dir.filePath("d.mp3")))});
        QCOMPARE(RowCount(form.MP3ListView), 0);
        form.EnableControls(true);
    }

    // Several files picked at once go in as one at a time would, and a deleted row's path can
    // be added again.
    void severalFromTheDialog()
    {
        QTemporaryDir dir;
        const QString a = Touch(dir.filePath("a/1.amr")), b = Touch(dir.filePath("b/2.amr")),
                      c = Touch(dir.filePath("c/3.amr"));
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.AddAMRFile(b, false);
        seam.openAnswers = {{c, b, dir.filePath("gone.amr"), a, c}};
        form.AMRAddButtonClick();
        QVERIFY(WaitForAdds(form));
        QCOMPARE(Captions(form.AMRListView), QStringList({b, c, a}));
        QCOMPARE(Selected(form.AMRListView), 2);
        QCOMPARE(form.FOutputDir, dir.filePath("a"));

        form.FindRowByPath(form.AMRListView, c);
        form.AMRDeleteButtonClick();
        seam.openAnswers = {{c}, {a}};
        form.AMRAddButtonClick();
        form.AMRAddButtonClick();
        QVERIFY(WaitForAdds(form));
        QCOMPARE(Captions(form.AMRListView), QStringList({b, a, c}));
        QCOMPARE(Selected(form.AMRListView), 1);
    }

    // A phone's recordings dropped as a folder: the page's kind of files, in any case and from
    // every subfolder, in natural order; no hidden names, no pipes. The walk stays inside the
    // folder: links to folders (out of it, or back into it) are not followed, a link to a file
    // is that file, listed once however it is reached.
    void dropFolderTree()
    {
        QTemporaryDir dir;
        const QString phone = dir.filePath("Phone");
        const QStringList amr{Touch(phone + "/b/Voice 1.amr"), Touch(phone + "/c.amr"),
                              phone + "/outside memo.amr", Touch(phone + "/Voice 2.amr"),
                              Touch(phone + "/Voice 10.AMR")};
        const QString mp3 = Touch(phone + "/Voice 3.mp3");
        Touch(dir.filePath("outside/o.amr"));
        QFile::link(dir.filePath("outside/o.amr"), phone + "/outside memo.amr");
        QFile::link(dir.filePath("outside"), phone + "/elsewhere");
        QFile::link(phone, phone + "/b/loop");
        QFile::link("..", phone + "/loop");
        QDir().mkpath(phone + "/d");
        QFile::link(phone + "/c.amr", phone + "/d/c again.amr");
        Touch(phone + "/.hidden.amr");
        Touch(phone + "/.cache/x.amr");
        Touch(phone + "/notes.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(phone + "/pipe.amr").constData(), 0600), 0);

        TScriptedSeam seam;
        TConverterForm form(seam);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Drop(form.AMRListView, {QUrl::fromLocalFile(phone)});
        QCOMPARE(Captions(form.AMRListView), amr);
        QCOMPARE(Selected(form.AMRListView), amr.size() - 1);
        QCOMPARE(form.FOutputDir, phone);
        Drop(form.AMRListView, {QUrl::fromLocalFile(phone)}); // all listed already
        QCOMPARE(RowCount(form.AMRListView), amr.size());
        // The outside folder dropped beside it: its memo is listed already, by another path.
        Drop(form.AMRListView, {QUrl::fromLocalFile(dir.filePath("outside"))});
        QCOMPARE(RowCount(form.AMRListView), amr.size());
        form.PageControl->setCurrentIndex(1);
        Drop(form.MP3ListView, {QUrl::fromLocalFile(phone)});
        QCOMPARE(Captions(form.MP3ListView), QStringList{mp3});
        QVERIFY(seam.messages.isEmpty());
    }

    // Files named at start, as a file manager opens them, each on the page of its kind.
    void openedFromTheFileManager()
    {
        QTemporaryDir dir;
        const QString song = Touch(dir.filePath("song.MP3")), memo = Touch(dir.filePath("memo.amr")),
                      inner = Touch(dir.filePath("more/inner.amr")), tune = Touch(dir.filePath("more/tune.mp3")),
                      wide = Touch(dir.filePath("more/wide.AWB"));
        Touch(dir.filePath("notes.txt"));
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.OpenFiles({"gone.amr", "notes.txt", "song.MP3", QFile::encodeName(memo),
                        QFile::encodeName(dir.filePath("more")), QFile::encodeName(memo)});
        QDir::setCurrent(before);
        QVERIFY(WaitForAdds(form));
        QCOMPARE(Captions(form.AMRListView), QStringList({memo, inner, wide}));
        QCOMPARE(Captions(form.MP3ListView), QStringList({song, tune}));
        QCOMPARE(form.PageControl->currentIndex(), 1); // the song came first
        QVERIFY(seam.messages.isEmpty());
    }

    // "*.*" would hide names without a dot; "All Files" must not.
    void allFilesListsEveryName()
    {
        QTemporaryDir dir;
        Touch(dir.filePath("memo"));
        Touch(dir.filePath("x.amr"));
        Touch(dir.filePath("wide.AWB"));
        Touch(dir.filePath("clip.3GPP"));
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.AMRAddButtonClick();
        QFileDialog *dialog = form.AMROpenDialog;
        dialog->setDirectory(dir.path());
        dialog->selectNameFilter("All Files (*)");
        dialog->show();
        auto *view = dialog->findChild<QListView *>("listView");
        QVERIFY(view);
        const auto names = [&] {
            QStringList shown;
            const QModelIndex root = view->rootIndex();
            for (int i = 0; i < view->model()->rowCount(root); ++i)
                shown << view->model()->index(i, 0, root).data().toString();
            return shown;
        };
        QTRY_VERIFY(names().contains("memo") && names().contains("x.amr") && names().contains("wide.AWB"));
        dialog->selectNameFilter("AMR Files (*.amr)");
        QTRY_COMPARE(names(), QStringList{"x.amr"});
        // Every kind of recording, in any case.
        dialog->selectNameFilter("Phone Recordings (*.amr *.awb *.3ga *.3gp *.3gpp)");
        QTRY_COMPARE(names(), QStringList({"clip.3GPP", "wide.AWB", "x.amr"}));
        dialog->hide();
    }

    // Names the file system gives as bytes that are not UTF-8 are listed wherever they come
    // from, shown readably, and told apart by their bytes.
    void namesThatAreNotText()
    {
        QTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        const QByteArray latin1 = root + "/M\xe9mo.amr", other = root + "/M\xe8mo.amr",
                         utf8 = root + "/M\xc3\xa9mo.amr";
        for (const QByteArray &path : {latin1, other, utf8})
            QVERIFY(::close(::open(path.constData(), O_CREAT | O_WRONLY, 0644)) == 0);
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.OpenFiles({latin1, latin1});
        QVERIFY(WaitForAdds(form));
        QCOMPARE(Captions(form.AMRListView), QStringList{dir.path() + "/M\ufffdmo.amr"});
        QCOMPARE(RowPath(form.AMRListView, 0), latin1);

        // The folder dropped: the other two are other files, even the one that reads the same.
        DropUriList(form.AMRListView, "file://" + root.toPercentEncoding("/") + "\r\n");
        QList<QByteArray> paths;
        for (int row = 0; row < RowCount(form.AMRListView); ++row)
            paths << RowPath(form.AMRListView, row);
        std::sort(paths.begin(), paths.end());
        QCOMPARE(paths, QList<QByteArray>({utf8, other, latin1}));
        // A zero byte would end the name early for the system: "a.amr%00.mp3" is no file.
        DropUriList(form.AMRListView, "file://" + latin1.toPercentEncoding("/") + "%00.mp3\r\n");
        QCOMPARE(RowCount(form.AMRListView), 3);
        QVERIFY(seam.messages.isEmpty());
    }

    // A walk of a phone's slow mount leaves the window answering: its event loop turns, rows
    // come in order as they are found, the list shows the wait cursor, and Convert and
    // Delete wait for the walk.
    void slowMountWalked()
    {
        QTemporaryDir source;
        QStringList memos;
        for (int day = 1; day <= 3; ++day) {
            for (int memo = 1; memo <= (day == 1 ? 2 : 12); ++memo)
                memos << QString("Recordings/2019-03-0%1/Voice %2.amr").arg(day).arg(memo);
        }
        for (const QString &memo : memos)
            Touch(source.filePath(memo));
        TSlowMount mount(source.path(), TSlowMount::Delayed(15));
        if (!mount.SkipReason().isEmpty())
            QSKIP(qPrintable(mount.SkipReason()));
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QElapsedTimer sinceTick;
        qint64 longestGap = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
        bool seenWaiting = false, seenPartly = false;
        connect(&watch, &QTimer::timeout, [&] {
            if (!form.Adding())
                return;
            seenWaiting |= !form.AMRMP3Button->isEnabled() && !form.AMRDeleteButton->isEnabled()
                && form.AMRListView->viewport()->cursor().shape() == Qt::WaitCursor;
            seenPartly |= RowCount(form.AMRListView) > 0;
        });
        sinceTick.start();
        watch.start(10);
        Drop(form.AMRListView, {QUrl::fromLocalFile(mount.Path() + "/Recordings")});
        watch.stop();
        QVERIFY2(longestGap < 250, qPrintable(QString::number(longestGap)));
        QVERIFY(seenWaiting && seenPartly);
        QStringList expected;
        for (const QString &memo : memos)
            expected << mount.Path() + '/' + memo;
        QCOMPARE(Captions(form.AMRListView), expected);
        QVERIFY(form.AMRMP3Button->isEnabled());
        QCOMPARE(form.AMRListView->viewport()->cursor().shape(), Qt::ArrowCursor);

        QVERIFY(seam.messages.isEmpty());
    }

    // A mount that stops answering (a phone pulled mid-walk) holds neither the window nor its
    // end: Escape ends the walk at once, with what was found before.
    void deadMountWalked()
    {
        QTemporaryDir source;
        Touch(source.filePath("Phone/a.amr"));
        Touch(source.filePath("Phone/dead/b.amr"));
        Touch(source.filePath("Phone/z.amr"));
        TSlowMount mount(source.path(), TSlowMount::Hanging("dead"));
        if (!mount.SkipReason().isEmpty())
            QSKIP(qPrintable(mount.SkipReason()));
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.DropFiles(TDirection::AmrToMp3, {QFile::encodeName(mount.Path() + "/Phone")});
        QTRY_COMPARE(RowCount(form.AMRListView), 1);
        QTest::qWait(300);
        QVERIFY(form.Adding());
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.Adding());
        QCOMPARE(Captions(form.AMRListView), QStringList{mount.Path() + "/Phone/a.amr"});
        form.close();
    }

    // A name that looks like markup is shown as it reads, in its cell's tooltip too.
    void namesThatLookLikeMarkup()
    {
        QTemporaryDir dir;
        const QString name = Touch(dir.filePath("<b>memo</b> &amp;.amr"));
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.AddAMRFile(name, true);
        QVERIFY(WaitForAdds(form));
        const QRect cell = form.AMRListView->visualRect(form.AMRListView->model()->index(0, 0));
        QHelpEvent help(QEvent::ToolTip, cell.center(), form.AMRListView->viewport()->mapToGlobal(cell.center()));
        QCoreApplication::sendEvent(form.AMRListView->viewport(), &help);
        QTextDocument shown;
        shown.setHtml(QToolTip::text());
        QCOMPARE(shown.toPlainText(), name);
    }

    // From here on this process has given up its superuser file rights. A folder that cannot
    // be read, and a file of the page's kind that cannot be looked at, are named in one
    // message per add; everything else is added.
    void unreadableFoldersReported()
    {
        if (!GiveUpFileOverrides())
            QSKIP("cannot give up the superuser's file rights here");
        QTemporaryDir dir;
        const QString phone = dir.filePath("Phone");
        const QString ok = Touch(phone + "/ok.amr");
        Touch(phone + "/locked/x.amr");
        Touch(phone + "/unsearchable/y.amr");
        Touch(phone + "/unsearchable/notes.txt");
        QFile::setPermissions(phone + "/locked", {});
        QFile::setPermissions(phone + "/unsearchable", QFile::ReadOwner);
        const auto restore = qScopeGuard([&] {
            for (const char *folder : {"/locked", "/unsearchable"})
                QFile::setPermissions(phone + folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (QFileInfo(phone + "/locked/x.amr").exists())
            QSKIP("folders stay readable to this process here");
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Drop(form.AMRListView, {QUrl::fromLocalFile(phone), QUrl::fromLocalFile(phone + "/gone.amr")});
        QCOMPARE(Captions(form.AMRListView), QStringList{ok});
        QCOMPARE(seam.Texts(), QStringList{"2 files or folders could not be added."});
        QCOMPARE(seam.messages.first().caption, QString("INFORMATION"));
        QCOMPARE(seam.messages.first().details,
                 phone + "/locked: Permission denied\n" + phone + "/unsearchable/y.amr: Permission denied");
    }
};

QTEST_MAIN(TestLists)
#include "test_lists.moc"
