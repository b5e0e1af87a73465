// Voltage Derating Rules: the derating, the acceptance rule, the KMD and KYD
// temperature rule, the surge rule with its closest match and the test surge
// rules by series.

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/untKonstanty.h"
#include "core/display/NumberText.h"
#include "core/engine/DeratingRule.h"
#include "core/engine/Evaluation.h"
#include "report/qrptDorvanta.h"
#include "tools/reference_documents/Documents.h"
#include "tools/reference_documents/EvaluationProbe.h"

#include <map>

namespace dorvanta::documents {
namespace {

QString Percent(Real value) {
    return Number(Rounded(value * 100)) + QStringLiteral(" %");
}

// How Va at exactly the ratio of a rated voltage fares, for two rated
// voltages that land on either side of the rule.
QString LimitExamples(Real ratio) {
    QStringList examples;
    for (const char* rated : {"10", "1.8"}) {
        const Real vr = *ParseGeneral(rated);
        const QString va = Number(Rounded(vr * ratio));
        const QString verdict = Recommended(tvAll, vr, *ParseGeneral(va.toStdString()))
                                    ? QStringLiteral("recommended")
                                    : QStringLiteral("not recommended");
        examples << QStringLiteral("a %1 V part is %2 at Va = %3 V, and %4 V is the highest Va in "
                                   "whole millivolts at which it is recommended")
                        .arg(Number(vr), verdict, va,
                             QString::fromStdString(MillivoltText(HighestAcceptedVa(tvAll, vr))));
    }
    return examples.join(QStringLiteral("; "));
}

void ComposeDerating(TPdfComposer& pdf, Real ratio) {
    pdf.Paragraph(QStringLiteral(
        "Dorvanta recommends a part only when the application voltage leaves enough margin "
        "below the part's rated voltage, and when the surge current that the application can "
        "drive into the part stays within the maker's test surge current. This document states "
        "these rules as the program applies them; its figures are computed by the program "
        "itself."));
    pdf.Heading(QStringLiteral("1  Voltage derating"));
    pdf.Paragraph(QStringLiteral("The derating of a part is the margin between its rated "
                                 "voltage Vr and the application voltage Va, in per cent of "
                                 "the rated voltage:"));
    pdf.Formula(QStringLiteral("Derating = (1 \u2212 Va / Vr) \u00d7 100 %"));
    pdf.Paragraph(QStringLiteral("It is negative when the application voltage exceeds the "
                                 "rated voltage."));
    pdf.Heading(QStringLiteral("2  The acceptance rule"));
    pdf.Paragraph(QStringLiteral("A part is recommended only when the application voltage is "
                                 "at most %1 of its rated voltage, that is when its derating is "
                                 "at least %2:")
                      .arg(Percent(ratio), Percent(1 - ratio)));
    pdf.Formula(QStringLiteral("Vr \u2265 Va / %1").arg(Number(ratio)));
    pdf.Paragraph(
        QStringLiteral(
            "The program compares the two sides in binary arithmetic, with Va read from the "
            "decimal text that was typed. An application voltage of exactly %1 of the rated "
            "voltage, written in decimal, may therefore fall just inside or just outside the "
            "rule: %2. The table gives the limits as the program finds them, in steps of 1 mV: "
            "for every rated voltage of the built-in catalogue, the highest application voltage "
            "at which a part of that voltage is still recommended (at 1 mV more it is not), and "
            "the same for the KMD and KYD series at raised temperatures (section 3).")
            .arg(Percent(ratio), LimitExamples(ratio)));
}

void ComposeVoltageTable(TPdfComposer& pdf) {
    std::map<Real, int> voltages;
    for (const TPartNoRecord& entry : BuiltInCatalogue()) {
        ++voltages[entry.RatedVoltage.value()];
    }
    const auto millivolts = [](long step) {
        return QString::fromStdString(MillivoltText(step));
    };
    TTable table;
    table.columns = Columns(
        {QStringLiteral("Rated voltage Vr [V]"), QStringLiteral("Highest Va, any series [V]"),
         QStringLiteral("KMD, KYD: highest Va at 85 \u00b0C [V]"),
         QStringLiteral("KMD, KYD: highest Va at %1 \u00b0C [V]").arg(TopTemperature(tvKMD)),
         QStringLiteral("Parts in the catalogue")});
    for (const auto& [vr, count] : voltages) {
        table.rows.push_back({Number(vr), millivolts(HighestAcceptedVa(tvAll, vr)),
                              millivolts(HighestVaWithValues(tvKMD, vr, kTemperature85)),
                              millivolts(HighestVaWithValues(tvKMD, vr, kTemperatureTop)),
                              QString::number(count)});
    }
    pdf.AddTable(table);
}

void ComposeTemperatureRule(TPdfComposer& pdf) {
    const Real at85 = *MinimumDerating(tvKMD, kTemperature85);
    const Real atTop = *MinimumDerating(tvKMD, kTemperatureTop);
    pdf.Heading(QStringLiteral("3  KMD and KYD series at raised temperatures"));
    pdf.Paragraph(
        QStringLiteral("The KMD and KYD series are defined by %1 Vr at 85 \u00b0C and %2 Vr at "
                       "%5 \u00b0C. At 85 \u00b0C a part of these series needs a derating of "
                       "at least %3 %, at %5 \u00b0C of at least %4 %. Below these deratings "
                       "the program gives no typical leakage, ripple current, ripple voltage, "
                       "failure rate, FIT or MTBF for the part at that temperature and shows "
                       "the note \"KMD and KYD series are defined by 0.5 Vr @ 85\u00b0C and "
                       "0.2 Vr @ 125\u00b0C.\" instead; its other values, and its values at "
                       "\u221255, 25 and 40 \u00b0C, are shown as usual.")
            .arg(Number(Rounded(1 - at85 / 100)), Number(Rounded(1 - atTop / 100)), Number(at85),
                 Number(atTop), QString::number(TopTemperature(tvKMD))));
}

void ComposeSurgeRule(TPdfComposer& pdf) {
    const Real allowance = SurgeAllowance(false);
    const Real closest = SurgeAllowance(true);
    pdf.Heading(QStringLiteral("4  The surge rule"));
    pdf.Paragraph(QStringLiteral(
        "When the supply is switched on, the application voltage drives a surge current through "
        "the part. It is limited by the part's ESR (in ohm) and by the highest current Imax that "
        "the supply can deliver; the resistance of the circuit is not taken into account:"));
    pdf.Formula(QStringLiteral("AppSurge = min(Va / ESR, Imax)"));
    pdf.Paragraph(QStringLiteral("A part is recommended only when this current does not exceed "
                                 "the maker's test surge current of the part (section 5):"));
    pdf.Formula(allowance == 1
                    ? QStringLiteral("AppSurge \u2264 TestSurge")
                    : QStringLiteral("AppSurge \u2264 %1 \u00d7 TestSurge").arg(Number(allowance)));
    pdf.Paragraph(
        QStringLiteral("When no part passes because of the surge rule, the program offers the "
                       "closest match: the same search with the surge rule relaxed by %1, so "
                       "that the application surge may exceed the test surge by at most that "
                       "much:")
            .arg(Percent(closest - 1)));
    pdf.Formula(QStringLiteral("AppSurge \u2264 %1 \u00d7 TestSurge").arg(Number(closest)));
    pdf.Paragraph(QStringLiteral(
        "Parts found this way are listed with the note \"Application current exceeds the test "
        "current. Experimental verification recommended.\""));
}

QString OneDecimal(Real value) {
    return QString::fromStdString(FormatPattern(value, TNumberPattern::OneDecimal));
}

// Why a WIR part's test surge on paper differs from the one in the window.
void ComposePrintedTestSurge(TPdfComposer& pdf) {
    TProbe probe;
    probe.series = tvWIR;
    probe.caseLetter = 'B';
    probe.ratedVoltage = 2.5L;
    probe.esr = 1000;
    probe.va = 1.55L;
    probe.imax = 10;
    const TPocitaneInfo p = Evaluate(probe).Pocitane;
    const Real printed = PrintedTestSurge(probe.series, p);
    const QString factor = Number(Rounded(printed / p.AppSurge));
    pdf.Heading(QStringLiteral("6  Test surge in the window and in the printed report"));
    pdf.Paragraph(
        QStringLiteral(
            "The window shows as \"Moltren Test Surge [A]\" the test surge current of section "
            "5, the one that the surge rule compares. The printed report shows the same figure "
            "for every series except WIR: for a WIR part it prints %1 \u00d7 the part's "
            "application surge in that row instead. Both figures are shown to one decimal. For "
            "example, a WIR part rated %2 V with an ESR of %3 ohm at Va = %4 V, with Imax = %5 "
            "A, has an application surge of %6 A; the window shows its test surge %2 \u00d7 %7 "
            "/ (%3 + %8) = %9 A as %10 A, the printed report %1 \u00d7 %6 A = %11 A as %12 A. "
            "The search decides by the test surge of section 5 in both cases.")
            .arg(factor, Number(probe.ratedVoltage), Number(probe.esr / 1000), Number(probe.va),
                 Number(probe.imax), Number(Rounded(p.AppSurge, 5)),
                 Number(ValueOf(SurgeRules(), probe.series).factor),
                 Number(ValueOf(SurgeRules(), probe.series).resistance),
                 Number(Rounded(p.TestSurge, 5)))
            .arg(OneDecimal(p.TestSurge), Number(Rounded(printed, 5)), OneDecimal(printed)));
}

void ComposeTestSurge(TPdfComposer& pdf) {
    const auto rules = SurgeRules();
    pdf.Heading(QStringLiteral("5  Test surge current by series"));
    pdf.Paragraph(QStringLiteral(
        "The maker tests every part with a surge from a source of a fixed voltage per volt of "
        "rating through a fixed series resistance. The test surge current of a part with rated "
        "voltage Vr and ESR (in ohm) is:"));
    pdf.Formula(QStringLiteral("TestSurge = Vr \u00d7 a / (ESR + Rt)"));
    TTable table;
    table.columns =
        Columns({QStringLiteral("Series"), QStringLiteral("a"), QStringLiteral("Rt [ohm]")}, 280);
    for (const auto& group : rules) {
        table.rows.push_back({QString::fromStdString(MemberList(group.members)),
                              Number(group.value.factor), Number(group.value.resistance)});
    }
    pdf.AddTable(table);

    TPlot plot;
    plot.caption = QStringLiteral("Test surge current of a 10 V part");
    plot.x = {QStringLiteral("ESR [ohm]"), 0.01, 10, TAxisScale::Logarithmic};
    plot.y = {QStringLiteral("TestSurge [A]"), 0, 30, TAxisScale::Linear};
    const QColor colours[] = {QColor(0x12, 0x3f, 0xa8), QColor(0xc0, 0x39, 0x2b),
                              QColor(0x1e, 0x84, 0x49), QColor(0x8e, 0x44, 0xad)};
    std::size_t index = 0;
    for (const auto& group : rules) {
        TPlotSeries series{QString::fromStdString(MemberList(group.members)),
                           colours[index++ % std::size(colours)],
                           {}};
        TProbe probe;
        probe.series = group.members.front();
        probe.caseLetter = 'A';
        for (const double esr : LogarithmicRange(0.01, 10, 60)) {
            probe.esr = esr * 1000;
            series.points.emplace_back(esr,
                                       static_cast<double>(Evaluate(probe).Pocitane.TestSurge));
        }
        plot.series.push_back(series);
    }
    pdf.AddPlot(plot);
    ComposePrintedTestSurge(pdf);
}

void ComposeExample(TPdfComposer& pdf, Real ratio) {
    const TProbe example = WorkedExample();
    const TPocitaneInfo p = Evaluate(example).Pocitane;
    const TSurgeRule rule = ValueOf(SurgeRules(), example.series);
    const QString vr = Number(example.ratedVoltage);
    const QString esr = Number(example.esr / 1000);
    const QString va = Number(example.va);
    pdf.Heading(QStringLiteral("7  Example"));
    pdf.Paragraph(
        QStringLiteral("A KEL part in case D, rated %1 V with an ESR of %2 ohm, in a circuit "
                       "with Va = %3 V and a supply that delivers at most Imax = %4 A: its "
                       "derating is %5 %, and %1 V \u2265 %3 V / %6 = %7 V, so the voltage "
                       "rule holds. The application surge is min(%3 V / %2 ohm, %4 A) = %8 A; "
                       "the test surge is %1 \u00d7 %9 / (%2 + %10) = %11 A, so the surge rule "
                       "holds too and the part is recommended.")
            .arg(vr, esr, va, Number(example.imax), Number(Rounded(p.Derating, 5)), Number(ratio),
                 Number(Rounded(example.va / ratio, 4)), Number(Rounded(p.AppSurge, 5)),
                 Number(rule.factor))
            .arg(Number(rule.resistance), Number(Rounded(p.TestSurge, 5))));
}

} // namespace

void ComposeVoltageDerating(TPdfComposer& pdf) {
    const Real ratio = MaximumVoltageRatio();
    ComposeDerating(pdf, ratio);
    ComposeVoltageTable(pdf);
    ComposeTemperatureRule(pdf);
    ComposeSurgeRule(pdf);
    ComposeTestSurge(pdf);
    ComposeExample(pdf, ratio);
}

} // namespace dorvanta::documents
