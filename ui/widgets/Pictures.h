// The window's pictures, painted in code so that they stay sharp at any
// screen scale: the decorative picture beside the pages, the PDF document
// icon of the document buttons and the licence notice strip of the input page.
#pragma once

#include <QIcon>
#include <QWidget>

namespace dorvanta {

// A dark gradient with stylised chip capacitors.
class TDorvantaPicture : public QWidget {
    Q_OBJECT

public:
    explicit TDorvantaPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// One line of small type: the licence notice for niobium-oxide capacitors.
class TNoticeStrip : public QWidget {
    Q_OBJECT

public:
    explicit TNoticeStrip(QWidget* parent = nullptr);
    [[nodiscard]] QString text() const { return Text; }
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString Text;
};

// A document page with a folded corner and a red "PDF" band.
[[nodiscard]] QIcon PdfDocumentIcon();

} // namespace dorvanta
