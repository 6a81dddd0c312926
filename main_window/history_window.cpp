// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/history_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "main_window/file_chooser.h"
#include "main_window/message_box.h"
#include "player/standard_midi_file.h"

namespace tonalis {

HistoryWindow::HistoryWindow(FileChooser& files, MessageBox& messages,
                             std::function<void(const theory::Selection&)> restore, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_files(files),
      m_messages(messages),
      m_restore(std::move(restore)) {
  setObjectName(QStringLiteral("frmHistory"));
  setWindowTitle(tr("History"));
  auto* layout = new QVBoxLayout(this);
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("lstHistory"));
  m_list->setAccessibleName(tr("Chords played"));
  layout->addWidget(m_list);
  // A chosen entry (a click, or the arrow keys) gives its keys back at once.
  connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row < static_cast<int>(m_entries.size())) {
      m_restore(m_entries[static_cast<std::size_t>(row)].keys());
    }
  });
  auto* buttons = new QHBoxLayout;
  const auto addButton = [&](const QString& text, const char* name, void (HistoryWindow::*act)()) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    connect(button, &QPushButton::clicked, this, act);
    buttons->addWidget(button);
    m_needEntries.push_back(button);
  };
  addButton(tr("&Copy"), "cmdHistoryCopy", &HistoryWindow::copy);
  addButton(tr("Save &MIDI…"), "cmdHistoryMidi", &HistoryWindow::saveMidi);
  addButton(tr("Save Chord &Sheet…"), "cmdHistorySheet", &HistoryWindow::saveSheet);
  addButton(tr("C&lear"), "cmdHistoryClear", &HistoryWindow::clear);
  layout->addLayout(buttons);
  resize(520, 360);
  showButtons();
}

void HistoryWindow::add(HistoryEntry entry) {
  m_entries.push_back(std::move(entry));
  // The entry's line is the one the chord sheet gives it.
  const QString line = QString::fromStdString(chordSheet({m_entries.back()})).trimmed();
  const QSignalBlocker quiet(m_list);  // a new entry does not take the keys
  m_list->addItem(line);
  m_list->scrollToBottom();
  showButtons();
}

void HistoryWindow::copy() {
  QApplication::clipboard()->setText(QString::fromStdString(chordSheet(m_entries)));
}

void HistoryWindow::clear() {
  m_entries.clear();
  const QSignalBlocker quiet(m_list);
  m_list->clear();
  showButtons();
}

void HistoryWindow::saveMidi() {
  save(tr("Save History as MIDI"), tr("MIDI files (*.mid)"), QStringLiteral("chords.mid"),
       standardMidiFile(m_entries));
}

void HistoryWindow::saveSheet() {
  save(tr("Save Chord Sheet"), tr("Text files (*.txt)"), QStringLiteral("chords.txt"),
       chordSheet(m_entries));
}

void HistoryWindow::save(const QString& title, const QString& filter, const QString& name,
                         const std::string& bytes) {
  const QString path = m_files.chooseSaveFile(title, filter, name);
  if (path.isEmpty()) return;
  // Written aside and renamed: a failure leaves an earlier file of that name whole.
  QSaveFile file(path);
  const bool written = file.open(QIODevice::WriteOnly) &&
                       file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                           static_cast<qint64>(bytes.size()) &&
                       file.commit();
  if (!written) {
    m_messages.show(tr("The history could not be saved as %1:\n%2").arg(path, file.errorString()));
  }
}

void HistoryWindow::showButtons() {
  for (QPushButton* button : m_needEntries) button->setEnabled(!m_entries.empty());
}

}  // namespace tonalis
