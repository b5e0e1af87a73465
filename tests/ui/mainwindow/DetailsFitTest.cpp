// Every value of the details table fits its column: over the built-in
// catalogue at extreme applications and every temperature, each value label
// holds its whole text in the face it is drawn in, never below 7 pt, with the
// whole text as its tooltip where the face is smaller.
#include "tests/ui/ResultsFixture.h"

#include "ui/mainwindow/DetailsPanel.h"

#include <QRadioButton>

namespace dorvanta {
namespace {

constexpr const char* kTemperatureButtons[] = {"radiobutton55stupnu", "radiobutton25stupnu",
                                               "radiobutton40stupnu", "radiobutton85stupnu",
                                               "radiobutton125stupnu"};

class DetailsFit : public ResultsFixture {
protected:
    void Search(const char* imax, const char* va) {
        if (PageIndex() == 1) {
            Back();
        }
        Circuit(QStringLiteral("0.1"), QStringLiteral("0.01"), QString::fromLatin1(imax),
                QString::fromLatin1(va));
        Next();
    }

    void Check(const char* button) {
        Find<QRadioButton>(button)->setChecked(true);
        Idle();
    }

    [[nodiscard]] std::vector<QLabel*> ValueLabels() const {
        std::vector<QLabel*> labels;
        for (QLabel* label : Find<TDetailsPanel>("panelDetails")->findChildren<QLabel*>()) {
            if (label->objectName().endsWith(QLatin1String("Data"))) {
                labels.push_back(label);
            }
        }
        return labels;
    }

    // The failures of every value label as it is drawn now.
    [[nodiscard]] static QStringList Misfits(const std::vector<QLabel*>& labels,
                                             const QFont& normal) {
        QStringList misfits;
        for (const QLabel* label : labels) {
            const QString text = label->text();
            const int room = label->contentsRect().width();
            const int width = label->fontMetrics().horizontalAdvance(text);
            const bool smaller = label->font() != normal;
            if (width > room || label->font().pointSizeF() < TDetailsPanel::kSmallestPointSize ||
                (smaller && label->toolTip() != text)) {
                misfits.append(QStringLiteral("%1 \"%2\" %3 px in %4 px at %5 pt")
                                   .arg(label->objectName(), text)
                                   .arg(width)
                                   .arg(room)
                                   .arg(label->font().pointSizeF()));
            }
        }
        return misfits;
    }

    // Shows every part of the tree at every temperature and collects what
    // does not fit.
    QStringList EveryPartAtEveryTemperature() {
        const std::vector<QLabel*> labels = ValueLabels();
        EXPECT_EQ(labels.size(), 16U);
        const QFont normal = Find<TDetailsPanel>("panelDetails")->font();
        QStringList misfits;
        for (const char* button : kTemperatureButtons) {
            Check(button);
            for (int group = 0; group < Nodes()->rowCount(); ++group) {
                const QModelIndex parent = Nodes()->index(group, 0);
                for (int row = 0; row < Nodes()->rowCount(parent); ++row) {
                    const QModelIndex node = Nodes()->index(row, 0, parent);
                    Tree()->setCurrentIndex(node);
                    for (const QString& misfit : Misfits(labels, normal)) {
                        misfits.append(node.data().toString() + QStringLiteral(" at ") +
                                       QString::fromLatin1(button) + QStringLiteral(": ") + misfit);
                    }
                }
            }
        }
        return misfits;
    }
};

TEST_F(DetailsFit, EveryValueOfTheBuiltInCatalogueAtExtremeApplications) {
    const struct {
        const char* imax;
        const char* va;
    } applications[] = {{"1", "1"}, {"100", "1"}, {"0.001", "1"}};
    int searched = 0;
    for (const auto& application : applications) {
        SCOPED_TRACE(std::string("Imax ") + application.imax + " A, Va " + application.va + " V");
        Search(application.imax, application.va);
        if (PageIndex() != 1) {
            continue; // nothing found: nothing to show
        }
        ++searched;
        const QStringList misfits = EveryPartAtEveryTemperature();
        EXPECT_TRUE(misfits.isEmpty())
            << misfits.size() << " misfits, the first: "
            << misfits.mid(0, 5).join(QStringLiteral("\n")).toStdString();
        Back();
    }
    EXPECT_GT(searched, 0) << "no application found parts";
}

TEST_F(DetailsFit, TheObservedLongValuesAreWholeAndTheirTooltip) {
    const struct {
        const char* partNumber;
        const char* va;
        const char* button;
        const char* label;
        const char* text;
    } cases[] = {
        {"KYFL105*020#", "1", "radiobutton55stupnu", "labelMTBFData", "795720258"},
        {"KWGD157*006#", "5", "radiobutton125stupnu", "labelFITData", "599386.21"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.partNumber);
        Search("1", c.va);
        ASSERT_EQ(PageIndex(), 1);
        Select(PartNode(QString::fromLatin1(c.partNumber)));
        Check(c.button);
        auto* label = Find<QLabel>(c.label);
        EXPECT_EQ(label->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(label->toolTip(), QString::fromLatin1(c.text));
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                  label->contentsRect().width());
        EXPECT_GE(label->font().pointSizeF(), TDetailsPanel::kSmallestPointSize);
        EXPECT_LT(label->font().pointSizeF(),
                  Find<TDetailsPanel>("panelDetails")->font().pointSizeF());
    }
    // A short value goes back to the normal face, without a tooltip.
    Select(PartNode(QStringLiteral("KWGD157*006#")));
    Check("radiobutton25stupnu");
    auto* capacitance = Find<QLabel>("labelCapacitanceData");
    EXPECT_EQ(capacitance->font(), Find<TDetailsPanel>("panelDetails")->font());
    EXPECT_TRUE(capacitance->toolTip().isEmpty());
}

} // namespace
} // namespace dorvanta
