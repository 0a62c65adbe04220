// The program in every language it is translated into: complete translations that keep
// their placeholders, texts that fit their controls, Arabic right to left, no English
// "Stop" left behind, and Qt's file dialogs translated too.
#include "app/ConverterForm.h"
#include "app/ListView.h"
#include "app/Translations.h"
#include "tests/support/ScriptedSeam.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QXmlStreamReader>

namespace {

QStringList Placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(?:L?\\d|n)"));
    QStringList found;
    for (auto match = placeholder.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.removeAll("%n"); // a plural form may say its number in words ("one file")
    found.sort();
    return found;
}

// The width a button gives its text.
int TextRoom(const QPushButton *button)
{
    const QStyle *style = button->style();
    return button->width() - style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
        - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
}

// Qt's file dialog in `language`: its buttons, labels, tooltips and columns are not
// Qt's English ones.
void CheckDialogTranslated(QFileDialog *dialog, const QStringList &englishLabels)
{
    QVERIFY(dialog);
    const QDialogButtonBox *buttons = dialog->findChild<QDialogButtonBox *>("buttonBox");
    QVERIFY(buttons && buttons->button(QDialogButtonBox::Cancel));
    const QString cancel = buttons->button(QDialogButtonBox::Cancel)->text();
    QVERIFY2(cancel != "Cancel" && cancel != "&Cancel", qPrintable(cancel));
    const QStringList labels{dialog->findChild<QLabel *>("lookInLabel")->text(),
                             dialog->findChild<QLabel *>("fileNameLabel")->text(),
                             dialog->findChild<QLabel *>("fileTypeLabel")->text()};
    for (int label = 0; label < labels.size(); ++label)
        QVERIFY2(labels.at(label) != englishLabels.at(label), qPrintable(labels.at(label)));
    QVERIFY(dialog->findChild<QToolButton *>("backButton")->toolTip() != "Back");
    const QAbstractItemModel *files = dialog->findChild<QTreeView *>("treeView")->model();
    QVERIFY(files->headerData(1, Qt::Horizontal).toString() != "Size");
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

    TTranslations FTranslations;

private slots:
    void initTestCase() { QCOMPARE(TTranslations::Languages().size(), 18); }

    void languages_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : TTranslations::Languages()) {
            if (language != "en")
                QTest::newRow(qPrintable(language)) << language;
        }
    }

    // Every text translated and finished, every placeholder kept in every plural form.
    void translationsComplete_data() { languages_data(); }
    void translationsComplete()
    {
        QFETCH(QString, language);
        QFile file(QStringLiteral(TOLVANE_SOURCE_DIR "/translations/tolvane_%1.ts").arg(language));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        bool plural = false;
        int messages = 0;
        const auto check = [&](const QString &text) {
            QVERIFY2(!text.trimmed().isEmpty(), qPrintable(source));
            QCOMPARE(Placeholders(text), Placeholders(source));
        };
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"message") {
                plural = xml.attributes().value("numerus") == u"yes";
                ++messages;
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                QVERIFY2(xml.attributes().value("type").isEmpty(), qPrintable(source));
                if (!plural)
                    check(xml.readElementText());
            } else if (xml.name() == u"numerusform") {
                check(xml.readElementText());
            }
        }
        QCOMPARE(messages, 55);
    }

    // Stop is the word most often left in English, where it reads like a translation.
    void noEnglishStop()
    {
        static const QRegularExpression stop(QStringLiteral("\\bstop\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
        const QDir folder(QStringLiteral(TOLVANE_SOURCE_DIR "/translations"));
        QStringList files = folder.entryList({"tolvane_*.ts"});
        for (const QString &qt : QDir(folder.filePath("qt")).entryList({"*.ts"}))
            files << "qt/" + qt;
        files.removeAll("tolvane_en.ts");
        QVERIFY(files.size() >= 17);
        for (const QString &name : std::as_const(files)) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            while (xml.readNextStartElement() || !xml.atEnd()) {
                if (xml.isStartElement() && (xml.name() == u"translation" || xml.name() == u"numerusform")) {
                    const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    QVERIFY2(!stop.match(text).hasMatch(), qPrintable(name + ": " + text));
                } else {
                    xml.readNext();
                }
            }
        }
    }

    // Qt's file dialog, as the program makes it for adding files and for choosing the
    // output folder, speaks the language even where Qt's own translations have none for it.
    void qtDialogsTranslated_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"hi", "id", "vi", "de"})
            QTest::newRow(language) << QString(language);
    }
    void qtDialogsTranslated()
    {
        QFETCH(QString, language);
        FTranslations.Load(QLocale(language));
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.AMRAddButtonClick();
        CheckDialogTranslated(form.AMROpenDialog, {"Look in:", "File &name:", "Files of type:"});
        bool chooserSeen = false;
        QTimer::singleShot(0, this, [&] {
            auto *chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!chooser)
                return;
            chooserSeen = true;
            CheckDialogTranslated(chooser, {"Look in:", "Directory:", "Files of type:"});
            chooser->reject();
        });
        TDesktopSeam desktop;
        QVERIFY(!desktop.ChooseFolder(&form, "title", QDir::tempPath()));
        QVERIFY(chooserSeen);
        FTranslations.Unload();
    }

    // At the design's size, and at twice the scale in the second run, no text of a button,
    // column header, tab or the panel is cut off, and no button stands over another.
    void textsFit_data() { languages_data(); }
    void textsFit()
    {
        QFETCH(QString, language);
        FTranslations.Load(QLocale(language));
        TScriptedSeam seam;
        TConverterForm form(seam);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY2(form.AMRAddButton->text() != "Add AMR Audio", "the translation was not loaded");
        for (TConversionListView *list : {form.AMRListView, form.MP3ListView}) {
            int total = 0;
            for (int column = 0; column < 3; ++column) {
                const QString header = list->model()->headerData(column, Qt::Horizontal).toString();
                QVERIFY2(list->header()->fontMetrics().horizontalAdvance(header)
                                 + 2 * list->style()->pixelMetric(QStyle::PM_HeaderMargin)
                             <= list->columnWidth(column),
                         qPrintable(header));
                total += list->columnWidth(column);
            }
            QVERIFY(total <= list->viewport()->width());
        }
        for (const QList<QPushButton *> &row :
             {QList<QPushButton *>{form.AMRAddButton, form.AMRDeleteButton, form.AMRMP3Button},
              QList<QPushButton *>{form.MP3AddButton, form.MP3DeleteButton, form.MP3AMRButton}}) {
            for (const QPushButton *button : row)
                QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= TextRoom(button),
                         qPrintable(button->text()));
            // In reading order, which Arabic mirrors.
            QList<QRect> order{row.at(0)->geometry(), row.at(1)->geometry(), row.at(2)->geometry()};
            if (language == "ar")
                std::reverse(order.begin(), order.end());
            QVERIFY(order.at(0).right() < order.at(1).left() && order.at(1).right() < order.at(2).left());
        }
        QTabBar *tabs = form.PageControl->tabBar();
        for (int tab = 0; tab < 2; ++tab)
            QVERIFY(tabs->fontMetrics().horizontalAdvance(tabs->tabText(tab)) < tabs->tabRect(tab).width());
        form.EnableControls(false);
        const QFontMetrics panel(form.LogPanel->font());
        for (const QString &status : {TConverterForm::StatusText(std::nullopt),
                                      TConverterForm::StatusText(TConverterForm::kWidestProgress)})
            QVERIFY2(panel.horizontalAdvance(status) <= form.LogPanel->contentsRect().width(), qPrintable(status));
        QVERIFY(form.StopButton->fontMetrics().horizontalAdvance(form.StopButton->text()) <= TextRoom(form.StopButton));
        // Arabic stands mirrored: the page's buttons, the columns, the tabs, the Stop button.
        if (language == "ar") {
            QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
            QVERIFY(form.AMRAddButton->x() > form.AMRMP3Button->x());
            QVERIFY(form.AMRListView->header()->sectionViewportPosition(0)
                    > form.AMRListView->header()->sectionViewportPosition(2));
            QVERIFY(tabs->tabRect(0).x() > tabs->tabRect(1).x());
            QVERIFY(form.StopButton->x() < form.LogPanel->width() / 2);
        }
        FTranslations.Unload();
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
