// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/qt_page_printer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include "main_window/cups_print_job.h"
#include "main_window/pdf_save_path.h"

namespace tonalis {
namespace {

constexpr const char* kDocumentName = "Tonalis chord chart";

}  // namespace

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
  const std::string printer = defaultPrinterName();
  if (printer.empty()) return QCoreApplication::translate("Printing", "No printer is available.");
  // The print service takes the page as a PDF file, and answers whether it took the job.
  const QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("chord chart.pdf"));
  if (!folder.isValid() || savePdf(page, file)) {
    return QCoreApplication::translate("Printing",
                                       "The page could not be prepared for the printer.");
  }
  if (const std::optional<std::string> refusal =
          submitPrintJob(printer, QFile::encodeName(file).toStdString(), kDocumentName)) {
    return QCoreApplication::translate("Printing", "The printer \"%1\" did not take the job: %2")
        .arg(QString::fromStdString(printer), QString::fromStdString(*refusal));
  }
  return std::nullopt;
}

std::optional<QString> QtPagePrinter::printWithChoices(const QImage& page) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromLatin1(kDocumentName));
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, m_dialogParent);
  dialog.setWindowTitle(QCoreApplication::translate("Printing", "Print Chart"));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  if (paintLandscapePage(printer, page)) return std::nullopt;
  return QCoreApplication::translate("Printing", "The printer \"%1\" could not print the page.")
      .arg(printer.printerName());
}

QString QtPagePrinter::choosePdfFile() {
  return askForPdfFile(m_dialogParent);
}

std::optional<QString> QtPagePrinter::savePdf(const QImage& page, const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setDocName(QString::fromLatin1(kDocumentName));
  // QPrinter reports an unwritable file only by leaving it missing or empty.
  if (!paintLandscapePage(printer, page) || QFileInfo(path).size() == 0) {
    return QCoreApplication::translate("Printing", "The file \"%1\" could not be written.")
        .arg(path);
  }
  return std::nullopt;
}

}  // namespace tonalis
