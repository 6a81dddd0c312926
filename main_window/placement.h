// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for building controls from the layout tables.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "main_window/layout.h"

class QColor;
class QGroupBox;

namespace tonalis {

// Name of element `index` of a control array, e.g. "lblKey(5)".
inline QString elementName(const char* array, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

// Where a placed widget was designed to sit in its parent, in twips (a QRect of twips), for the
// window's scaling to place it again.
inline constexpr const char* kDesignRectProperty = "designRect";

// Names `widget` and puts it at `rect` (twips) in its parent.
template <typename Widget>
Widget* place(Widget* widget, const QString& name, const layout::TwipRect& rect) {
  widget->setObjectName(name);
  widget->setGeometry(layout::toPixels(rect));
  widget->setProperty(kDesignRectProperty, QRect(rect.left, rect.top, rect.width, rect.height));
  return widget;
}

// `widget` fills its background with `color`.
void setBackground(QWidget& widget, const QColor& color);

// A titled frame on the surface colour, its border broken by the title as on the design, in
// Arial 8.25 pt, styled by styleFrame() in its parent's colours.
QGroupBox* makeFrame(QWidget* parent, const QString& name, const layout::TwipRect& rect,
                     const QString& title);

// A frame's inside and its title on `surface`, the title in `text`, the title's place grown
// with the design's `scale`.
void styleFrame(QGroupBox& frame, const QColor& surface, const QColor& text, qreal scale);

// Stacks `frontToBack` so that each widget lies in front of the ones after it.
void stackFrontToBack(const std::vector<QWidget*>& frontToBack);

}  // namespace tonalis
