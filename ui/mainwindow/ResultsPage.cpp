#include "ui/mainwindow/ResultsPage.h"

#include "core/catalogue/untKonstanty.h"
#include "core/display/FieldDisplay.h"
#include "core/engine/DeratingRule.h"
#include "core/export/ResultsCsv.h"
#include "core/record/Text1252.h"
#include "ui/compare/CompareWindow.h"
#include "ui/desktop/LocaleTexts.h"
#include "ui/dialogs/SaveAsCsv.h"
#include "ui/mainwindow/DetailsPanel.h"
#include "ui/mainwindow/ResultsTreeModel.h"
#include "ui/widgets/TemperatureChoice.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

namespace dorvanta {
namespace {

constexpr int kLeftColumnWidth = 200;
// Text widths are rounded per character; a few pixels keep the widest part
// number clear of its elision.
constexpr int kRoundingSlack = 4;

// The widest part number of `catalogue` as `metrics` lays it out. Laying out
// every part number of the catalogue cost more than the rest of the start,
// so each part number's width is first estimated from its characters'
// advances and the kerning of each pair of neighbours, both measured once,
// and only those estimated within a pixel of the widest are laid out.
int WidestPartNumber(const QFontMetrics& metrics, const QFontMetricsF& exact,
                     std::span<const TPartNoRecord> catalogue) {
    const auto text = [](std::string_view bytes) {
        return ToQString(Windows1252ToUtf8(bytes));
    };
    constexpr qreal kUnknown = -1e9;
    std::vector<qreal> advances(256, kUnknown);
    std::vector<qreal> kerning(256 * 256, kUnknown);
    const auto advance = [&](unsigned char byte) {
        qreal& known = advances[byte];
        if (known == kUnknown) {
            const char c = static_cast<char>(byte);
            known = exact.horizontalAdvance(text(std::string_view(&c, 1)));
        }
        return known;
    };
    const auto kern = [&](unsigned char first, unsigned char second) {
        qreal& known = kerning[first * 256U + second];
        if (known == kUnknown) {
            const std::array<char, 2> pair{static_cast<char>(first), static_cast<char>(second)};
            known = exact.horizontalAdvance(text(std::string_view(pair.data(), pair.size()))) -
                    advance(first) - advance(second);
        }
        return known;
    };
    std::vector<qreal> estimates;
    estimates.reserve(catalogue.size());
    qreal widestEstimate = 0;
    for (const TPartNoRecord& entry : catalogue) {
        qreal width = 0;
        const std::string_view partNumber = entry.PartNumber.view();
        for (std::size_t i = 0; i < partNumber.size(); ++i) {
            const auto byte = static_cast<unsigned char>(partNumber[i]);
            width += advance(byte);
            if (i > 0) {
                width += kern(static_cast<unsigned char>(partNumber[i - 1]), byte);
            }
        }
        estimates.push_back(width);
        widestEstimate = std::max(widestEstimate, width);
    }
    int widest = 0;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        if (estimates[i] + 1 >= widestEstimate) {
            widest =
                std::max(widest, metrics.horizontalAdvance(text(catalogue[i].PartNumber.view())));
        }
    }
    return widest;
}

QLabel* CreateNote(QWidget* parent, const char* name, const QString& text, const QColor& colour) {
    auto* note = new QLabel(text, parent);
    note->setObjectName(QString::fromLatin1(name));
    note->setWordWrap(true);
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, colour);
    note->setPalette(palette);
    // A hidden note keeps its line, so that nothing moves when it shows.
    QSizePolicy policy = note->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    note->setSizePolicy(policy);
    note->hide();
    return note;
}

} // namespace

QString TopTemperatureText(TTypVyrobku series) {
    return ToQString(TopTemperatureCaption(series));
}

QLabel* CreateDeratingNote(QWidget* parent) {
    return CreateNote(
        parent, "labelPoznamkaDerating",
        QStringLiteral("KMD and KYD series are defined by 0.5 Vr @ 85°C and 0.2 Vr @ 125°C."),
        QColor(255, 0, 0));
}

