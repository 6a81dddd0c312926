#include "main_window/qt_page_printer.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "main_window/pdf_save_path.h"

namespace tonalis {

bool paintLandscapePage(QPrinter& printer, const QImage& page) {
  // The chart is wider than tall, so a landscape page takes it whole.
  printer.setPageOrientation(QPageLayout::Landscape);
  QPainter painter;
  if (page.isNull() || !painter.begin(&printer)) return false;
  const QRect area = painter.viewport();
  const QSize fitted = page.size().scaled(area.size(), Qt::KeepAspectRatio);
  const QRect target(area.x() + (area.width() - fitted.width()) / 2,
                     area.y() + (area.height() - fitted.height()) / 2, fitted.width(),
                     fitted.height());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, page);
  return painter.end() && printer.printerState() != QPrinter::Error;
}

std::optional<QString> QtPagePrinter::print(const QImage& page) {
  const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
  if (defaultPrinter.isNull()) return QStringLiteral("No printer is available.");
  QPrinter printer(defaultPrinter, QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("Tonalis chord chart"));
  if (!paintLandscapePage(printer, page)) {
    return QStringLiteral("The printer \"%1\" did not accept the page.")
        .arg(defaultPrinter.printerName());
  }
  return std::nullopt;
}

QString QtPagePrinter::choosePdfFile() {
  return QFileDialog::getSaveFileName(m_dialogParent, QStringLiteral("Save Chart as PDF"),
                                      proposedPdfPath(pdfFoldersHere()),
                                      QStringLiteral("PDF files (*.pdf)"));
}

std::optional<QString> QtPagePrinter::savePdf(const QImage& page, const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setDocName(QStringLiteral("Tonalis chord chart"));
  // QPrinter reports an unwritable file only by leaving it missing or empty.
  if (!paintLandscapePage(printer, page) || QFileInfo(path).size() == 0) {
    return QStringLiteral("The file \"%1\" could not be written.").arg(path);
  }
  return std::nullopt;
}

}  // namespace tonalis
