// The five temperature buttons of the results page and of the compare
// window: -55, 25, 40 and 85 °C and the top temperature of the series shown.
#pragma once

#include "core/catalogue/Series.h"

#include <QGroupBox>

#include <span>

class QRadioButton;

namespace dorvanta {

class TTemperatureChoice : public QGroupBox {
    Q_OBJECT

public:
    explicit TTemperatureChoice(QWidget* parent = nullptr);

    // The temperature index of the checked button; 25 °C at start.
    [[nodiscard]] int TemperatureIndex() const;
    // Checks the button of `temperatureIndex` (kTemperatureTop for the top).
    void SetTemperatureIndex(int temperatureIndex);

    // The caption of the top temperature's button: "125", "105", "175".
    void SetTopText(const QString& text);
    [[nodiscard]] QString CheckedText() const;

signals:
    // The button of `temperatureIndex` became checked.
    void Chosen(int temperatureIndex);

private:
    [[nodiscard]] QRadioButton* ButtonOf(int temperatureIndex) const;

    QRadioButton* radiobutton55stupnu = nullptr;
    QRadioButton* radiobutton25stupnu = nullptr;
    QRadioButton* radiobutton40stupnu = nullptr;
    QRadioButton* radiobutton85stupnu = nullptr;
    QRadioButton* radiobutton125stupnu = nullptr;
};

// The top button's caption for parts of `series`: their top temperatures,
// each once, in order ("125", "105/125/175"); the general top temperature
// for none.
[[nodiscard]] QString TopTemperatureTexts(std::span<const TTypVyrobku> series);

} // namespace dorvanta
