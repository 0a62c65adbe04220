// Anchored placement: controls keep their distances to the edges they are anchored to.
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

// Keeps each control's distance to the parent edges it is anchored to, as laid out for a
// parent of the design size, whatever size the toolkit gives the parent (a tab page's
// client area, for one, depends on the style). In a right-to-left layout every control
// stands mirrored: what the design puts on the left is on the right.
class TAnchors : public QObject {
public:
    using QObject::QObject;

    // Places `control` at `design` inside a parent of `designParent` size and keeps it
    // anchored to `edges` from then on.
    void Place(QWidget *control, const QRect &design, Qt::Edges edges, const QSize &designParent);

    // Where a control anchored to `edges` goes when its parent measures `parent`.
    static QRect Anchored(const QRect &design, Qt::Edges edges, const QSize &designParent,
                          const QSize &parent);
    // `rect` as it stands in a right-to-left layout of a parent `parentWidth` wide.
    static QRect Mirrored(const QRect &rect, int parentWidth);
    // `rect` inside `parent`, mirrored when the parent lays out right to left.
    static QRect InDirectionOf(const QRect &rect, const QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TEntry {
        QWidget *control;
        QRect design;
        Qt::Edges edges;
        QSize designParent;
    };
    void Apply(const TEntry &entry) const;
    std::vector<TEntry> FEntries;
};
