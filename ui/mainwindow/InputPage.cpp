// The input page of the main window: the circuit parameters, the two
// criteria, the part-number cascade, the document buttons, the condition of
// Next and the reading of the page into the application data.
#include "ui/mainwindow/InputPage.h"

#include "core/catalogue/Series.h"
#include "core/catalogue/ValueLists.h"
#include "ui/desktop/LocaleTexts.h"
#include "ui/desktop/ReferenceDocumentViewer.h"
#include "ui/mainwindow/CircuitSchematic.h"
#include "ui/mainwindow/CriteriaLists.h"
#include "ui/widgets/AccessibleList.h"
#include "ui/widgets/Pictures.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace dorvanta {
namespace {

// The capacitances of the capacitance criterion, in µF, written with ".".
const QStringList kCapacitanceItems = {
    QStringLiteral("0.1"),  QStringLiteral("0.15"), QStringLiteral("0.22"), QStringLiteral("0.33"),
    QStringLiteral("0.47"), QStringLiteral("0.68"), QStringLiteral("1"),    QStringLiteral("1.5"),
    QStringLiteral("2.2"),  QStringLiteral("3.3"),  QStringLiteral("4.7"),  QStringLiteral("6.8"),
    QStringLiteral("10"),   QStringLiteral("15"),   QStringLiteral("22"),   QStringLiteral("33"),
    QStringLiteral("47"),   QStringLiteral("68"),   QStringLiteral("100"),  QStringLiteral("150"),
    QStringLiteral("220"),  QStringLiteral("330"),  QStringLiteral("470"),  QStringLiteral("680"),
    QStringLiteral("1000"),
};

QString WithoutColon(QString text) {
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QLabel* CreateLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A pick-only list named after its label, which a screen reader announces.
QComboBox* CreateList(QWidget* parent, const char* name, QLabel* label, int width) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    list->setFixedWidth(width);
    if (label != nullptr) {
        label->setBuddy(list);
        list->setAccessibleName(WithoutColon(label->text()));
    }
    // The accessibility bus reads a list's choice as the selected entry of
    // its drop-down, which the drop-down marks only while it is open.
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int index) {
        list->view()->selectionModel()->select(list->model()->index(index, list->modelColumn()),
                                               QItemSelectionModel::ClearAndSelect);
    });
    return list;
}

// A row of the circuit parameters: label, field, unit.
QLineEdit* AddParameter(QGridLayout* grid, QWidget* parent, const char* labelName,
                        const QString& caption, const char* fieldName, const QString& tooltip,
                        const QString& unit) {
    const int row = grid->rowCount();
    auto* label = CreateLabel(parent, labelName, caption);
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(fieldName));
    field->setToolTip(tooltip);
    field->setFixedWidth(76);
    field->setAccessibleName(WithoutColon(caption));
    field->setAccessibleDescription(tooltip + QLatin1Char(' ') + unit);
    label->setBuddy(field);
    auto* unitLabel = new QLabel(unit, parent);
    unitLabel->setObjectName(QString::fromLatin1(labelName) + QStringLiteral("Jednotka"));
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(unitLabel, row, 2);
    return field;
}

QToolButton* CreateDocumentButton(QWidget* parent, const char* name, const QString& caption,
                                  const QString& tooltip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(tooltip);
    button->setAccessibleName(caption);
    button->setAccessibleDescription(tooltip);
    button->setIcon(PdfDocumentIcon());
    button->setIconSize(QSize(33, 33));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFixedSize(89, 53);
    QFont small = button->font();
    small.setPointSizeF(8);
    button->setFont(small);
    return button;
}

constexpr Real kDefaultRs = 0.1L;
constexpr Real kDefaultRl = 0.01L;
constexpr Real kDefaultCapacitance = 0.1L;
const QString kAllText = ToQString(kAll);

std::optional<Real> ValueOf(const QLineEdit* field) {
    return ParseNumber(field->text());
}

} // namespace

