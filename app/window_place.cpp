// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

#include "main_window/scaled_client.h"
#include "main_window/user_settings.h"

namespace tonalis {

qreal fittingScale(QSize available, QSize chrome) {
  const QSize design = ScaledClient::designSize();
  const qreal across = static_cast<qreal>(available.width() - chrome.width()) / design.width();
  const qreal down = static_cast<qreal>(available.height() - chrome.height()) / design.height();
  return std::clamp(std::min(across, down), kSmallestScale, 1.0);
}

QRect startGeometry(const std::optional<QRect>& remembered, const QList<QRect>& screens,
                    const QRect& available, QSize chrome) {
  if (remembered && remembered->isValid() && std::ranges::any_of(screens, [&](const QRect& screen) {
        return screen.contains(*remembered);
      })) {
    return *remembered;
  }
  const QSize frame(2 * kFrameSide, kFrameTop + kFrameSide);
  const QSize size =
      ScaledClient::designSize(fittingScale(available.size(), chrome + frame)) + chrome;
  const QRect framed =
      QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size + frame, available);
  return {framed.topLeft() + QPoint(kFrameSide, kFrameTop), size};
}

void placeMainWindow(QWidget& window) {
  const std::optional<QRect> remembered = UserSettings().windowPlace();
  QList<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    screens.append(screen->availableGeometry());
  }
  const QSize chrome = window.sizeHint() - ScaledClient::designSize();
  window.setGeometry(
      startGeometry(remembered, screens, window.screen()->availableGeometry(), chrome));
}

void rememberMainWindowPlace(const QWidget& window) {
  UserSettings().setWindowPlace(window.normalGeometry());
}

}  // namespace tonalis