void SaveResultsAsCsv(QWidget* owner, const TResultList& list, const QString& title,
                      const QString& fileName) {
    SaveAsCsv(owner, title, "dialogSaveResults", fileName, QStringLiteral("results"),
              [&list](std::ostream& out) { out << ResultsCsv(list); });
}

TResultsPage::TResultsPage(QWidget* parent) : QWidget(parent) {
    CreateTree();
    CreateTemperatureChoice();
    panelDetails = new TDetailsPanel(this);
    CreateNotes();
    CreateContextMenu();

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(treeviewSeznamTypu, 1);
    left->addWidget(groupboxTemperature);
    grid->addLayout(left, 0, 0);
    grid->addWidget(panelDetails, 0, 1);
    grid->setColumnMinimumWidth(0, kLeftColumnWidth);
    grid->setColumnStretch(1, 1);
    // Both notes share the line under the temperature choice; stacked, so
    // that each can be read when both are shown.
    auto* notes = new QVBoxLayout;
    notes->setSpacing(0);
    notes->addWidget(labelPoznamkaDerating);
    notes->addWidget(labelPoznamkaCurrent);
    grid->addLayout(notes, 1, 0, 1, 2);
    grid->setRowStretch(0, 1);
}

void TResultsPage::CreateTree() {
    Model = new TResultsTreeModel(this);
    treeviewSeznamTypu = new QTreeView(this);
    treeviewSeznamTypu->setObjectName(QStringLiteral("treeviewSeznamTypu"));
    treeviewSeznamTypu->setAccessibleName(QStringLiteral("Recommended Part Numbers"));
    treeviewSeznamTypu->setFixedWidth(kLeftColumnWidth);
    treeviewSeznamTypu->setHeaderHidden(true);
    treeviewSeznamTypu->setUniformRowHeights(true);
    treeviewSeznamTypu->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Several parts are chosen for a comparison; the current one shows its
    // details.
    treeviewSeznamTypu->setSelectionMode(QAbstractItemView::ExtendedSelection);
    treeviewSeznamTypu->setIconSize(QSize(kImageSize, kImageSize));
    treeviewSeznamTypu->setContextMenuPolicy(Qt::CustomContextMenu);
    // The selection stays visible when the tree loses the focus.
    QPalette palette = treeviewSeznamTypu->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    treeviewSeznamTypu->setPalette(palette);
    treeviewSeznamTypu->setModel(Model);
    treeviewSeznamTypu->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(treeviewSeznamTypu->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { treeviewSeznamTypuChange(current); });
    connect(treeviewSeznamTypu->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TResultsPage::actionComparePartsUpdate);
    connect(treeviewSeznamTypu, &QWidget::customContextMenuRequested, this,
            &TResultsPage::treeviewSeznamTypuContextPopup);
    // The keyboard's ways to the menu, at the current node.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut =
            new QShortcut(keys, treeviewSeznamTypu, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            const QRect node = treeviewSeznamTypu->visualRect(treeviewSeznamTypu->currentIndex());
            treeviewSeznamTypuContextPopup(node.isValid() ? node.center() : QPoint(0, 0));
        });
    }
}

void TResultsPage::CreateTemperatureChoice() {
    groupboxTemperature = new TTemperatureChoice(this);
    groupboxTemperature->setFixedWidth(kLeftColumnWidth);
    connect(groupboxTemperature, &TTemperatureChoice::Chosen, this,
            &TResultsPage::radiobutton25stupnuClick);
}

void TResultsPage::CreateNotes() {
    labelPoznamkaDerating = CreateDeratingNote(this);
    labelPoznamkaCurrent = CreateNote(this, "labelPoznamkaCurrent",
                                      QStringLiteral("Application current exceeds the test "
                                                     "current. Experimental verification "
                                                     "recommended."),
                                      QColor(128, 128, 128));
}