TInputPage::TInputPage(QWidget* parent) : QWidget(parent) {
    InstallAccessibleLists();
    QWidget* page = this;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(2, 0, 0, 0);
    pageLayout->setSpacing(3);

    labelTitle = CreateLabel(page, "labelTitle", QStringLiteral("Dorvanta"));
    labelUvod1 = CreateLabel(page, "labelUvod1",
                             QStringLiteral("This software suggests recommended Moltren SMD "
                                            "Tantalum and Niobium Oxide capacitors in accordance "
                                            "to"));
    labelUvod2 = CreateLabel(
        page, "labelUvod2",
        QStringLiteral("the application circuit parameters including the appropriate derating."));
    QFont title(QStringLiteral("Liberation Serif"));
    title.setStyleHint(QFont::Serif);
    title.setPointSize(19);
    title.setBold(true);
    title.setItalic(true);
    labelTitle->setFont(title);
    labelTitle->setStyleSheet(QStringLiteral("color: #0c2442;"));
    // On a wide face the introduction wraps instead of being cut off.
    QFont introduction = labelUvod1->font();
    introduction.setPointSizeF(8.5);
    for (QLabel* label : {labelUvod1, labelUvod2}) {
        label->setFont(introduction);
        label->setWordWrap(true);
    }
    pageLayout->addWidget(labelTitle);
    pageLayout->addWidget(labelUvod1);
    pageLayout->addWidget(labelUvod2);

    auto* middle = new QHBoxLayout();
    middle->setSpacing(6);
    auto* inputs = new QVBoxLayout();
    inputs->setSpacing(4);
    CreateCircuitPanel();
    inputs->addWidget(panelVstupniUdaje);
    inputs->addWidget(CreateCriteria());
    middle->addLayout(inputs);
    middle->addLayout(CreateDocumentButtons());
    pageLayout->addLayout(middle);

    labelNotice = CreateLabel(
        page, "labelNotice",
        QStringLiteral("NOTICE: Specifications are subject to change without notice. All "
                       "statements, information and data given herein are believed to be "
                       "accurate and reliable, but are presented without guarantee, or "
                       "responsibility of any kind, expressed or implied.  Specifications are "
                       "typical and may not apply to all applications."));
    labelNotice->setWordWrap(true);
    QFont small = labelNotice->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    labelNotice->setFont(small);
    labelNotice->setStyleSheet(QStringLiteral("color: #4a5360;"));
    pageLayout->addStretch(1);
    pageLayout->addWidget(labelNotice);

    imageNiobiumOxide = new TNoticeStrip(page);
    imageNiobiumOxide->setObjectName(QStringLiteral("imageNiobiumOxide"));
    pageLayout->addWidget(imageNiobiumOxide);

    // Kept for maintenance; nothing on the page ever shows it.
    buttonExportDat = new QPushButton(QStringLiteral("Export dat do souboru"), page);
    buttonExportDat->setObjectName(QStringLiteral("buttonExportDat"));
    buttonExportDat->setAutoDefault(false);
    buttonExportDat->setVisible(false);
    connect(buttonExportDat, &QPushButton::clicked, this, &TInputPage::buttonExportDatClick);

    SetTabOrder();
    CreatePartsListAction();
}

void TInputPage::CreatePartsListAction() {
    actionCheckPartsList = new QAction(QStringLiteral("Check Parts List..."), this);
    actionCheckPartsList->setObjectName(QStringLiteral("actionCheckPartsList"));
    actionCheckPartsList->setShortcut(QKeySequence::Open);
    actionCheckPartsList->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(actionCheckPartsList);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(actionCheckPartsList, &QAction::triggered, this, &TInputPage::CheckPartsListRequested);
}

