// The warning dialog of the search run: why nothing was recommended, and on
// its "Surge" page the offer of a closest-match search.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace dorvanta {

class TformZprava : public QDialog {
    Q_OBJECT

public:
    // The pages of notebookZprava.
    enum Page { pgNapeti = 0, pgSurge = 1, pgSurgeDisabled = 2 };

    // `VoltageWarning` chooses the voltage page; otherwise `ClosestMatch`
    // false the "Surge" page (with the offer), true the "Surge disabled" page.
    // The dialog ends "ok" (Accepted) only through an enabled "Closest Match"
    // button; OK, Escape and closing it end "cancel" (Rejected).
    TformZprava(QWidget* owner, bool VoltageWarning, bool ClosestMatch);

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // The page's height is the height of the whole window, frame included,
    // as far as the platform tells the frame.
    void FitOuterHeight();

    QWidget* CreateNapetiPage();
    QWidget* CreateSurgePage();
    QWidget* CreateSurgeDisabledPage();
    QPushButton* CreateOkButton(QWidget* page, const char* name, int windowHeight);
    void FormCreate(bool VoltageWarning, bool ClosestMatch);

    QLabel* imageOtaznik = nullptr;
    QLabel* labelTextZpravyCervene = nullptr;
    QStackedWidget* notebookZprava = nullptr;
    QLabel* labelNapeti1 = nullptr;
    QLabel* labelNapeti2 = nullptr;
    QPushButton* buttonOkNapeti = nullptr;
    QLabel* labelSurge1 = nullptr;
    QLabel* labelSurge2 = nullptr;
    QPushButton* buttonOkSurge = nullptr;
    QPushButton* buttonClosestMatchSurge = nullptr;
    QLabel* labelSurgeDisabled1 = nullptr;
    QPushButton* buttonOkSurgeDisabled = nullptr;
    QPushButton* buttonCloseMatchSurgeDiasbled = nullptr;
    int OuterHeight = 0;
};

// The question mark of the warning dialog: a blue disc with a white "?".
[[nodiscard]] QPixmap QuestionMarkPicture(int size, qreal devicePixelRatio);

} // namespace dorvanta
