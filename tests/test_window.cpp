// The window as created, idle and busy, its web label, logo and codec files.
#include "app/BusyState.h"
#include "app/ConverterForm.h"
#include "app/ListView.h"
#include "app/ModalSeam.h"
#include "convert/CodecContract.h"
#include "tests/support/ScriptedSeam.h"
#include "tests/support/TestSupport.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QThread>

class TestWindow : public QObject {
    Q_OBJECT

    QList<QWidget *> SevenControls(TConverterForm &form)
    {
        return {form.PageControl,  form.AMRAddButton,    form.AMRDeleteButton, form.AMRMP3Button,
                form.MP3AddButton, form.MP3DeleteButton, form.MP3AMRButton};
    }

    static QWidget *NextTabStop(QWidget *from)
    {
        QWidget *next = from->nextInFocusChain();
        while ((next->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || from->isAncestorOf(next))
            next = next->nextInFocusChain();
        return next;
    }

    QTemporaryDir FHome;

private slots:
    // Before anything of Qt's has looked for the user's folders.
    void initTestCase()
    {
        for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
            qunsetenv(name);
        qputenv("HOME", QFile::encodeName(FHome.path()));
    }

    // First of all, while no Add dialog has been made in this process: a session that only
    // chooses an output folder writes nothing under the user's home either, and the chooser,
    // kept from one batch to the next, opens on the folder it is given each time.
    void chooserKeepsNoSettings()
    {
        QTemporaryDir work;
        QDir().mkpath(work.filePath("a"));
        QDir().mkpath(work.filePath("b"));
        {
            TScriptedSeam scripted;
            TConverterForm form(scripted);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            TDesktopSeam desktop;
            QStringList opened;
            for (const char *folder : {"a", "b"}) {
                QTimer::singleShot(100, [&] {
                    if (auto *chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                        opened << chooser->directory().path();
                        QMetaObject::invokeMethod(chooser, "accept");
                    }
                });
                QCOMPARE(desktop.ChooseFolder(&form, "Choose", work.filePath(folder)), work.filePath(folder));
            }
            QCOMPARE(opened, QStringList({work.filePath("a"), work.filePath("b")}));
            form.close();
        }
        const QMap<QString, QByteArray> home = FolderSnapshot(FHome.path());
        QVERIFY2(home.isEmpty(), qPrintable(home.keys().join(", ")));
    }

    void afterCreation()
    {
        TScriptedSeam seam;
        TConverterForm form(seam);
        QCOMPARE(form.windowTitle(), QString("Tolvane 1.4"));
        QCOMPARE(form.size(), QSize(514, 368));
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form.pos(), QPoint(0, 0));
        QCOMPARE(form.PageControl->currentIndex(), 0);
        QCOMPARE(form.PageControl->tabText(0), QString("AMR to MP3"));
        QCOMPARE(form.PageControl->tabText(1), QString("MP3 to AMR"));

        const struct {
            TConversionListView *list;
            QStringList headers;
            QList<QPushButton *> buttons;
            QStringList captions;
        } pages[] = {
            {form.AMRListView, {"AMR Audio File", "File Size", "Output MP3 File"},
             {form.AMRAddButton, form.AMRDeleteButton, form.AMRMP3Button},
             {"Add AMR Audio", "Delete", "Convert to MP3"}},
            {form.MP3ListView, {"MP3 Audio File", "File Size", "Output AMR File"},
             {form.MP3AddButton, form.MP3DeleteButton, form.MP3AMRButton},
             {"Add MP3 Audio", "Delete", "Convert to AMR"}},
        };
        for (const auto &page : pages) {
            QCOMPARE(page.list->model()->columnCount(), 3);
            for (int c = 0; c < 3; ++c)
                QCOMPARE(page.list->model()->headerData(c, Qt::Horizontal).toString(), page.headers.at(c));
            QCOMPARE(page.list->columnWidth(0), 180);
            QCOMPARE(page.list->columnWidth(1), 80);
            QCOMPARE(page.list->columnWidth(2), 160);
            QWidget *focus = page.list;
            for (int b = 0; b < 3; ++b) {
                QCOMPARE(page.buttons.at(b)->text(), page.captions.at(b));
                QCOMPARE(NextTabStop(focus), page.buttons.at(b));
                focus = page.buttons.at(b);
            }
        }
        // The file dialogs are made on first use and kept.
        QVERIFY(!form.AMROpenDialog && !form.MP3OpenDialog);
        form.AMRAddButtonClick();
        form.MP3AddButtonClick();
        QFileDialog *amrDialog = form.AMROpenDialog;
        form.AMRAddButtonClick();
        QCOMPARE(seam.dialogsRun, QList<QFileDialog *>({amrDialog, form.MP3OpenDialog, amrDialog}));
        QCOMPARE(form.AMROpenDialog->nameFilters(),
                 QStringList({"AMR Files (*.amr)", "Phone Recordings (*.amr *.awb *.3ga *.3gp *.3gpp)",
                              "All Files (*)"}));
        QCOMPARE(form.AMROpenDialog->selectedNameFilter(), QString("AMR Files (*.amr)"));
        QCOMPARE(form.MP3OpenDialog->nameFilters(), QStringList({"MP3 Files (*.mp3)", "All Files (*)"}));
        QCOMPARE(form.AMROpenDialog->defaultSuffix(), QString("amr"));
        QCOMPARE(form.MP3OpenDialog->defaultSuffix(), QString("mp3"));

        QVERIFY(form.LogPanel->isHidden());
        QVERIFY(!form.BatchRunning());
        QCOMPARE(form.FBatchOptions.tickInterval, 1000);
        QCOMPARE(form.FBatchOptions.codecs, QThread::idealThreadCount());
        for (QWidget *control : SevenControls(form))
            QVERIFY(control->isEnabled());
        QVERIFY(form.FOutputDir.isEmpty());
        QCOMPARE(form.FExeDir, RealCodecDir());
        QCOMPARE(form.WebLabel->x(), (form.frameGeometry().width() - form.WebLabel->width()) / 2);
        QCOMPARE(form.WebLabel->text(), QString(kWebAddress));
    }

