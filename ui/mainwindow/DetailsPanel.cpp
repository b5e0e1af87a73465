#include "ui/mainwindow/DetailsPanel.h"

#include "core/catalogue/untKonstanty.h"
#include "core/display/FieldDisplay.h"
#include "ui/desktop/LocaleTexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace dorvanta {
namespace {

const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QColor kRule(150, 150, 190);
constexpr int kRowHeight = 18;
constexpr int kValueWidth = 60;
constexpr int kUnitWidth = 70;
constexpr int kFitRow = 12;

// A row's controls are named label_<stem>, label<stem>Data, label<stem>Units;
// the caption, unit and number text are the core's for the row's field.
struct TRowSpec {
    const char* Stem;
    TField Field;
};

const std::array<TRowSpec, TDetailsPanel::kRowCount> kRows = {{
    {"Dimension", TField::Dimension},
    {"CaseSize", TField::CaseSize},
    {"Capacitance", TField::Capacitance},
    {"RatedVoltage", TField::RatedVoltage},
    {"VoltageDerating", TField::Derating},
    {"DF", TField::DF},
    {"ESRmax", TField::ESRmax},
    {"DCLmax", TField::DCLmax},
    {"DCLtypical", TField::DCLtypical},
    {"Irms", TField::Irms},
    {"Vrms", TField::Vrms},
    {"FailureRate", TField::FailureRate},
    {"FIT", TField::FIT},
    {"MTBF", TField::MTBF},
    {"ApplicationSurge", TField::AppSurge},
    {"MoltrenTestSurge", TField::TestSurge},
}};

// Rows 9 to 14: the array of the computed values.
struct TTemperatureRow {
    TTemperatureValues TPocitaneInfo::*Values;
    TField Field;
};

const std::array<TTemperatureRow, 6> kTemperatureRows = {{
    {&TPocitaneInfo::DCL, TField::DCLtypical},
    {&TPocitaneInfo::Irms, TField::Irms},
    {&TPocitaneInfo::Vrms, TField::Vrms},
    {&TPocitaneInfo::FailureRate, TField::FailureRate},
    {&TPocitaneInfo::FIT, TField::FIT},
    {&TPocitaneInfo::MTBF, TField::MTBF},
}};

// The captions that name the temperature: Irms, Vrms, Failure Rate, FIT, MTBF.
constexpr std::array<int, 5> kTemperatureCaptionRows = {9, 10, 11, 12, 13};

// Where row 13's raised "9" stands.
const QString kFitBase = QStringLiteral("Failures in Time (10");

QLabel* CreateLabel(QWidget* parent, const QString& name, const QString& text,
                    const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setContentsMargins(4, 0, 4, 0);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QString Name(const char* prefix, const char* stem, const char* suffix) {
    return QString::fromLatin1(prefix) + QString::fromLatin1(stem) + QString::fromLatin1(suffix);
}

} // namespace

QString SpokenValue(const QString& caption, const QString& value, const QString& unit) {
    QString spoken = ToQString(PlainCaption(caption.toStdString()));
    if (value.isEmpty()) {
        return spoken;
    }
    if (spoken.endsWith(QLatin1Char(':'))) {
        spoken.chop(1);
    }
    spoken += QStringLiteral(": ") + value;
    if (!unit.isEmpty()) {
        spoken += QLatin1Char(' ') + unit;
    }
    return spoken;
}

TDetailsPanel::TDetailsPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("panelDetails"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, kRule);
    setPalette(palette);
    Grid = new QGridLayout(this);
    Grid->setContentsMargins(1, 1, 1, 1);
    Grid->setSpacing(0);
    Grid->setColumnStretch(0, 1);
    Grid->setColumnMinimumWidth(1, kValueWidth);
    Grid->setColumnMinimumWidth(2, kUnitWidth);
    ValueFont = font();
    for (int row = 0; row < kRowCount; ++row) {
        CreateRow(row);
    }

    QLabel* fit = Captions[kFitRow];
    label_FITexp = CreateLabel(fit, QStringLiteral("label_FITexp"), QStringLiteral("9"), kNavy);
    label_FITexp->setContentsMargins(0, 0, 0, 0);
    QFont small = fit->font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    label_FITexp->setFont(small);
    label_FITexp->adjustSize();
    // Part of the caption for a screen reader, which reads it from there.
    label_FITexp->setAccessibleName(QString());
}

