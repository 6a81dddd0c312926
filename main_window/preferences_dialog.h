// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Preferences: the soundfont, the output and input devices and the velocity the notes
// start with. A view: it shows what the window gives it and passes each choice on at once
// through its signals; the window acts on it, remembers it and shows the outcome here.
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tonalis {

class PreferencesDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PreferencesDialog(QWidget* parent = nullptr);

  // The soundfont that plays, and what became of the last one chosen (empty to say nothing).
  void showSoundFont(const QString& playing, const QString& outcome);
  // Entry 0 first ("MIDI Mapper", "None"), then the ports; `chosen` is the entry in use.
  void showOutputs(const QStringList& entries, int chosen);
  void showInputs(const QStringList& entries, int chosen);
  void showVelocity(int velocity);

  // Where the options of other parts of the window go, each a labelled row of its own.
  QFormLayout& options() { return *m_options; }

 signals:
  void soundFontChosen(const QString& file);
  void outputChosen(int entry);
  void inputChosen(int entry);
  void velocityChosen(int velocity);

 private:
  void chooseSoundFont();

  QLineEdit* m_soundFont = nullptr;
  QPushButton* m_chooseSoundFont = nullptr;
  QLabel* m_soundFontOutcome = nullptr;
  QComboBox* m_output = nullptr;
  QComboBox* m_input = nullptr;
  QSpinBox* m_velocity = nullptr;
  QFormLayout* m_options = nullptr;
};

}  // namespace tonalis
