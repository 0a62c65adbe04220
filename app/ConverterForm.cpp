#include "app/ConverterForm.h"

#include "app/ModalSeam.h"
#include "app/Paths.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QThread>
#include <QTreeWidget>

TConverterForm::TConverterForm(TModalSeam &seam, QWidget *parent)
    : QWidget(parent), FSeam(seam)
{
    FBatchOptions.codecs = std::max(1, QThread::idealThreadCount());
    BuildLayout();
    FormCreate();
}

TConverterForm::~TConverterForm()
{
    FormDestroy();
}

void TConverterForm::FormCreate()
{
    FExeDir = ExeDirOf(QCoreApplication::applicationFilePath());
    PlacePanel();
    CentreWebLabel();
    PageControl->setCurrentIndex(0);
}

void TConverterForm::CentreWebLabel()
{
    WebLabel->move((frameGeometry().width() - WebLabel->width()) / 2, WebLabel->y());
}

void TConverterForm::FormResize()
{
    PlacePanel();
}

// Runs when the window closes and again when it is destroyed; the second time finds
// nothing left to do. A file being converted is never left half-written: the batch ends
// every codec and removes its working files, and keeps what it has published.
void TConverterForm::FormDestroy()
{
    FBatch.reset();
    if (FBusyCursor)
        QGuiApplication::restoreOverrideCursor();
    FBusyCursor = false;
}

void TConverterForm::WebLabelClick()
{
    FSeam.OpenAddress(QUrl(QString::fromLatin1(kWebAddress)));
}

TDirection TConverterForm::ActiveDirection() const
{
    return PageControl->currentIndex() == 1 ? TDirection::Mp3ToAmr : TDirection::AmrToMp3;
}

QTreeWidget *TConverterForm::ListOf(TDirection direction) const
{
    return direction == TDirection::Mp3ToAmr ? MP3ListView : AMRListView;
}

bool TConverterForm::ShowMessage(const QString &text, const QString &caption,
                                 QMessageBox::Icon icon, const QString &details,
                                 const QString &checkBox)
{
    return FSeam.ShowMessage(this, {text, caption, icon, details, checkBox});
}

void TConverterForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

// The window manager adds the frame after the window is created; the label and the panel
// are placed on the outer size, so they follow once it is known.
void TConverterForm::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    CentreWebLabel();
    PlacePanel();
}

void TConverterForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    FClosed = false;
    CentreWebLabel();
    PlacePanel();
}

// Closing the window ends the program, also in the middle of a batch.
void TConverterForm::closeEvent(QCloseEvent *event)
{
    FClosed = true;
    FormDestroy();
    event->accept();
}

bool TConverterForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == WebLabel && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        WebLabelClick();
        return true;
    }
    for (QTreeWidget *list : {AMRListView, MP3ListView}) {
        if (list && watched == list->viewport() && HandleListEvent(list, event))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
