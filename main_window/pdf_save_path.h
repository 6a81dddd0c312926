// SPDX-License-Identifier: GPL-3.0-or-later
// Where the PDF save proposes to put the chart, decided from plain facts about the user's folders
// so that the rule can be checked without touching the real environment.
#pragma once

#include <QString>

class QWidget;

namespace tonalis {

struct PdfFolders {
  QString home;       // the HOME variable; empty when it is unset or empty
  QString documents;  // the documents folder if it exists, else empty
  QString current;    // the current directory
};

// The home folder, else the documents folder, else the current directory, with the file name
// "Chord chart.pdf". Without HOME, Qt takes the root folder for home, which a user cannot
// write to (and root should not litter).
QString proposedPdfPath(const PdfFolders& folders);

// The folders of the running program.
PdfFolders pdfFoldersHere();

// Asks the user where to save the chart as a PDF file, proposing proposedPdfPath(); empty when
// the user cancels. `parent` owns the dialog and may be null.
QString askForPdfFile(QWidget* parent);

}  // namespace tonalis
