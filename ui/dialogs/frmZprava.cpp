#include "ui/dialogs/frmZprava.h"

#include "ui/desktop/ApplicationTitle.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace dorvanta {
namespace {

constexpr int kClientWidth = 420;
constexpr int kMargin = 10;
constexpr int kPictureSize = 32;
constexpr int kTextLeft = kMargin + kPictureSize + kMargin;
constexpr int kPagesTop = 34;
// Each page's OK button carries the dialog's height for that page.
constexpr int kHeightNapeti = 145;
constexpr int kHeightSurge = 195;
constexpr int kHeightSurgeDisabled = 155;
constexpr const char* kTagProperty = "tag";

QLabel* CreateText(QWidget* page, const char* name, const QString& text) {
    auto* label = new QLabel(text, page);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* CreateButton(QWidget* page, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, page);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumWidth(90);
    return button;
}

// A page: its texts at the top, its buttons in a row at the bottom right.
QWidget* CreatePage(const char* name, std::initializer_list<QLabel*> texts,
                    std::initializer_list<QPushButton*> buttons, QWidget* page) {
    page->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    // Texts of one page read as one paragraph.
    layout->setSpacing(0);
    for (QLabel* text : texts) {
        layout->addWidget(text);
    }
    layout->addStretch(1);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addStretch(1);
    for (QPushButton* button : buttons) {
        row->addWidget(button);
    }
    layout->addSpacing(6);
    layout->addLayout(row);
    return page;
}

} // namespace

QPixmap QuestionMarkPicture(int size, qreal devicePixelRatio) {
    QPixmap picture(QSize(size, size) * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(1, 1, size - 3, size - 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawEllipse(disc.translated(1.5, 1.5));
    QRadialGradient fill(disc.center() - QPointF(size / 6.0, size / 6.0), size * 0.7);
    fill.setColorAt(0, QColor(110, 160, 240));
    fill.setColorAt(1, QColor(20, 70, 170));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(15, 50, 130), 1));
    painter.drawEllipse(disc);
    QFont face(QStringLiteral("Liberation Serif"));
    face.setBold(true);
    face.setPixelSize(size * 2 / 3);
    painter.setFont(face);
    painter.setPen(Qt::white);
    painter.drawText(disc, Qt::AlignCenter, QStringLiteral("?"));
    return picture;
}

TformZprava::TformZprava(QWidget* owner, bool VoltageWarning, bool ClosestMatch)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("formZprava"));
    setModal(true);
    if (owner != nullptr) {
        // A window does not inherit its owner's face.
        setFont(owner->font());
    }

    imageOtaznik = new QLabel(this);
    imageOtaznik->setObjectName(QStringLiteral("imageOtaznik"));
    imageOtaznik->setPixmap(QuestionMarkPicture(kPictureSize, devicePixelRatioF()));
    imageOtaznik->setGeometry(kMargin, kMargin, kPictureSize, kPictureSize);
    imageOtaznik->setAccessibleName(QStringLiteral("Question"));

    labelTextZpravyCervene =
        new QLabel(QStringLiteral("Not Recommended Part Number for This Application."), this);
    labelTextZpravyCervene->setObjectName(QStringLiteral("labelTextZpravyCervene"));
    labelTextZpravyCervene->setStyleSheet(QStringLiteral("color: #FF0000; font-weight: bold;"));
    labelTextZpravyCervene->setGeometry(kTextLeft, kMargin + 4, kClientWidth - kTextLeft - kMargin,
                                        20);

    notebookZprava = new QStackedWidget(this);
    notebookZprava->setObjectName(QStringLiteral("notebookZprava"));
    notebookZprava->insertWidget(pgNapeti, CreateNapetiPage());
    notebookZprava->insertWidget(pgSurge, CreateSurgePage());
    notebookZprava->insertWidget(pgSurgeDisabled, CreateSurgeDisabledPage());

    FormCreate(VoltageWarning, ClosestMatch);
}

