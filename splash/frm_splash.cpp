// SPDX-License-Identifier: GPL-3.0-or-later
#include "splash/frm_splash.h"

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <utility>

#include "splash/splash_layout.h"
#include "splash/splash_snapshot.h"
#include "splash/startup_trace.h"

namespace tonalis {

namespace {
bool samePixels(const QPixmap& a, const QPixmap& b) {
  return a.size() == b.size() && a.toImage().convertToFormat(QImage::Format_RGB32) ==
                                     b.toImage().convertToFormat(QImage::Format_RGB32);
}
}  // namespace

frmSplash::frmSplash(std::function<void()> loadMain, std::function<void()> showMain,
                     const SplashSnapshot* snapshot, QWidget* parent)
    : QFrame(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_loadMain(std::move(loadMain)),
      m_showMain(std::move(showMain)),
      m_snapshot(snapshot) {
  traceStartupIfAsked();
  const QPixmap picture = m_snapshot != nullptr ? m_snapshot->load() : QPixmap();
  if (picture.deviceIndependentSize().toSize() == splash::toPixels(splash::kWindow).size()) {
    showSnapshot(picture);
  } else {
    buildControls();
  }

  // Without a title bar the window manager draws no border, so the window draws its own.
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
  // Closing the splash must not end the program: at that moment the main window is loaded
  // but not yet shown, so the splash is the last visible window.
  setAttribute(Qt::WA_QuitOnClose, false);

  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
  }

  m_timer = new QTimer(this);
  m_timer->setObjectName(QStringLiteral("Timer1"));
  m_timer->setSingleShot(true);
  m_timer->setInterval(kShowMilliseconds);
  // A coarse timer may fire up to 5 % late, which would stretch the 1.5 s by up to 75 ms.
  m_timer->setTimerType(Qt::PreciseTimer);
  connect(m_timer, &QTimer::timeout, this, &frmSplash::handOver);
}

void frmSplash::showEvent(QShowEvent* event) {
  QFrame::showEvent(event);
  // Counted from when the user can see the splash, not from when it was built.
  if (!m_handedOver && !m_timer->isActive()) m_timer->start();
}

void frmSplash::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (m_painted) return;
  m_painted = true;
  // Queued, so that the paint reaches the screen first.
  QTimer::singleShot(0, this, &frmSplash::afterFirstPaint);
  QTimer::singleShot(0, this, &frmSplash::shownOnScreen);
}

void frmSplash::showSnapshot(const QPixmap& picture) {
  setFixedSize(splash::toPixels(splash::kWindow).size());
  m_snapshotShown = new QLabel(this);
  m_snapshotShown->setObjectName(QStringLiteral("imgSnapshot"));
  m_snapshotShown->setGeometry(rect());
  m_snapshotShown->setPixmap(picture);
}

void frmSplash::afterFirstPaint() {
  if (m_snapshot == nullptr) return;
  if (m_snapshotShown == nullptr) {
    m_snapshot->save(grab());
    return;
  }
  // Built over the picture, so the labels appear in the same paint that drops it.
  buildControls();
  m_snapshotShown->hide();
  const QPixmap controls = grab();
  if (!samePixels(controls, m_snapshotShown->pixmap())) m_snapshot->save(controls);
  delete m_snapshotShown;
  m_snapshotShown = nullptr;
}

void frmSplash::handOver() {
  // A message box shown while the main window loads runs a nested event loop; the flag
  // keeps any late tick from starting a second hand-over.
  if (m_handedOver) return;
  m_handedOver = true;
  m_timer->stop();
  m_loadMain();
  close();
  m_showMain();
}

}  // namespace tonalis