void TInputPage::CreateCircuitPanel() {
    panelVstupniUdaje = new QFrame(this);
    panelVstupniUdaje->setObjectName(QStringLiteral("panelVstupniUdaje"));
    panelVstupniUdaje->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(panelVstupniUdaje);
    layout->setContentsMargins(4, 2, 6, 2);

    auto* schematic = new TCircuitSchematic(panelVstupniUdaje);
    imageCurcuit = schematic;
    imageCurcuit->setObjectName(QStringLiteral("imageCurcuit"));
    labelPowerSupply =
        CreateLabel(imageCurcuit, "labelPowerSupply", QStringLiteral("power supply"));
    labelPowerSupply->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
    labelPowerSupply->setAlignment(Qt::AlignCenter);
    labelPowerSupply->setGeometry(schematic->SupplyCaptionRect());
    layout->addWidget(imageCurcuit);
    layout->addStretch(1);

    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    const QString ohm = QStringLiteral("[Ohm]");
    editRs = AddParameter(grid, panelVstupniUdaje, "labelRs", QStringLiteral("Rs:"), "editRs",
                          QStringLiteral("source resistance"), ohm);
    editRl = AddParameter(grid, panelVstupniUdaje, "labelRl", QStringLiteral("Rl:"), "editRl",
                          QStringLiteral("resistance of leads"), ohm);
    editImax = AddParameter(
        grid, panelVstupniUdaje, "labelImax", QStringLiteral("Imax:"), "editImax",
        QStringLiteral("maximum current surge from the power supply"), QStringLiteral("[A]"));
    editVa = AddParameter(grid, panelVstupniUdaje, "labelVa", QStringLiteral("Va:"), "editVa",
                          QStringLiteral("application voltage"), QStringLiteral("[V]"));
    layout->addLayout(grid);
}

QWidget* TInputPage::CreateCriteria() {
    auto* box = new QFrame(this);
    box->setObjectName(QStringLiteral("panelKriteria"));
    box->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->setSpacing(2);

    auto* choice = new QHBoxLayout();
    radiobuttonByCapacitance =
        new QRadioButton(QStringLiteral("By Capacitance Ratio && Case Size:"), box);
    radiobuttonByCapacitance->setObjectName(QStringLiteral("radiobuttonByCapacitance"));
    radiobuttonByCapacitance->setChecked(true);
    radiobuttonByPartNumber = new QRadioButton(QStringLiteral("By Part Number:"), box);
    radiobuttonByPartNumber->setObjectName(QStringLiteral("radiobuttonByPartNumber"));
    for (QRadioButton* button : {radiobuttonByCapacitance, radiobuttonByPartNumber}) {
        button->setAccessibleName(WithoutColon(button->text()));
    }
    choice->addWidget(radiobuttonByCapacitance);
    choice->addWidget(radiobuttonByPartNumber);
    choice->addStretch(1);
    layout->addLayout(choice);
    connect(radiobuttonByCapacitance, &QRadioButton::clicked, this,
            &TInputPage::radiobuttonByCapacitanceClick);
    connect(radiobuttonByPartNumber, &QRadioButton::clicked, this,
            &TInputPage::radiobuttonByPartNumberClick);

    notebookParametry = new QStackedWidget(box);
    notebookParametry->setObjectName(QStringLiteral("notebookParametry"));
    // The pages are made inside their container: a list made elsewhere and
    // moved in would build its popup anew for the container's font.
    notebookParametry->addWidget(CreateCapacitancePage(notebookParametry));
    notebookParametry->addWidget(CreatePartNumberPage(notebookParametry));
    notebookParametry->setCurrentIndex(0);
    layout->addWidget(notebookParametry);
    return box;
}