    // The tab widget gives its pages whatever size its style needs; anchored controls keep
    // their margins to the page edges.
    void anchoredInRealPages()
    {
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QSize page = form.TabSheet1->size();
        QCOMPARE(page.width() - form.AMRListView->geometry().right() - 1, 14);
        QCOMPARE(page.height() - form.AMRListView->geometry().bottom() - 1, 42);
        QCOMPARE(page.width() - form.AMRMP3Button->geometry().right() - 1, 14);
        QCOMPARE(page.height() - form.AMRAddButton->geometry().bottom() - 1, 9);
        QCOMPARE(form.AMRAddButton->x(), 12);
    }

    void panelPlacement()
    {
        QCOMPARE(PanelPosition({520, 400}, {233, 41}), QPoint(143, 138));
        QCOMPARE(PanelPosition({514, 368}, {233, 41}), QPoint(140, 122));
    }

    void idleAndBusy()
    {
        TScriptedSeam seam;
        TConverterForm form(seam);
        QVERIFY(!QGuiApplication::overrideCursor());

        form.EnableControls(false);
        for (QWidget *control : SevenControls(form))
            QVERIFY(!control->isEnabled());
        QVERIFY(form.IsBusy());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QCOMPARE(form.LogPanel->pos(), PanelPosition(form.frameGeometry().size(), {233, 41}));
        // The status text has the room left of the Stop button to itself.
        QVERIFY(form.StopButton->isVisibleTo(&form));
        QVERIFY(form.LogPanel->contentsRect().right() < form.StopButton->x());
        QCOMPARE(form.LogPanel->size(), QSize(233, 41));

        form.EnableControls(true);
        for (QWidget *control : SevenControls(form))
            QVERIFY(control->isEnabled());
        QVERIFY(!form.IsBusy());
        QVERIFY(!QGuiApplication::overrideCursor());

        form.EnableControls(false);
        form.LogPanel->move(0, 0);
        form.EnableControls(false);
        QCOMPARE(form.LogPanel->pos(), PanelPosition(form.frameGeometry().size(), {233, 41}));
        form.EnableControls(true);
        QVERIFY(!QGuiApplication::overrideCursor());

        // Closing the window while busy leaves no cursor of its own behind either.
        form.EnableControls(false);
        form.close();
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // A whole session (add, convert, close) writes nothing under the user's home.
    void keepsNoSettings()
    {
        QTemporaryDir work;
        const QString memo = work.filePath("memo.amr");
        QFile::copy(SharedMemo(), memo);
        {
            TScriptedSeam seam;
            TConverterForm form(seam);
            form.FBatchOptions.codecs = 2;
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            seam.openAnswers = {{memo}};
            form.AMRAddButtonClick();
            form.AMROpenDialog->setDirectory(work.path());
            form.AMROpenDialog->show(); // the dialog keeps a history of the folders it shows
            QTest::qWait(100);
            QMetaObject::invokeMethod(form.AMROpenDialog, "accept");
            QVERIFY(ConvertInto(form, seam, work.path()));
            QCOMPARE(seam.Texts(), QStringList{kSuccessText});
            form.close();
        }
        const QMap<QString, QByteArray> home = FolderSnapshot(FHome.path());
        QVERIFY2(home.isEmpty(), qPrintable(home.keys().join(", ")));
    }

    void webLabelOpensAddress()
    {
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.WebLabel->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(form.WebLabel, Qt::LeftButton);
        QCOMPARE(seam.addresses, QList<QUrl>{QUrl(kWebAddress)});
        QCOMPARE(QUrl(kWebAddress).host(), QString("tolvane.example"));

        // The desktop's Quit shortcut closes the window like its close button.
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!form.isVisible());
    }

    void logo()
    {
        const QImage logo(":/tolvane/logo.png");
        QCOMPARE(logo.size(), QSize(380, 48));
        QVERIFY(logo.hasAlphaChannel());
        QCOMPARE(qAlpha(logo.pixel(379, 47)), 0);
        TScriptedSeam seam;
        TConverterForm form(seam);
        QCOMPARE(form.LogoImage->pixmap().size(), QSize(380, 48));
    }

    // The build links the codec files beside the program, to an ffmpeg with AMR-NB.
    void codecLinks()
    {
        for (const char *name : kCodecFiles) {
            const QFileInfo link(RealCodecDir() + name);
            QVERIFY2(link.isSymLink() && link.exists(), name);
        }
        for (const char *lib : {"avcodec", "avformat", "avutil"}) {
            const QString target = QFileInfo(RealCodecDir() + lib + ".dll").symLinkTarget();
            QVERIFY2(QFileInfo(target).fileName().startsWith(QString("lib") + lib + ".so"),
                     qPrintable(target));
        }
        QProcess codec;
        codec.start(RealCodecDir() + kCodecProgram, {"-hide_banner", "-encoders"});
        QVERIFY(codec.waitForFinished());
        QVERIFY(codec.readAllStandardOutput().contains(" libopencore_amrnb "));
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
