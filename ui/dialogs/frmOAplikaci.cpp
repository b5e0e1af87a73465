#include "ui/dialogs/frmOAplikaci.h"

#include "ProgramVersion.h"
#include "core/display/MemoryText.h"
#include "core/display/VersionText.h"
#include "ui/desktop/DesktopServices.h"
#include "ui/desktop/SystemInfo.h"
#include "ui/widgets/ProgramIcon.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <utility>

namespace dorvanta {

namespace {

constexpr int kClientWidth = 366;
constexpr int kClientHeight = 237;
constexpr int kFadeSteps = 86; // alpha 0, 3, ..., 255
constexpr int kAlphaStep = 3;
constexpr int kTextLeft = 52; // the text column, right of the icon
constexpr int kTextRight = 354;
const QColor kNavy(0x00, 0x00, 0x80);

QLabel* CreateLabel(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

QLabel* CreatePicture(QWidget* parent, const char* name, const QImage& image, QRect at) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(at);
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap::fromImage(image));
    return picture;
}

// Navy, underlined, with the hand pointer; the window handles its clicks.
void MakeLink(QLabel* label) {
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kNavy);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    label->adjustSize();
}

} // namespace

QString VersionText() {
    return QString::fromStdString(VersionText(kFileVersion));
}

TformOAplikaci::TformOAplikaci(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formOAplikaci"));
    setWindowTitle(QStringLiteral("About"));
    // A dialog frame with the close box alone: no minimise, maximise or help.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setWindowOpacity(0);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    panelProRam = new QFrame(this);
    panelProRam->setObjectName(QStringLiteral("panelProRam"));
    panelProRam->setGeometry(0, 0, kClientWidth, kClientHeight);
    panelProRam->setFrameStyle(QFrame::Box | QFrame::Plain);
    panelProRam->setLineWidth(1);
    panelSplashScreen = new QFrame(panelProRam);
    panelSplashScreen->setObjectName(QStringLiteral("panelSplashScreen"));
    panelSplashScreen->setGeometry(1, 1, kClientWidth - 2, kClientHeight - 2);
    panelSplashScreen->setAutoFillBackground(true);
    CreateTexts(panelSplashScreen);

    // The window sees every key before its controls, and the clicks on the
    // two links.
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
    FormCreate();
}

void TformOAplikaci::CreateTexts(QWidget* panel) {
    const int width = panel->width();
    imageProuzek = CreatePicture(panel, "imageProuzek", ResourcePicture(kStripPicture),
                                 QRect(0, 0, width, 24));
    imagePozadi = CreatePicture(panel, "imagePozadi", ResourcePicture(kBackgroundPicture),
                                QRect(0, panel->height() - 140, 170, 140));
    imageIkona = new QLabel(panel);
    imageIkona->setObjectName(QStringLiteral("imageIkona"));
    imageIkona->setGeometry(12, 34, 32, 32);
    imageTitulek = CreatePicture(panel, "imageTitulek", ResourcePicture(kTitlePicture),
                                 QRect(kTextLeft, 32, 200, 36));

    labelVerze = CreateLabel(panel, "labelVerze", QString(), QPoint(kTextLeft, 72));
    QFont bold = labelVerze->font();
    bold.setBold(true);
    labelVerze->setFont(bold);
    labelVerze->setFixedWidth(kTextRight - kTextLeft);
    labelIssued = CreateLabel(panel, "labelIssued",
                              QStringLiteral("Issued by Moltren Technical Marketing Tantalum "
                                             "Division"),
                              QPoint(kTextLeft, 90));
    labelContact =
        CreateLabel(panel, "labelContact", QStringLiteral("Contact:"), QPoint(kTextLeft, 108));
    labelMailTo = CreateLabel(panel, "labelMailTo", QString::fromLatin1(kMakerMailAddress),
                              QPoint(labelContact->geometry().right() + 6, 108));
    MakeLink(labelMailTo);
    labelSeeMore =
        CreateLabel(panel, "labelSeeMore", QStringLiteral("See more detailed information:"),
                    QPoint(kTextLeft, 126));
    labelWeb = CreateLabel(panel, "labelWeb", QString::fromLatin1(kMakerWebHost),
                           QPoint(labelSeeMore->geometry().right() + 6, 126));
    MakeLink(labelWeb);

    bevelOddelovac = new QFrame(panel);
    bevelOddelovac->setObjectName(QStringLiteral("bevelOddelovac"));
    bevelOddelovac->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevelOddelovac->setGeometry(kTextLeft, 146, kTextRight - kTextLeft, 2);

    labelVerzeWindows = CreateLabel(panel, "labelVerzeWindows", QString(), QPoint(kTextLeft, 154));
    labelVerzeWindows->setFixedWidth(kTextRight - kTextLeft);
    labelPametKDispozici =
        CreateLabel(panel, "labelPametKDispozici", QString(), QPoint(kTextLeft, 172));
    labelPametKDispozici->setFixedWidth(180);
    labelPamet = CreateLabel(panel, "labelPamet", QString(), QPoint(kTextLeft + 180, 172));
    labelPamet->setFixedWidth(kTextRight - kTextLeft - 180);
    labelPamet->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    buttonOK = new QPushButton(QStringLiteral("OK"), panel);
    buttonOK->setObjectName(QStringLiteral("buttonOK"));
    buttonOK->setGeometry(kTextRight - 75, 200, 75, 25);
    buttonOK->setDefault(true);
    buttonOK->setFocus();
    connect(buttonOK, &QPushButton::clicked, this, &TformOAplikaci::buttonOKClick);
}