QWidget* TInputPage::CreateCapacitancePage(QWidget* notebook) {
    auto* page = new QWidget(notebook);
    page->setObjectName(QStringLiteral("Capacitance"));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(18, 2, 0, 2);
    grid->setVerticalSpacing(3);

    auto* labelRange =
        CreateLabel(page, "labelCapacitanceRange", QStringLiteral("Capacitance range:"));
    comboboxOperator = CreateList(page, "comboboxOperator", labelRange, 48);
    comboboxOperator->addItems(
        {QStringLiteral(">"), QStringLiteral("="), QStringLiteral("<"), QString(kOperatorBetween)});
    comboboxCapacitance1 = CreateList(page, "comboboxCapacitance1", nullptr, 68);
    comboboxCapacitance1->setAccessibleName(QStringLiteral("Capacitance"));
    comboboxCapacitance2 = CreateList(page, "comboboxCapacitance2", nullptr, 68);
    comboboxCapacitance2->setAccessibleName(QStringLiteral("Second capacitance"));
    SetListItems(*comboboxCapacitance1, kCapacitanceItems);
    SetListInUse(*comboboxCapacitance2, false);
    auto* unit = CreateLabel(page, "labelCapacitanceJednotka", QStringLiteral("[uF]"));
    auto* labelCase = CreateLabel(page, "labelCaseSize", QStringLiteral("Case Size:"));
    comboboxCaseSize = CreateList(page, "comboboxCaseSize", labelCase, 68);

    auto* range = new QHBoxLayout();
    range->setSpacing(4);
    range->addWidget(comboboxOperator);
    range->addWidget(comboboxCapacitance1);
    range->addWidget(comboboxCapacitance2);
    range->addWidget(unit);
    range->addStretch(1);
    grid->addWidget(labelRange, 0, 0);
    grid->addLayout(range, 0, 1);
    grid->addWidget(labelCase, 1, 0);
    grid->addWidget(comboboxCaseSize, 1, 1, Qt::AlignLeft);
    connect(comboboxOperator, &QComboBox::activated, this, &TInputPage::comboboxOperatorChange);
    return page;
}

QWidget* TInputPage::CreatePartNumberPage(QWidget* notebook) {
    auto* page = new QWidget(notebook);
    page->setObjectName(QStringLiteral("PartNumber"));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(18, 2, 0, 2);
    grid->setVerticalSpacing(3);
    grid->setHorizontalSpacing(6);

    auto* labelType = CreateLabel(page, "labelPNtype", QStringLiteral("Series Name:"));
    auto* labelCase = CreateLabel(page, "labelPNCaseSize", QStringLiteral("Case Size:"));
    auto* labelCapacitance =
        CreateLabel(page, "labelPNcapacitance", QStringLiteral("Capacitance:"));
    auto* labelVoltage = CreateLabel(page, "labelPNvoltage", QStringLiteral("Voltage:"));
    // Series names are long: their list takes the whole first row.
    comboboxPNtype = CreateList(page, "comboboxPNtype", labelType, 262);
    comboboxPNtype->setMaxVisibleItems(9);
    // A pick-only list's popup follows maxVisibleItems only as a plain list:
    // styles such as Fusion otherwise open it over the whole screen height.
    comboboxPNtype->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    comboboxPNCaseSize = CreateList(page, "comboboxPNCaseSize", labelCase, 56);
    comboboxPNcapacitance = CreateList(page, "comboboxPNcapacitance", labelCapacitance, 72);
    comboboxPNvoltage = CreateList(page, "comboboxPNvoltage", labelVoltage, 60);
    auto* details = new QHBoxLayout();
    details->setSpacing(6);
    details->addWidget(comboboxPNCaseSize);
    details->addSpacing(6);
    details->addWidget(labelCapacitance);
    details->addWidget(comboboxPNcapacitance);
    details->addSpacing(6);
    details->addWidget(labelVoltage);
    details->addWidget(comboboxPNvoltage);
    details->addStretch(1);
    grid->addWidget(labelType, 0, 0);
    grid->addWidget(comboboxPNtype, 0, 1, Qt::AlignLeft);
    grid->addWidget(labelCase, 1, 0);
    grid->addLayout(details, 1, 1);
    // Only the user's choices start the cascade; the program's do not.
    connect(comboboxPNtype, &QComboBox::activated, this, &TInputPage::comboboxPNtypeChange);
    connect(comboboxPNCaseSize, &QComboBox::activated, this, &TInputPage::comboboxPNCaseSizeChange);
    connect(comboboxPNcapacitance, &QComboBox::activated, this,
            &TInputPage::comboboxPNcapacitanceChange);
    return page;
}

