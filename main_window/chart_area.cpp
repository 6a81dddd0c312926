// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/chart_area.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <array>
#include <map>

#include "design/design_fonts.h"
#include "main_window/chart_keyboard_image.h"
#include "main_window/chart_markers.h"
#include "main_window/disc.h"
#include "main_window/frm_main_controls.h"
#include "main_window/placement.h"
#include "main_window/pressable_label.h"
#include "main_window/roving_tab_stop.h"
#include "main_window/scaled_client.h"
#include "theory/chord_chart.h"

namespace tonalis {

namespace {

constexpr std::array<const char*, theory::kChartSlotCount> kDesignCaptions{
    "M",           "dim / o", "dim7 / o7", "aug / +", "aug7 / +7", "augM7 / +M7", "(b5)",  "6",
    "6(9)",        "7",       "7(sus4)",   "7(b5)",   "7(b9)",     "7(9)",        "7(#9)", "7(13)",
    "7(b13)",      "M7",      "M7(b5)",    "M7(9)",   "9",         "m",           "m6",    "m7",
    "m7(b5) / O7", "m7(9)",   "mM7",       "mM7(b5)", "mM7(9)",    "m9"};

constexpr qreal kRootPoints = 36;
constexpr qreal kCaptionPoints = 12;

QLabel* makeRootLabel(QWidget* frame) {
  auto* label = place(new QLabel(QCoreApplication::translate("tonalis::frmMain", "Root"), frame),
                      QStringLiteral("lblChord"), layout::kChartRoot);
  QFont font = fonts::timesNewRoman(kRootPoints);
  font.setBold(true);
  font.setItalic(true);
  label->setFont(font);
  label->setAlignment(Qt::AlignRight | Qt::AlignTop);
  label->setAccessibleDescription(QCoreApplication::translate("tonalis::frmMain", "Chart root"));
  return label;
}

}  // namespace

QString designCaption(int slot) {
  return QString::fromLatin1(kDesignCaptions[static_cast<std::size_t>(slot)]);
}

void setChartRoot(QLabel& label, const QString& rootName) {
  label.setText(rootName);
  const QRect designed = layout::toPixels(layout::kChartRoot, designScale(label));
  const int needed =
      label.fontMetrics().horizontalAdvance(rootName) + label.fontMetrics().averageCharWidth() / 2;
  const int width = std::max(designed.width(), needed);
  label.setGeometry(designed.right() + 1 - width, designed.top(), width, designed.height());
}

void buildChartArea(QWidget& chartBox, FrmMainControls& controls) {
  QGroupBox* frame = makeFrame(&chartBox, QStringLiteral("Frame5"), layout::kChartFrame,
                               QCoreApplication::translate("tonalis::frmMain", "Chords Display"));

  std::vector<QWidget*> order;
  controls.lblChord = makeRootLabel(frame);
  order.push_back(controls.lblChord);

  // The template of the chart markers; it is never shown.
  auto* markerTemplate =
      place(new Disc(frame), elementName("shpChordDisp", 0), layout::kMarkerTemplate);
  markerTemplate->hide();
  order.push_back(markerTemplate);

  for (int slot = 0; slot < theory::kChartSlotCount; ++slot) {
    auto* caption = place(new QLabel(designCaption(slot), frame),
                          elementName("lblChordDisplay", slot), layout::captionRect(slot));
    caption->setFont(fonts::timesNewRomanMusic(kCaptionPoints));
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    caption->setAccessibleName(caption->text());
    controls.lblChordDisplay[static_cast<std::size_t>(slot)] = caption;
    order.push_back(caption);
  }

  const QPixmap keyboard = QPixmap::fromImage(chartKeyboardImage());
  for (int slot = 0; slot < theory::kChartSlotCount; ++slot) {
    const int column = theory::chartColumn(slot);
    const int row = theory::chartRow(slot);
    const int index = theory::pictureIndex(column, row);
    auto* picture = place(new PressableLabel(index, frame), elementName("imgChordDisp", index),
                          layout::pictureRect(column, row));
    picture->setPixmap(keyboard);
    picture->setScaledContents(true);
    picture->setAccessibleName(designCaption(slot));
    // The chart has one place in the tab chain, at its first picture; the arrows move it.
    picture->setFocusPolicy(index == theory::pictureIndex(1, 1) ? Qt::TabFocus : Qt::NoFocus);
    controls.imgChordDisp[index] = picture;
    order.push_back(picture);
  }
  for (const auto& [index, picture] : controls.imgChordDisp) {
    QObject::connect(picture, &PressableLabel::focusStepRequested, picture,
                     [pictures = controls.imgChordDisp](int from, int step, int rowStep) {
                       PressableLabel* current = pictures.at(from);
                       moveTabStop(*current,
                                   *pictures.at(theory::chartPictureStep(from, step, rowStep)),
                                   current);
                     });
  }

  // The markers draw over everything else in the frame.
  controls.shpChordDisp = new ChartMarkers(frame);
  place(controls.shpChordDisp, QStringLiteral("shpChordDisp"),
        {0, 0, layout::kChartFrame.width, layout::kChartFrame.height});
  order.insert(order.begin(), controls.shpChordDisp);
  stackFrontToBack(order);
}

void scaleChartArea(FrmMainControls& controls) {
  setChartRoot(*controls.lblChord, controls.lblChord->text());
  // The pictures' sizes differ by a pixel where their edges round differently.
  std::map<std::pair<int, int>, QPixmap> drawn;
  for (const auto& [index, picture] : controls.imgChordDisp) {
    QPixmap& keyboard = drawn[{picture->width(), picture->height()}];
    if (keyboard.isNull()) keyboard = QPixmap::fromImage(chartKeyboardImage(picture->size()));
    picture->setPixmap(keyboard);
  }
}

}  // namespace tonalis
