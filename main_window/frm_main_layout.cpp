// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls outside the chart area: buttons, result frames, volume group, keyboard
// and the "Devices" menu.
#include <QActionGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>

#include "design/design_fonts.h"
#include "main_window/announcer.h"
#include "main_window/chart_area.h"
#include "main_window/chord_readout.h"
#include "main_window/dial/dial.h"
#include "main_window/frm_main_controls.h"
#include "main_window/keyboard_widget.h"
#include "main_window/menu_bar_keys.h"
#include "main_window/placement.h"
#include "main_window/pressable_label.h"
#include "main_window/shown_state.h"
#include "theory/chord_chart.h"
#include "main_window/scaled_client.h"

namespace tonalis {

namespace {

constexpr qreal kButtonPoints = 8.25;
constexpr qreal kResultPoints = 12;

QPushButton* makeButton(QWidget* parent, const char* name, const layout::TwipRect& rect,
                        const QString& caption, const QString& toolTip) {
  auto* button = place(new QPushButton(caption, parent), name, rect);
  button->setFont(fonts::arial(kButtonPoints));
  button->setToolTip(toolTip);
  button->setAccessibleName(caption);
  return button;
}

// A titled frame with one centred result label inside it.
QLabel* makeResultFrame(QWidget* parent, const char* frameName, const layout::TwipRect& frameRect,
                        const QString& title, const QString& toolTip, const char* labelName,
                        const layout::TwipRect& labelRect, const QString& caption,
                        const QString& purpose, std::vector<QWidget*>& frames) {
  QGroupBox* frame = makeFrame(parent, QString::fromLatin1(frameName), frameRect, title);
  frame->setToolTip(toolTip);
  auto* label = place(new QLabel(caption, frame), labelName, labelRect);
  label->setFont(fonts::timesNewRoman(kResultPoints));
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setToolTip(toolTip);
  // A screen reader reads what the label shows; what it is for is its description.
  label->setAccessibleDescription(purpose);
  frames.push_back(frame);
  return label;
}

QLabel* makeVolumeLabel(QWidget* parent, int index, const layout::TwipRect& rect) {
  auto* label = place(new QLabel(QCoreApplication::translate("tonalis::frmMain", "VOL"), parent),
                      elementName("lblVol", index), rect);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

std::vector<QWidget*> buildTickLines(QWidget* parent) {
  std::vector<QWidget*> lines;
  for (int i = 0; i < static_cast<int>(layout::kTickY.size()); ++i) {
    const int y = layout::kTickY[static_cast<std::size_t>(i)];
    auto* line = place(
        new QWidget(parent), elementName("Line1", i),
        {layout::kTickLeft, y, layout::kTickRight - layout::kTickLeft, layout::kTwipsPerPixel});
    // Lines drawn like text, so that they show on any surface.
    line->setBackgroundRole(QPalette::WindowText);
    line->setAutoFillBackground(true);
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

FrmMainControls buildControls(QMainWindow& window) {
  FrmMainControls c;
  window.setWindowTitle(QStringLiteral("Tonalis"));
  auto* client = new ScaledClient(&window);
  client->setObjectName(QStringLiteral("client"));
  c.client = client;
  // Before the controls are made, so that they take its colours from the start.
  client->followPalette(window.palette());
  window.setCentralWidget(client);

  c.mnuDevice =
      window.menuBar()->addMenu(QCoreApplication::translate("tonalis::frmMain", "&Devices"));
  c.mnuDevice->setObjectName(QStringLiteral("mnuDevice"));
  c.mnuDevice->setToolTipsVisible(true);  // the whole name of a device shown elided
  c.deviceGroup = new QActionGroup(c.mnuDevice);
  openMenusWithF10(window, *c.mnuDevice);

  c.cmdDetChord = makeButton(
      client, "cmdDetChord", layout::kDetChord,
      QCoreApplication::translate("tonalis::frmMain", "Determine Root"),
      QCoreApplication::translate(
          "tonalis::frmMain",
          "Select the desired notes of a chord and click here to determine the root and chord"));
  c.cmdBuildChord = makeButton(
      client, "cmdBuildChord", layout::kBuildChord,
      QCoreApplication::translate("tonalis::frmMain", "Show Chords"),
      QCoreApplication::translate("tonalis::frmMain",
                                  "Select a Root key/note and click here to display the chords"));
  c.cmdPrint = makeButton(client, "cmdPrint", layout::kPrint,
                          QCoreApplication::translate("tonalis::frmMain", "Print"), {});
  c.cmdClear = makeButton(
      client, "cmdClear", layout::kClear, QCoreApplication::translate("tonalis::frmMain", "Clear"),
      QCoreApplication::translate("tonalis::frmMain",
                                  "Clears all selected notes and displayed chords"));

  std::vector<QWidget*> frames;
  c.lblChordName = makeResultFrame(
      client, "Frame4", layout::kChordNameFrame,
      QCoreApplication::translate("tonalis::frmMain", "Chord Name"),
      QCoreApplication::translate("tonalis::frmMain", "Displays the name of the chord"),
      "lblChordName", layout::kChordNameLabel, {},
      QCoreApplication::translate("tonalis::frmMain", "Chord name"), frames);
  c.lblNotes = makeResultFrame(
      client, "Frame3", layout::kPlayedNotesFrame,
      QCoreApplication::translate("tonalis::frmMain", "Played Notes"),
      QCoreApplication::translate("tonalis::frmMain", "Displays the selected notes"), "lblNotes",
      layout::kPlayedNotesLabel, QCoreApplication::translate("tonalis::frmMain", "Played Notes"),
      QCoreApplication::translate("tonalis::frmMain", "Played notes"), frames);
  c.lblChordSymbol = makeResultFrame(
      client, "Frame2", layout::kChordSymbolFrame,
      QCoreApplication::translate("tonalis::frmMain", "Chord Symbol"),
      QCoreApplication::translate("tonalis::frmMain", "Displays the typical chord symbols"),
      "lblChordSymbol", layout::kChordSymbolLabel,
      QCoreApplication::translate("tonalis::frmMain", "Chord Symbol"),
      QCoreApplication::translate("tonalis::frmMain", "Chord symbol"), frames);
  // The longest symbols ("C#m7(b5) / C#O7 / C#min7(b5)") are wider than the label; the label is
  // tall enough for three lines, so they wrap at their separators instead of being cut off.
  c.lblChordSymbol->setWordWrap(true);

  auto* chartBox = place(new QWidget(client), QStringLiteral("picChordDisplay"), layout::kChartBox);
  c.picChordDisplay = chartBox;
  chartBox->setAutoFillBackground(true);
  buildChartArea(*chartBox, c);
  c.lblChordReading = makeChordReadout(client);
  c.announcer = new Announcer(client);

  c.dial1 = place(new Dial(client), QStringLiteral("Dial1"), layout::kDial);
  c.dial1->setMax(127);
  c.dial1->setDepth(30);
  c.dial1->setColorLed(QColor(128, 128, 128));
  c.dial1->setToolTip(
      QCoreApplication::translate("tonalis::frmMain", "Adjusts the overall Midi Volume"));
  c.dial1->setAccessibleName(QCoreApplication::translate("tonalis::frmMain", "Volume"));

  c.pgbVolume = place(new QProgressBar(client), QStringLiteral("pgbVolume"), layout::kVolumeBar);
  c.pgbVolume->setOrientation(Qt::Vertical);
  c.pgbVolume->setRange(0, 127);
  c.pgbVolume->setValue(0);
  c.pgbVolume->setTextVisible(false);
  c.pgbVolume->setAccessibleName(QCoreApplication::translate("tonalis::frmMain", "Volume bar"));

  const std::vector<QWidget*> lines = buildTickLines(client);
  c.keyboard = new KeyboardWidget(client);

  c.lblVol[0] = makeVolumeLabel(client, 0, layout::kVolumeHeading);
  c.lblVol[0]->setAccessibleName(QCoreApplication::translate("tonalis::frmMain", "Volume"));
  c.lblVol[1] = makeVolumeLabel(client, 1, layout::kVolumeLevel);
  c.lblVol[1]->setAccessibleDescription(
      QCoreApplication::translate("tonalis::frmMain", "Volume level"));

  std::vector<QWidget*> order{c.cmdDetChord, c.cmdBuildChord, c.cmdPrint, c.cmdClear};
  order.insert(order.end(), frames.begin(), frames.end());
  order.insert(order.end(), {chartBox, c.dial1, c.pgbVolume});
  order.insert(order.end(), lines.begin(), lines.end());
  order.insert(order.end(), {c.keyboard, c.lblVol[0], c.lblVol[1]});
  stackFrontToBack(order);

  QWidget::setTabOrder(c.cmdClear, c.cmdBuildChord);
  QWidget::setTabOrder(c.cmdBuildChord, c.cmdDetChord);
  QWidget::setTabOrder(c.cmdDetChord, c.cmdPrint);
  QWidget::setTabOrder(c.cmdPrint, c.dial1);
  c.keyboard->placeInTabChainAfter(c.dial1);
  // The chart follows the keyboard: a key taking the keyboard's place goes in right after the
  // dial, so always before key 1 and the chart.
  QWidget::setTabOrder(c.keyboard->key(1), c.imgChordDisp.at(theory::pictureIndex(1, 1)));
  announceControlsWhenShown(window);
  return c;
}

}  // namespace tonalis
