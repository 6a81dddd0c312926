// SPDX-License-Identifier: GPL-3.0-or-later
// "Enter Chord Symbol…": a small window that takes chord symbols one after another. Each symbol
// read is handed to the window; one that is not read is answered in the dialog itself with the
// nearest known symbols, and nothing else changes. It is not modal: the keyboard stays in reach.
#pragma once

#include <QDialog>
#include <functional>

#include "theory/chord_symbol.h"

class QLabel;
class QLineEdit;

namespace tonalis {

class ChordSymbolDialog : public QDialog {
  Q_OBJECT

 public:
  ChordSymbolDialog(std::function<void(const theory::ChordSymbol&)> enter, QWidget* parent);

  // Reads the symbol typed: the default button, which the Enter key presses.
  void enterTyped();

 private:
  std::function<void(const theory::ChordSymbol&)> m_enter;
  QLineEdit* m_symbol;
  QLabel* m_answer;
};

}  // namespace tonalis
