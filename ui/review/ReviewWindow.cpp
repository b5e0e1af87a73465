#include "ui/review/ReviewWindow.h"

#include "core/display/NumberText.h"
#include "core/export/PartsListOutput.h"
#include "ui/desktop/LocaleTexts.h"
#include "ui/dialogs/ReportPrinting.h"
#include "ui/dialogs/SaveAsCsv.h"
#include "ui/widgets/TemperatureChoice.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace dorvanta {

namespace {

// What a row stands for, kept in its line column.
constexpr int kLineIndexRole = Qt::UserRole + 1; // the line in the review
constexpr int kPartKindRole = Qt::UserRole + 2;  // TPartKind
constexpr int kPartIndexRole = Qt::UserRole + 3; // among the matches or the replacements
constexpr int kSortRole = Qt::UserRole + 4;      // a number column's value

enum TPartKind : int { kNoPart, kMatch, kReplacement };

// Number columns sort by value, a missing value first; the others by their
// text as the locale orders it.
class TReviewItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
        const QVariant mine = data(column, kSortRole);
        const QVariant theirs = other.data(column, kSortRole);
        if (mine.isValid() && theirs.isValid()) {
            return mine.toDouble() < theirs.toDouble();
        }
        return text(column).localeAwareCompare(other.text(column)) < 0;
    }
};

struct TFigureColumn {
    int Column;
    std::optional<Real> TPartFigures::*Figure;
    TNumberPattern Pattern;
};

constexpr std::array<TFigureColumn, 8> kFigureColumns = {{
    {TReviewWindow::kColumnDerating, &TPartFigures::Derating, TNumberPattern::OneDecimal},
    {TReviewWindow::kColumnAppSurge, &TPartFigures::AppSurge, TNumberPattern::TwoDecimals},
    {TReviewWindow::kColumnTestSurge, &TPartFigures::TestSurge, TNumberPattern::TwoDecimals},
    {TReviewWindow::kColumnSurgeMargin, &TPartFigures::SurgeMargin, TNumberPattern::OneDecimal},
    {TReviewWindow::kColumnIrms, &TPartFigures::Irms, TNumberPattern::OneDecimal},
    {TReviewWindow::kColumnDCL, &TPartFigures::DCL, TNumberPattern::ThreeDecimals},
    {TReviewWindow::kColumnFIT, &TPartFigures::FIT, TNumberPattern::TwoDecimals},
    {TReviewWindow::kColumnMTBF, &TPartFigures::MTBF, TNumberPattern::Integer},
}};

// How the figures of a fill are shown: the temperature and the locale's
// decimal separator, taken once per fill.
struct TShownFigures {
    int TemperatureIndex;
    std::string Separator;
};

void SetNumber(QTreeWidgetItem& item, int column, const std::optional<Real>& value,
               TNumberPattern pattern, const std::string& separator) {
    item.setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    item.setData(column, kSortRole,
                 value ? static_cast<double>(*value) : -std::numeric_limits<double>::infinity());
    if (value) {
        item.setText(column, ToQString(FormatPattern(*value, pattern, separator)));
    }
}

void SetVerdict(QTreeWidgetItem& item, TVerdict verdict, const std::string& message) {
    item.setText(TReviewWindow::kColumnVerdict, ToQString(message));
    item.setToolTip(TReviewWindow::kColumnVerdict, ToQString(message));
    item.setForeground(TReviewWindow::kColumnVerdict, VerdictColour(verdict));
    QFont bold = item.font(TReviewWindow::kColumnVerdict);
    bold.setBold(true);
    item.setFont(TReviewWindow::kColumnVerdict, bold);
}

// The figures of `part` and what the row stands for.
void SetPart(QTreeWidgetItem& item, const TCheckedPart& part, const TShownFigures& shown,
             TPartKind kind, std::size_t index) {
    const TPartFigures figures = FiguresAt(part, shown.TemperatureIndex);
    for (const TFigureColumn& column : kFigureColumns) {
        SetNumber(item, column.Column, figures.*column.Figure, column.Pattern, shown.Separator);
    }
    item.setData(TReviewWindow::kColumnLine, kPartKindRole, kind);
    item.setData(TReviewWindow::kColumnLine, kPartIndexRole, static_cast<qulonglong>(index));
}

// The match that a line's row shows: the first whose verdict is the line's.
std::optional<std::size_t> ShownMatch(const TCheckedLine& line) {
    for (std::size_t i = 0; i < line.Matches.size(); ++i) {
        if (line.Matches[i].Verdict == line.Verdict) {
            return i;
        }
    }
    return line.Matches.empty() ? std::nullopt : std::optional<std::size_t>(0);
}

