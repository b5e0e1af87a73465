// The main window: a two-page wizard (input page, results page) with a row of
// five buttons bound to the actions of actionlistDorvanta.
#pragma once

#include "ApplicationData.h"
#include "ResultList.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <memory>

class QAction;
class QActionGroup;
class QComboBox;
class QFrame;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class QWidget;

namespace dorvanta {

class TResultsPage;

class TformDorvanta : public QDialog {
    Q_OBJECT

public:
    // `catalogueDirectory` is where the catalogue file is looked for: the
    // program's directory in the program, a test's own directory in tests.
    explicit TformDorvanta(const QString& catalogueDirectory, QWidget* parent = nullptr);
    ~TformDorvanta() override;

    // Fills `input` from the input page. False, with `input` partly filled,
    // when a text is not a number, which cannot happen while Next is enabled.
    [[nodiscard]] bool ReadInputData(TVstupniUdaje& input) const;

    // State of the wizard.
    bool ClosestMatch = false;
    QString StartMessage;
    std::uint8_t TemperatureIndex = 1;
    std::unique_ptr<TResultList> ResultList; // owns the candidates of the last search

    // Empties ResultList and frees the candidates it carries.
    void ClearResults();

    // The enabling rules of Back, Next and Print; run whenever the program
    // is idle, and nowhere else.
    void actionBackUpdate();
    void actionNextUpdate();
    void actionPrintUpdate();

public slots:
    // Cancel, Escape and the window's close button all end the program here.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    static constexpr int kPageIndexZadani = 0;
    static constexpr int kPageIndexTabulka = 1;

    void FormCreate(const QString& catalogueDirectory);
    void FormShow();
    void FormDestroy();
    // False when the catalogue file could not be read: the criteria lists
    // then stay empty.
    bool LoadCatalogue(const QString& catalogueDirectory);
    void ShowError(const QString& text);

    void CreateFrame();
    void CreateActions();
    void CreateButtons();
    void CreateZadaniPage(QWidget* page);
    void CreateCircuitPanel(QWidget* page);
    QWidget* CreateCriteria(QWidget* page);
    QWidget* CreateCapacitancePage(QWidget* notebook);
    QWidget* CreatePartNumberPage(QWidget* notebook);
    QLayout* CreateDocumentButtons(QWidget* page);
    void SetTabOrder();
    void CreateTabulkaPage(QWidget* page);
    void UpdateActions();

    void actionBackExecute();
    void actionNextExecute();
    // The search run of Next: its messages and the closest-match rerun.
    void RunSearch();
    [[nodiscard]] bool AskZprava(bool closestMatch);
    void ShowNoRecordsFound();
    void actionPrintExecute();
    void actionAboutExecute();
    void actionCancelExecute();

    // The input page.
    void InitCriteriaLists();
    [[nodiscard]] bool CriterionComplete() const;
    [[nodiscard]] TTypVyrobku SelectedSeries() const;
    [[nodiscard]] bool CircuitTextsAreNumbers() const;
    void comboboxOperatorChange();
    void comboboxPNtypeChange();
    void comboboxPNCaseSizeChange();
    void comboboxPNcapacitanceChange();
    void radiobuttonByCapacitanceClick();
    void radiobuttonByPartNumberClick();
    void speedbuttonOtevritVoltageDeratingClick();
    void speedbuttonOtevritRippleCurrentClick();
    void speedbuttonOtevritFailureRateClick();
    void buttonExportDatClick();

    // Frame and wizard.
    QFrame* shapeRamecek = nullptr;
    QWidget* imageDorvanta = nullptr;
    QStackedWidget* notebookDorvanta = nullptr;
    QFrame* bevelTlacitka = nullptr;
    QActionGroup* actionlistDorvanta = nullptr;
    QAction* actionBack = nullptr;
    QAction* actionNext = nullptr;
    QAction* actionPrint = nullptr;
    QAction* actionAbout = nullptr;
    QAction* actionCancel = nullptr;
    QPushButton* buttonBack = nullptr;
    QPushButton* buttonNext = nullptr;
    QPushButton* buttonPrint = nullptr;
    QPushButton* buttonAbout = nullptr;
    QPushButton* buttonCancel = nullptr;

    // Input page ("Zadani").
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

    // Results page ("Tabulka").
    TResultsPage* pageTabulka = nullptr;
};

} // namespace dorvanta
