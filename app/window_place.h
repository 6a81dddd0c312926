// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window opens: where the user left it when that is still on a connected screen,
// else centred on the screen it opens on, at the largest scale of its design up to 1 at which it
// fits there with its frame. The place it had when the program ended is kept in the per-user
// settings file for the next start.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace tonalis {

// The window's frame is the window manager's, and known only once the window is shown; this much
// is kept free for it around the window (a title bar and borders).
inline constexpr int kFrameSide = 8;
inline constexpr int kFrameTop = 40;

// The scale of the design at which the window, with `chrome` around its client (menu bar,
// frame), fits `available`: the largest up to 1, but not below the smallest the design allows.
qreal fittingScale(QSize available, QSize chrome);

// The window's geometry (without its frame) for a start on a screen with `available` area:
// `remembered` when it lies wholly in one of `screens`' available areas, else the design at the
// fitting scale, centred. `chrome` is the window's size less the design's at scale 1.
QRect startGeometry(const std::optional<QRect>& remembered, const QList<QRect>& screens,
                    const QRect& available, QSize chrome);

// Applies startGeometry() to `window`, with the place remembered in the settings file.
void placeMainWindow(QWidget& window);
// Keeps `window`'s place, as it would be without maximizing, for the next start.
void rememberMainWindowPlace(const QWidget& window);

}  // namespace tonalis
