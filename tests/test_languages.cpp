// The program in every language it is translated into: complete translations that keep
// their placeholders, texts that fit their controls, Qt's own words, right to left.
#include "app/BusyState.h"
#include "app/ConverterForm.h"
#include "app/Translations.h"
#include "tests/support/ScriptedSeam.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QXmlStreamReader>

namespace {

// The placeholders of a text, in any order.
QStringList Placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(?:L?\\d|n)"));
    QStringList found;
    for (auto match = placeholder.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.sort();
    return found;
}

struct TMessageEntry {
    QString source;
    QStringList translations; // one, or one per plural form
    bool finished = true;
};

QList<TMessageEntry> ReadTs(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    QList<TMessageEntry> entries;
    bool plural = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"message") {
            entries.append(TMessageEntry{});
            plural = xml.attributes().value("numerus") == u"yes";
        } else if (xml.name() == u"source") {
            entries.last().source = xml.readElementText();
        } else if (xml.name() == u"numerusform") {
            entries.last().translations << xml.readElementText();
        } else if (xml.name() == u"translation") {
            entries.last().finished = xml.attributes().value("type").isEmpty();
            if (!plural)
                entries.last().translations << xml.readElementText();
        }
    }
    return entries;
}

// The width of the space a button gives its text.
int TextRoom(const QPushButton *button)
{
    const QStyle *style = button->style();
    return button->width() - style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
        - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

    TTranslations FTranslations;

    QStringList Languages() const
    {
        QStringList languages = TTranslations::Languages();
        languages.removeOne("en");
        return languages;
    }

private slots:
    void allLanguagesBuilt()
    {
        const QStringList expected{"ar", "de", "es", "fr", "hi", "id", "it", "ja", "ko", "pl",
                                   "pt_BR", "ru", "tr", "uk", "vi", "zh_CN", "zh_TW"};
        QCOMPARE(Languages(), expected);
    }

    // Every text translated, every placeholder kept, every plural form given.
    void translationsComplete_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Languages())
            QTest::newRow(qPrintable(language)) << language;
    }
    void translationsComplete()
    {
        QFETCH(QString, language);
        const QList<TMessageEntry> entries =
            ReadTs(QStringLiteral(TOLVANE_SOURCE_DIR "/translations/tolvane_%1.ts").arg(language));
        QVERIFY(entries.size() > 40);
        for (const TMessageEntry &entry : entries) {
            QVERIFY2(entry.finished && !entry.translations.isEmpty(), qPrintable(entry.source));
            for (const QString &translation : entry.translations) {
                QVERIFY2(!translation.trimmed().isEmpty(), qPrintable(entry.source));
                QStringList wanted = Placeholders(entry.source);
                if (entry.translations.size() > 1 || entry.source.contains("%n")) {
                    // A plural form may leave its number to the words ("one file").
                    wanted.removeAll("%n");
                    QStringList given = Placeholders(translation);
                    given.removeAll("%n");
                    QCOMPARE(given, wanted);
                } else {
                    QCOMPARE(Placeholders(translation), wanted);
                }
            }
        }
    }

    // In every language, at the design's size (and at twice the scale, in the second run),
    // no text of a tab, button, column header or the panel is cut off.
    void textsFit_data() { translationsComplete_data(); }
    void textsFit()
    {
        QFETCH(QString, language);
        FTranslations.Load(QLocale(language));
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.size(), QSize(514, 368));
        QVERIFY2(form.AMRAddButton->text() != "Add AMR Audio", "the translation was not loaded");

        for (QTreeWidget *list : {form.AMRListView, form.MP3ListView}) {
            int total = 0;
            for (int column = 0; column < 3; ++column) {
                const QString header = list->headerItem()->text(column);
                const int margin = 2 * list->style()->pixelMetric(QStyle::PM_HeaderMargin);
                QVERIFY2(list->header()->fontMetrics().horizontalAdvance(header) + margin
                             <= list->columnWidth(column),
                         qPrintable(header));
                total += list->columnWidth(column);
            }
            QVERIFY2(total <= list->viewport()->width(), qPrintable(QString::number(total)));
        }
        const QList<QList<QPushButton *>> rows{
            {form.AMRAddButton, form.AMRDeleteButton, form.AMRMP3Button},
            {form.MP3AddButton, form.MP3DeleteButton, form.MP3AMRButton}};
        for (const QList<QPushButton *> &row : rows) {
            for (const QPushButton *button : row) {
                QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= TextRoom(button),
                         qPrintable(button->text()));
                QVERIFY(button->geometry().left() >= 0
                        && button->geometry().right() < button->parentWidget()->width());
            }
            // Add, Delete and Convert in reading order, none over another.
            QList<QRect> order{row.at(0)->geometry(), row.at(1)->geometry(), row.at(2)->geometry()};
            if (form.isRightToLeft())
                std::reverse(order.begin(), order.end());
            QVERIFY2(order.at(0).right() < order.at(1).left() && order.at(1).right() < order.at(2).left(),
                     qPrintable(row.at(1)->text()));
        }
        QTabBar *tabs = form.PageControl->tabBar();
        for (int tab = 0; tab < 2; ++tab) {
            QVERIFY2(tabs->fontMetrics().horizontalAdvance(tabs->tabText(tab)) < tabs->tabRect(tab).width(),
                     qPrintable(tabs->tabText(tab)));
        }
        QVERIFY(tabs->tabRect(0).united(tabs->tabRect(1)).width() <= tabs->width());

        form.EnableControls(false);
        QVERIFY(form.LogPanel->geometry().left() >= 0 && form.LogPanel->geometry().right() < form.width());
        const QFontMetrics panel(form.LogPanel->font());
        for (const QString &status : {TConverterForm::StatusText(std::nullopt),
                                      TConverterForm::StatusText(TConverterForm::kWidestProgress)})
            QVERIFY2(panel.horizontalAdvance(status) <= form.LogPanel->contentsRect().width(), qPrintable(status));
        QVERIFY(!form.StopButton->geometry().intersects(form.LogPanel->contentsRect()));
        QVERIFY(form.StopButton->fontMetrics().horizontalAdvance(form.StopButton->text()) <= TextRoom(form.StopButton));
        form.EnableControls(true);
        FTranslations.Unload();
    }

    // Arabic lays the window out right to left: the page's buttons, the lists' columns, the
    // tabs and the panel's Stop button stand mirrored, and the logo on the right.
    void arabicMirrored()
    {
        FTranslations.Load(QLocale(QLocale::Arabic));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.AMRAddButton->x() > form.AMRMP3Button->x());
        QCOMPARE(form.AMRAddButton->geometry().right(), form.TabSheet1->width() - 13);
        QVERIFY(form.LogoImage->x() > form.width() / 4);
        QHeaderView *header = form.AMRListView->header();
        QVERIFY(header->sectionViewportPosition(0) > header->sectionViewportPosition(2));
        QTabBar *tabs = form.PageControl->tabBar();
        QVERIFY(tabs->tabRect(0).x() > tabs->tabRect(1).x());
        form.EnableControls(false);
        QVERIFY(form.StopButton->x() < form.LogPanel->width() / 2);
        form.EnableControls(true);
        FTranslations.Unload();
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    }

    // Qt's own dialogs and buttons speak the language too.
    void qtsOwnWords()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
            QSKIP("Qt's translations (qt6-translations-l10n) are not installed");
        FTranslations.Load(QLocale(QLocale::German));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
        QCOMPARE(QCoreApplication::translate("TConverterForm", "Delete") == "Delete", false);
        FTranslations.Unload();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