void TformOAplikaci::FormCreate() {
    imageIkona->setPixmap(ProgramIcon().pixmap(32, 32));
    setWindowIcon(ProgramIcon());
    labelVerze->setText(VersionText());
    ShowWindowsVersion();
    ShowMemory();
}

void TformOAplikaci::ShowWindowsVersion() {
    labelVerzeWindows->setText(OperatingSystemLine(RunningOperatingSystem()));
}

void TformOAplikaci::ShowMemory() {
    labelPametKDispozici->setText(MemoryCaption(RunningOperatingSystem()));
    const auto bytes = PhysicalMemoryBytes();
    labelPamet->setText(bytes ? QString::fromStdString(MemoryText(*bytes / 1024)) : QString());
}

void TformOAplikaci::showEvent(QShowEvent* event) {
    closing_ = false;
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    buttonOK->setFocus();
    QDialog::showEvent(event);
}

void TformOAplikaci::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // Once the activation is complete (the focus is on OK by then): the
        // fade handles events, and the window may be gone when it ends.
        QMetaObject::invokeMethod(this, &TformOAplikaci::FormActivate, Qt::QueuedConnection);
    }
}

void TformOAplikaci::FormActivate() {
    if (fading_) {
        // Activated again in the middle of a fade: start it over.
        fadeRestart_ = true;
        return;
    }
    fading_ = true;
    const QPointer<TformOAplikaci> self(this);
    for (int step = 0; step < kFadeSteps || fadeRestart_; ++step) {
        if (std::exchange(fadeRestart_, false)) {
            step = 0;
        }
        const int alpha = kAlphaStep * step;
        setWindowOpacity(alpha / 255.0);
        emit FadeStepped(alpha);
        // A click on OK or Escape handled here closes the window, and the
        // main window may then destroy it: from here on `this` may be gone.
        if (self && !closing_) {
            QCoreApplication::processEvents();
        }
        if (!self) {
            return;
        }
        if (closing_) {
            break;
        }
    }
    fading_ = false;
}

void TformOAplikaci::done(int result) {
    closing_ = true;
    QDialog::done(result);
}

bool TformOAplikaci::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        return FormKeyPress(static_cast<QKeyEvent*>(event)->key());
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == labelMailTo) {
            labelMailToClick();
            return true;
        }
        if (watched == labelWeb) {
            labelWebClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TformOAplikaci::FormKeyPress(int key) {
    if (key != Qt::Key_Escape) {
        return false;
    }
    close();
    return true;
}

void TformOAplikaci::buttonOKClick() {
    close();
}

void TformOAplikaci::labelMailToClick() {
    Desktop().OpenAddress(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kMakerMailAddress)));
}

void TformOAplikaci::labelWebClick() {
    Desktop().OpenAddress(QUrl(QStringLiteral("http://") + QString::fromLatin1(kMakerWebHost)));
}

} // namespace dorvanta
