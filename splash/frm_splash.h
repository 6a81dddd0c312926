// The splash window: names the program and its version while the main window loads, then
// hands over to it once.
#pragma once

#include <QFrame>
#include <functional>

class QTimer;

namespace tonalis {

class frmSplash : public QFrame {
  Q_OBJECT

 public:
  // How long the splash stays before it hands over to the main window.
  static constexpr int kShowMilliseconds = 1500;

  // The splash knows nothing of the main window: it calls loadMain() while still on screen,
  // closes itself, then calls showMain(). This happens once, kShowMilliseconds after the
  // splash is first shown.
  frmSplash(std::function<void()> loadMain, std::function<void()> showMain,
            QWidget* parent = nullptr);

 signals:
  // Once, after the splash is first painted: from then on work done while it shows no longer
  // holds it back.
  void shownOnScreen();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void buildControls();
  void handOver();

  std::function<void()> m_loadMain;
  std::function<void()> m_showMain;
  QTimer* m_timer = nullptr;
  bool m_handedOver = false;
  bool m_painted = false;
};

}  // namespace tonalis
