// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window: names the program and its version while the main window loads, then
// hands over to it once.
#pragma once

#include <QFrame>
#include <functional>

class QLabel;
class QTimer;

namespace tonalis {

class SplashSnapshot;

class frmSplash : public QFrame {
  Q_OBJECT

 public:
  // How long the splash stays before it hands over to the main window.
  static constexpr int kShowMilliseconds = 1500;

  // The splash knows nothing of the main window: it calls loadMain() while still on screen,
  // closes itself, then calls showMain(). This happens once, kShowMilliseconds after the
  // splash is first shown.
  //
  // With a `snapshot` (which must outlive the splash), a picture of the splash stored there by
  // an earlier start is shown first and the controls are built over it once it is on screen;
  // the stored picture is renewed whenever the controls no longer look like it.
  frmSplash(std::function<void()> loadMain, std::function<void()> showMain,
            const SplashSnapshot* snapshot = nullptr, QWidget* parent = nullptr);

 signals:
  // Once, after the splash is first painted: from then on work done while it shows no longer
  // holds it back.
  void shownOnScreen();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void buildControls();
  void showSnapshot(const QPixmap& picture);
  void afterFirstPaint();
  void handOver();

  std::function<void()> m_loadMain;
  std::function<void()> m_showMain;
  const SplashSnapshot* m_snapshot;
  // The stored picture, until the controls are built over it.
  QLabel* m_snapshotShown = nullptr;
  QTimer* m_timer = nullptr;
  bool m_handedOver = false;
  bool m_painted = false;
};

}  // namespace tonalis
