// The engine's rules without a window or a disk: size text, paths, output names, progress
// text, and a list's rows and duplicates.
#include "convert/OutputNaming.h"
#include "convert/ProgressText.h"
#include "lists/ConversionList.h"
#include "lists/FileSize.h"
#include "lists/Paths.h"

#include <QLocale>
#include <QSet>
#include <QTest>

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void sizeText_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("point");
        QTest::addColumn<QString>("comma");
        QTest::newRow("0") << qint64(0) << "0 Bytes" << "0 Bytes";
        QTest::newRow("999") << qint64(999) << "999 Bytes" << "999 Bytes";
        QTest::newRow("1000") << qint64(1000) << "1.00 KB" << "1,00 KB";
        QTest::newRow("1536") << qint64(1536) << "1.54 KB" << "1,54 KB";
        QTest::newRow("999999") << qint64(999999) << "1000.00 KB" << "1000,00 KB";
        QTest::newRow("1000000") << qint64(1000000) << "1.00 MB" << "1,00 MB";
        QTest::newRow("2500000") << qint64(2500000) << "2.50 MB" << "2,50 MB";
        QTest::newRow("3 GB") << qint64(3000000000) << "3000.00 MB" << "3000,00 MB";
        QTest::newRow("5 GiB") << qint64(5368709120) << "5368.71 MB" << "5368,71 MB";
    }
    void sizeText()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, point);
        QFETCH(QString, comma);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(FormatFileSize(bytes), point);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(FormatFileSize(bytes), comma);
        QLocale::setDefault(QLocale::system());
    }

    void paths()
    {
        QCOMPARE(ExeDirOf("/opt/My Tools/bin dir/tolvane"), QString("/opt/My Tools/bin dir/"));
        QCOMPARE(DirectoryPart(QByteArray("/music/a.amr")), QByteArray("/music"));
        QCOMPARE(DirectoryPart(QByteArray("/a.amr")), QByteArray("/"));
        QCOMPARE(FileNamePart(QByteArray("/in/back\\slash:colon.amr")), QByteArray("back\\slash:colon.amr"));
        QCOMPARE(AbsolutePath("/a/./b/../c//d.amr"), QByteArray("/a/c/d.amr"));
        // Shown, a name never breaks a line, and markup stays text.
        QCOMPARE(ShownPath(QByteArray("/in/new\nline\r\t.amr")), QString("/in/new\u240aline\u240d\u2409.amr"));
        QCOMPARE(ShownPath(QByteArray("/<b>memo</b>.amr")), QString("/<b>memo</b>.amr"));
    }

    void outputNames_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("nameMax");
        QTest::newRow("root folder") << "/" << "a.amr" << QStringList() << "/a.mp3" << 255;
        QTest::newRow("no extension") << "/out" << "memo" << QStringList() << "/out/memo.mp3" << 255;
        QTest::newRow("dotted folder") << "/my.out" << "memo" << QStringList() << "/my.out/memo.mp3" << 255;
        QTest::newRow("two dots") << "/o" << "a.b.amr" << QStringList() << "/o/a.b.mp3" << 255;
        QTest::newRow("numbered") << "/o" << "a.b.amr" << QStringList{"/o/a.b.mp3"} << "/o/a.b(1).mp3" << 255;
        QTest::newRow("past numbers")
            << "/o" << "memo.amr" << QStringList{"/o/memo.mp3", "/o/memo(1).mp3", "/o/memo(2).mp3"}
            << "/o/memo(3).mp3" << 255;
        QTest::newRow("path given") << "/o" << "/in/x.amr" << QStringList() << "/o/x.mp3" << 255;
        // Names longer than the file system takes lose just enough of their stem.
        QTest::newRow("number needs room")
            << "/o" << "abcdefgh.amr" << QStringList{"/o/abcdefgh.mp3"} << "/o/abcde(1).mp3" << 12;
        QTest::newRow("bytes, not characters") << "/o" << "ééééé.amr" << QStringList()
                                               << "/o/ééé.mp3" << 10;
        QTest::newRow("accents stay on their letters")
            << "/o" << "ééé.amr" << QStringList() << "/o/éé.mp3" << 10;
        QTest::newRow("nothing fits") << "/o" << "memo.amr" << QStringList() << "" << 4;
        QTest::newRow("cards' characters kept where taken")
            << "/o" << "Meeting 10:30?.mp3" << QStringList() << "/o/Meeting 10:30?.mp3" << 255;
    }
    void outputNames()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QStringList, taken);
        QFETCH(QString, expected);
        QFETCH(int, nameMax);
        const QSet<QString> set(taken.begin(), taken.end());
        const TOutputName made = MakeOutputFileName(
            folder.toUtf8(), name.toUtf8(), ".mp3",
            [&](const QByteArray &n) { return set.contains(QString::fromUtf8(JoinPath(folder.toUtf8(), n))); },
            nameMax);
        QCOMPARE(QString::fromUtf8(made.path), expected);
    }

    // A name a card refuses is made fit, numbered as usual; the rest of it stays.
    void namesFitForCards()
    {
        QCOMPARE(FitForCards("Meeting 10:30.amr"), QByteArray("Meeting 10_30.amr"));
        QCOMPARE(FitForCards("a\\b*c?d\"e<f>g|h\x01.mp3"), QByteArray("a_b_c_d_e_f_g_h_.mp3"));
        QCOMPARE(FitForCards("2019. "), QByteArray("2019__"));
        QCOMPARE(FitForCards("M\xc3\xa9mo (1).amr"), QByteArray("M\xc3\xa9mo (1).amr"));
        QCOMPARE(FitForCards("M\xe9mo \xf0\x9f\x8e\x99.amr"), QByteArray("M_mo \xf0\x9f\x8e\x99.amr"));
        const QSet<QByteArray> taken{"What now_.amr"};
        const TOutputName made = MakeOutputFileName(
            "/card", "What now?.mp3", ".amr", [&](const QByteArray &n) { return taken.contains(n); },
            kDefaultNameMax, 0, true);
        QCOMPARE(made.path, QByteArray("/card/What now_(1).amr"));
        QCOMPARE(made.number, 1);
    }

    void outputNamesRunOut()
    {
        int asked = 0;
        const TOutputName name = MakeOutputFileName("/o", "memo.amr", ".amr", [&](const QByteArray &) {
            ++asked;
            return true;
        });
        QVERIFY(name.path.isEmpty());
        QCOMPARE(asked, kMaxOutputNumber + 1);
        QByteArray last;
        MakeOutputFileName("/o", "m.mp3", ".amr", [&](const QByteArray &n) {
            last = n;
            return true;
        });
        QCOMPARE(last, QByteArray("m(100000).amr"));
        // A publication that lost a name goes on from the next number.
        const TOutputName next = MakeOutputFileName("/o", "m.mp3", ".amr", [](const QByteArray &) { return false; },
                                                    kDefaultNameMax, 7);
        QCOMPARE(next.path, QByteArray("/o/m(7).amr"));
    }

    void progressText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("size"); // "-" for no report
        QTest::newRow("no time") << "size= 3kB" << "-";
        QTest::newRow("nothing") << "Input #0, amr" << "-";
        QTest::newRow("controls and case") << "x size=\t\r4MiB \x01time=" << "4mib";
        QTest::newRow("later time") << "time=1 size= 9KB time=2" << "9kb";
    }
    void progressText()
    {
        QFETCH(QString, text);
        QFETCH(QString, size);
        const std::optional<QString> value = ProgressSize(text);
        QCOMPARE(value.value_or("-"), size);
    }

    // A list's rows: one per file, by path and by what the file is; a deleted row frees both,
    // and the rows after it are still found.
    void listRowsAndDuplicates()
    {
        QLocale::setDefault(QLocale(QLocale::English));
        TConversionList list(TDirection::AmrToMp3);
        const TFileId memo{1, 10, 5}, other{1, 11, 5};
        const QList<int> rows = list.Add({{"/a/memo.amr", 1536, memo, {}, {}},
                                          {"/sdcard/memo.amr", 1536, memo, {}, {}}, // the same file
                                          {"/a/MEMO.amr", 999, other, {}, {}},
                                          {"/a/memo.amr", 1536, memo, {}, {}}});
        QCOMPARE(rows, QList<int>({0, 0, 1, 0}));
        QCOMPARE(list.Count(), 2);
        QCOMPARE(list.index(0, 1).data().toString(), QString("1.54 KB"));
        QCOMPARE(list.headerData(2, Qt::Horizontal).toString(), QString("Output MP3 File"));
        QCOMPARE(list.FindRowByPath("/a/MEMO.amr"), 1);
        QCOMPARE(list.FindRowByFile(memo), 0);
        list.RemoveRow(0);
        QCOMPARE(list.FindRowByPath("/a/memo.amr"), -1);
        QCOMPARE(list.FindRowByFile(memo), -1);
        QCOMPARE(list.FindRowByPath("/a/MEMO.amr"), 0);
        QCOMPARE(list.Add({{"/sdcard/memo.amr", 1536, memo, "sdcard", {}}}), QList<int>{1});
        list.SetFailure(1, "why");
        QCOMPARE(list.index(1, 2).data(Qt::ToolTipRole).toString(), QString("why"));
        list.ClearOutputs();
        QVERIFY(list.index(1, 2).data(Qt::ToolTipRole).isNull());
        QLocale::setDefault(QLocale::system());
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "test_rules.moc"
