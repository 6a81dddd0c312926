// SPDX-License-Identifier: GPL-3.0-or-later
// A save dialog for tests: answers every question at once with the path the test chose, and
// records the titles asked under.
#pragma once

#include <QStringList>

#include "main_window/file_chooser.h"

namespace tonalis::testing {

class RecordingFileChooser : public FileChooser {
 public:
  QString chooseSaveFile(const QString& title, const QString&, const QString&) override {
    m_titles.append(title);
    return m_answer;
  }
  void setAnswer(const QString& path) { m_answer = path; }
  const QStringList& titles() const { return m_titles; }

 private:
  QString m_answer;
  QStringList m_titles;
};

}  // namespace tonalis::testing