// A row under a line: another matched entry or a replacement.
void AddPartRow(QTreeWidgetItem& parent, const QString& role, const TCheckedPart& part,
                const TShownFigures& shown, TPartKind kind, std::size_t index) {
    auto* item = new TReviewItem(&parent);
    item->setText(TReviewWindow::kColumnPartNumber, role);
    item->setText(TReviewWindow::kColumnMatchedPart, ToQString(part.PartNumber));
    item->setData(TReviewWindow::kColumnLine, kLineIndexRole,
                  parent.data(TReviewWindow::kColumnLine, kLineIndexRole));
    SetVerdict(*item, part.Verdict, part.Message);
    SetPart(*item, part, shown, kind, index);
}

} // namespace

TReviewWindow::TReviewWindow(TPartsListReview review, TReviewReportTexts texts, TRecheck recheck,
                             QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      review_(std::move(review)), texts_(std::move(texts)), recheck_(std::move(recheck)) {
    setObjectName(QStringLiteral("formReview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Parts-List Review - ") + texts_.ListName);
    setAccessibleName(windowTitle());
    resize(960, 440);

    auto* layout = new QVBoxLayout(this);
    labelSummary = new QLabel(this);
    labelSummary->setObjectName(QStringLiteral("labelSummary"));
    labelSummary->setWordWrap(true);
    ShowSummary();
    CreateTemperatureChoice();
    auto* top = new QHBoxLayout();
    top->addWidget(labelSummary, 1);
    top->addWidget(groupboxTemperature);
    layout->addLayout(top);
    CreateTree();
    layout->addWidget(treeviewReview, 1);
    CreateButtons();
    FillTree();
}

void TReviewWindow::ShowSummary() {
    labelSummary->setText(ToQString(ReviewSummaryText(review_.Summary)) +
                          QStringLiteral(" (values at ") +
                          ToQString(TemperatureText(review_.Options.TemperatureIndex, tvAll)) +
                          QStringLiteral(", default application ") +
                          ToQString(CircuitText(review_.Options.Defaults)) + QStringLiteral(")"));
    labelSummary->setAccessibleName(labelSummary->text());
}

// The five temperatures of the results page; the top button names the top
// temperatures of the series the review shows.
void TReviewWindow::CreateTemperatureChoice() {
    groupboxTemperature = new TTemperatureChoice(this);
    std::vector<TTypVyrobku> series;
    for (const TCheckedLine& line : review_.Lines) {
        for (const auto* parts : {&line.Matches, &line.Replacements}) {
            for (const TCheckedPart& part : *parts) {
                series.push_back(part.Series);
            }
        }
    }
    groupboxTemperature->SetTopText(TopTemperatureTexts(series));
    {
        const QSignalBlocker blocker(groupboxTemperature);
        groupboxTemperature->SetTemperatureIndex(review_.Options.TemperatureIndex);
    }
    groupboxTemperature->setEnabled(static_cast<bool>(recheck_));
    connect(groupboxTemperature, &TTemperatureChoice::Chosen, this,
            &TReviewWindow::groupboxTemperatureChosen);
}

// The verdicts can change with the temperature (the KMD and KYD derating
// note), so the list is reviewed again; the rows keep their sort order.
void TReviewWindow::groupboxTemperatureChosen(int temperatureIndex) {
    if (!recheck_ || temperatureIndex == review_.Options.TemperatureIndex) {
        return;
    }
    review_ = recheck_(temperatureIndex);
    ShowSummary();
    const int sortColumn = treeviewReview->header()->sortIndicatorSection();
    const Qt::SortOrder sortOrder = treeviewReview->header()->sortIndicatorOrder();
    treeviewReview->clear();
    FillTree();
    treeviewReview->sortByColumn(sortColumn, sortOrder);
}

void TReviewWindow::CreateTree() {
    treeviewReview = new QTreeWidget(this);
    treeviewReview->setObjectName(QStringLiteral("treeviewReview"));
    treeviewReview->setAccessibleName(QStringLiteral("Parts-list review"));
    treeviewReview->setColumnCount(kColumnCount);
    treeviewReview->setHeaderLabels({
        QStringLiteral("Line"),
        QStringLiteral("Designators"),
        QStringLiteral("Part Number"),
        QStringLiteral("Matched Part"),
        QStringLiteral("Verdict"),
        QStringLiteral("Derating [%]"),
        QStringLiteral("App. Surge [A]"),
        QStringLiteral("Test Surge [A]"),
        QStringLiteral("Surge Margin [%]"),
        QStringLiteral("Irms [mA]"),
        QStringLiteral("DCL [\u00B5A]"),
        QStringLiteral("FIT"),
        QStringLiteral("MTBF [years]"),
    });
    treeviewReview->setSortingEnabled(true);
    treeviewReview->setAlternatingRowColors(true);
    treeviewReview->setUniformRowHeights(true);
    treeviewReview->setSelectionMode(QAbstractItemView::SingleSelection);
    treeviewReview->setExpandsOnDoubleClick(false);
    treeviewReview->header()->setSortIndicatorShown(true);
    connect(treeviewReview, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { treeviewReviewDoubleClick(item); });
}

void TReviewWindow::CreateButtons() {
    auto* row = new QHBoxLayout();
    row->addStretch(1);
    const auto button = [this, row](const char* name, const QString& caption,
                                    const QString& accessible) {
        auto* created = new QPushButton(caption, this);
        created->setObjectName(QString::fromLatin1(name));
        created->setAccessibleName(accessible);
        created->setAutoDefault(false);
        row->addWidget(created);
        return created;
    };
    buttonSaveCsv = button("buttonSaveCsv", QStringLiteral("&Save as CSV..."),
                           QStringLiteral("Save as CSV..."));
    buttonPrint = button("buttonPrint", QStringLiteral("&Print..."), QStringLiteral("Print..."));
    buttonClose = button("buttonClose", QStringLiteral("Close"), QStringLiteral("Close"));
    qobject_cast<QBoxLayout*>(layout())->addLayout(row);
    connect(buttonSaveCsv, &QPushButton::clicked, this, &TReviewWindow::buttonSaveCsvClick);
    connect(buttonPrint, &QPushButton::clicked, this, &TReviewWindow::buttonPrintClick);
    connect(buttonClose, &QPushButton::clicked, this, &QDialog::close);
}

void TReviewWindow::FillTree() {
    const TShownFigures shown{review_.Options.TemperatureIndex, LocaleDecimalSeparator()};
    treeviewReview->setSortingEnabled(false);
    for (std::size_t i = 0; i < review_.Lines.size(); ++i) {
        const TCheckedLine& line = review_.Lines[i];
        auto* item = new TReviewItem(treeviewReview);
        item->setText(kColumnLine, QString::number(line.Line));
        item->setData(kColumnLine, kSortRole, static_cast<double>(line.Line));
        item->setTextAlignment(kColumnLine, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(kColumnLine, kLineIndexRole, static_cast<qulonglong>(i));
        item->setText(kColumnDesignators, ToQString(Joined(line.Designators, ", ")));
        item->setToolTip(kColumnDesignators, item->text(kColumnDesignators));
        item->setText(kColumnPartNumber, ToQString(line.PartNumber));
        std::vector<std::string> matched;
        for (const TCheckedPart& match : line.Matches) {
            matched.push_back(match.PartNumber);
        }
        item->setText(kColumnMatchedPart, ToQString(Joined(matched, ", ")));
        SetVerdict(*item, line.Verdict, line.Message);
        const std::optional<std::size_t> match = ShownMatch(line);
        if (match) {
            SetPart(*item, line.Matches[*match], shown, kMatch, *match);
        } else {
            item->setData(kColumnLine, kPartKindRole, kNoPart);
        }
        for (std::size_t m = 0; m < line.Matches.size(); ++m) {
            if (line.Matches.size() > 1) {
                AddPartRow(*item, QStringLiteral("match"), line.Matches[m], shown, kMatch, m);
            }
        }
        for (std::size_t r = 0; r < line.Replacements.size(); ++r) {
            AddPartRow(*item, QStringLiteral("replacement"), line.Replacements[r], shown,
                       kReplacement, r);
        }
    }
    treeviewReview->setSortingEnabled(true);
    treeviewReview->sortByColumn(kColumnLine, Qt::AscendingOrder);
    for (int column = 0; column < kColumnCount; ++column) {
        treeviewReview->resizeColumnToContents(column);
    }
    treeviewReview->setColumnWidth(kColumnVerdict,
                                   std::min(treeviewReview->columnWidth(kColumnVerdict), 260));
}

const TCheckedPart* TReviewWindow::RowPart(const QTreeWidgetItem& item) const {
    const auto line = item.data(kColumnLine, kLineIndexRole).toULongLong();
    const int kind = item.data(kColumnLine, kPartKindRole).toInt();
    const auto index = item.data(kColumnLine, kPartIndexRole).toULongLong();
    if (line >= review_.Lines.size()) {
        return nullptr;
    }
    const TCheckedLine& checked = review_.Lines[line];
    const std::vector<TCheckedPart>* parts = kind == kMatch         ? &checked.Matches
                                             : kind == kReplacement ? &checked.Replacements
                                                                    : nullptr;
    return parts != nullptr && index < parts->size() ? &(*parts)[index] : nullptr;
}

void TReviewWindow::treeviewReviewDoubleClick(QTreeWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    const TCheckedPart* part = RowPart(*item);
    if (part == nullptr || !part->Info) {
        return; // a line without a catalogue part, or one that cannot be evaluated
    }
    const auto line = item->data(kColumnLine, kLineIndexRole).toULongLong();
    emit PartChosen(review_.Lines[line].Application, *part);
}

void TReviewWindow::buttonSaveCsvClick() {
    SaveAsCsv(this, QStringLiteral("Save Review as CSV"), "dialogSaveReview",
              QStringLiteral("review.csv"), QStringLiteral("review"),
              [this](std::ostream& out) { WriteReviewCsv(out, review_); });
}

void TReviewWindow::buttonPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    SayIfNotPrinted(this, PrintReviewReport(this, review_, texts_, printer),
                    QStringLiteral("review"));
}

} // namespace dorvanta
