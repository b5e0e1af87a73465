// The ruled table of the results page: caption, value and unit of the
// selected part's catalogue data and of the values computed for the
// application, the temperature-dependent rows at the chosen temperature.
#pragma once

#include "core/catalogue/Series.h"
#include "core/engine/PartNoInfo.h"

#include <QFrame>

#include <array>
#include <string>

class QGridLayout;
class QLabel;

namespace dorvanta {

class TDetailsPanel : public QFrame {
    Q_OBJECT

public:
    static constexpr int kRowCount = 16;
    // Rows 9 to 14 (0-based 8 to 13) take their values at the temperature.
    static constexpr int kFirstTemperatureRow = 8;
    static constexpr int kLastTemperatureRow = 13;

    explicit TDetailsPanel(QWidget* parent = nullptr);

    // Empties all sixteen value labels / those of rows 9 to 14.
    void ClearPartValues();
    void ClearTemperatureValues();

    // Rows 1 to 8, 15 and 16 of a part of `series`.
    void ShowPartValues(const TPartNoInfo& part, TTypVyrobku series);
    // Rows 9 to 14 at `temperatureIndex`.
    void ShowTemperatureValues(const TPocitaneInfo& values, int temperatureIndex);

    // Writes `text` over the temperature that the five temperature captions
    // name now; `temperatureIndex` is the current choice.
    void SetTemperatureCaptions(const QString& text, int temperatureIndex);

    // The smallest face a value is drawn in to fit its column.
    static constexpr qreal kSmallestPointSize = 7;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateRow(int row);
    void SetValue(int row, const QString& text);
    void SetCaption(int row, const QString& text);
    // The face that fits the value label of `row` to its column.
    void FitValue(int row);
    // Caption, value and unit as a screen reader reads the row.
    void UpdateSpokenRow(int row);
    void PlaceFitExponent();

    QGridLayout* Grid = nullptr;
    std::array<QLabel*, kRowCount> Captions{};
    std::array<QLabel*, kRowCount> Values{};
    std::array<QLabel*, kRowCount> Units{}; // null where a row has no unit
    QLabel* label_FITexp = nullptr;
    QFont ValueFont; // the face of a value that fits as it is
};

// What a screen reader says for a shown value: its caption on one line, the
// value and its unit ("Capacitance @ 25°C, 120 Hz: 100 µF"); the caption
// alone while there is no value.
[[nodiscard]] QString SpokenValue(const QString& caption, const QString& value,
                                  const QString& unit);

} // namespace dorvanta