void TformZprava::FormCreate(bool VoltageWarning, bool ClosestMatch) {
    setWindowTitle(ApplicationTitle());
    Page page = pgSurgeDisabled;
    QPushButton* ok = buttonOkSurgeDisabled;
    if (VoltageWarning) {
        page = pgNapeti;
        ok = buttonOkNapeti;
    } else if (!ClosestMatch) {
        page = pgSurge;
        ok = buttonOkSurge;
    }
    notebookZprava->setCurrentIndex(page);
    OuterHeight = ok->property(kTagProperty).toInt();
    setFixedSize(kClientWidth, OuterHeight);
    notebookZprava->setGeometry(kTextLeft, kPagesTop, kClientWidth - kTextLeft - kMargin,
                                OuterHeight - kPagesTop - kMargin);
    // A screen reader reads the whole message when the dialog opens.
    QStringList message{labelTextZpravyCervene->text()};
    for (const QLabel* text : notebookZprava->currentWidget()->findChildren<QLabel*>()) {
        message.append(text->text());
    }
    setAccessibleDescription(message.join(QLatin1Char(' ')));
    // Enter answers OK, the safe choice, on every page.
    ok->setDefault(true);
    ok->setFocus();
    // Centred on the screen, not over the owner.
    const QWidget* owner = parentWidget();
    if (const QScreen* screen =
            owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TformZprava::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FitOuterHeight();
}

// A window manager tells the frame after the window has appeared: it comes
// with the window's first move.
void TformZprava::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    FitOuterHeight();
}

void TformZprava::FitOuterHeight() {
    const int frame = frameGeometry().height() - geometry().height();
    const int inner = OuterHeight - std::max(frame, 0);
    if (height() != inner) {
        setFixedHeight(inner);
        notebookZprava->resize(notebookZprava->width(), inner - kPagesTop - kMargin);
    }
}

QPushButton* TformZprava::CreateOkButton(QWidget* page, const char* name, int windowHeight) {
    QPushButton* ok = CreateButton(page, name, QStringLiteral("OK"));
    ok->setProperty(kTagProperty, windowHeight);
    // Every OK button is the cancel button: the dialog ends "cancel".
    connect(ok, &QPushButton::clicked, this, &QDialog::reject);
    return ok;
}

QWidget* TformZprava::CreateNapetiPage() {
    auto* page = new QWidget(this);
    labelNapeti1 =
        CreateText(page, "labelNapeti1",
                   QStringLiteral("20% minimum derating recommended (e.g. 6.3V on 10V part)."));
    labelNapeti2 = CreateText(
        page, "labelNapeti2",
        QStringLiteral("Please select higher voltage part or reduce application voltage."));
    buttonOkNapeti = CreateOkButton(page, "buttonOkNapeti", kHeightNapeti);
    return CreatePage("Napeti", {labelNapeti1, labelNapeti2}, {buttonOkNapeti}, page);
}

QWidget* TformZprava::CreateSurgePage() {
    auto* page = new QWidget(this);
    labelSurge1 = CreateText(
        page, "labelSurge1",
        QStringLiteral("This application could exceed Moltren's in house screening, therefore "
                       "care must be taken to determine the worst case current seen in the "
                       "application when selecting the capacitor. Click on closest match "
                       "button to see PNs"));
    labelSurge2 = CreateText(
        page, "labelSurge2",
        QStringLiteral("where application current can exceeds the test current surge by 15% "
                       "maximum. Experimental verification of surge current is recommended "
                       "afterwards in this case."));
    buttonOkSurge = CreateOkButton(page, "buttonOkSurge", kHeightSurge);
    buttonClosestMatchSurge =
        CreateButton(page, "buttonClosestMatchSurge", QStringLiteral("Closest Match"));
    connect(buttonClosestMatchSurge, &QPushButton::clicked, this, &QDialog::accept);
    return CreatePage("Surge", {labelSurge1, labelSurge2}, {buttonOkSurge, buttonClosestMatchSurge},
                      page);
}

QWidget* TformZprava::CreateSurgeDisabledPage() {
    auto* page = new QWidget(this);
    labelSurgeDisabled1 = CreateText(
        page, "labelSurgeDisabled1",
        QStringLiteral("The application current exceeds the Moltren in-house screening current "
                       "by more than 15%. Experimental verification of surge current is "
                       "recommended afterwards in this case."));
    buttonOkSurgeDisabled = CreateOkButton(page, "buttonOkSurgeDisabled", kHeightSurgeDisabled);
    // Shown for the look of the page: the closest match has been tried.
    buttonCloseMatchSurgeDiasbled =
        CreateButton(page, "buttonCloseMatchSurgeDiasbled", QStringLiteral("Closest Match"));
    buttonCloseMatchSurgeDiasbled->setEnabled(false);
    return CreatePage("Surge disabled", {labelSurgeDisabled1},
                      {buttonOkSurgeDisabled, buttonCloseMatchSurgeDiasbled}, page);
}

} // namespace dorvanta
