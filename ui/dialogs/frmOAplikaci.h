// The about window: the program's name and issuer, its version, the
// operating system and the physical memory, and links to the maker's
// technical sales and web site. It fades in whenever it becomes active.
#pragma once

#include "core/display/MakerAddresses.h"

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

namespace dorvanta {

// "Version: " with the major and minor number of the program's file
// version; empty when the program has none.
[[nodiscard]] QString VersionText();

class TformOAplikaci : public QDialog {
    Q_OBJECT

public:
    explicit TformOAplikaci(QWidget* parent = nullptr);

    // The fade-in: 86 steps from transparent to opaque, handling pending
    // events between two steps. Stops at once when the window closes or is
    // destroyed meanwhile.
    void FormActivate();

    // Ends the modal run; also marks the fade-in that may be running as over.
    void done(int result) override;

signals:
    // Each step of the fade-in, with the window's alpha value 0 to 255.
    void FadeStepped(int alpha);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void CreateTexts(QWidget* panel);
    void ShowWindowsVersion();
    void ShowMemory();
    // Escape closes the window; every other key goes on to the controls.
    bool FormKeyPress(int key);
    void buttonOKClick();
    void labelMailToClick();
    void labelWebClick();

    bool closing_ = false;
    bool fading_ = false;
    bool fadeRestart_ = false;

    QFrame* panelProRam = nullptr;
    QFrame* panelSplashScreen = nullptr;
    QLabel* imageProuzek = nullptr;
    QLabel* imagePozadi = nullptr;
    QLabel* imageIkona = nullptr;
    QLabel* imageTitulek = nullptr;
    QLabel* labelVerze = nullptr;
    QLabel* labelIssued = nullptr;
    QLabel* labelContact = nullptr;
    QLabel* labelMailTo = nullptr;
    QLabel* labelSeeMore = nullptr;
    QLabel* labelWeb = nullptr;
    QFrame* bevelOddelovac = nullptr;
    QLabel* labelVerzeWindows = nullptr;
    QLabel* labelPametKDispozici = nullptr;
    QLabel* labelPamet = nullptr;
    QPushButton* buttonOK = nullptr;
};

} // namespace dorvanta
