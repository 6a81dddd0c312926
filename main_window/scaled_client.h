// SPDX-License-Identifier: GPL-3.0-or-later
// The window's client area. The whole design is drawn at one scale, the largest at which it fits
// the area, and centred in it; the space around it is plain background. Every control placed
// from the layout tables moves and grows with the scale, and so do the fonts and the frames'
// titles. The designed white surfaces take the palette's base colour and the texts on them its
// text colour, so that they stay readable under a dark palette.
#pragma once

#include <QWidget>
#include <optional>

namespace tonalis {

// Below this the captions would no longer be readable.
inline constexpr qreal kSmallestScale = 0.55;

class ScaledClient : public QWidget {
  Q_OBJECT

 public:
  explicit ScaledClient(QWidget* parent);

  qreal scale() const { return m_scale; }
  // The design at `scale`, in pixels.
  static QSize designSize(qreal scale = 1.0);
  QSize sizeHint() const override { return designSize(); }

  // The design stays at `scale` in the top-left corner, whatever the size, until it is unpinned.
  void pinScale(std::optional<qreal> scale);
  // The surfaces and texts take their colours from `palette` (the window's).
  void followPalette(const QPalette& palette);

 signals:
  void scaleChanged(qreal scale);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void arrange();
  void scaleFonts();
  void styleFrames();

  qreal m_scale = 1.0;
  QPoint m_offset;
  std::optional<qreal> m_pinned;
};

// The scale of the design `widget` is part of; 1 outside a scaled client.
qreal designScale(const QWidget& widget);

}  // namespace tonalis
