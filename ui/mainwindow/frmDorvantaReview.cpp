// The main window's parts-list review: a CSV file dropped on the window or
// chosen with Ctrl+O is checked with the circuit of the input page and shown
// in a review window; a double-click there fills the input page with a
// part's application and criterion and runs Next.
#include "ui/mainwindow/frmDorvanta.h"

#include "core/catalogue/PartNumbers.h"
#include "core/review/PartsList.h"
#include "core/review/PartsListCheck.h"
#include "ui/desktop/ApplicationTitle.h"
#include "ui/desktop/LocaleTexts.h"
#include "ui/mainwindow/InputPage.h"
#include "ui/mainwindow/ResultsPage.h"
#include "ui/review/ReviewWindow.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QStackedWidget>

namespace dorvanta {

namespace {

// The first local .csv file of a drag; empty when it brings none.
QString PartsListFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        const QString file = url.toLocalFile();
        if (!file.isEmpty() && file.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
            return file;
        }
    }
    return {};
}

void ShowWarning(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(), text, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("messagePartsList"));
    box.exec();
}

} // namespace

void TformDorvanta::dragEnterEvent(QDragEnterEvent* event) {
    if (!PartsListFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void TformDorvanta::dropEvent(QDropEvent* event) {
    const QString file = PartsListFile(event->mimeData());
    if (file.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    CheckPartsList(file);
}

void TformDorvanta::actionCheckPartsListExecute() {
    QFileDialog dialog(this, QStringLiteral("Check Parts List"));
    dialog.setObjectName(QStringLiteral("dialogOpenPartsList"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Parts lists (*.csv)"), QStringLiteral("All files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    CheckPartsList(dialog.selectedFiles().constFirst());
}

void TformDorvanta::CheckPartsList(const QString& file) {
    QStringList missing;
    const std::optional<TCircuit> circuit = pageZadani->Circuit(&missing);
    if (!circuit) {
        ShowWarning(this, QStringLiteral("A parts list is checked with the circuit entered on "
                                         "the input page, for the lines that do not give "
                                         "their own values. Enter %1 as numbers first.")
                              .arg(missing.join(QStringLiteral(", "))));
        return;
    }
    const auto list = ReadPartsListFile(QFileInfo(file).filesystemAbsoluteFilePath());
    if (!list) {
        ShowWarning(this, QStringLiteral("The parts list %1 cannot be checked:\n%2")
                              .arg(QDir::toNativeSeparators(file), ToQString(list.error())));
        return;
    }
    TCheckOptions options;
    options.Defaults = *circuit;
    auto recheck = [list = *list, options](int temperatureIndex) {
        TCheckOptions at = options;
        at.TemperatureIndex = temperatureIndex;
        return dorvanta::CheckPartsList(list, PartNumbers(), at);
    };
    TPartsListReview review = recheck(options.TemperatureIndex);
    auto* window = new TReviewWindow(
        std::move(review), {QFileInfo(file).fileName(), CatalogueNote, QDate::currentDate()},
        std::move(recheck), this);
    connect(window, &TReviewWindow::PartChosen, this, &TformDorvanta::ShowReviewedPart);
    window->show();
}

void TformDorvanta::ShowReviewedPart(const TCircuit& circuit, const TCheckedPart& part) {
    if (!part.Info) {
        return;
    }
    if (notebookDorvanta->currentIndex() == kPageIndexTabulka) {
        actionBackExecute();
    }
    pageZadani->ShowPart(circuit, part.Series, *part.Info);
    activateWindow();
    raise();
    actionNextExecute();
    if (notebookDorvanta->currentIndex() == kPageIndexTabulka) {
        pageTabulka->SelectPart(ToQString(part.PartNumber));
    }
}

} // namespace dorvanta
