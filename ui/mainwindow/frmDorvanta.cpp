#include "ui/mainwindow/frmDorvanta.h"

#include "core/catalogue/PartNumbers.h"
#include "ui/desktop/ApplicationTitle.h"
#include "ui/desktop/LocaleTexts.h"
#include "ui/dialogs/ReportPrinting.h"
#include "ui/dialogs/frmOAplikaci.h"
#include "ui/mainwindow/InputPage.h"
#include "ui/mainwindow/ResultsPage.h"
#include "ui/widgets/Pictures.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFrame>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

// Resources of a static library must be registered from outside any namespace.
static void InitResources() {
    Q_INIT_RESOURCE(dorvanta);
}

namespace dorvanta {
namespace {

constexpr int kClientWidth = 691;
constexpr int kClientHeight = 389;
constexpr int kMargin = 8;

QAction* CreateAction(QActionGroup* list, const char* name, const QString& caption) {
    auto* action = new QAction(caption, list);
    action->setObjectName(QString::fromLatin1(name));
    list->addAction(action);
    return action;
}

// A push button shows its own caption (with its accelerator) and follows the
// action's enabled state; clicking it triggers the action.
QPushButton* CreateActionButton(QWidget* parent, const char* name, const QString& caption,
                                QAction* action, int x) {
    constexpr int kButtonWidth = 75;
    constexpr int kButtonHeight = 25;
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(action->text());
    button->setGeometry(x, kClientHeight - kMargin - kButtonHeight - 4, kButtonWidth,
                        kButtonHeight);
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button,
                     [button, action] { button->setEnabled(action->isEnabled()); });
    return button;
}

} // namespace

TformDorvanta::TformDorvanta(const QString& catalogueDirectory, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    InitResources();
    setObjectName(QStringLiteral("formDorvanta"));
    setWindowTitle(ApplicationTitle());
    setFixedSize(kClientWidth, kClientHeight);
    setSizeGripEnabled(false);
    // The fixed frame is laid out for a face of Arial's widths.
    QFont face = font();
    face.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    face.setPointSizeF(9);
    setFont(face);

    CreateActions();
    CreateFrame();
    CreateButtons();
    FormCreate(catalogueDirectory);

    // The enabling rules run each time the event loop is about to wait, that
    // is after every input event has been handled, and once now.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TformDorvanta::UpdateActions);
    UpdateActions();
}

TformDorvanta::~TformDorvanta() {
    FormDestroy();
}

void TformDorvanta::CreateActions() {
    actionlistDorvanta = new QActionGroup(this);
    actionlistDorvanta->setObjectName(QStringLiteral("actionlistDorvanta"));
    actionlistDorvanta->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    actionBack = CreateAction(actionlistDorvanta, "actionBack", QStringLiteral("< Back"));
    actionNext = CreateAction(actionlistDorvanta, "actionNext", QStringLiteral("Next >"));
    actionPrint = CreateAction(actionlistDorvanta, "actionPrint", QStringLiteral("Print..."));
    actionAbout = CreateAction(actionlistDorvanta, "actionAbout", QStringLiteral("About..."));
    actionCancel = CreateAction(actionlistDorvanta, "actionCancel", QStringLiteral("Cancel"));
    connect(actionBack, &QAction::triggered, this, &TformDorvanta::actionBackExecute);
    connect(actionNext, &QAction::triggered, this, &TformDorvanta::actionNextExecute);
    connect(actionPrint, &QAction::triggered, this, &TformDorvanta::actionPrintExecute);
    connect(actionAbout, &QAction::triggered, this, &TformDorvanta::actionAboutExecute);
    connect(actionCancel, &QAction::triggered, this, &TformDorvanta::actionCancelExecute);
}

void TformDorvanta::CreateFrame() {
    constexpr int kPictureWidth = 124;
    constexpr int kPagesTop = kMargin;
    constexpr int kPagesHeight = 326;

    shapeRamecek = new QFrame(this);
    shapeRamecek->setObjectName(QStringLiteral("shapeRamecek"));
    shapeRamecek->setFrameShape(QFrame::Box);
    shapeRamecek->setFrameShadow(QFrame::Sunken);
    shapeRamecek->setGeometry(kMargin, kPagesTop, kPictureWidth, kPagesHeight);
    auto* frameLayout = new QVBoxLayout(shapeRamecek);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    imageDorvanta = new TDorvantaPicture(shapeRamecek);
    imageDorvanta->setObjectName(QStringLiteral("imageDorvanta"));
    frameLayout->addWidget(imageDorvanta);

    notebookDorvanta = new QStackedWidget(this);
    notebookDorvanta->setObjectName(QStringLiteral("notebookDorvanta"));
    const int pagesLeft = kMargin + kPictureWidth + kMargin;
    notebookDorvanta->setGeometry(pagesLeft, kPagesTop, kClientWidth - pagesLeft - kMargin,
                                  kPagesHeight);
    pageZadani = new TInputPage(notebookDorvanta);
    pageZadani->setObjectName(QStringLiteral("Zadani"));
    auto* tabulka = new QWidget(notebookDorvanta);
    tabulka->setObjectName(QStringLiteral("Tabulka"));
    notebookDorvanta->insertWidget(kPageIndexZadani, pageZadani);
    notebookDorvanta->insertWidget(kPageIndexTabulka, tabulka);
    CreateTabulkaPage(tabulka);
    notebookDorvanta->setCurrentIndex(kPageIndexZadani);
    connect(pageZadani, &TInputPage::CheckPartsListRequested, this,
            &TformDorvanta::actionCheckPartsListExecute);
    setAcceptDrops(true);

    bevelTlacitka = new QFrame(this);
    bevelTlacitka->setObjectName(QStringLiteral("bevelTlacitka"));
    bevelTlacitka->setFrameShape(QFrame::HLine);
    bevelTlacitka->setFrameShadow(QFrame::Sunken);
    bevelTlacitka->setGeometry(kMargin, kPagesTop + kPagesHeight + 6, kClientWidth - 2 * kMargin,
                               2);
}

