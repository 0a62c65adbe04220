// The pure rules: size text, panel placement, paths, output names, progress text.
#include "app/BusyState.h"
#include "app/Paths.h"
#include "convert/OutputNaming.h"
#include "convert/ProgressText.h"
#include "lists/FileSize.h"

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

    void panelPlacement()
    {
        QCOMPARE(PanelPosition({520, 400}, {233, 41}), QPoint(143, 138));
        QCOMPARE(PanelPosition({514, 368}, {233, 41}), QPoint(140, 122));
    }

    void paths()
    {
        QCOMPARE(ExeDirOf("/opt/My Tools/bin dir/tolvane"), QString("/opt/My Tools/bin dir/"));
        QCOMPARE(DirectoryPart(QByteArray("/music/a.amr")), QByteArray("/music"));
        QCOMPARE(DirectoryPart(QByteArray("/a.amr")), QByteArray("/"));
        QCOMPARE(FileNamePart(QByteArray("/in/back\\slash:colon.amr")), QByteArray("back\\slash:colon.amr"));
        QCOMPARE(AbsolutePath("/a/./b/../c//d.amr"), QByteArray("/a/c/d.amr"));
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
    }
    void outputNames()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QStringList, taken);
        QFETCH(QString, expected);
        QFETCH(int, nameMax);
        const QSet<QString> set(taken.begin(), taken.end());
        const QByteArray made = MakeOutputFileName(
            folder.toUtf8(), name.toUtf8(), ".mp3",
            [&](const QByteArray &p) { return set.contains(QString::fromUtf8(p)); }, nameMax);
        QCOMPARE(QString::fromUtf8(made), expected);
    }

    void outputNamesRunOut()
    {
        int asked = 0;
        const QByteArray name = MakeOutputFileName("/o", "memo.amr", ".amr", [&](const QByteArray &) {
            ++asked;
            return true;
        });
        QVERIFY(name.isEmpty());
        QCOMPARE(asked, kMaxOutputNumber + 1);
        QByteArray last;
        MakeOutputFileName("/o", "m.mp3", ".amr", [&](const QByteArray &p) {
            last = p;
            return true;
        });
        QCOMPARE(last, QByteArray("/o/m(100000).amr"));
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
};

QTEST_GUILESS_MAIN(TestRules)
#include "test_rules.moc"