QLayout* TInputPage::CreateDocumentButtons() {
    QWidget* page = this;
    auto* column = new QVBoxLayout();
    column->setSpacing(3);
    speedbuttonOtevritVoltageDerating = CreateDocumentButton(
        page, "speedbuttonOtevritVoltageDerating", QStringLiteral("Voltage derating"),
        QStringLiteral("Open pdf document about Voltage Derating Rules"));
    speedbuttonOtevritRippleCurrent = CreateDocumentButton(
        page, "speedbuttonOtevritRippleCurrent", QStringLiteral("Ripple current"),
        QStringLiteral("Open pdf document about Ripple Current Capability"));
    speedbuttonOtevritFailureRate = CreateDocumentButton(
        page, "speedbuttonOtevritFailureRate", QStringLiteral("Failure rate"),
        QStringLiteral("Open pdf document about Reliability and Failure Rate Calculation"));
    column->addWidget(speedbuttonOtevritVoltageDerating);
    column->addWidget(speedbuttonOtevritRippleCurrent);
    column->addWidget(speedbuttonOtevritFailureRate);
    column->addStretch(1);
    const auto open = [this](QToolButton* button, TReferenceDocument document) {
        connect(button, &QToolButton::clicked, this,
                [this, document] { ShowReferenceDocument(this, document); });
    };
    open(speedbuttonOtevritVoltageDerating, TReferenceDocument::VoltageDerating);
    open(speedbuttonOtevritRippleCurrent, TReferenceDocument::RippleCurrent);
    open(speedbuttonOtevritFailureRate, TReferenceDocument::FailureRate);
    return column;
}

// Fields first, then the criterion, the documents and the wizard's buttons.
void TInputPage::SetTabOrder() {
    const QList<QWidget*> order = {
        editRs,
        editRl,
        editImax,
        editVa,
        radiobuttonByCapacitance,
        radiobuttonByPartNumber,
        comboboxOperator,
        comboboxCapacitance1,
        comboboxCapacitance2,
        comboboxCaseSize,
        comboboxPNtype,
        comboboxPNCaseSize,
        comboboxPNcapacitance,
        comboboxPNvoltage,
        speedbuttonOtevritVoltageDerating,
        speedbuttonOtevritRippleCurrent,
        speedbuttonOtevritFailureRate,
    };
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    editRs->setFocus();
}

// The export of the built-in catalogue into a catalogue file.
void TInputPage::buttonExportDatClick() {
}

void TInputPage::SetCatalogue(std::span<const TPartNoRecord> catalogue) {
    Catalogue = catalogue;
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
    FillCaseSizeList(Catalogue, tvAll, caseSizes);
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
    FillCapacitanceList(Catalogue, tvAll, kAll, capacitances, decimal);
    SetListItems(*comboboxPNcapacitance, capacitances);
    SelectText(*comboboxPNcapacitance, kAllText);
    TValueList voltages;
    FillVoltageList(Catalogue, tvAll, kAll, kAll, voltages, decimal);
    SetListItems(*comboboxPNvoltage, voltages);
    SelectText(*comboboxPNvoltage, kAllText);
}

void TInputPage::radiobuttonByCapacitanceClick() {
    notebookParametry->setCurrentIndex(0);
}

void TInputPage::radiobuttonByPartNumberClick() {
    notebookParametry->setCurrentIndex(1);
}

void TInputPage::comboboxOperatorChange() {
    if (comboboxOperator->currentText() == kOperatorBetween) {
        SetListInUse(*comboboxCapacitance2, true);
    } else {
        comboboxCapacitance2->setCurrentIndex(-1);
        SetListInUse(*comboboxCapacitance2, false);
    }
}

TTypVyrobku TInputPage::SelectedSeries() const {
    return SeriesOf(ToStdString(ListText(*comboboxPNtype)));
}

// Each step refills the list below it; a list that comes out empty stops
// the cascade, leaving the lists further down as they were.
void TInputPage::comboboxPNtypeChange() {
    const bool selected = RefillList(*comboboxPNCaseSize, [this](TValueList& list) {
        FillCaseSizeList(Catalogue, SelectedSeries(), list);
    });
    if (selected) {
        comboboxPNCaseSizeChange();
    }
}

void TInputPage::comboboxPNCaseSizeChange() {
    const bool selected = RefillList(*comboboxPNcapacitance, [this](TValueList& list) {
        FillCapacitanceList(Catalogue, SelectedSeries(), ToStdString(ListText(*comboboxPNCaseSize)),
                            list, LocaleDecimalSeparator());
    });
    if (selected) {
        comboboxPNcapacitanceChange();
    }
}

