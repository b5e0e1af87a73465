#include "tools/reference_documents/Documents.h"

#include "core/catalogue/untKonstanty.h"
#include "core/display/NumberText.h"
#include "core/engine/Evaluation.h"

#include <cmath>

namespace dorvanta::documents {

QString Number(Real value) {
    return QString::fromStdString(FormatGeneral(value));
}

QString PlainNumber(Real value) {
    QString text = QString::number(static_cast<double>(value), 'f', 12);
    while (text.endsWith(u'0')) {
        text.chop(1);
    }
    if (text.endsWith(u'.')) {
        text.chop(1);
    }
    return text;
}

std::vector<double> LogarithmicRange(double first, double last, int count) {
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        values.push_back(first * std::pow(last / first, static_cast<double>(i) / (count - 1)));
    }
    return values;
}

TProbe WorkedExample() {
    TProbe probe;
    probe.series = tvKEL;
    probe.caseLetter = 'D';
    probe.ratedVoltage = 35;
    probe.esr = 300;
    probe.resistance = 0.11L;
    probe.imax = 10;
    probe.va = 20;
    return probe;
}

namespace {

const QStringList& TemperatureCaptionsOfTables() {
    static const QStringList captions{QStringLiteral("\u221255 \u00b0C"),
                                      QStringLiteral("25 \u00b0C"), QStringLiteral("40 \u00b0C"),
                                      QStringLiteral("85 \u00b0C")};
    return captions;
}

} // namespace

void AddTemperatureFactors(TPdfComposer& pdf,
                           const std::vector<SeriesGroup<TTemperatureRow>>& groups) {
    TTable table;
    table.columns = Columns(QStringList{QStringLiteral("Series")} + TemperatureCaptionsOfTables() +
                                QStringList{QStringLiteral("Top temperature")},
                            170);
    for (const auto& group : groups) {
        QStringList row{QString::fromStdString(MemberList(group.members))};
        for (std::size_t i = 0; i < 4; ++i) {
            row << Number(group.value.factors[i]);
        }
        row << QStringLiteral("%1 at %2 \u00b0C")
                   .arg(Number(group.value.factors[4]))
                   .arg(group.value.topTemperature);
        table.rows.push_back(row);
    }
    pdf.AddTable(table);
}

void AddTemperatureValues(TPdfComposer& pdf, const std::vector<TValueRow>& rows) {
    const int top = TopTemperature(WorkedExample().series);
    TTable table;
    table.columns = Columns(QStringList{QString()} + TemperatureCaptionsOfTables() +
                                QStringList{QStringLiteral("%1 \u00b0C").arg(top)},
                            120);
    const int indices[] = {kTemperature55, kTemperature25, kTemperature40, kTemperature85,
                           kTemperatureTop};
    for (const TValueRow& values : rows) {
        QStringList row{values.caption};
        for (const int t : indices) {
            row << Number(Rounded((*values.values)[static_cast<std::size_t>(t)], 5));
        }
        table.rows.push_back(row);
    }
    pdf.AddTable(table);
}

std::vector<TTableColumn> Columns(const QStringList& captions, double firstWidth) {
    std::vector<TTableColumn> columns;
    const auto count = static_cast<double>(captions.size());
    const double first = firstWidth > 0 ? firstWidth : TPdfComposer::kTextWidth / count;
    const double rest = (TPdfComposer::kTextWidth - first) / (count - 1);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        columns.push_back(
            {captions[i], i == 0 ? first : rest, i == 0 ? Qt::AlignLeft : Qt::AlignHCenter});
    }
    return columns;
}

} // namespace dorvanta::documents
