#include "ui/dialogs/SaveAsCsv.h"

#include "platform/SafeFileWriter.h"
#include "ui/desktop/ApplicationTitle.h"
#include "ui/desktop/LocaleTexts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace dorvanta {

void SaveAsCsv(QWidget* owner, const QString& title, std::string_view name,
               const QString& suggested, const QString& what,
               const std::function<void(std::ostream&)>& write) {
    QFileDialog dialog(owner, title);
    dialog.setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("CSV files (*.csv)"), QStringLiteral("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString file = dialog.selectedFiles().constFirst();
    const auto written = WriteFileSafely(QFileInfo(file).filesystemAbsoluteFilePath(), write);
    if (!written) {
        QMessageBox box(QMessageBox::Critical, ApplicationTitle(),
                        QStringLiteral("The %1 could not be saved to %2:\n%3")
                            .arg(what, QDir::toNativeSeparators(file), ToQString(written.error())),
                        QMessageBox::Ok, owner);
        box.exec();
    }
}

} // namespace dorvanta
