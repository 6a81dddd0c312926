// How the window tells the user something: one modal box, OK only, no icon, titled "Tonalis".
#pragma once

#include <QString>

namespace tonalis {

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void show(const QString& text) = 0;
};

}  // namespace tonalis