void TDetailsPanel::CreateRow(int row) {
    const TRowSpec& definition = kRows[static_cast<std::size_t>(row)];
    const auto i = static_cast<std::size_t>(row);
    const TFieldDisplay& display = FieldDisplay(definition.Field);
    Captions[i] =
        CreateLabel(this, Name("label_", definition.Stem, ""), ToQString(display.Caption), kNavy);
    Values[i] = CreateLabel(this, Name("label", definition.Stem, "Data"), QString(), kBlue);
    Values[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Grid->setRowMinimumHeight(row, kRowHeight);
    if (row == 0) {
        // The dimensions start right after the short caption and span the
        // caption and value columns.
        auto* cell = new QHBoxLayout;
        cell->setSpacing(0);
        Captions[i]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        cell->addWidget(Captions[i]);
        cell->addWidget(Values[i], 1);
        Grid->addLayout(cell, row, 0, 1, 2);
    } else {
        Grid->addWidget(Captions[i], row, 0);
        Values[i]->setFixedWidth(kValueWidth);
        Grid->addWidget(Values[i], row, 1);
    }
    if (!display.Unit.empty()) {
        Units[i] = CreateLabel(this, Name("label", definition.Stem, "Units"),
                               ToQString(display.Unit), kNavy);
        Units[i]->setFixedWidth(kUnitWidth);
        Grid->addWidget(Units[i], row, 2);
    }
    UpdateSpokenRow(row);
}

void TDetailsPanel::SetValue(int row, const QString& text) {
    Values[static_cast<std::size_t>(row)]->setText(text);
    FitValue(row);
    UpdateSpokenRow(row);
}

void TDetailsPanel::SetCaption(int row, const QString& text) {
    Captions[static_cast<std::size_t>(row)]->setText(text);
    UpdateSpokenRow(row);
}

// The value is read with its caption and unit ("Capacitance @ 25°C, 120 Hz:
// 100 µF"); an empty value leaves the caption alone.
void TDetailsPanel::UpdateSpokenRow(int row) {
    const auto i = static_cast<std::size_t>(row);
    Values[i]->setAccessibleName(SpokenValue(Captions[i]->text(), Values[i]->text(),
                                             Units[i] != nullptr ? Units[i]->text() : QString()));
}

// A value wider than its column steps down in size, then closes up its
// letters, until it fits; it never goes below the smallest face, and its
// whole text is its tooltip whenever it is drawn smaller.
void TDetailsPanel::FitValue(int row) {
    QLabel* label = Values[static_cast<std::size_t>(row)];
    const QString text = label->text();
    const int room = label->contentsRect().width();
    QFont face = ValueFont;
    const auto fits = [&face, &text, room] {
        return QFontMetrics(face).horizontalAdvance(text) <= room;
    };
    while (!fits() && face.pointSizeF() - 0.5 >= kSmallestPointSize) {
        face.setPointSizeF(face.pointSizeF() - 0.5);
    }
    for (int spacing = 98; !fits() && spacing >= 80; spacing -= 2) {
        face.setLetterSpacing(QFont::PercentageSpacing, spacing);
    }
    label->setFont(face);
    label->setToolTip(face == ValueFont ? QString() : text);
}

void TDetailsPanel::ClearPartValues() {
    for (int row = 0; row < kRowCount; ++row) {
        SetValue(row, QString());
    }
}

void TDetailsPanel::ClearTemperatureValues() {
    for (int row = kFirstTemperatureRow; row <= kLastTemperatureRow; ++row) {
        SetValue(row, QString());
    }
}

void TDetailsPanel::ShowPartValues(const TPartNoInfo& part, TTypVyrobku series) {
    const std::string separator = LocaleDecimalSeparator();
    for (int row = 0; row < kRowCount; ++row) {
        if (row < kFirstTemperatureRow || row > kLastTemperatureRow) {
            const TField field = kRows[static_cast<std::size_t>(row)].Field;
            SetValue(row, ToQString(FieldText(field, part, series, kTemperature25, separator)));
        }
    }
}

void TDetailsPanel::ShowTemperatureValues(const TPocitaneInfo& values, int temperatureIndex) {
    const auto t = static_cast<std::size_t>(temperatureIndex);
    const std::string separator = LocaleDecimalSeparator();
    for (std::size_t i = 0; i < kTemperatureRows.size(); ++i) {
        const TTemperatureRow& row = kTemperatureRows[i];
        SetValue(kFirstTemperatureRow + static_cast<int>(i),
                 ToQString(FieldPatternText(row.Field, (values.*row.Values)[t], separator)));
    }
}

void TDetailsPanel::SetTemperatureCaptions(const QString& text, int temperatureIndex) {
    // The captions name 105 or 175 only for the top temperature of the WIR
    // and KWG series; otherwise they name the current index's caption.
    const QString irms = Captions[static_cast<std::size_t>(kTemperatureCaptionRows[0])]->text();
    QString shown = ToQString(TemperatureCaptions[static_cast<std::size_t>(temperatureIndex)]);
    for (const int index : {kTemperature105, kTemperature175}) {
        const QString top = ToQString(TemperatureCaptions[static_cast<std::size_t>(index)]);
        if (irms.contains(QString(QLatin1Char(' ') + top + QStringLiteral("°C")))) {
            shown = top;
            break;
        }
    }
    for (const int row : kTemperatureCaptionRows) {
        QString caption = Captions[static_cast<std::size_t>(row)]->text();
        const auto at = caption.indexOf(shown);
        if (at >= 0) {
            SetCaption(row, caption.replace(at, shown.size(), text));
        }
    }
}

void TDetailsPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    PlaceFitExponent();
    // The dimensions take the width the layout leaves them.
    FitValue(0);
}

void TDetailsPanel::PlaceFitExponent() {
    const QLabel* fit = Captions[kFitRow];
    const QFontMetrics metrics = fit->fontMetrics();
    const QRect text = fit->contentsRect();
    const int x = text.left() + metrics.horizontalAdvance(kFitBase) + 2;
    const int textTop = text.top() + (text.height() - metrics.height()) / 2;
    label_FITexp->move(x, textTop - 2);
}

void TDetailsPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(kRule);
    const int left = contentsRect().left();
    const int right = contentsRect().right();
    for (int row = 0; row < kRowCount; ++row) {
        const QRect caption = Grid->cellRect(row, 0);
        const QRect value = Grid->cellRect(row, 1);
        const QRect unit = Grid->cellRect(row, 2);
        if (row + 1 < kRowCount) {
            painter.drawLine(left, caption.bottom() + 1, right, caption.bottom() + 1);
        }
        if (row > 0) {
            painter.drawLine(value.left(), caption.top(), value.left(), caption.bottom() + 1);
        }
        painter.drawLine(unit.left(), caption.top(), unit.left(), caption.bottom() + 1);
    }
}

} // namespace dorvanta
