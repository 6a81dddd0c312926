// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/chart_drag.h"

#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QFile>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <chrono>

#include "main_window/pressable_label.h"
#include "player/standard_midi_file.h"

namespace tonalis {

ChartDrag::ChartDrag(std::function<std::vector<int>(int picture)> notes, QObject* parent)
    : QObject(parent), m_notes(std::move(notes)) {}

QMimeData* ChartDrag::chordData(const std::vector<int>& notes, const QString& folder) {
  const HistoryEntry chord = historyEntry(notes, std::chrono::system_clock::now(), {});
  const std::string bytes = standardMidiFile({chord});
  const QString symbol = QString::fromStdString(chord.reading);
  // A file name every file system takes: the symbol's sharps and slashes written out.
  QString name = symbol.isEmpty() ? QStringLiteral("chord") : symbol;
  name.replace(QStringLiteral("♯"), QStringLiteral("sharp"))
      .replace(QStringLiteral("♭"), QStringLiteral("flat"))
      .replace(QLatin1Char('/'), QStringLiteral(" over "));
  auto* data = new QMimeData;
  QFile file(QDir(folder).filePath(name + QStringLiteral(".mid")));
  if (file.open(QIODevice::WriteOnly) &&
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
          static_cast<qint64>(bytes.size())) {
    data->setUrls({QUrl::fromLocalFile(file.fileName())});
  }
  data->setData(QStringLiteral("audio/midi"),
                QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  data->setText(symbol);
  return data;
}

bool ChartDrag::eventFilter(QObject* watched, QEvent* event) {
  auto* picture = qobject_cast<PressableLabel*>(watched);
  if (picture == nullptr) return false;
  if (event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    m_leftDown = mouse->button() == Qt::LeftButton;
    m_pressedAt = mouse->position().toPoint();
  } else if (event->type() == QEvent::MouseButtonRelease) {
    m_leftDown = false;
  } else if (event->type() == QEvent::MouseMove && m_leftDown) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if ((mouse->position().toPoint() - m_pressedAt).manhattanLength() <
        QApplication::startDragDistance()) {
      return false;
    }
    m_leftDown = false;
    const std::vector<int> notes = m_notes(picture->index());
    if (notes.size() < 2 || !m_files.isValid()) return false;
    // The drag keeps the mouse from here on: the picture is let go outside itself, which
    // stops its sound and is no click.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1),
                        picture->mapToGlobal(QPointF(-1, -1)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(picture, &release);
    auto* drag = new QDrag(picture);
    drag->setMimeData(chordData(notes, m_files.path()));
    drag->setPixmap(picture->grab());
    drag->exec(Qt::CopyAction);
    return true;
  }
  return false;
}

}  // namespace tonalis
