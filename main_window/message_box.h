// SPDX-License-Identifier: GPL-3.0-or-later
// How the window tells the user something: one modal box, no icon, titled "Tonalis".
#pragma once

#include <QString>

namespace tonalis {

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Shows `text` with an OK button only.
  virtual void show(const QString& text) = 0;
  // Asks a yes-or-no question; true when the user answers yes.
  virtual bool ask(const QString& question) = 0;
};

}  // namespace tonalis
