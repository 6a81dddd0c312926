// A message box for tests: records each text instead of waiting for the user.
#pragma once

#include <QStringList>

#include "main_window/message_box.h"

namespace tonalis::testing {

class RecordingMessageBox : public MessageBox {
 public:
  void show(const QString& text) override { m_texts.append(text); }

  const QStringList& texts() const { return m_texts; }
  void forget() { m_texts.clear(); }

 private:
  QStringList m_texts;
};

}  // namespace tonalis::testing
