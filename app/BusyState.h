#pragma once

#include <QPoint>
#include <QSize>

// Where the status panel goes in a window of outer size `window`: centred across, one
// panel height above the middle.
QPoint PanelPosition(const QSize &window, const QSize &panel);
