#pragma once
// Windows kept wholly within the room their screen leaves for them (panels excluded).

#include <QMargins>
#include <QRect>

class QWidget;

// The available geometry of the window's screen.
QRect PlaceEcran(const QWidget& fenetre);

// The frame the window manager gave the window; null while it has none (not shown, not yet framed).
QMargins CadreFenetre(const QWidget& fenetre);

// Brings the frame wholly within PlaceEcran: the window made smaller first if it must, then moved
// the least. A maximised, minimised or full-screen window is left as it is.
void RamenerDansEcran(QWidget& fenetre);

// RamenerDansEcran once more when the window manager has framed the shown window (given up after
// two seconds): a window placed before it knew its frame may stand out by a title bar.
void RamenerAuCadrage(QWidget& fenetre);
