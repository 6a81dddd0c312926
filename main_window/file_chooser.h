// SPDX-License-Identifier: GPL-3.0-or-later
// How the window asks where to save a file. Tests replace it with a fake that answers at once.
#pragma once

#include <QString>

namespace tonalis {

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The path chosen to save under, titled `title`, for the types of `filter` ("MIDI files
  // (*.mid)"), proposing `name`; empty when the user cancels.
  virtual QString chooseSaveFile(const QString& title, const QString& filter,
                                 const QString& name) = 0;
};

}  // namespace tonalis
