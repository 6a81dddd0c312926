#include "main_window/placement.h"

#include <QGroupBox>
#include <ranges>

#include "design/design_fonts.h"

namespace tonalis {

namespace {
constexpr qreal kFramePoints = 8.25;

// The style's own group box tints its inside grey; the frames of this window are white.
const char* const kFrameStyle =
    "QGroupBox { background-color: white; border: 1px solid #a0a0a0; border-radius: 2px;"
    " margin-top: 0.5em; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px;"
    " background-color: white; }";
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
  frame->setStyleSheet(QString::fromLatin1(kFrameStyle));
  QPalette palette = frame->palette();
  palette.setColor(QPalette::Window, Qt::white);
  frame->setPalette(palette);
  frame->setAutoFillBackground(true);
  return frame;
}

void stackFrontToBack(const std::vector<QWidget*>& frontToBack) {
  for (QWidget* widget : std::views::reverse(frontToBack)) widget->raise();
}

}  // namespace tonalis
