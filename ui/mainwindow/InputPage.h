// The input page ("Zadani") of the main window: the circuit parameters, the
// two criteria with the part-number cascade, and the reference documents.
#pragma once

#include "core/catalogue/Series.h"
#include "core/engine/ApplicationData.h"
#include "core/engine/PartNoInfo.h"
#include "core/record/PartNoRecord.h"

#include <QWidget>

#include <optional>
#include <span>

class QComboBox;
class QFrame;
class QLabel;
class QLayout;
class QAction;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;

namespace dorvanta {

class TInputPage : public QWidget {
    Q_OBJECT

public:
    explicit TInputPage(QWidget* parent = nullptr);

    // Fills the criteria lists from `catalogue` and sets the start values;
    // the lists of the part-number cascade are refilled from it later on.
    // Without this call the lists stay empty and the input is never complete.
    void SetCatalogue(std::span<const TPartNoRecord> catalogue);

    // True when every field is filled with a number and the chosen criterion
    // is complete: the condition of Next.
    [[nodiscard]] bool InputComplete() const;

    // The application data the page describes; none when a text is not a
    // number (which cannot happen while the input is complete).
    [[nodiscard]] std::optional<TVstupniUdaje> Input() const;

    // The circuit of the four fields; none when one of them is empty or not
    // a number, whose captions ("Rs", "Va", ...) then go to `missing`.
    [[nodiscard]] std::optional<TCircuit> Circuit(QStringList* missing = nullptr) const;

    // Fills the four fields with `circuit` and chooses the part-number
    // criterion of `part` of `series`: its series, case size, capacitance and
    // rated voltage, each list refilled as a user's choice refills it.
    void ShowPart(const TCircuit& circuit, TTypVyrobku series, const TPartNoInfo& part);

signals:
    // Ctrl+O or "Check Parts List..." of the page's context menu.
    void CheckPartsListRequested();

private:
    void CreatePartsListAction();
    void CreateCircuitPanel();
    QWidget* CreateCriteria();
    QWidget* CreateCapacitancePage(QWidget* notebook);
    QWidget* CreatePartNumberPage(QWidget* notebook);
    QLayout* CreateDocumentButtons();
    void SetTabOrder();

    [[nodiscard]] bool CircuitFilledIn() const;
    [[nodiscard]] bool CriterionComplete() const;
    [[nodiscard]] TTypVyrobku SelectedSeries() const;
    void comboboxOperatorChange();
    void comboboxPNtypeChange();
    void comboboxPNCaseSizeChange();
    void comboboxPNcapacitanceChange();
    void radiobuttonByCapacitanceClick();
    void radiobuttonByPartNumberClick();
    void buttonExportDatClick();

    std::span<const TPartNoRecord> Catalogue;

    QLabel* labelTitle = nullptr;
    QLabel* labelUvod1 = nullptr;
    QLabel* labelUvod2 = nullptr;
    QLabel* labelNotice = nullptr;
    QFrame* panelVstupniUdaje = nullptr;
    QWidget* imageCurcuit = nullptr;
    QLabel* labelPowerSupply = nullptr;
    QLineEdit* editRs = nullptr;
    QLineEdit* editRl = nullptr;
    QLineEdit* editImax = nullptr;
    QLineEdit* editVa = nullptr;
    QRadioButton* radiobuttonByCapacitance = nullptr;
    QRadioButton* radiobuttonByPartNumber = nullptr;
    QStackedWidget* notebookParametry = nullptr;
    QComboBox* comboboxOperator = nullptr;
    QComboBox* comboboxCapacitance1 = nullptr;
    QComboBox* comboboxCapacitance2 = nullptr;
    QComboBox* comboboxCaseSize = nullptr;
    QComboBox* comboboxPNtype = nullptr;
    QComboBox* comboboxPNCaseSize = nullptr;
    QComboBox* comboboxPNcapacitance = nullptr;
    QComboBox* comboboxPNvoltage = nullptr;
    QToolButton* speedbuttonOtevritVoltageDerating = nullptr;
    QToolButton* speedbuttonOtevritRippleCurrent = nullptr;
    QToolButton* speedbuttonOtevritFailureRate = nullptr;
    QPushButton* buttonExportDat = nullptr;
    QWidget* imageNiobiumOxide = nullptr;
    QAction* actionCheckPartsList = nullptr;
};

} // namespace dorvanta
