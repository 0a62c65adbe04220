// Idle and busy: the status panel, which is the busy flag, and where it goes.
#pragma once

#include <QLabel>
#include <QPoint>
#include <QSize>

// Where the status panel goes in a window of outer size `window`: centred across, one
// panel height above the middle.
QPoint PanelPosition(const QSize &window, const QSize &panel);

// The status panel: a label whose raised frame goes round the whole panel while its text
// keeps to the contents rectangle, which leaves room for controls at its edges. (A QFrame
// draws its frame round the contents rectangle, margins and all.)
class TStatusPanel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};
