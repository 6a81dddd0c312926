// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/keyboard_widget.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

#include "main_window/disc.h"
#include "main_window/layout.h"
#include "main_window/placement.h"
#include "main_window/pressable_label.h"
#include "main_window/roving_tab_stop.h"
#include "theory/accidental_signs.h"
#include "theory/keyboard.h"
#include "theory/note_names.h"

namespace tonalis {

namespace {

// Held keys are blue, so that they cannot be taken for selected ones.
const QColor kHeldWhiteKey(150, 200, 255);
const QColor kHeldBlackKey(30, 80, 200);

// Key name with its octave in MIDI numbering, with the sharp sign a voice reads as "sharp":
// key 1 is "C4", key 2 "C♯4", key 24 "B5".
QString keyAccessibleName(int key) {
  constexpr int kFirstOctave = 4;
  return QString::fromStdString(theory::withAccidentalSigns(theory::noteName(key))) +
         QString::number(kFirstOctave + (key - 1) / theory::kOctave);
}

// Puts `widget` at its designed place `rect`, given relative to the window, inside the keyboard.
template <typename Widget>
Widget* placeOnKeyboard(Widget* widget, const QString& name, const layout::TwipRect& rect) {
  const layout::TwipRect keyboard = layout::keyboardRect();
  return place(widget, name,
               {rect.left - keyboard.left, rect.top - keyboard.top, rect.width, rect.height});
}

}  // namespace

KeyboardWidget::KeyboardWidget(QWidget* parent) : QWidget(parent) {
  place(this, QStringLiteral("keyboard"), layout::keyboardRect());
  std::vector<QWidget*> blackKeys;
  std::vector<QWidget*> whiteKeys;
  std::vector<QWidget*> markers;
  for (int key = 1; key <= theory::kKeyCount; ++key) {
    const bool black = theory::isBlackKey(key);
    auto* label = placeOnKeyboard(new PressableLabel(key, this), elementName("lblKey", key),
                                  layout::keyRect(key));
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setToolTip(
        QCoreApplication::translate("tonalis::frmMain", "Click here to select notes"));
    label->setAccessibleName(keyAccessibleName(key));
    // What the keyboard does, for those who reach the key without a mouse; it replaces the
    // tooltip, which speaks of clicking.
    label->setAccessibleDescription(QStringLiteral("Space selects, arrows move"));
    label->setCheckable(true);
    // One key at a time is in the tab chain; the arrow keys move it along the keyboard.
    label->setFocusPolicy(key == 1 ? Qt::TabFocus : Qt::NoFocus);
    connect(label, &PressableLabel::pressed, this, &KeyboardWidget::pressed);
    connect(label, &PressableLabel::released, this, &KeyboardWidget::released);
    connect(label, &PressableLabel::clicked, this, &KeyboardWidget::clicked);
    connect(label, &PressableLabel::focusStepRequested, this, &KeyboardWidget::moveKeyFocus);
    m_keys[static_cast<std::size_t>(key)] = label;
    (black ? blackKeys : whiteKeys).push_back(label);
    paintKey(key);

    auto* marker = placeOnKeyboard(new Disc(this), elementName("shpKeyPress", key),
                                   layout::keyMarkerRect(key));
    m_markers[static_cast<std::size_t>(key)] = marker;
    markers.push_back(marker);
  }
  // The markers lie in front of all keys, the black keys in front of the white keys they overlap.
  markers.insert(markers.end(), blackKeys.begin(), blackKeys.end());
  markers.insert(markers.end(), whiteKeys.begin(), whiteKeys.end());
  stackFrontToBack(markers);
}

void KeyboardWidget::placeInTabChainAfter(QWidget* previous) {
  m_tabPredecessor = previous;
  for (PressableLabel* label : m_keys) {
    if (label != nullptr && label->focusPolicy() == Qt::TabFocus) {
      QWidget::setTabOrder(previous, label);
    }
  }
}

void KeyboardWidget::prepareMarkers() {
  for (int key = 1; key <= theory::kKeyCount; ++key) {
    m_markers[static_cast<std::size_t>(key)]->setColor(kMarkerGreen);
    m_markers[static_cast<std::size_t>(key)]->hide();
  }
}

void KeyboardWidget::showSelection(const theory::Selection& selection) {
  for (int key = 1; key <= theory::kKeyCount; ++key) {
    m_markers[static_cast<std::size_t>(key)]->setVisible(selection.selected(key));
    m_keys[static_cast<std::size_t>(key)]->setChecked(selection.selected(key));
  }
}

void KeyboardWidget::setHeldKeys(const std::set<int>& keys) {
  const std::set<int> before = std::exchange(m_heldKeys, keys);
  for (int key = 1; key <= theory::kKeyCount; ++key) {
    if (before.contains(key) != m_heldKeys.contains(key)) paintKey(key);
  }
}

PressableLabel* KeyboardWidget::key(int key) const {
  return m_keys.at(static_cast<std::size_t>(key));
}

void KeyboardWidget::paintKey(int key) {
  PressableLabel* label = m_keys[static_cast<std::size_t>(key)];
  const bool black = theory::isBlackKey(key);
  const bool held = m_heldKeys.contains(key);
  // Piano keys are white and black under any palette.
  const QColor own = black ? QColor(Qt::black) : QColor(Qt::white);
  setBackground(*label, held ? (black ? kHeldBlackKey : kHeldWhiteKey) : own);
  // The keys' outline, drawn in the text colour, is black on the keys of any palette.
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
}

// Left and Right move along the keyboard; Up and Down have no row to go to.
void KeyboardWidget::moveKeyFocus(int key, int step, int rowStep) {
  if (rowStep != 0) return;
  const int next = std::clamp(key + step, 1, theory::kKeyCount);
  moveTabStop(*m_keys[static_cast<std::size_t>(key)], *m_keys[static_cast<std::size_t>(next)],
              m_tabPredecessor);
}

}  // namespace tonalis
