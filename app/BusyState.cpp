// Idle and busy: the switch between them and where the status panel goes.
#include "app/BusyState.h"

#include "app/ConverterForm.h"

#include <QGuiApplication>
#include <QPainter>
#include <qdrawutil.h>
#include <QPushButton>
#include <QTabWidget>

QPoint PanelPosition(const QSize &window, const QSize &panel)
{
    return {(window.width() - panel.width()) / 2,
            (window.height() - panel.height()) / 2 - panel.height()};
}

void TStatusPanel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), false, 1);
}

void TConverterForm::PlacePanel()
{
    LogPanel->move(PanelPosition(frameGeometry().size(), LogPanel->size()));
}

// The status panel being up is the busy flag; nothing else records it.
bool TConverterForm::IsBusy() const
{
    return !LogPanel->isHidden();
}

void TConverterForm::EnableControls(bool enabled)
{
    const std::initializer_list<QWidget *> controls{PageControl,  AMRAddButton,    AMRDeleteButton,
                                                    AMRMP3Button, MP3AddButton,    MP3DeleteButton,
                                                    MP3AMRButton};
    for (QWidget *control : controls)
        control->setEnabled(enabled);

    // The override cursor is a stack; keep at most one of ours on it.
    if (enabled) {
        if (FBusyCursor)
            QGuiApplication::restoreOverrideCursor();
        FBusyCursor = false;
        LogPanel->hide();
        ShowAdding(Adding());
    } else {
        if (!FBusyCursor)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        FBusyCursor = true;
        PlacePanel();
        LogPanel->show();
    }
}
