// Draws the three reference documents as A4 PDF files from the rules of the
// evaluation and the search. Runs at build time on Qt's offscreen platform.
//
//   reference_document_writer OUTPUT_DIR

#include "documents/ReferenceDocuments.h"
#include "tools/reference_documents/Documents.h"
#include "tools/reference_documents/PdfComposer.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

using namespace dorvanta;

namespace {

void Compose(TReferenceDocument document, documents::TPdfComposer& pdf) {
    switch (document) {
    case TReferenceDocument::VoltageDerating:
        documents::ComposeVoltageDerating(pdf);
        break;
    case TReferenceDocument::RippleCurrent:
        documents::ComposeRippleCurrent(pdf);
        break;
    case TReferenceDocument::FailureRate:
        documents::ComposeFailureRate(pdf);
        break;
    }
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv); // fonts need it
    if (argc != 2) {
        std::fprintf(stderr, "usage: reference_document_writer OUTPUT_DIR\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "reference_document_writer: cannot create %s\n", argv[1]);
        return 1;
    }
    try {
        for (const TReferenceDocument document : kReferenceDocuments) {
            const QString path = folder.filePath(Text(DocumentFileName(document)));
            documents::TPdfComposer pdf(path, Text(DocumentTitle(document)));
            Compose(document, pdf);
            if (!pdf.Finish()) {
                std::fprintf(stderr, "reference_document_writer: cannot write %s\n",
                             qPrintable(path));
                return 1;
            }
            std::printf("%s: %d pages\n", qPrintable(path), pdf.PageCount());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "reference_document_writer: %s\n", error.what());
        return 1;
    }
    return 0;
}
