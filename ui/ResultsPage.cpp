#include "ResultsPage.h"

#include "DeratingRule.h"
#include "DetailsPanel.h"
#include "LocaleTexts.h"
#include "ResultsCsv.h"
#include "ResultsTreeModel.h"
#include "SaveAsCsv.h"
#include "Text1252.h"
#include "untKonstanty.h"

#include <QAction>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace dorvanta {
namespace {

constexpr int kLeftColumnWidth = 200;
// Text widths are rounded per character; a few pixels keep the widest part
// number clear of its elision.
constexpr int kRoundingSlack = 4;
constexpr const char* kTagProperty = "tag";
constexpr int kTopTemperatureTag = 125;

// The temperature index that a button's tag selects.
int TemperatureIndexOfTag(int tag) {
    switch (tag) {
    case -55:
        return kTemperature55;
    case 40:
        return kTemperature40;
    case 85:
        return kTemperature85;
    case kTopTemperatureTag:
        return kTemperatureTop;
    default:
        return kTemperature25;
    }
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
    return ToQString(
        TemperatureCaptions[static_cast<std::size_t>(TopTemperatureCaptionIndex(series))]);
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
    treeviewSeznamTypu->setSelectionMode(QAbstractItemView::SingleSelection);
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
    connect(treeviewSeznamTypu->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { treeviewSeznamTypuChange(SelectedNode()); });
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
    groupboxTemperature = new QGroupBox(QStringLiteral(" Temperature [°C] "), this);
    groupboxTemperature->setObjectName(QStringLiteral("groupboxTemperature"));
    groupboxTemperature->setFixedWidth(kLeftColumnWidth);
    // Five buttons in the width of the tree: a narrow gap beside each circle.
    groupboxTemperature->setStyleSheet(QStringLiteral("QRadioButton { spacing: 2px; }"));
    auto* row = new QHBoxLayout(groupboxTemperature);
    row->setContentsMargins(4, 0, 2, 2);
    row->setSpacing(0);
    const auto create = [this, row](const char* name, int tag) {
        auto* button = new QRadioButton(QString::number(tag), groupboxTemperature);
        button->setObjectName(QString::fromLatin1(name));
        button->setProperty(kTagProperty, tag);
        // A style sheet does not hand the window's face down by itself.
        button->setFont(groupboxTemperature->font());
        row->addWidget(button);
        connect(button, &QRadioButton::toggled, this, [this, button](bool checked) {
            if (checked) {
                radiobutton25stupnuClick(button);
            }
        });
        return button;
    };
    radiobutton55stupnu = create("radiobutton55stupnu", -55);
    radiobutton25stupnu = create("radiobutton25stupnu", 25);
    radiobutton40stupnu = create("radiobutton40stupnu", 40);
    radiobutton85stupnu = create("radiobutton85stupnu", 85);
    radiobutton125stupnu = create("radiobutton125stupnu", kTopTemperatureTag);
    {
        // Checked at start without running the handler: the captions
        // already name 25 °C.
        const QSignalBlocker blocker(radiobutton25stupnu);
        radiobutton25stupnu->setChecked(true);
    }
}

void TResultsPage::CreateNotes() {
    labelPoznamkaDerating = CreateNote(
        this, "labelPoznamkaDerating",
        QStringLiteral("KMD and KYD series are defined by 0.5 Vr @ 85°C and 0.2 Vr @ 125°C."),
        QColor(255, 0, 0));
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
}

void TResultsPage::SetCatalogue(std::span<const TPartNoRecord> catalogue) {
    const QFontMetrics metrics = treeviewSeznamTypu->fontMetrics();
    int widest = 0;
    for (const TPartNoRecord& entry : catalogue) {
        widest = std::max(widest, metrics.horizontalAdvance(
                                      ToQString(Windows1252ToUtf8(entry.PartNumber.view()))));
    }
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
}

void TResultsPage::ClearTree() {
    Model->Clear();
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

QModelIndex TResultsPage::SelectedNode() const {
    const QModelIndexList selected = treeviewSeznamTypu->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QModelIndex() : selected.first();
}

const TResultLine* TResultsPage::SelectedLine() const {
    return Model->Line(SelectedNode());
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
    radiobutton125stupnu->setText(top);
    if (radiobutton125stupnu->isChecked()) {
        SetTemperatureCaptions(top);
    }
    ShowTemperatureValues(part, series);
}

void TResultsPage::radiobutton25stupnuClick(QRadioButton* sender) {
    const int tag = sender->property(kTagProperty).toInt();
    QString text = sender->text();
    const QModelIndex node = SelectedNode();
    if (tag == kTopTemperatureTag && node.isValid()) {
        // A group node stands for no series: its top temperature is 125.
        const TResultLine* line = Model->Line(node);
        text = TopTemperatureText(line != nullptr ? SeriesOf(line->PartNumber()) : tvAll);
    }
    // The captions find the text to replace from the previous index.
    SetTemperatureCaptions(text);
    TemperatureIndex = static_cast<std::uint8_t>(TemperatureIndexOfTag(tag));
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
    actionCopyPartNumber->setEnabled(SelectedLine() != nullptr);
    popupSeznamTypu->popup(treeviewSeznamTypu->viewport()->mapToGlobal(position));
}

void TResultsPage::actionCopyPartNumberExecute() {
    if (const TResultLine* line = SelectedLine()) {
        QGuiApplication::clipboard()->setText(ToQString(line->PartNumber()));
    }
}

void TResultsPage::actionSaveResultsExecute() {
    const TResultList* list = Model->List();
    if (list == nullptr) {
        return;
    }
    SaveAsCsv(this, QStringLiteral("Save Results as CSV"), "dialogSaveResults",
              QStringLiteral("results.csv"), QStringLiteral("results"),
              [list](std::ostream& out) { out << ResultsCsv(*list); });
}

} // namespace dorvanta
