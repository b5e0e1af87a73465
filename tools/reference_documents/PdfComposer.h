// Lays out a reference document on A4 pages: headings, paragraphs, formulas,
// tables and line plots, top to bottom, starting a new page when the next
// block does not fit. Lengths are in points (1/72 inch).
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace dorvanta::documents {

struct TableColumn {
    QString caption;
    double width = 0; // points; the columns together fill the text width
    Qt::Alignment alignment = Qt::AlignLeft;
};

struct Table {
    std::vector<TableColumn> columns;
    std::vector<QStringList> rows; // one text per column
};

struct PlotSeries {
    QString name;
    QColor colour;
    std::vector<QPointF> points;
};

enum class AxisScale { Linear, Logarithmic };

struct PlotAxis {
    QString caption;
    double minimum = 0;
    double maximum = 1;
    AxisScale scale = AxisScale::Linear;
};

struct Plot {
    QString caption;
    PlotAxis x;
    PlotAxis y;
    std::vector<PlotSeries> series;
    double height = 230; // points, the plot area with its axis texts
};

class PdfComposer {
public:
    // `title` heads the first page and names every page's footer.
    PdfComposer(const QString& fileName, const QString& title);
    ~PdfComposer();
    PdfComposer(const PdfComposer&) = delete;
    PdfComposer& operator=(const PdfComposer&) = delete;

    void Heading(const QString& text);
    void Paragraph(const QString& text);
    // A formula line, indented and set apart from the text around it.
    void Formula(const QString& text);
    void Bullets(const QStringList& items);
    void AddTable(const Table& table);
    void AddPlot(const Plot& plot);
    void NewPage();

    // Finishes the last page; false when the file could not be written.
    [[nodiscard]] bool Finish();
    [[nodiscard]] int PageCount() const noexcept { return page_; }

    // The width between the margins, for sizing table columns.
    static constexpr double kTextWidth = 595.0 - 2 * 56.0;

private:
    double TextHeight(const QString& text, const QFont& font, double width, int flags);
    void Ensure(double height);
    void DrawFooter();
    void DrawText(const QString& text, const QFont& font, double indent, double spaceAfter);

    QString title_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    double y_ = 0;
    int page_ = 1;
    QFont body_;
    QFont bold_;
    QFont heading_;
    QFont title_font_;
    QFont small_;
};

} // namespace dorvanta::documents
