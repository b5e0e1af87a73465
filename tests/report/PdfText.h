// A PDF's text as pdftotext lays it out, page by page.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace dorvanta::testing_report {

// What a poppler tool prints for the PDF `pdf`, whose file name replaces the
// empty argument; empty when it fails.
inline QString RunOnPdf(const QString& tool, QStringList arguments, const QByteArray& pdf) {
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("report.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) {
        ADD_FAILURE() << "cannot write " << path.toStdString();
        return {};
    }
    file.close();
    arguments.replace(arguments.indexOf(QString()), path);
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// One entry per page; empty when the PDF cannot be read back.
inline QStringList PdfPages(const QByteArray& pdf) {
    QStringList pages = RunOnPdf(QStringLiteral(DORVANTA_PDFTOTEXT),
                                 {QStringLiteral("-layout"), QString(), QStringLiteral("-")}, pdf)
                            .split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) {
        pages.removeLast(); // pdftotext ends the last page with a form feed too
    }
    return pages;
}

// The document's information dictionary as pdfinfo shows it.
inline QString PdfInfo(const QByteArray& pdf) {
    return RunOnPdf(QStringLiteral(DORVANTA_PDFINFO), {QString()}, pdf);
}

} // namespace dorvanta::testing_report
