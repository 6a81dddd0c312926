// SPDX-License-Identifier: GPL-3.0-or-later
// A message box for tests: records each text instead of waiting for the user, and answers
// every question with the reply the test chose.
#pragma once

#include <QStringList>

#include "main_window/message_box.h"

namespace tonalis::testing {

class RecordingMessageBox : public MessageBox {
 public:
  void show(const QString& text) override { m_texts.append(text); }
  bool ask(const QString& question) override {
    m_texts.append(question);
    return m_reply;
  }
  void setReply(bool reply) { m_reply = reply; }

  const QStringList& texts() const { return m_texts; }
  void forget() { m_texts.clear(); }

 private:
  QStringList m_texts;
  bool m_reply = false;
};

}  // namespace tonalis::testing