void TResultsPage::CreateContextMenu() {
    popupSeznamTypu = new QMenu(this);
    popupSeznamTypu->setObjectName(QStringLiteral("popupSeznamTypu"));
    actionCopyPartNumber = popupSeznamTypu->addAction(QStringLiteral("Copy Part Number"));
    actionCopyPartNumber->setObjectName(QStringLiteral("actionCopyPartNumber"));
    actionSaveResults = popupSeznamTypu->addAction(QStringLiteral("Save Results as CSV..."));
    actionSaveResults->setObjectName(QStringLiteral("actionSaveResults"));
    connect(actionCopyPartNumber, &QAction::triggered, this,
            &TResultsPage::actionCopyPartNumberExecute);
    connect(actionSaveResults, &QAction::triggered, this, &TResultsPage::actionSaveResultsExecute);
    actionCompareParts = popupSeznamTypu->addAction(QStringLiteral("Compare Selected Parts..."));
    actionCompareParts->setObjectName(QStringLiteral("actionCompareParts"));
    actionCompareParts->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    // The shortcut works in the tree as well as in its menu.
    actionCompareParts->setShortcutContext(Qt::WidgetShortcut);
    treeviewSeznamTypu->addAction(actionCompareParts);
    actionCompareParts->setEnabled(false);
    connect(actionCompareParts, &QAction::triggered, this,
            &TResultsPage::actionComparePartsExecute);
}

void TResultsPage::SetCatalogue(std::span<const TPartNoRecord> catalogue) {
    const int widest =
        WidestPartNumber(treeviewSeznamTypu->fontMetrics(),
                         QFontMetricsF(treeviewSeznamTypu->font(), treeviewSeznamTypu), catalogue);
    // A part node stands one step in, behind the branch and its image; the
    // item keeps a small margin on either side of its text.
    const int margin = 2 * (treeviewSeznamTypu->style()->pixelMetric(QStyle::PM_FocusFrameHMargin,
                                                                     nullptr, treeviewSeznamTypu) +
                            1);
    const int partWidth = 2 * treeviewSeznamTypu->indentation() +
                          treeviewSeznamTypu->iconSize().width() + 2 * margin + widest +
                          kRoundingSlack;
    // The column fills the tree and never gets narrower than that: a wider
    // part number makes the tree scroll sideways.
    treeviewSeznamTypu->header()->setMinimumSectionSize(partWidth);
    treeviewSeznamTypu->header()->resizeSection(0, partWidth);
}

void TResultsPage::BuildTree(const TResultList& list) {
    Model->Build(list);
    actionComparePartsUpdate();
}

void TResultsPage::ClearTree() {
    Model->Clear();
    actionComparePartsUpdate();
}

void TResultsPage::SelectFirstPart() {
    const QModelIndex firstGroup = Model->index(0, 0);
    treeviewSeznamTypu->expand(firstGroup);
    treeviewSeznamTypu->setCurrentIndex(Model->index(0, 0, firstGroup));
    treeviewSeznamTypu->scrollToTop();
    treeviewSeznamTypu->setFocus();
}

bool TResultsPage::SelectPart(const QString& partNumber) {
    for (int group = 0; group < Model->rowCount(); ++group) {
        const QModelIndex groupNode = Model->index(group, 0);
        for (int row = 0; row < Model->rowCount(groupNode); ++row) {
            const QModelIndex node = Model->index(row, 0, groupNode);
            if (Model->data(node, Qt::DisplayRole).toString() == partNumber) {
                treeviewSeznamTypu->expand(groupNode);
                treeviewSeznamTypu->setCurrentIndex(node);
                treeviewSeznamTypu->scrollTo(node);
                return true;
            }
        }
    }
    return false;
}

void TResultsPage::ShowCurrentNote(bool show) {
    labelPoznamkaCurrent->setHidden(!show);
}

bool TResultsPage::CurrentNoteShown() const {
    return !labelPoznamkaCurrent->isHidden();
}

QModelIndex TResultsPage::CurrentNode() const {
    return treeviewSeznamTypu->currentIndex();
}

const TResultLine* TResultsPage::CurrentLine() const {
    return Model->Line(CurrentNode());
}

std::vector<const TResultLine*> TResultsPage::SelectedLines() const {
    std::vector<const TResultLine*> lines;
    for (const QModelIndex& node : treeviewSeznamTypu->selectionModel()->selectedIndexes()) {
        if (const TResultLine* line = Model->Line(node)) {
            lines.push_back(line);
        }
    }
    // The lines stand in one array in tree order.
    std::sort(lines.begin(), lines.end(), std::less<>());
    return lines;
}

