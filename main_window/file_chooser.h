// SPDX-License-Identifier: GPL-3.0-or-later
// How the window asks where to save a file. Tests replace it with a fake that answers at once.
#pragma once

#include <QString>

namespace tonalis {

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The path chosen to save under, titled `title`, for the types of `filter` ("MIDI files
  // (*.mid)", several joined by ";;"), proposing `name`; empty when the user cancels. The
  // filter the user picked is put in `chosenFilter` when one is given.
  virtual QString chooseSaveFile(const QString& title, const QString& filter, const QString& name,
                                 QString* chosenFilter = nullptr) = 0;
};

}  // namespace tonalis
