// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/placement.h"

#include <QGroupBox>
#include <QPalette>
#include <ranges>

#include "design/design_fonts.h"

namespace tonalis {

namespace {
constexpr qreal kFramePoints = 8.25;

// The style's own group box tints its inside grey; the frames of this window take the surface's
// colour, as the designed white does under a light palette.
constexpr const char* kFrameStyle =
    "QGroupBox { background-color: %1; color: %2; border: 1px solid #a0a0a0;"
    " border-radius: %3px; margin-top: 0.5em; }"
    "QGroupBox::title { subcontrol-origin: margin; left: %4px; padding: 0 %5px;"
    " background-color: %1; }";
constexpr int kCornerRadius = 2;
constexpr int kTitleLeft = 6;
constexpr int kTitlePadding = 2;
}  // namespace

void setBackground(QWidget& widget, const QColor& color) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, color);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const layout::TwipRect& rect,
                     const QString& title) {
  auto* frame = place(new QGroupBox(title, parent), name, rect);
  frame->setFont(fonts::arial(kFramePoints));
  // Styled before its children are made: styled later, they would be polished again.
  styleFrame(*frame, parent->palette().color(QPalette::Window),
             parent->palette().color(QPalette::WindowText), 1.0);
  return frame;
}

void styleFrame(QGroupBox& frame, const QColor& surface, const QColor& text, qreal scale) {
  frame.setStyleSheet(QString::fromLatin1(kFrameStyle)
                          .arg(surface.name(), text.name())
                          .arg(qRound(kCornerRadius * scale))
                          .arg(qRound(kTitleLeft * scale))
                          .arg(qRound(kTitlePadding * scale)));
  QPalette palette = frame.palette();
  palette.setColor(QPalette::Window, surface);
  frame.setPalette(palette);
  frame.setAutoFillBackground(true);
}

void stackFrontToBack(const std::vector<QWidget*>& frontToBack) {
  for (QWidget* widget : std::views::reverse(frontToBack)) widget->raise();
}

}  // namespace tonalis