void TResultsPage::treeviewSeznamTypuChange(const QModelIndex& node) {
    // The node leads to its own line: part numbers may repeat in a catalogue.
    const TResultLine* line = Model->Line(node);
    ClearPartValues();
    if (line == nullptr) {
        return;
    }
    const TTypVyrobku series = SeriesOf(line->PartNumber());
    const TPartNoInfo part = CandidateInfo(*line);
    panelDetails->ShowPartValues(part, series);
    const QString top = TopTemperatureText(series);
    groupboxTemperature->SetTopText(top);
    if (TemperatureIndex == kTemperatureTop) {
        SetTemperatureCaptions(top);
    }
    ShowTemperatureValues(part, series);
}

void TResultsPage::radiobutton25stupnuClick(int temperatureIndex) {
    QString text = groupboxTemperature->CheckedText();
    const QModelIndex node = CurrentNode();
    if (temperatureIndex == kTemperatureTop && node.isValid()) {
        // A group node stands for no series: its top temperature is 125.
        const TResultLine* line = Model->Line(node);
        text = TopTemperatureText(line != nullptr ? SeriesOf(line->PartNumber()) : tvAll);
    }
    // The captions find the text to replace from the previous index.
    SetTemperatureCaptions(text);
    TemperatureIndex = static_cast<std::uint8_t>(temperatureIndex);
    ClearTemperatureValues();
    if (const TResultLine* line = Model->Line(node)) {
        ShowTemperatureValues(CandidateInfo(*line), SeriesOf(line->PartNumber()));
    }
}

void TResultsPage::ClearPartValues() {
    panelDetails->ClearPartValues();
}

void TResultsPage::ClearTemperatureValues() {
    panelDetails->ClearTemperatureValues();
}

void TResultsPage::ShowTemperatureValues(const TPartNoInfo& part, TTypVyrobku series) {
    const TPocitaneInfo& values = part.Pocitane;
    if (!HasTemperatureValues(series, TemperatureIndex, values.Derating)) {
        labelPoznamkaDerating->show();
        return;
    }
    labelPoznamkaDerating->hide();
    panelDetails->ShowTemperatureValues(values, TemperatureIndex);
}

void TResultsPage::SetTemperatureCaptions(const QString& text) {
    panelDetails->SetTemperatureCaptions(text, TemperatureIndex);
}

void TResultsPage::treeviewSeznamTypuContextPopup(const QPoint& position) {
    if (Model->rowCount() == 0) {
        return;
    }
    actionCopyPartNumber->setEnabled(CurrentLine() != nullptr);
    popupSeznamTypu->popup(treeviewSeznamTypu->viewport()->mapToGlobal(position));
}

void TResultsPage::actionCopyPartNumberExecute() {
    if (const TResultLine* line = CurrentLine()) {
        QGuiApplication::clipboard()->setText(ToQString(line->PartNumber()));
    }
}

void TResultsPage::actionSaveResultsExecute() {
    if (const TResultList* list = Model->List()) {
        SaveResultsAsCsv(this, *list, QStringLiteral("Save Results as CSV"),
                         QStringLiteral("results.csv"));
    }
}

void TResultsPage::actionComparePartsUpdate() {
    // Two part nodes enable it: the count stops there.
    int parts = 0;
    for (const QModelIndex& node : treeviewSeznamTypu->selectionModel()->selectedIndexes()) {
        if (Model->Line(node) != nullptr && ++parts == 2) {
            break;
        }
    }
    actionCompareParts->setEnabled(parts == 2);
}

// The selected parts side by side, in a window of their own; a window that
// is open already shows them instead of its former parts.
void TResultsPage::actionComparePartsExecute() {
    const std::vector<const TResultLine*> lines = SelectedLines();
    if (lines.size() < 2) {
        return;
    }
    TResultList parts;
    parts.Reserve(lines.size());
    for (const TResultLine* line : lines) {
        parts.Add(*line);
    }
    if (formCompare == nullptr) {
        formCompare = new TCompareWindow(this);
    }
    formCompare->ShowParts(std::move(parts), TemperatureIndex, CurrentNoteShown());
    formCompare->show();
    formCompare->raise();
    formCompare->activateWindow();
}

} // namespace dorvanta
