#pragma once
// Reading printed PDF files back through poppler's tools.
#include <QString>
#include <QStringList>

// What a poppler tool writes, or an empty text when it fails.
QString RunTool(const QString& program, const QStringList& arguments);
// pdftotext spaces by position, not by the spaces drawn: texts are compared without them.
QString WithoutSpaces(QString text);
QString PageText(const QString& pdf, int page);
bool Contains(const QString& pageText, const char* utf8);
// "Pages:" of pdfinfo, -1 when the file does not read as a PDF.
int PdfPageCount(const QString& pdf);
// Whether every page of pdf is wider than high.
bool IsLandscape(const QString& pdf);
