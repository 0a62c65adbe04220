// Anchored and mirrored placement of the window's controls.
#include "app/Anchors.h"

#include <QEvent>
#include <QWidget>

void TAnchors::Place(QWidget *control, const QRect &design, Qt::Edges edges,
                     const QSize &designParent)
{
    FEntries.push_back({control, design, edges, designParent});
    control->parentWidget()->installEventFilter(this);
    Apply(FEntries.back());
}

QRect TAnchors::Anchored(const QRect &design, Qt::Edges edges, const QSize &designParent,
                         const QSize &parent)
{
    const int dx = parent.width() - designParent.width();
    const int dy = parent.height() - designParent.height();
    QRect r = design;
    if (edges & Qt::RightEdge) {
        if (edges & Qt::LeftEdge)
            r.setWidth(r.width() + dx);
        else
            r.translate(dx, 0);
    }
    if (edges & Qt::BottomEdge) {
        if (edges & Qt::TopEdge)
            r.setHeight(r.height() + dy);
        else
            r.translate(0, dy);
    }
    return r;
}

QRect TAnchors::Mirrored(const QRect &rect, int parentWidth)
{
    return rect.translated(parentWidth - rect.width() - 2 * rect.x(), 0);
}

QRect TAnchors::InDirectionOf(const QRect &rect, const QWidget *parent)
{
    return parent->isRightToLeft() ? Mirrored(rect, parent->width()) : rect;
}

void TAnchors::Apply(const TEntry &entry) const
{
    const QWidget *parent = entry.control->parentWidget();
    entry.control->setGeometry(InDirectionOf(
        Anchored(entry.design, entry.edges, entry.designParent, parent->size()), parent));
}

bool TAnchors::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutDirectionChange) {
        for (const TEntry &entry : FEntries) {
            if (entry.control->parentWidget() == watched)
                Apply(entry);
        }
    }
    return QObject::eventFilter(watched, event);
}
