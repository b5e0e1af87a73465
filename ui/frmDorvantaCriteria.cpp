// The behaviour of the input page: its start values, the criterion controls,
// the part-number cascade, the enabling rule of Next and the reading of the
// page into the application data.
#include "frmDorvanta.h"

#include "CriteriaLists.h"
#include "LocaleTexts.h"
#include "PartNumbers.h"
#include "Series.h"
#include "ValueLists.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>

namespace dorvanta {
namespace {

constexpr Real kDefaultRs = 0.1L;
constexpr Real kDefaultRl = 0.01L;
constexpr Real kDefaultCapacitance = 0.1L;
const QString kAllText = ToQString(kAll);

std::optional<Real> ValueOf(const QLineEdit* field) {
    return ParseNumber(field->text());
}

} // namespace

void TformDorvanta::InitCriteriaLists() {
    // The items are written with "."; every number on the page uses the
    // locale's separator, so that each item reads back as its own value.
    const QString separator = ToQString(LocaleDecimalSeparator());
    for (int i = 0; i < comboboxCapacitance1->count(); ++i) {
        QString item = comboboxCapacitance1->itemText(i);
        comboboxCapacitance1->setItemText(i, item.replace(QLatin1Char('.'), separator));
    }
    SetListItems(*comboboxCapacitance2, ListItems(*comboboxCapacitance1));
    editRs->setText(FormatNumber(kDefaultRs));
    editRl->setText(FormatNumber(kDefaultRl));
    SelectText(*comboboxOperator, QStringLiteral(">"));
    SelectText(*comboboxCapacitance1, FormatNumber(kDefaultCapacitance));

    TValueList caseSizes;
    FillCaseSizeList(PartNumbers(), tvAll, caseSizes);
    SetListItems(*comboboxCaseSize, caseSizes);
    SelectText(*comboboxCaseSize, kAllText);
    SetListItems(*comboboxPNCaseSize, caseSizes);
    SelectText(*comboboxPNCaseSize, kAllText);

    QStringList series;
    for (const auto name : SeriesNames) {
        series.append(ToQString(name));
    }
    SetListItems(*comboboxPNtype, series);
    SelectText(*comboboxPNtype, kAllText);

    const std::string decimal = LocaleDecimalSeparator();
    TValueList capacitances;
    FillCapacitanceList(PartNumbers(), tvAll, kAll, capacitances, decimal);
    SetListItems(*comboboxPNcapacitance, capacitances);
    SelectText(*comboboxPNcapacitance, kAllText);
    TValueList voltages;
    FillVoltageList(PartNumbers(), tvAll, kAll, kAll, voltages, decimal);
    SetListItems(*comboboxPNvoltage, voltages);
    SelectText(*comboboxPNvoltage, kAllText);
}

void TformDorvanta::radiobuttonByCapacitanceClick() {
    notebookParametry->setCurrentIndex(0);
}

void TformDorvanta::radiobuttonByPartNumberClick() {
    notebookParametry->setCurrentIndex(1);
}

void TformDorvanta::comboboxOperatorChange() {
    if (comboboxOperator->currentText() == kOperatorBetween) {
        SetListInUse(*comboboxCapacitance2, true);
    } else {
        comboboxCapacitance2->setCurrentIndex(-1);
        SetListInUse(*comboboxCapacitance2, false);
    }
}

TTypVyrobku TformDorvanta::SelectedSeries() const {
    return SeriesOf(ToStdString(ListText(*comboboxPNtype)));
}

// Each step refills the list below it; a list that comes out empty stops
// the cascade, leaving the lists further down as they were.
void TformDorvanta::comboboxPNtypeChange() {
    const bool selected = RefillList(*comboboxPNCaseSize, [this](TValueList& list) {
        FillCaseSizeList(PartNumbers(), SelectedSeries(), list);
    });
    if (selected) {
        comboboxPNCaseSizeChange();
    }
}

void TformDorvanta::comboboxPNCaseSizeChange() {
    const bool selected = RefillList(*comboboxPNcapacitance, [this](TValueList& list) {
        FillCapacitanceList(PartNumbers(), SelectedSeries(),
                            ToStdString(ListText(*comboboxPNCaseSize)), list,
                            LocaleDecimalSeparator());
    });
    if (selected) {
        comboboxPNcapacitanceChange();
    }
}

void TformDorvanta::comboboxPNcapacitanceChange() {
    RefillList(*comboboxPNvoltage, [this](TValueList& list) {
        FillVoltageList(PartNumbers(), SelectedSeries(), ToStdString(ListText(*comboboxPNCaseSize)),
                        ToStdString(ListText(*comboboxPNcapacitance)), list,
                        LocaleDecimalSeparator());
    });
}

void TformDorvanta::actionNextUpdate() {
    const bool inputPageShown = notebookDorvanta->currentIndex() < notebookDorvanta->count() - 1;
    const bool filledIn = !editRs->text().isEmpty() && !editRl->text().isEmpty() &&
                          !editImax->text().isEmpty() && !editVa->text().isEmpty();
    actionNext->setEnabled(inputPageShown && filledIn && CriterionComplete() &&
                           CircuitTextsAreNumbers());
}

bool TformDorvanta::CriterionComplete() const {
    if (radiobuttonByCapacitance->isChecked()) {
        if (comboboxOperator->currentIndex() < 0 || comboboxCapacitance1->currentIndex() < 0) {
            return false;
        }
        if (comboboxOperator->currentText() == kOperatorBetween) {
            if (comboboxCapacitance2->currentIndex() < 0) {
                return false;
            }
            const auto first = ParseNumber(comboboxCapacitance1->currentText());
            const auto second = ParseNumber(comboboxCapacitance2->currentText());
            if (!first || !second || !(*first < *second)) {
                return false;
            }
        }
        return comboboxCaseSize->currentIndex() >= 0;
    }
    if (radiobuttonByPartNumber->isChecked()) {
        return comboboxPNtype->currentIndex() >= 0 && comboboxPNCaseSize->currentIndex() >= 0 &&
               comboboxPNcapacitance->currentIndex() >= 0 && comboboxPNvoltage->currentIndex() >= 0;
    }
    return false;
}

bool TformDorvanta::CircuitTextsAreNumbers() const {
    for (const QLineEdit* field : {editRs, editRl, editImax, editVa}) {
        if (!ValueOf(field)) {
            return false;
        }
    }
    return true;
}

bool TformDorvanta::ReadInputData(TVstupniUdaje& input) const {
    const auto rs = ValueOf(editRs);
    const auto rl = ValueOf(editRl);
    const auto imax = ValueOf(editImax);
    const auto va = ValueOf(editVa);
    if (!rs || !rl || !imax || !va) {
        return false;
    }
    input.Resistance = *rs + *rl;
    input.Imax = *imax;
    input.Va = *va;
    input.ByPartNumber = radiobuttonByPartNumber->isChecked();
    input.DecimalSeparator = LocaleDecimalSeparator();
    if (input.ByPartNumber) {
        input.Parametry2.Series = SelectedSeries();
        input.Parametry2.CaseSize = ToStdString(ListText(*comboboxPNCaseSize));
        input.Parametry2.Capacitance = ToStdString(ListText(*comboboxPNcapacitance));
        input.Parametry2.Voltage = ToStdString(ListText(*comboboxPNvoltage));
        return true;
    }
    const auto first = ParseNumber(ListText(*comboboxCapacitance1));
    const auto second = comboboxCapacitance2->currentIndex() < 0
                            ? std::optional<Real>(0)
                            : ParseNumber(comboboxCapacitance2->currentText());
    if (!first || !second) {
        return false;
    }
    input.Parametry1.Operator = OperatorFromText(ToStdString(comboboxOperator->currentText()));
    input.Parametry1.Capacitance[1] = *first;
    input.Parametry1.Capacitance[2] = *second;
    input.Parametry1.CaseSize = ToStdString(ListText(*comboboxCaseSize));
    return true;
}

} // namespace dorvanta
