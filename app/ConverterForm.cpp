// The window's creation, its own events and its end.
#include "app/ConverterForm.h"

#include "app/ListView.h"
#include "app/ModalSeam.h"
#include "lists/FileAdder.h"
#include "lists/Paths.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QThread>

TConverterForm::TConverterForm(TModalSeam &seam, QWidget *parent)
    : QWidget(parent), FSeam(seam)
{
    FBatchOptions.codecs = std::max(1, QThread::idealThreadCount());
    FAMRList = new TConversionList(TDirection::AmrToMp3, this);
    FMP3List = new TConversionList(TDirection::Mp3ToAmr, this);
    FAdder = new TFileAdder(QCoreApplication::applicationDirPath() + QStringLiteral("/tolvane-walk"), this);
    connect(FAdder, &TFileAdder::Found, this, &TConverterForm::ShowFound);
    connect(FAdder, &TFileAdder::Done, this, &TConverterForm::ShowAddDone);
    connect(FAdder, &TFileAdder::BusyChanged, this, &TConverterForm::ShowAdding);
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
// every codec and removes its working files, and keeps what it has published. A walk still
// looking at a mount that does not answer is left behind.
void TConverterForm::FormDestroy()
{
    FAdds.clear(); // nothing more is said of them
    FAdder->Stop();
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

TConversionListView *TConverterForm::ViewOf(TDirection direction) const
{
    return direction == TDirection::Mp3ToAmr ? MP3ListView : AMRListView;
}

TConversionList *TConverterForm::ListOf(TDirection direction) const
{
    return direction == TDirection::Mp3ToAmr ? FMP3List : FAMRList;
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

// Closing the window ends the program, also in the middle of a batch or a walk.
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
    return QWidget::eventFilter(watched, event);
}

// Escape ends what runs: a walk, keeping what it found, or else the batch.
void TConverterForm::EscapePressed()
{
    if (Adding())
        FAdder->Stop();
    else
        StopButtonClick();
}
