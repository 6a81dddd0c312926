// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window's controls: the program's icon, name, maker, version and platform.
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <algorithm>

#include "design/design_fonts.h"
#include "resources/app_icon.h"
#include "splash/frm_splash.h"
#include "splash/splash_layout.h"
#include "splash/version_text.h"
#include "tonalis/version.h"

namespace tonalis {

namespace {
const QString kProductName = QStringLiteral("Tonalis");
const QString kMaker = QStringLiteral("Tonalis Project");
const QString kCopyright = QStringLiteral("Copyright \u00A9 2013 Tonalis Project");
const QString kPlatform = QStringLiteral("Linux");

QFont arial(double points, QFont::Weight weight = QFont::Normal, bool italic = false) {
  QFont font = fonts::arial(points);
  font.setWeight(weight);
  font.setItalic(italic);
  return font;
}

// A calligraphic face for the maker's name; Z003 comes with Debian's URW fonts.
QFont decorative(double points) {
  QFont font;
  font.setFamilies({QStringLiteral("Z003"), QStringLiteral("URW Chancery L"),
                    QStringLiteral("TeX Gyre Chorus")});
  font.setStyleHint(QFont::Cursive);
  font.setPointSizeF(points);
  return font;
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                 splash::TwipRect place) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(font);
  label->setGeometry(splash::toPixels(place));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

// Labels that size themselves to their text grow away from the side they are aligned to, so
// a text longer than the design's is never cut off.
void fitKeepingLeft(QLabel* label) {
  label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

void fitKeepingRight(QLabel* label) {
  const int right = label->geometry().right();
  const int width = std::max(label->width(), label->sizeHint().width());
  label->setGeometry(right - width + 1, label->y(), width, label->height());
  label->setAlignment(Qt::AlignRight | Qt::AlignTop);
}
}  // namespace

void frmSplash::buildControls() {
  setFixedSize(splash::toPixels(splash::kWindow).size());

  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame->setGeometry(splash::toPixels(splash::kFrame1));

  auto* logo = new QLabel(frame);
  logo->setObjectName(QStringLiteral("imgLogo"));
  logo->setGeometry(splash::toPixels(splash::kLogo));
  // Drawn for the box at the screen's scale, from the icon's larger renderings: sharp at 80 px
  // and at 160 px alike.
  logo->setPixmap(appIcon().pixmap(logo->size(), logo->devicePixelRatioF()));

  addLabel(frame, QStringLiteral("lblProductName"), kProductName, arial(32.25, QFont::Bold),
           splash::kProductName);
  fitKeepingLeft(addLabel(frame, QStringLiteral("lblCompanyProduct"), kMaker, decorative(20.25),
                          splash::kCompanyProduct));
  fitKeepingRight(addLabel(frame, QStringLiteral("lblVersion"),
                           versionText(version::major, version::minor, version::revision),
                           arial(9.75, QFont::Normal, true), splash::kVersion));
  fitKeepingRight(addLabel(frame, QStringLiteral("lblPlatform"), kPlatform,
                           arial(14.25, QFont::Bold), splash::kPlatform));
  fitKeepingLeft(
      addLabel(frame, QStringLiteral("lblCopyright"), kCopyright, arial(9.75), splash::kCopyright));
  fitKeepingLeft(
      addLabel(frame, QStringLiteral("lblCompany"), kMaker, arial(9.75), splash::kCompany));
  // Built after the splash is on screen when a stored picture of it was shown first.
  frame->show();
}

}  // namespace tonalis
