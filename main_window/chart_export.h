// SPDX-License-Identifier: GPL-3.0-or-later
// The chart saved as a file to take away: an SVG drawing, a PNG picture at a chosen
// resolution, or a PDF page, landscape as the chart is printed. SVG and PDF are drawn, not
// photographed: their captions are text a reader can search and copy.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace tonalis {

enum class ChartFormat { Svg, Png, Pdf };

struct ChartExport {
  QString path;
  ChartFormat format = ChartFormat::Pdf;
  int dotsPerInch = 0;  // the PNG's resolution
};

// The save dialog's filters, one for each format and PNG resolution.
QString chartExportFilters();

// What the save dialog's answer asks for: the format of the filter chosen, else of the name's
// suffix; the suffix is added when the name has none. Nothing when the name's suffix is none of
// the three.
std::optional<ChartExport> chartExportFor(const QString& path, const QString& chosenFilter);

// Draws `page`, the window laid out as the printed page, into the file; why it could not, or
// nothing.
std::optional<QString> writeChart(QWidget& page, const ChartExport& how);

}  // namespace tonalis
