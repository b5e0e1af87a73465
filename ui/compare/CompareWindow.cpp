#include "ui/compare/CompareWindow.h"

#include "core/catalogue/untKonstanty.h"
#include "core/display/FieldDisplay.h"
#include "core/engine/DeratingRule.h"
#include "ui/desktop/LocaleTexts.h"
#include "ui/dialogs/ReportPrinting.h"
#include "ui/mainwindow/DetailsPanel.h"
#include "ui/mainwindow/ResultsPage.h"
#include "ui/widgets/TemperatureChoice.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <span>

namespace dorvanta {
namespace {

// The rows: every value of the details table, in its order.
constexpr int kRowCount = static_cast<int>(kFieldCount);

const QString kBestValue = QStringLiteral("Best value of the row");
constexpr qreal kLargestScreenShare = 0.9;

TField FieldOfRow(int row) {
    return static_cast<TField>(row);
}

QString UnitOf(TField field) {
    return ToQString(FieldDisplay(field).Unit);
}

// The row's caption with its unit, as the table and the copied text show it.
QString RowHeading(const QString& caption, const QString& unit) {
    return unit.isEmpty() ? caption : caption + QStringLiteral(" [") + unit + QLatin1Char(']');
}

QPushButton* CreateButton(QWidget* parent, const char* name, const QString& caption,
                          const QString& spoken) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(spoken);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TCompareWindow::TCompareWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("formCompare"));
    setWindowTitle(QStringLiteral("Compare Parts"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);

    groupboxTemperature = new TTemperatureChoice(this);
    groupboxTemperature->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    connect(groupboxTemperature, &TTemperatureChoice::Chosen, this,
            &TCompareWindow::radiobutton25stupnuClick);
    CreateTable();
    labelPoznamkaDerating = CreateDeratingNote(this);
    CreateButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(groupboxTemperature);
    layout->addWidget(tableCompare, 1);
    layout->addWidget(labelPoznamkaDerating);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(buttonCopy);
    buttons->addWidget(buttonSaveCsv);
    buttons->addWidget(buttonPrint);
    buttons->addStretch(1);
    buttons->addWidget(buttonClose);
    layout->addLayout(buttons);

    // The keyboard goes from the temperatures to the table, then along the
    // buttons.
    setTabOrder(groupboxTemperature, tableCompare);
    setTabOrder(tableCompare, buttonCopy);
    setTabOrder(buttonCopy, buttonSaveCsv);
    setTabOrder(buttonSaveCsv, buttonPrint);
    setTabOrder(buttonPrint, buttonClose);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    // Closed with the main window.
    owner->window()->installEventFilter(this);
}

void TCompareWindow::CreateTable() {
    tableCompare = new QTableWidget(kRowCount, 0, this);
    tableCompare->setObjectName(QStringLiteral("tableCompare"));
    tableCompare->setAccessibleName(QStringLiteral("Compared parts"));
    tableCompare->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableCompare->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the buttons; the arrows move in it.
    tableCompare->setTabKeyNavigation(false);
    // Rows as close as the details table's.
    tableCompare->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableCompare->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

void TCompareWindow::CreateButtons() {
    buttonCopy = CreateButton(this, "buttonCopy", QStringLiteral("&Copy"), QStringLiteral("Copy"));
    buttonSaveCsv = CreateButton(this, "buttonSaveCsv", QStringLiteral("&Save as CSV..."),
                                 QStringLiteral("Save as CSV..."));
    buttonPrint =
        CreateButton(this, "buttonPrint", QStringLiteral("&Print..."), QStringLiteral("Print..."));
    buttonClose =
        CreateButton(this, "buttonClose", QStringLiteral("Close"), QStringLiteral("Close"));
    connect(buttonCopy, &QPushButton::clicked, this, &TCompareWindow::buttonCopyClick);
    connect(buttonSaveCsv, &QPushButton::clicked, this, &TCompareWindow::buttonSaveCsvClick);
    connect(buttonPrint, &QPushButton::clicked, this, &TCompareWindow::buttonPrintClick);
    connect(buttonClose, &QPushButton::clicked, this, &QWidget::close);
}

void TCompareWindow::ShowParts(TResultList parts, int temperatureIndex, bool currentNoteShown) {
    Parts = std::move(parts);
    CurrentNoteShown = currentNoteShown;
    Compared.clear();
    Compared.reserve(Parts.size());
    QStringList partNumbers;
    for (const TResultLine& line : Parts) {
        Compared.push_back({CandidateInfo(line), SeriesOf(line.PartNumber())});
        partNumbers.append(ToQString(line.PartNumber()));
    }
    tableCompare->setColumnCount(static_cast<int>(partNumbers.size()));
    tableCompare->setHorizontalHeaderLabels(partNumbers);
    groupboxTemperature->SetTopText(TopTemperatureTexts());
    {
        // The table is filled once, below, whether or not the choice moves.
        const QSignalBlocker blocker(groupboxTemperature);
        groupboxTemperature->SetTemperatureIndex(temperatureIndex);
    }
    FillTable();
    FitToTable();
}

QString TCompareWindow::TopTemperatureTexts() const {
    std::vector<TTypVyrobku> series;
    series.reserve(Compared.size());
    for (const TComparedPart& part : Compared) {
        series.push_back(part.Series);
    }
    return dorvanta::TopTemperatureTexts(series);
}

void TCompareWindow::radiobutton25stupnuClick(int /*temperatureIndex*/) {
    FillTable();
}

void TCompareWindow::FillTable() {
    const int t = groupboxTemperature->TemperatureIndex();
    const auto at = static_cast<std::size_t>(t);
    const std::string temperature = groupboxTemperature->CheckedText().toStdString();
    const std::string separator = LocaleDecimalSeparator();
    const std::span<const TComparedPart> parts(Compared);
    for (int row = 0; row < kRowCount; ++row) {
        const TField field = FieldOfRow(row);
        const QString caption = ToQString(FieldCaption(field, temperature));
        const QString unit = UnitOf(field);
        tableCompare->setVerticalHeaderItem(row, new QTableWidgetItem(RowHeading(caption, unit)));
        const std::vector<bool> best = BestValues(field, parts, at);
        for (std::size_t column = 0; column < parts.size(); ++column) {
            const QString value = ToQString(ComparedText(field, parts[column], at, separator));
            auto* cell = new QTableWidgetItem(value);
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QString spoken = SpokenValue(caption, value, unit);
            if (best[column]) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
                cell->setToolTip(kBestValue);
                cell->setData(Qt::AccessibleDescriptionRole, kBestValue);
                spoken += QStringLiteral(", best");
            }
            cell->setData(Qt::AccessibleTextRole, spoken);
            tableCompare->setItem(row, static_cast<int>(column), cell);
        }
    }
    tableCompare->resizeColumnsToContents();
    bool missing = false;
    for (const TComparedPart& part : Compared) {
        missing = missing || !HasTemperatureValues(part.Series, t, part.Part.Pocitane.Derating);
    }
    labelPoznamkaDerating->setVisible(missing);
}

// The whole table in view where the screen has room for it; the user may
// make the window smaller still.
void TCompareWindow::FitToTable() {
    const QSize room = screen()->availableGeometry().size() * kLargestScreenShare;
    const int frame = 2 * tableCompare->frameWidth();
    const QSize table(tableCompare->verticalHeader()->sizeHint().width() +
                          tableCompare->horizontalHeader()->length() + frame,
                      tableCompare->horizontalHeader()->sizeHint().height() +
                          tableCompare->verticalHeader()->length() + frame);
    tableCompare->setMinimumSize(table.boundedTo(room));
    resize(sizeHint().boundedTo(room));
    tableCompare->setMinimumSize(0, 0);
}

QString TCompareWindow::TableText() const {
    QString text = QStringLiteral("Part Number");
    for (int column = 0; column < tableCompare->columnCount(); ++column) {
        text += QLatin1Char('\t') + tableCompare->horizontalHeaderItem(column)->text();
    }
    text += QLatin1Char('\n');
    for (int row = 0; row < tableCompare->rowCount(); ++row) {
        text += tableCompare->verticalHeaderItem(row)->text();
        for (int column = 0; column < tableCompare->columnCount(); ++column) {
            text += QLatin1Char('\t') + tableCompare->item(row, column)->text();
        }
        text += QLatin1Char('\n');
    }
    return text;
}

void TCompareWindow::buttonCopyClick() {
    QGuiApplication::clipboard()->setText(TableText());
}

void TCompareWindow::buttonSaveCsvClick() {
    SaveResultsAsCsv(this, Parts, QStringLiteral("Save Compared Parts as CSV"),
                     QStringLiteral("compared-parts.csv"));
}

void TCompareWindow::buttonPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    SayIfNotPrinted(this, PrintReport(this, Parts, CurrentNoteShown, printer),
                    QStringLiteral("compared parts"));
}

bool TCompareWindow::eventFilter(QObject* watched, QEvent* event) {
    // The main window hidden by the program (closed), not by the desktop
    // (minimised).
    if (event->type() == QEvent::Hide && !event->spontaneous() &&
        watched == parentWidget()->window()) {
        close();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace dorvanta
