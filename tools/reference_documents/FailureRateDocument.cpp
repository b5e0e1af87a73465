// Reliability and Failure Rate Calculation: the circuit-resistance factor,
// the voltage term, the series and temperature factors, FIT and MTBF.

#include "core/catalogue/untKonstanty.h"
#include "core/engine/Evaluation.h"
#include "tools/reference_documents/Documents.h"
#include "tools/reference_documents/EvaluationProbe.h"

#include <cmath>

namespace dorvanta::documents {
namespace {

// "0.0476 u⁴ − 0.4127 u³ + 1.3273 u² − 1.9158 u + 1.1625"
QString Polynomial(const std::array<Real, 5>& coefficients) {
    static const QString powers[] = {QStringLiteral(" u\u2074"), QStringLiteral(" u\u00b3"),
                                     QStringLiteral(" u\u00b2"), QStringLiteral(" u"), QString()};
    QString text;
    for (std::size_t i = 0; i < coefficients.size(); ++i) {
        const Real c = coefficients[i];
        if (c == 0) {
            continue;
        }
        if (!text.isEmpty()) {
            text += c < 0 ? QStringLiteral(" \u2212 ") : QStringLiteral(" + ");
        } else if (c < 0) {
            text += QStringLiteral("\u2212");
        }
        text += Number(std::fabs(c)) + powers[i];
    }
    return text;
}

void ComposeModel(TPdfComposer& pdf, const TReliabilityModel& model) {
    pdf.Paragraph(QStringLiteral(
        "Dorvanta estimates the failure rate of every recommended part in the application from "
        "the maker's reliability model: a base rate at 85 \u00b0C that grows with the ratio of "
        "the application voltage to the rated voltage and falls with the series resistance of "
        "the circuit, corrected for the series and the temperature."));
    pdf.Heading(QStringLiteral("1  Failure rate at 85 \u00b0C"));
    pdf.Formula(QStringLiteral("FR85 = exp(%1 \u00b7 Va / Vr) \u00b7 %2 \u00b7 k(u) \u00b7 S   "
                               "[% per 1000 hours]")
                    .arg(Number(model.exponent), PlainNumber(model.base)));
    pdf.Paragraph(QStringLiteral(
        "Va is the application voltage, Vr the rated voltage, k(u) the circuit-resistance "
        "factor (section 2) and S the series factor (section 3)."));
}

void ComposeResistanceFactor(TPdfComposer& pdf, const TReliabilityModel& model) {
    pdf.Heading(QStringLiteral("2  Circuit-resistance factor k(u)"));
    pdf.Paragraph(
        QStringLiteral(
            "u is the series resistance of the circuit per volt of application voltage, in ohm per "
            "volt: the part's ESR in ohm plus the circuit resistance R (source and leads), divided "
            "by Va. It is limited to the range from %1 to %2:")
            .arg(Number(model.lowestU), Number(model.highestU)));
    pdf.Formula(QStringLiteral("u = (ESR + R) / Va,   limited to %1 \u2264 u \u2264 %2")
                    .arg(Number(model.lowestU), Number(model.highestU)));
    pdf.Formula(QStringLiteral("k(u) = ") + Polynomial(model.coefficients));

    TTable table;
    const double samples[] = {0.1, 0.2, 0.3, 0.5, 0.75, 1, 1.5, 2, 2.5, 3};
    QStringList captions{QStringLiteral("u [ohm/V]")};
    QStringList values{QStringLiteral("k(u)")};
    for (const double u : samples) {
        captions << Number(u);
        values << Number(Rounded(ResistanceFactor(u), 4));
    }
    table.columns = Columns(captions, 70);
    table.rows = {values};
    pdf.AddTable(table);

    TPlot plot;
    plot.caption = QStringLiteral("Circuit-resistance factor");
    plot.x = {QStringLiteral("u [ohm/V]"), 0, 3.5, TAxisScale::Linear};
    plot.y = {QStringLiteral("k(u)"), 0, 1.2, TAxisScale::Linear};
    plot.height = 190;
    TPlotSeries series{QString(), QColor(0x12, 0x3f, 0xa8), {}};
    for (int i = 0; i <= 140; ++i) {
        const double u = 3.5 * i / 140;
        series.points.emplace_back(u, static_cast<double>(ResistanceFactor(u)));
    }
    plot.series.push_back(series);
    pdf.AddPlot(plot);
}

void ComposeVoltageTerm(TPdfComposer& pdf) {
    TPlot plot;
    plot.caption = QStringLiteral("Failure rate at 85 \u00b0C for u = 1 ohm/V and S = 1");
    plot.x = {QStringLiteral("Va / Vr"), 0, 1, TAxisScale::Linear};
    plot.y = {QStringLiteral("FR85 [% per 1000 hours]"), 1e-5, 1, TAxisScale::Logarithmic};
    plot.height = 190;
    TPlotSeries series{QString(), QColor(0xc0, 0x39, 0x2b), {}};
    TProbe probe;
    probe.ratedVoltage = 100;
    probe.esr = 1000;
    for (int i = 1; i <= 100; ++i) {
        probe.va = i;
        probe.resistance = probe.va - 1; // keeps u at 1
        series.points.emplace_back(
            i / 100.0, static_cast<double>(Evaluate(probe).Pocitane.FailureRate[kTemperature85]));
    }
    plot.series.push_back(series);
    pdf.AddPlot(plot);
}

void ComposeSeriesFactors(TPdfComposer& pdf) {
    pdf.Heading(QStringLiteral("3  Series factor S"));
    TTable table;
    table.columns = Columns({QStringLiteral("Series"), QStringLiteral("S")}, 360);
    for (const auto& group : FailureRateSeriesFactors()) {
        table.rows.push_back(
            {QString::fromStdString(MemberList(group.members)), Number(group.value)});
    }
    pdf.AddTable(table);
}

void ComposeTemperatures(TPdfComposer& pdf) {
    pdf.Heading(QStringLiteral("4  Failure rate at other temperatures"));
    pdf.Paragraph(QStringLiteral("The failure rate at another temperature is FR85 multiplied by "
                                 "a factor; the top temperature is that of the series."));
    AddTemperatureFactors(pdf, FailureRateTemperatureGroups());
}

void ComposeFitAndMtbf(TPdfComposer& pdf, const TReliabilityModel& model) {
    pdf.Heading(QStringLiteral("5  Failures in time and mean time between failures"));
    pdf.Paragraph(QStringLiteral("At every temperature, with FR the failure rate in % per "
                                 "1000 hours:"));
    pdf.Formula(QStringLiteral("FIT = FR \u00b7 %1   [failures per 10\u2079 hours]")
                    .arg(Number(model.fitPerFailureRate)));
    pdf.Formula(QStringLiteral("MTBF = %1 / FR / 24 / 365   [years]").arg(Number(model.mtbfHours)));
}

void ComposeExample(TPdfComposer& pdf, const TReliabilityModel& model) {
    const TProbe example = WorkedExample();
    const TPocitaneInfo p = Evaluate(example).Pocitane;
    const Real u = (example.esr / 1000 + example.resistance) / example.va;
    pdf.Heading(QStringLiteral("6  Example"));
    pdf.Paragraph(QStringLiteral("A KEL part rated %1 V with an ESR of %2 ohm at Va = %3 V in a "
                                 "circuit of %4 ohm: u = (%2 + %4) / %3 = %5 is raised to the "
                                 "lower limit %6, and k(u) = %7. Its failure rate, FIT and MTBF "
                                 "at the five temperatures are:")
                      .arg(Number(example.ratedVoltage), Number(example.esr / 1000),
                           Number(example.va), Number(example.resistance), Number(Rounded(u, 5)),
                           Number(model.lowestU), Number(Rounded(ResistanceFactor(u), 5))));
    AddTemperatureValues(pdf, {{QStringLiteral("FR [%/1000 h]"), &p.FailureRate},
                               {QStringLiteral("FIT"), &p.FIT},
                               {QStringLiteral("MTBF [years]"), &p.MTBF}});
}

} // namespace

void ComposeFailureRate(TPdfComposer& pdf) {
    const TReliabilityModel model = Reliability();
    ComposeModel(pdf, model);
    ComposeVoltageTerm(pdf);
    ComposeResistanceFactor(pdf, model);
    ComposeSeriesFactors(pdf);
    ComposeTemperatures(pdf);
    ComposeFitAndMtbf(pdf, model);
    ComposeExample(pdf, model);
}

} // namespace dorvanta::documents
