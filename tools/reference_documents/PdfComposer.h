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

struct TTableColumn {
    QString caption;
    double width = 0; // points; the columns together fill the text width
    Qt::Alignment alignment = Qt::AlignLeft;
};

struct TTable {
    std::vector<TTableColumn> columns;
    std::vector<QStringList> rows; // one text per column
};

struct TPlotSeries {
    QString name;
    QColor colour;
    std::vector<QPointF> points;
};

enum class TAxisScale { Linear, Logarithmic };

struct TPlotAxis {
    QString caption;
    double minimum = 0;
    double maximum = 1;
    TAxisScale scale = TAxisScale::Linear;
};

struct TPlot {
    QString caption;
    TPlotAxis x;
    TPlotAxis y;
    std::vector<TPlotSeries> series;
    double height = 230; // points, the plot area with its axis texts
};

class TPdfComposer {
public:
    // `title` heads the first page and names every page's footer.
    TPdfComposer(const QString& fileName, const QString& title);
    ~TPdfComposer();
    TPdfComposer(const TPdfComposer&) = delete;
    TPdfComposer& operator=(const TPdfComposer&) = delete;

    void Heading(const QString& text);
    void Paragraph(const QString& text);
    // A formula line, indented and set apart from the text around it.
    void Formula(const QString& text);
    void Bullets(const QStringList& items);
    void AddTable(const TTable& table);
    void AddPlot(const TPlot& plot);
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
