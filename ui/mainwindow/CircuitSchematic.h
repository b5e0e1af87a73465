// The schematic of the application circuit on the input page: the supply in
// its shaded box, the series resistances Rs and Rl, the surge current Imax
// and the node Va with the polarised capacitor and the load to ground.
#pragma once

#include <QRect>
#include <QWidget>

namespace dorvanta {

class TCircuitSchematic : public QWidget {
    Q_OBJECT

public:
    explicit TCircuitSchematic(QWidget* parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override;
    // Where the caption of the supply belongs, under its box.
    [[nodiscard]] QRect SupplyCaptionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace dorvanta
