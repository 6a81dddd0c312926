// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/chart_export.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QWidget>
#include <array>

namespace tonalis {

namespace {

constexpr std::array<int, 3> kPngResolutions{150, 300, 600};
// The widgets' pixels are the screen's, 96 to the inch.
constexpr double kScreenDotsPerInch = 96.0;
constexpr double kInchesPerMeter = 39.3701;

QString tr(const char* text) {
  return QCoreApplication::translate("tonalis::frmMain", text);
}

QString pngFilter(int dotsPerInch) {
  return tr("PNG picture at %1 dpi (*.png)").arg(dotsPerInch);
}

QString svgFilter() {
  return tr("SVG drawing (*.svg)");
}

QString pdfFilter() {
  return tr("PDF document (*.pdf)");
}

std::optional<QString> writeSvg(QWidget& page, const QString& path) {
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(page.size());
  svg.setViewBox(QRect(QPoint(), page.size()));
  svg.setTitle(tr("Tonalis chord chart"));
  QPainter painter;
  if (!painter.begin(&svg)) return tr("The file cannot be written.");
  page.render(&painter);
  painter.end();
  return std::nullopt;
}

std::optional<QString> writePng(QWidget& page, const QString& path, int dotsPerInch) {
  const double scale = dotsPerInch / kScreenDotsPerInch;
  QImage picture(page.size() * scale, QImage::Format_RGB32);
  picture.setDevicePixelRatio(scale);
  picture.fill(Qt::white);
  page.render(&picture);
  const int dotsPerMeter = qRound(dotsPerInch * kInchesPerMeter);
  picture.setDotsPerMeterX(dotsPerMeter);
  picture.setDotsPerMeterY(dotsPerMeter);
  QImageWriter writer(path, "png");
  if (!writer.write(picture)) return writer.errorString();
  return std::nullopt;
}

// One A4 page, landscape, the chart scaled to fill it inside the margins and centred.
std::optional<QString> writePdf(QWidget& page, const QString& path) {
  QPdfWriter pdf(path);
  pdf.setTitle(tr("Tonalis chord chart"));
  pdf.setCreator(QStringLiteral("Tonalis"));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
  QPainter painter;
  if (!painter.begin(&pdf)) return tr("The file cannot be written.");
  const QRect paper = pdf.pageLayout().paintRectPixels(pdf.resolution());
  const double scale =
      std::min(paper.width() / double(page.width()), paper.height() / double(page.height()));
  painter.translate((paper.width() - page.width() * scale) / 2, 0);
  painter.scale(scale, scale);
  page.render(&painter);
  painter.end();
  return std::nullopt;
}

}  // namespace

QString chartExportFilters() {
  QStringList filters{pdfFilter(), svgFilter()};
  for (const int dotsPerInch : kPngResolutions) filters << pngFilter(dotsPerInch);
  return filters.join(QStringLiteral(";;"));
}

std::optional<ChartExport> chartExportFor(const QString& path, const QString& chosenFilter) {
  ChartExport how{path, ChartFormat::Pdf, kPngResolutions[1]};
  for (const int dotsPerInch : kPngResolutions) {
    if (chosenFilter == pngFilter(dotsPerInch)) how.dotsPerInch = dotsPerInch;
  }
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix.isEmpty()) {
    how.format = chosenFilter == svgFilter()                     ? ChartFormat::Svg
                 : chosenFilter.startsWith(pngFilter(0).left(3)) ? ChartFormat::Png
                                                                 : ChartFormat::Pdf;
    how.path += how.format == ChartFormat::Svg   ? QStringLiteral(".svg")
                : how.format == ChartFormat::Png ? QStringLiteral(".png")
                                                 : QStringLiteral(".pdf");
    return how;
  }
  if (suffix == QLatin1String("svg")) {
    how.format = ChartFormat::Svg;
  } else if (suffix == QLatin1String("png")) {
    how.format = ChartFormat::Png;
  } else if (suffix != QLatin1String("pdf")) {
    return std::nullopt;
  }
  return how;
}

std::optional<QString> writeChart(QWidget& page, const ChartExport& how) {
  switch (how.format) {
    case ChartFormat::Svg:
      return writeSvg(page, how.path);
    case ChartFormat::Png:
      return writePng(page, how.path, how.dotsPerInch);
    case ChartFormat::Pdf:
      break;
  }
  return writePdf(page, how.path);
}

}  // namespace tonalis