void TInputPage::comboboxPNcapacitanceChange() {
    RefillList(*comboboxPNvoltage, [this](TValueList& list) {
        FillVoltageList(Catalogue, SelectedSeries(), ToStdString(ListText(*comboboxPNCaseSize)),
                        ToStdString(ListText(*comboboxPNcapacitance)), list,
                        LocaleDecimalSeparator());
    });
}

bool TInputPage::InputComplete() const {
    return CircuitFilledIn() && CriterionComplete() && Circuit().has_value();
}

bool TInputPage::CircuitFilledIn() const {
    return !editRs->text().isEmpty() && !editRl->text().isEmpty() && !editImax->text().isEmpty() &&
           !editVa->text().isEmpty();
}

bool TInputPage::CriterionComplete() const {
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

std::optional<TVstupniUdaje> TInputPage::Input() const {
    const std::optional<TCircuit> circuit = Circuit();
    if (!circuit) {
        return std::nullopt;
    }
    TVstupniUdaje input;
    SetCircuit(input, *circuit);
    input.ByPartNumber = radiobuttonByPartNumber->isChecked();
    input.DecimalSeparator = LocaleDecimalSeparator();
    if (input.ByPartNumber) {
        input.Parametry2.Series = SelectedSeries();
        input.Parametry2.CaseSize = ToStdString(ListText(*comboboxPNCaseSize));
        input.Parametry2.Capacitance = ToStdString(ListText(*comboboxPNcapacitance));
        input.Parametry2.Voltage = ToStdString(ListText(*comboboxPNvoltage));
        return input;
    }
    const auto first = ParseNumber(ListText(*comboboxCapacitance1));
    const auto second = comboboxCapacitance2->currentIndex() < 0
                            ? std::optional<Real>(0)
                            : ParseNumber(comboboxCapacitance2->currentText());
    if (!first || !second) {
        return std::nullopt;
    }
    input.Parametry1.Operator = OperatorFromText(ToStdString(comboboxOperator->currentText()));
    input.Parametry1.Capacitance[1] = *first;
    input.Parametry1.Capacitance[2] = *second;
    input.Parametry1.CaseSize = ToStdString(ListText(*comboboxCaseSize));
    return input;
}

std::optional<TCircuit> TInputPage::Circuit(QStringList* missing) const {
    TCircuit circuit;
    const std::tuple<const QLineEdit*, QString, Real*> fields[] = {
        {editRs, QStringLiteral("Rs"), &circuit.Rs},
        {editRl, QStringLiteral("Rl"), &circuit.Rl},
        {editImax, QStringLiteral("Imax"), &circuit.Imax},
        {editVa, QStringLiteral("Va"), &circuit.Va},
    };
    bool complete = true;
    for (const auto& [field, caption, value] : fields) {
        if (const std::optional<Real> number = ValueOf(field)) {
            *value = *number;
        } else {
            complete = false;
            if (missing != nullptr) {
                missing->append(caption);
            }
        }
    }
    return complete ? std::optional<TCircuit>(circuit) : std::nullopt;
}

void TInputPage::ShowPart(const TCircuit& circuit, TTypVyrobku series, const TPartNoInfo& part) {
    editRs->setText(FormatNumber(circuit.Rs));
    editRl->setText(FormatNumber(circuit.Rl));
    editImax->setText(FormatNumber(circuit.Imax));
    editVa->setText(FormatNumber(circuit.Va));
    radiobuttonByPartNumber->setChecked(true);
    radiobuttonByPartNumberClick();
    SelectText(*comboboxPNtype, ToQString(SeriesNames[static_cast<std::size_t>(series)]));
    comboboxPNtypeChange();
    SelectText(*comboboxPNCaseSize, ToQString(part.CaseSize));
    comboboxPNCaseSizeChange();
    SelectText(*comboboxPNcapacitance, FormatNumber(part.Capacitance));
    comboboxPNcapacitanceChange();
    SelectText(*comboboxPNvoltage, FormatNumber(part.RatedVoltage));
}

} // namespace dorvanta
