#include "ui/widgets/TemperatureChoice.h"

#include "core/catalogue/untKonstanty.h"
#include "core/display/FieldDisplay.h"
#include "ui/desktop/LocaleTexts.h"

#include <QHBoxLayout>
#include <QRadioButton>

namespace dorvanta {
namespace {

// Each button's tag is the temperature it names, as in the design; the top
// button's is 125 whatever series it names.
constexpr const char* kTagProperty = "tag";

int TemperatureIndexOfTag(int tag) {
    switch (tag) {
    case -55:
        return kTemperature55;
    case 40:
        return kTemperature40;
    case 85:
        return kTemperature85;
    case 125:
        return kTemperatureTop;
    default:
        return kTemperature25;
    }
}

} // namespace

TTemperatureChoice::TTemperatureChoice(QWidget* parent)
    : QGroupBox(QStringLiteral(" Temperature [°C] "), parent) {
    setObjectName(QStringLiteral("groupboxTemperature"));
    // The title without the blanks that keep it clear of the frame.
    setAccessibleName(QStringLiteral("Temperature [°C]"));
    // Five buttons in the width of the results tree: a narrow gap beside
    // each circle.
    setStyleSheet(QStringLiteral("QRadioButton { spacing: 2px; }"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 2, 2);
    row->setSpacing(0);
    const auto create = [this, row](const char* name, int tag) {
        auto* button = new QRadioButton(QString::number(tag), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setProperty(kTagProperty, tag);
        const int temperatureIndex = TemperatureIndexOfTag(tag);
        // A style sheet does not hand the window's face down by itself.
        button->setFont(font());
        row->addWidget(button);
        connect(button, &QRadioButton::toggled, this, [this, temperatureIndex](bool checked) {
            if (checked) {
                emit Chosen(temperatureIndex);
            }
        });
        return button;
    };
    radiobutton55stupnu = create("radiobutton55stupnu", -55);
    radiobutton25stupnu = create("radiobutton25stupnu", 25);
    radiobutton40stupnu = create("radiobutton40stupnu", 40);
    radiobutton85stupnu = create("radiobutton85stupnu", 85);
    radiobutton125stupnu = create("radiobutton125stupnu", 125);
    // Checked at start without a signal: what the buttons choose from
    // already stands at 25 °C.
    const QSignalBlocker blocker(radiobutton25stupnu);
    radiobutton25stupnu->setChecked(true);
}

QRadioButton* TTemperatureChoice::ButtonOf(int temperatureIndex) const {
    switch (temperatureIndex) {
    case kTemperature55:
        return radiobutton55stupnu;
    case kTemperature40:
        return radiobutton40stupnu;
    case kTemperature85:
        return radiobutton85stupnu;
    case kTemperatureTop:
        return radiobutton125stupnu;
    default:
        return radiobutton25stupnu;
    }
}

int TTemperatureChoice::TemperatureIndex() const {
    for (const QRadioButton* button :
         {radiobutton55stupnu, radiobutton25stupnu, radiobutton40stupnu, radiobutton85stupnu,
          radiobutton125stupnu}) {
        if (button->isChecked()) {
            return TemperatureIndexOfTag(button->property(kTagProperty).toInt());
        }
    }
    return kTemperature25;
}

void TTemperatureChoice::SetTemperatureIndex(int temperatureIndex) {
    ButtonOf(temperatureIndex)->setChecked(true);
}

void TTemperatureChoice::SetTopText(const QString& text) {
    radiobutton125stupnu->setText(text);
}

QString TTemperatureChoice::CheckedText() const {
    return ButtonOf(TemperatureIndex())->text();
}

QString TopTemperatureTexts(std::span<const TTypVyrobku> series) {
    QStringList tops;
    for (const TTypVyrobku one : series) {
        const QString top = ToQString(TopTemperatureCaption(one));
        if (!tops.contains(top)) {
            tops.append(top);
        }
    }
    tops.sort();
    return tops.isEmpty() ? ToQString(TopTemperatureCaption(tvAll)) : tops.join(QLatin1Char('/'));
}

} // namespace dorvanta