void TformDorvanta::CreateButtons() {
    buttonBack = CreateActionButton(this, "buttonBack", QStringLiteral("< &Back"), actionBack, 289);
    buttonNext = CreateActionButton(this, "buttonNext", QStringLiteral("&Next >"), actionNext, 364);
    buttonPrint =
        CreateActionButton(this, "buttonPrint", QStringLiteral("&Print..."), actionPrint, 450);
    buttonAbout =
        CreateActionButton(this, "buttonAbout", QStringLiteral("&About..."), actionAbout, 529);
    buttonCancel =
        CreateActionButton(this, "buttonCancel", QStringLiteral("Cancel"), actionCancel, 608);
    // Enter runs Next wherever the focus is, unless another button has it.
    buttonNext->setDefault(true);
}

void TformDorvanta::CreateTabulkaPage(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    pageTabulka = new TResultsPage(page);
    pageTabulka->setObjectName(QStringLiteral("pageTabulka"));
    layout->addWidget(pageTabulka);
}

void TformDorvanta::FormCreate(const QString& catalogueDirectory) {
    ClosestMatch = false;
    StartMessage.clear();
    if (LoadCatalogue(catalogueDirectory)) {
        pageZadani->SetCatalogue(PartNumbers());
        pageTabulka->SetCatalogue(PartNumbers());
    }
}

bool TformDorvanta::LoadCatalogue(const QString& catalogueDirectory) {
    const TCatalogueLoad load = LoadPartNumbers(
        QDir(catalogueDirectory).filesystemPath() / kCatalogueFileName, CurrentLocaleTexts());
    CatalogueNote = ToQString(load.CaptionNote);
    setWindowTitle(windowTitle() + CatalogueNote);
    StartMessage = ToQString(load.StartMessage);
    switch (load.Result) {
    case TCatalogueLoad::Outcome::External:
    case TCatalogueLoad::Outcome::Internal:
        return true;
    case TCatalogueLoad::Outcome::OutOfMemory:
        ShowError(ToQString(load.ErrorText));
        return true;
    case TCatalogueLoad::Outcome::IoFailure:
        // The window opens without criteria lists, so Next stays disabled.
        ShowError(ToQString(load.ErrorText));
        return false;
    }
    return false;
}

void TformDorvanta::ShowError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::Ok, this);
    box.exec();
}

void TformDorvanta::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        // After the window has appeared, not while it is still being shown.
        QMetaObject::invokeMethod(this, &TformDorvanta::FormShow, Qt::QueuedConnection);
    }
}

void TformDorvanta::FormShow() {
    if (StartMessage.isEmpty()) {
        return;
    }
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(), StartMessage, QMessageBox::Ok, this);
    box.exec();
}

void TformDorvanta::FormDestroy() {
    ClearResults();
    ClearPartNumbers();
}

void TformDorvanta::ClearResults() {
    // The tree's nodes point into the list: they go first.
    if (pageTabulka != nullptr) {
        pageTabulka->ClearTree();
    }
    ResultList.Clear();
}

void TformDorvanta::UpdateActions() {
    actionBackUpdate();
    actionNextUpdate();
    actionPrintUpdate();
}

void TformDorvanta::actionBackUpdate() {
    actionBack->setEnabled(notebookDorvanta->currentIndex() > kPageIndexZadani);
}

void TformDorvanta::actionPrintUpdate() {
    actionPrint->setEnabled(notebookDorvanta->currentIndex() == kPageIndexTabulka);
}

void TformDorvanta::actionNextUpdate() {
    actionNext->setEnabled(notebookDorvanta->currentIndex() == kPageIndexZadani &&
                           pageZadani->InputComplete());
}

void TformDorvanta::actionBackExecute() {
    notebookDorvanta->setCurrentIndex(kPageIndexZadani);
}

// The printed report of every part in ResultList.
void TformDorvanta::actionPrintExecute() {
    QPrinter printer(QPrinter::HighResolution);
    SayIfNotPrinted(this, PrintReport(this, ResultList, pageTabulka->CurrentNoteShown(), printer),
                    QStringLiteral("report"));
}

// The about window.
void TformDorvanta::actionAboutExecute() {
    // A fresh window for every use, released when it closes.
    const auto form = std::make_unique<TformOAplikaci>(this);
    form->exec();
}

void TformDorvanta::actionCancelExecute() {
    QDialog::reject();
}

void TformDorvanta::reject() {
    actionCancel->trigger();
}

} // namespace dorvanta
