// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/scaled_client.h"

#include <QGroupBox>
#include <algorithm>

#include "main_window/layout.h"
#include "main_window/placement.h"

namespace tonalis {

namespace {
// The font each widget was designed with, kept before its first scaling.
constexpr const char* kDesignFontProperty = "designFont";
}  // namespace

ScaledClient::ScaledClient(QWidget* parent) : QWidget(parent) {
  setMinimumSize(designSize(kSmallestScale));
  setAutoFillBackground(true);
}

QSize ScaledClient::designSize(qreal scale) {
  return layout::toPixels({0, 0, layout::kClientWidth, layout::kClientHeight}, scale).size();
}

void ScaledClient::pinScale(std::optional<qreal> scale) {
  m_pinned = scale;
  arrange();
}

void ScaledClient::followPalette(const QPalette& palette) {
  QPalette surface = palette;
  surface.setColor(QPalette::Window, palette.color(QPalette::Base));
  surface.setColor(QPalette::WindowText, palette.color(QPalette::Text));
  setPalette(surface);
  styleFrames();
}

void ScaledClient::resizeEvent(QResizeEvent* event) {
  arrange();
  QWidget::resizeEvent(event);
}

void ScaledClient::arrange() {
  const QSize design = designSize();
  const qreal fitting = std::min(static_cast<qreal>(width()) / design.width(),
                                 static_cast<qreal>(height()) / design.height());
  const qreal scale = m_pinned.value_or(std::max(fitting, kSmallestScale));
  const QSize used = designSize(scale);
  const QPoint offset = m_pinned ? QPoint()
                                 : QPoint(std::max(0, (width() - used.width()) / 2),
                                          std::max(0, (height() - used.height()) / 2));
  const bool rescaled = scale != m_scale;
  if (!rescaled && offset == m_offset) return;
  m_scale = scale;
  m_offset = offset;
  if (rescaled) {
    scaleFonts();
    styleFrames();
  }
  for (QWidget* widget : findChildren<QWidget*>()) {
    const QVariant designed = widget->property(kDesignRectProperty);
    if (!designed.isValid()) continue;
    const QRect twips = designed.toRect();
    const QRect pixels =
        layout::toPixels({twips.x(), twips.y(), twips.width(), twips.height()}, m_scale);
    widget->setGeometry(widget->parentWidget() == this ? pixels.translated(m_offset) : pixels);
  }
  if (rescaled) emit scaleChanged(m_scale);
}

// The client's own font is the one the controls without a font of their own inherit.
void ScaledClient::scaleFonts() {
  QList<QWidget*> widgets = findChildren<QWidget*>();
  widgets.append(this);
  for (QWidget* widget : widgets) {
    if (widget != this && !widget->testAttribute(Qt::WA_SetFont)) continue;
    if (!widget->property(kDesignFontProperty).isValid()) {
      widget->setProperty(kDesignFontProperty, widget->font());
    }
    QFont font = widget->property(kDesignFontProperty).value<QFont>();
    if (font.pointSizeF() > 0) {
      font.setPointSizeF(font.pointSizeF() * m_scale);
    } else {
      font.setPixelSize(std::max(1, qRound(font.pixelSize() * m_scale)));
    }
    widget->setFont(font);
  }
}

void ScaledClient::styleFrames() {
  for (QGroupBox* frame : findChildren<QGroupBox*>()) {
    styleFrame(*frame, palette().color(QPalette::Window), palette().color(QPalette::WindowText),
               m_scale);
  }
}

qreal designScale(const QWidget& widget) {
  for (const QWidget* w = &widget; w != nullptr; w = w->parentWidget()) {
    if (const auto* client = qobject_cast<const ScaledClient*>(w)) return client->scale();
  }
  return 1.0;
}

}  // namespace tonalis
