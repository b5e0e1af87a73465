// Ripple Current Capability: the power-dissipation table, the ripple formula
// and the temperature factors.

#include "core/catalogue/untKonstanty.h"
#include "core/engine/Evaluation.h"
#include "tools/reference_documents/Documents.h"
#include "tools/reference_documents/EvaluationProbe.h"

#include <cmath>

namespace dorvanta::documents {
namespace {

QString GroupName(const SeriesGroup<TPowerColumn>& group) {
    return group.members.front() == tvAll ? QStringLiteral("General")
                                          : QString::fromStdString(MemberList(group.members));
}

void ComposeFormula(TPdfComposer& pdf) {
    // The constant of the formula, read back from the program's own function.
    const Real power = PowerDissipation(tvAll, 'D');
    const Real constant = Rounded(RippleCurrent25(tvAll, 'D', 1000) / std::sqrt(power));
    pdf.Paragraph(QStringLiteral(
        "A ripple current heats a tantalum capacitor through its equivalent series resistance "
        "(ESR). The permissible ripple current is the current at which the part dissipates the "
        "power that its case can carry away. Dorvanta computes it for every recommended part "
        "at 100 kHz from the part's maximum ESR."));
    pdf.Heading(QStringLiteral("1  Permissible ripple current at 25 \u00b0C"));
    pdf.Formula(QStringLiteral("Irms = %1 \u00b7 \u221a(P / R)   [mA]").arg(Number(constant)));
    pdf.Paragraph(QStringLiteral(
        "P is the permissible power dissipation in W from the table below, looked up by the "
        "series group and the first letter of the case code; R is the maximum ESR in ohm at "
        "100 kHz. A case letter without an entry for its group gives P = 0 and no ripple "
        "current. The ripple voltage that goes with it is"));
    pdf.Formula(QStringLiteral("Vrms = Irms \u00b7 R   [mV]"));
}

void ComposePowerTable(TPdfComposer& pdf) {
    const auto groups = PowerGroups();
    pdf.Heading(QStringLiteral("2  Permissible power dissipation P [W]"));
    QStringList captions{QStringLiteral("Case letter")};
    for (const auto& group : groups) {
        captions << GroupName(group);
    }
    TTable table;
    table.columns = Columns(captions, 80);
    for (std::size_t letter = 0; letter < 26; ++letter) {
        QStringList row{QString(QChar(static_cast<char16_t>('A' + letter)))};
        bool any = false;
        for (const auto& group : groups) {
            const Real p = group.value[letter];
            any = any || p > 0;
            row << (p > 0 ? Number(p) : QString());
        }
        if (any) {
            table.rows.push_back(row);
        }
    }
    pdf.AddTable(table);
    QStringList members;
    for (const auto& group : groups) {
        members << GroupName(group) + QStringLiteral(": ") +
                       QString::fromStdString(MemberList(group.members));
    }
    pdf.Paragraph(QStringLiteral("Series groups. ") + members.join(QStringLiteral("; ")) +
                  QStringLiteral(". Letters without a row have no entry in any group."));
}

void ComposeTemperatures(TPdfComposer& pdf) {
    pdf.Heading(QStringLiteral("3  Ripple current at other temperatures"));
    pdf.Paragraph(QStringLiteral(
        "At other temperatures the ripple current at 25 \u00b0C is multiplied by a factor; "
        "the ripple voltage follows the current. The top temperature is that of the series."));
    AddTemperatureFactors(pdf, RippleTemperatureGroups());
}

void ComposePlot(TPdfComposer& pdf) {
    TPlot plot;
    plot.caption = QStringLiteral("Permissible ripple current at 25 \u00b0C, general group");
    plot.x = {QStringLiteral("ESR [ohm]"), 0.01, 10, TAxisScale::Logarithmic};
    plot.y = {QStringLiteral("Irms [mA]"), 10, 10000, TAxisScale::Logarithmic};
    plot.height = 250;
    const struct {
        char letter;
        QColor colour;
    } cases[] = {{'V', QColor(0x8e, 0x44, 0xad)}, {'E', QColor(0xc0, 0x39, 0x2b)},
                 {'D', QColor(0x12, 0x3f, 0xa8)}, {'C', QColor(0x1e, 0x84, 0x49)},
                 {'B', QColor(0xd3, 0x84, 0x00)}, {'A', QColor(0x55, 0x55, 0x55)}};
    for (const auto& c : cases) {
        TPlotSeries series{QStringLiteral("Case %1 (P = %2 W)")
                               .arg(QChar(static_cast<char16_t>(c.letter)))
                               .arg(Number(PowerDissipation(tvAll, c.letter))),
                           c.colour,
                           {}};
        for (const double esr : LogarithmicRange(0.01, 10, 40)) {
            series.points.emplace_back(
                esr, static_cast<double>(RippleCurrent25(tvAll, c.letter, esr * 1000)));
        }
        plot.series.push_back(series);
    }
    pdf.AddPlot(plot);
}

void ComposeExample(TPdfComposer& pdf) {
    const TProbe example = WorkedExample();
    const TPocitaneInfo p = Evaluate(example).Pocitane;
    pdf.Heading(QStringLiteral("4  Example"));
    pdf.Paragraph(QStringLiteral("A KEL part in case D (P = %1 W) with a maximum ESR of %2 ohm:")
                      .arg(Number(PowerDissipation(example.series, example.caseLetter)),
                           Number(example.esr / 1000)));
    AddTemperatureValues(
        pdf, {{QStringLiteral("Irms [mA]"), &p.Irms}, {QStringLiteral("Vrms [mV]"), &p.Vrms}});
}

} // namespace

void ComposeRippleCurrent(TPdfComposer& pdf) {
    ComposeFormula(pdf);
    ComposePowerTable(pdf);
    ComposeTemperatures(pdf);
    ComposePlot(pdf);
    ComposeExample(pdf);
}

} // namespace dorvanta::documents
