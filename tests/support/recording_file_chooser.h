// SPDX-License-Identifier: GPL-3.0-or-later
// A save dialog for tests: answers every question at once with the path the test chose, and
// records the titles asked under.
#pragma once

#include <QStringList>

#include "main_window/file_chooser.h"

namespace tonalis::testing {

class RecordingFileChooser : public FileChooser {
 public:
  QString chooseSaveFile(const QString& title, const QString&, const QString&,
                         QString* chosenFilter) override {
    m_titles.append(title);
    if (chosenFilter != nullptr) *chosenFilter = m_filter;
    return m_answer;
  }
  // The path answered, and the filter said to be chosen with it.
  void setAnswer(const QString& path, const QString& filter = {}) {
    m_answer = path;
    m_filter = filter;
  }
  const QStringList& titles() const { return m_titles; }

 private:
  QString m_answer;
  QString m_filter;
  QStringList m_titles;
};

}  // namespace tonalis::testing
