// SPDX-License-Identifier: GPL-3.0-or-later
// The Print command: the chart area alone, on one landscape page of the default printer, or in
// a PDF file when there is no printer to take it.
#include <QImage>

#include "main_window/frm_main.h"
#include "main_window/scaled_client.h"

namespace tonalis {

namespace {

// Paper shows detail the screen does not; the page is rendered at twice the screen's resolution.
constexpr int kPageScale = 2;

// The sibling drawn directly in front of `widget`, if any: children are kept back to front.
QWidget* siblingInFront(const QWidget& widget) {
  bool behind = false;
  for (QObject* sibling : widget.parentWidget()->children()) {
    if (sibling == &widget) {
      behind = true;
    } else if (auto* siblingWidget = qobject_cast<QWidget*>(sibling); behind && siblingWidget) {
      return siblingWidget;
    }
  }
  return nullptr;
}

}  // namespace

void frmMain::cmdPrint_Click() {
  const QImage page = chartPage();
  if (const auto failure = m_printer.print(page)) offerPdf(page, *failure);
}

// The window's client area at the design's own size with the chart area moved to its top, in
// front of everything and filling it, whatever size the window has on screen, black on white
// whatever the desktop's palette. The window is put back before anything else can happen,
// printed or not.
QImage frmMain::chartPage() {
  QImage page;
  drawChartPage([&page](QWidget& client) {
    page = QImage(client.size() * kPageScale, QImage::Format_RGB32);
    page.setDevicePixelRatio(kPageScale);
    page.fill(Qt::white);
    client.render(&page);
  });
  return page;
}

// The window's client area at the design's own size with the chart area moved to its top, in
// front of everything and filling it, whatever size the window has on screen, black on white
// whatever the desktop's palette, handed to `draw`. The window is put back before anything
// else can happen.
void frmMain::drawChartPage(const std::function<void(QWidget& client)>& draw) {
  ScaledClient& client = *m_ui.client;
  QWidget& chart = *m_ui.picChordDisplay;
  QWidget* const inFront = siblingInFront(chart);
  const QSize onScreen = client.size();

  QPalette paper = palette();
  paper.setColor(QPalette::Base, Qt::white);
  paper.setColor(QPalette::Text, Qt::black);
  client.followPalette(paper);
  client.pinScale(1.0);
  const QPoint home = chart.pos();
  chart.raise();
  chart.move(home.x(), 0);
  client.resize(ScaledClient::designSize().width(), chart.height());
  draw(client);

  chart.move(home);
  if (inFront != nullptr) chart.stackUnder(inFront);
  client.resize(onScreen);
  client.pinScale(std::nullopt);
  client.followPalette(palette());
}

void frmMain::offerPdf(const QImage& page, const QString& reason) {
  const QString question =
      tr("The chart could not be printed. %1\n\nSave it as a PDF file instead?").arg(reason);
  if (!m_messages.ask(question)) return;
  const QString path = m_printer.choosePdfFile();
  if (path.isEmpty()) return;
  if (const auto failure = m_printer.savePdf(page, path)) m_messages.show(*failure);
}

}  // namespace tonalis
