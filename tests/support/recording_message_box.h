// SPDX-License-Identifier: GPL-3.0-or-later
// A message box for tests: records each text instead of waiting for the user, and answers
// every question with the reply the test chose.
#pragma once

#include <QStringList>
#include <functional>
#include <utility>

#include "main_window/message_box.h"

namespace tonalis::testing {

class RecordingMessageBox : public MessageBox {
 public:
  void show(const QString& text) override {
    m_texts.append(text);
    if (m_whileShown) m_whileShown();
  }
  bool ask(const QString& question) override {
    m_texts.append(question);
    if (m_whileShown) m_whileShown();
    return m_reply;
  }
  void setReply(bool reply) { m_reply = reply; }
  // What happens while a box is up: a real one runs the event loop, so the window may be
  // called again before the box returns.
  void setWhileShown(std::function<void()> whileShown) { m_whileShown = std::move(whileShown); }

  const QStringList& texts() const { return m_texts; }
  void forget() { m_texts.clear(); }

 private:
  QStringList m_texts;
  bool m_reply = false;
  std::function<void()> m_whileShown;
};

}  // namespace tonalis::testing
