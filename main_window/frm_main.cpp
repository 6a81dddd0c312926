// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/frm_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "main_window/chart_area.h"
#include "main_window/chart_markers.h"
#include "main_window/dial/dial.h"
#include "main_window/help_menu.h"
#include "main_window/keyboard_widget.h"
#include "main_window/pressable_label.h"
#include "main_window/scaled_client.h"

namespace tonalis {

namespace {
// X11 sends a repeat's release and press together; a real release is played this much later.
constexpr std::chrono::milliseconds kKeyRepeatWindow{30};
}  // namespace

frmMain::frmMain(midi::MidiOutput& output, MessageBox& messages, PagePrinter& printer,
                 QWidget* parent)
    : QMainWindow(parent),
      m_output(output),
      m_messages(messages),
      m_printer(printer),
      m_ui(buildControls(*this)),
      m_session(output) {
  setObjectName(QStringLiteral("frmMain"));
  // Opened at the design's own size; the program fits it to the screen before showing it. Not
  // from sizeHint(), which would polish every control before the window is shown.
  resize(ScaledClient::designSize() + QSize(0, menuBar()->sizeHint().height()));
  m_keyRepeatTimer = new QTimer(this);
  m_keyRepeatTimer->setSingleShot(true);
  m_keyRepeatTimer->setInterval(kKeyRepeatWindow);
  connect(m_keyRepeatTimer, &QTimer::timeout, this,
          [this] { playComputerKeys(m_computerKeys.settle()); });
  connectControls();
  m_help = new HelpMenu(*this, *m_ui.cmdPrint);
  // The output calls this from its own thread; its reports are handled on the window's.
  m_output.setWakeUp(
      [this] { QMetaObject::invokeMethod(this, &frmMain::takeMidiEvents, Qt::QueuedConnection); });
}

// A window destroyed without being closed must not leave its output open either.
frmMain::~frmMain() {
  closeInput();
  closeOutput();
  m_output.setWakeUp({});
  if (m_pendingOpens > 0) QGuiApplication::restoreOverrideCursor();
}

void frmMain::connectControls() {
  connect(m_ui.keyboard, &KeyboardWidget::pressed, this, &frmMain::lblKey_MouseDown);
  connect(m_ui.keyboard, &KeyboardWidget::released, this, &frmMain::lblKey_MouseUp);
  connect(m_ui.keyboard, &KeyboardWidget::clicked, this, &frmMain::lblKey_Click);
  for (const auto& [index, picture] : m_ui.imgChordDisp) {
    connect(picture, &PressableLabel::pressed, this, &frmMain::imgChordDisp_MouseDown);
    connect(picture, &PressableLabel::released, this, &frmMain::imgChordDisp_MouseUp);
  }
  connect(m_ui.cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);
  connect(m_ui.cmdBuildChord, &QPushButton::clicked, this, &frmMain::cmdBuildChord_Click);
  connect(m_ui.cmdDetChord, &QPushButton::clicked, this, &frmMain::cmdDetChord_Click);
  connect(m_ui.cmdPrint, &QPushButton::clicked, this, &frmMain::cmdPrint_Click);
  connect(m_ui.mnuDevice, &QMenu::aboutToShow, this, &frmMain::mnuDevice_Show);
  connect(m_ui.dial1, &Dial::changed, this, &frmMain::Dial1_Change);
  connect(m_ui.client, &ScaledClient::scaleChanged, this, [this] { scaleChartArea(m_ui); });
}

void frmMain::setSoundDetails(std::function<QString()> details) {
  m_help->setSoundDetails(std::move(details));
}

bool frmMain::chartMarkerVisible(int markerIndex) const {
  return m_ui.shpChordDisp->isMarkerVisible(markerIndex);
}

int frmMain::visibleChartMarkerCount() const {
  return m_ui.shpChordDisp->visibleCount();
}

void frmMain::changeEvent(QEvent* event) {
  // A key-up that goes to another window is lost; without this its note would hang.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) silenceAll();
  // A new desktop palette (a dark theme chosen) reaches the designed surfaces too.
  if (event->type() == QEvent::PaletteChange && m_ui.client != nullptr) {
    m_ui.client->followPalette(palette());
  }
  QMainWindow::changeEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event) {
  closeInput();
  closeOutput();
  QMainWindow::closeEvent(event);
}

}  // namespace tonalis
