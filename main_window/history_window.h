// SPDX-License-Identifier: GPL-3.0-or-later
// The "History" window: the chords played on a MIDI keyboard, read with "Determine Root" or
// entered as symbols, newest last, each with its time, notes and best reading. Choosing one
// gives its keys back to the keyboard; the list can be copied as text, cleared, and saved as a
// Standard MIDI File or a plain-text chord sheet.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "player/chord_history.h"

class QListWidget;
class QPushButton;

namespace tonalis {

class FileChooser;
class MessageBox;

class HistoryWindow : public QWidget {
  Q_OBJECT

 public:
  // `restore` takes an entry's keys back to the keyboard.
  HistoryWindow(FileChooser& files, MessageBox& messages,
                std::function<void(const theory::Selection&)> restore, QWidget* parent);

  void add(HistoryEntry entry);
  const std::vector<HistoryEntry>& entries() const { return m_entries; }

  void copy();
  void clear();
  void saveMidi();
  void saveSheet();

 private:
  void save(const QString& title, const QString& filter, const QString& name,
            const std::string& bytes);
  void showButtons();

  FileChooser& m_files;
  MessageBox& m_messages;
  std::function<void(const theory::Selection&)> m_restore;
  std::vector<HistoryEntry> m_entries;
  QListWidget* m_list;
  std::vector<QPushButton*> m_needEntries;  // the buttons that have nothing to do on no entry
};

}  // namespace tonalis
