// A PDF's text as pdftotext lays it out, page by page.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

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

// A word of a page with its box, in points from the page's top left corner.
struct PdfWord {
    QString Text;
    QRectF Box;
};

struct PdfPageWords {
    QSizeF Size; // points
    std::vector<PdfWord> Words;
};

// Every page's size and words with their boxes, as pdftotext -bbox finds them.
inline std::vector<PdfPageWords> PdfWordBoxes(const QByteArray& pdf) {
    const QString html = RunOnPdf(QStringLiteral(DORVANTA_PDFTOTEXT),
                                  {QStringLiteral("-bbox"), QString(), QStringLiteral("-")}, pdf);
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page width="([0-9.]+)" height="([0-9.]+)">|<word xMin="([0-9.-]+)" )re"
        R"re(yMin="([0-9.-]+)" xMax="([0-9.-]+)" yMax="([0-9.-]+)">([^<]*)</word>)re"));
    std::vector<PdfPageWords> pages;
    for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
        if (!m.captured(1).isEmpty()) {
            pages.push_back({QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), {}});
        } else if (!pages.empty()) {
            const QPointF topLeft(m.captured(3).toDouble(), m.captured(4).toDouble());
            const QPointF bottomRight(m.captured(5).toDouble(), m.captured(6).toDouble());
            pages.back().Words.push_back({m.captured(7), QRectF(topLeft, bottomRight)});
        }
    }
    return pages;
}

// The document's information dictionary as pdfinfo shows it.
inline QString PdfInfo(const QByteArray& pdf) {
    return RunOnPdf(QStringLiteral(DORVANTA_PDFINFO), {QString()}, pdf);
}

} // namespace dorvanta::testing_report
