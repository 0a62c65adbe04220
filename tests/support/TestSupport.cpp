// Shared test helpers of the window.
#include "tests/support/TestSupport.h"

#include "app/ConverterForm.h"
#include "app/ListView.h"
#include "app/Translations.h"
#include "tests/support/ScriptedSeam.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>

namespace {

// Every test program speaks as the program does in an English or C locale.
void LoadTranslations()
{
    static auto *translations = new TTranslations;
    translations->Load();
}
Q_COREAPP_STARTUP_FUNCTION(LoadTranslations)

TConverterForm *FormOf(TConversionListView *list)
{
    for (QWidget *widget = list; widget; widget = widget->parentWidget()) {
        if (auto *form = qobject_cast<TConverterForm *>(widget))
            return form;
    }
    return nullptr;
}

void DropData(TConversionListView *list, QMimeData &data)
{
    // Qt hands a drop only to a widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &enter);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &drop);
    if (TConverterForm *form = FormOf(list))
        WaitForAdds(*form);
}

QStringList Column(TConversionListView *list, int column)
{
    QStringList texts;
    for (int row = 0; row < list->List()->Count(); ++row)
        texts << list->List()->index(row, column).data().toString();
    return texts;
}

} // namespace

QStringList Captions(TConversionListView *list)
{
    return Column(list, TConversionList::FileColumn);
}

QStringList Outputs(TConversionListView *list)
{
    return Column(list, TConversionList::OutputColumn);
}

QList<QByteArray> OutputPaths(TConversionListView *list)
{
    QList<QByteArray> paths;
    for (int row = 0; row < list->List()->Count(); ++row)
        paths << list->List()->Row(row).output;
    return paths;
}

QByteArray RowPath(TConversionListView *list, int row)
{
    return list->List()->Row(row).path;
}

int RowCount(TConversionListView *list)
{
    return list->List()->Count();
}

void Drop(TConversionListView *list, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    DropData(list, data);
}

void DropUriList(TConversionListView *list, const QByteArray &uriList)
{
    QMimeData data;
    data.setData("text/uri-list", uriList);
    DropData(list, data);
}

bool WaitForAdds(TConverterForm &form, int milliseconds)
{
    QCoreApplication::processEvents(); // a drop's files are handed on once it is over
    return QTest::qWaitFor([&] { return !form.Adding(); }, milliseconds);
}

bool WaitForIdle(TConverterForm &form, int milliseconds)
{
    const bool idle = QTest::qWaitFor([&] { return !form.IsBusy() && !form.BatchRunning(); }, milliseconds);
    // A halted batch's codecs die without anyone waiting for them: give them the moment.
    (void)QTest::qWaitFor([] { return ChildProcessCount() == 0; }, 2000);
    return idle;
}

bool ConvertInto(TConverterForm &form, TScriptedSeam &seam, const QString &folder,
                 int milliseconds)
{
    if (!WaitForAdds(form, milliseconds))
        return false;
    seam.folderAnswers = {folder};
    if (form.ActiveDirection() == TDirection::AmrToMp3)
        form.AMRMP3ButtonClick();
    else
        form.MP3AMRButtonClick();
    return WaitForIdle(form, milliseconds);
}
