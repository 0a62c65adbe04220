// The conversion lists: adding through the dialogs and by drag and drop, deleting.
#include "app/ConverterForm.h"
#include "tests/support/ScriptedSeam.h"
#include "tests/support/TestSupport.h"

#include <QFileDialog>
#include <QListView>
#include <QMimeData>
#include <QTest>
#include <QTreeWidget>

#include <sys/stat.h>

namespace {

QStringList Captions(QTreeWidget *list)
{
    QStringList captions;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        captions << list->topLevelItem(i)->text(0);
    return captions;
}

int Selected(QTreeWidget *list)
{
    const QList<QTreeWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->indexOfTopLevelItem(items.first());
}

void Drop(QTreeWidget *list, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    // Qt hands a drop only to a widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &enter);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &drop);
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
        seam.openAnswers = {a, a, upper};

        form.AMRAddButtonClick();
        QCOMPARE(seam.dialogsRun.last(), form.AMROpenDialog);
        QCOMPARE(Captions(form.AMRListView), QStringList{a});
        QCOMPARE(form.AMRListView->topLevelItem(0)->text(1), QString("1.54 KB"));
        QVERIFY(form.AMRListView->topLevelItem(0)->text(2).isEmpty());
        QCOMPARE(Selected(form.AMRListView), 0);
        QCOMPARE(form.FOutputDir, dir.path());

        form.AMRListView->clearSelection();
        form.AMRAddButtonClick(); // the same path again selects its row
        QCOMPARE(Captions(form.AMRListView), QStringList{a});
        QCOMPARE(Selected(form.AMRListView), 0);

        form.AMRAddButtonClick(); // differs only in case: another file
        QCOMPARE(Captions(form.AMRListView), QStringList({a, upper}));
        QCOMPARE(form.AMRListView->topLevelItem(1)->text(1), QString("999 Bytes"));
        QCOMPARE(Selected(form.AMRListView), 1);

        // A missing file, a pipe and a device (whose reading never ends), and a cancel.
        const QString fifo = dir.filePath("x.amr");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QFile::link("/dev/zero", dir.filePath("noise.amr"));
        seam.openAnswers = {dir.filePath("gone.amr"), fifo, dir.filePath("noise.amr"), std::nullopt};
        for (int i = 0; i < 4; ++i)
            form.AMRAddButtonClick();
        QCOMPARE(form.AMRListView->topLevelItemCount(), 2);
        QVERIFY(seam.messages.isEmpty());

        seam.openAnswers = {Touch(dir.filePath("b.mp3"))};
        form.MP3AddButtonClick();
        QCOMPARE(seam.dialogsRun.last(), form.MP3OpenDialog);
        QCOMPARE(form.MP3ListView->topLevelItemCount(), 1);
        QCOMPARE(form.AMRListView->topLevelItemCount(), 2);

        form.AddMP3File("/tolvane-test-not-here.mp3", false); // a file in the root folder
        QCOMPARE(form.FOutputDir, QString("/"));
        QCOMPARE(form.MP3ListView->topLevelItemCount(), 1);
    }

    void deleteRows()
    {
        QTemporaryDir dir;
        const QString a = Touch(dir.filePath("a.amr")), b = Touch(dir.filePath("b.amr"));
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.AddAMRFile(a, false);
        form.AddAMRFile(b, false);

        form.AMRDeleteButtonClick();
        form.MP3DeleteButtonClick();
        QCOMPARE(seam.Texts(), QStringList({"Please select one AMR file.", "Please select one MP3 file."}));
        QCOMPARE(seam.messages.first().caption, QString("INFORMATION"));
        QCOMPARE(seam.messages.first().icon, QMessageBox::Information);
        QCOMPARE(form.AMRListView->topLevelItemCount(), 2);

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
        QCOMPARE(form.AMRListView->topLevelItemCount(), 0);
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
        QCOMPARE(form.MP3ListView->topLevelItemCount(), 0);
        form.EnableControls(true);
    }

    // "*.*" would hide names without a dot; "All Files" must not.
    void allFilesListsEveryName()
    {
        QTemporaryDir dir;
        Touch(dir.filePath("memo"));
        Touch(dir.filePath("x.amr"));
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
        QTRY_VERIFY(names().contains("memo") && names().contains("x.amr"));
        dialog->selectNameFilter("AMR Files (*.amr)");
        QTRY_COMPARE(names(), QStringList{"x.amr"});
        dialog->hide();
    }
};

QTEST_MAIN(TestLists)
#include "test_lists.moc"
