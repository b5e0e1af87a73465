// The results tree: voltage groups in ascending order, parts by character
// code, the images, the first part selected, Back and Next, and the parts
// whose number the built-in catalogue holds twice.
#include "tests/ui/ResultsFixture.h"

#include "core/display/NumberText.h"
#include "tests/support/CatalogueFixture.h"
#include "ui/mainwindow/ImageListSeznam.h"

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QScrollBar>

#include <set>

namespace dorvanta {
namespace {

// Va 3 V: the 4 V parts are the lowest that the voltage rule admits.
class ResultsTree : public ResultsFixture {
protected:
    void SetUp() override {
        ResultsFixture::SetUp();
        Search(QStringLiteral("10"), QStringLiteral("3"));
        ASSERT_EQ(PageIndex(), 1);
    }

    [[nodiscard]] QModelIndex Group(int row) const { return Nodes()->index(row, 0); }

    [[nodiscard]] QStringList PartTexts(int group) const {
        QStringList texts;
        for (int row = 0; row < Nodes()->rowCount(Group(group)); ++row) {
            texts.append(Nodes()->index(row, 0, Group(group)).data().toString());
        }
        return texts;
    }

    // Every node's text and both images, in tree order.
    [[nodiscard]] QStringList Snapshot() const {
        QStringList nodes;
        for (int group = 0; group < Nodes()->rowCount(); ++group) {
            nodes.append(Group(group).data().toString());
            nodes.append(PartTexts(group));
        }
        return nodes;
    }
};

TEST_F(ResultsTree, GroupsTheVoltagesInAscendingOrder) {
    const QStringList groups = GroupTexts();
    ASSERT_GE(groups.size(), 3);
    EXPECT_EQ(groups.mid(0, 3), (QStringList{QStringLiteral("4 V"), QStringLiteral("6.3 V"),
                                             QStringLiteral("10 V")}));
    Real previous = 0;
    for (const QString& group : groups) {
        ASSERT_TRUE(group.endsWith(QStringLiteral(" V"))) << group.toStdString();
        const auto voltage = ParseGeneral(group.chopped(2).toStdString());
        ASSERT_TRUE(voltage) << group.toStdString();
        EXPECT_GT(*voltage, previous) << group.toStdString();
        previous = *voltage;
    }
    std::size_t parts = 0;
    for (int group = 0; group < groups.size(); ++group) {
        parts += static_cast<std::size_t>(Nodes()->rowCount(Group(group)));
    }
    EXPECT_EQ(parts, SearchedList().size());
}

TEST_F(ResultsTree, OrdersThePartsOfAGroupByCharacterCode) {
    for (int group = 0; group < Nodes()->rowCount(); ++group) {
        const QStringList texts = PartTexts(group);
        for (int i = 1; i < texts.size(); ++i) {
            // Ordinal: digits before upper-case letters; twins side by side.
            EXPECT_LE(texts[i - 1].toStdString(), texts[i].toStdString())
                << Group(group).data().toString().toStdString();
        }
    }
}

TEST_F(ResultsTree, ExpandsTheFirstGroupAndSelectsItsFirstPart) {
    EXPECT_TRUE(Tree()->isExpanded(Group(0)));
    for (int group = 1; group < Nodes()->rowCount(); ++group) {
        EXPECT_FALSE(Tree()->isExpanded(Group(group))) << group;
    }
    const QModelIndex first = Nodes()->index(0, 0, Group(0));
    EXPECT_EQ(Tree()->currentIndex(), first);
    EXPECT_TRUE(Tree()->selectionModel()->isSelected(first));
    EXPECT_EQ(Form->focusWidget(), Tree());
    EXPECT_EQ(Text("labelRatedVoltageData"), QStringLiteral("4"));
    const QString partNumber = first.data().toString();
    EXPECT_EQ(QString::fromStdString(std::string(SearchedList()[0].PartNumber())), partNumber);
    EXPECT_FALSE(Text("labelCapacitanceData").isEmpty());
}

TEST_F(ResultsTree, ShowsTheImagesOfTheVoltages) {
    const struct {
        int group;
        int image;
        QRgb colour;
    } groups[] = {{0, 5, qRgb(0, 0, 255)}, {1, 2, qRgb(255, 255, 0)}, {2, 1, qRgb(255, 0, 0)}};
    const TImageListSeznam images;
    const QImage dot = images.Image(kSelectedImageIndex).toImage();
    for (const auto& g : groups) {
        SCOPED_TRACE(g.group);
        EXPECT_EQ(Group(g.group).data(TResultsTreeModel::ImageIndexRole).toInt(), 0);
        EXPECT_EQ(Group(g.group).data(TResultsTreeModel::SelectedImageIndexRole).toInt(), 0);
        const QModelIndex part = Nodes()->index(0, 0, Group(g.group));
        EXPECT_EQ(part.data(TResultsTreeModel::ImageIndexRole).toInt(), g.image);
        EXPECT_EQ(part.data(TResultsTreeModel::SelectedImageIndexRole).toInt(),
                  kSelectedImageIndex);
        const auto icon = part.data(Qt::DecorationRole).value<QIcon>();
        EXPECT_EQ(icon.pixmap(kImageSize, QIcon::Normal).toImage().pixel(8, 8), g.colour);
        EXPECT_EQ(icon.pixmap(kImageSize, QIcon::Selected).toImage(), dot);
    }
}

// What the tree draws: the selected part's row shows the dot, an
// unselected part's row its square.
TEST_F(ResultsTree, DrawsTheDotBesideTheSelectedPart) {
    const auto iconArea = [this](const QModelIndex& node) {
        const QRect row = Tree()->visualRect(node);
        return Tree()
            ->viewport()
            ->grab(QRect(row.left(), row.top(), kImageSize + 4, row.height()))
            .toImage();
    };
    const auto count = [](const QImage& image, auto predicate) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                n += predicate(QColor(image.pixel(x, y))) ? 1 : 0;
            }
        }
        return n;
    };
    const auto blue = [](const QColor& c) {
        return c == QColor(0, 0, 255);
    };
    const auto dark = [](const QColor& c) {
        return c.red() < 60 && c.green() < 60 && c.blue() < 60;
    };
    const QImage selected = iconArea(Nodes()->index(0, 0, Group(0)));
    const QImage unselected = iconArea(Nodes()->index(1, 0, Group(0)));
    EXPECT_EQ(count(selected, blue), 0);
    EXPECT_GT(count(selected, dark), 0);
    EXPECT_GT(count(unselected, blue), 0);
}

TEST_F(ResultsTree, IsReadOnly) {
    const QModelIndex part = Nodes()->index(0, 0, Group(0));
    EXPECT_FALSE(Nodes()->flags(part) & Qt::ItemIsEditable);
    EXPECT_FALSE(Nodes()->flags(Group(0)) & Qt::ItemIsEditable);
    QTest::keyClick(Tree(), Qt::Key_F2);
    QTest::mouseDClick(Tree()->viewport(), Qt::LeftButton, {}, Tree()->visualRect(part).center());
    EXPECT_TRUE(Tree()->findChildren<QLineEdit*>().isEmpty()) << "an editor opened";
}

TEST_F(ResultsTree, KeepsTheSelectionVisibleWithoutTheFocus) {
    const QPalette palette = Tree()->palette();
    EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::Highlight),
              palette.color(QPalette::Active, QPalette::Highlight));
}

TEST_F(ResultsTree, BackAndNextRebuildTheSameTree) {
    const QStringList before = Snapshot();
    Select(Nodes()->index(2, 0, Group(1)));
    Tree()->expand(Group(2));
    Back();
    Next();
    ASSERT_EQ(PageIndex(), 1);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Tree()->currentIndex(), Nodes()->index(0, 0, Group(0)));
    EXPECT_FALSE(Tree()->isExpanded(Group(2)));
}

// The built-in catalogue holds these part numbers twice, with different
// ESR; each node shows its own.
TEST_F(ResultsTree, EachTwinShowsItsOwnValues) {
    const struct {
        const char* partNumber;
        std::set<QString> esr;
    } twins[] = {
        {"WIRB226M010#", {QStringLiteral("0.7"), QStringLiteral("1.8")}},
        {"KRBD227*006#", {QStringLiteral("0.23"), QStringLiteral("0.5")}},
        {"KRBC476*010#", {QStringLiteral("1"), QStringLiteral("0.45")}},
        {"KRBB106*016#", {QStringLiteral("2.5"), QStringLiteral("1.1")}},
        {"KWGE107*016#", {QStringLiteral("0.25"), QStringLiteral("0.34")}},
        {"KWGD226*035#", {QStringLiteral("0.6"), QStringLiteral("0.3")}},
    };
    for (const auto& twin : twins) {
        SCOPED_TRACE(twin.partNumber);
        const auto nodes = PartNodes(QString::fromLatin1(twin.partNumber));
        ASSERT_EQ(nodes.size(), 2U);
        std::set<QString> shown;
        for (const QModelIndex& node : nodes) {
            Select(node);
            shown.insert(Text("labelESRmaxData"));
        }
        EXPECT_EQ(shown, twin.esr);
    }
}

TEST(VoltageImageIndex, GivesTheImageOfEachRatedVoltage) {
    const struct {
        const char* voltage;
        int image;
    } cases[] = {{"2.5", 8}, {"4", 5},  {"6.3", 2}, {"10", 1}, {"16", 3},  {"20", 4},
                 {"25", 7},  {"35", 6}, {"3", 6},   {"50", 9}, {"1.8", 9}, {"6.30001", 9}};
    for (const auto& c : cases) {
        // Read as the catalogue's voltages are.
        EXPECT_EQ(VoltageImageIndex(*ParseGeneral(c.voltage)), c.image) << c.voltage;
    }
}

TEST(ImageListSeznam, DrawsTwelveImagesInTheirColours) {
    const QRgb colours[] = {qRgb(255, 255, 255), qRgb(255, 0, 0),   qRgb(255, 255, 0),
                            qRgb(0, 255, 0),     qRgb(0, 255, 255), qRgb(0, 0, 255),
                            qRgb(255, 0, 255),   qRgb(128, 0, 0),   qRgb(128, 128, 0),
                            qRgb(0, 100, 0),     qRgb(0, 0, 0)};
    const TImageListSeznam images;
    for (int i = 0; i < kImageCount; ++i) {
        const QImage image = images.Image(i).toImage();
        EXPECT_EQ(image.size(), QSize(kImageSize, kImageSize)) << i;
        if (i < kSelectedImageIndex) {
            EXPECT_EQ(image.pixel(8, 8), colours[i]) << i;
            EXPECT_EQ(image.pixel(3, 3), qRgb(128, 128, 128)) << i << ": the frame";
            EXPECT_NE(qAlpha(image.pixel(14, 14)), 0) << i << ": the shadow";
        } else {
            const QColor centre(image.pixel(8, 8));
            EXPECT_LT(centre.value(), 60) << "the dot";
            EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0) << "the dot is small";
        }
    }
}

// The column is as wide as the catalogue's widest part number needs; the
// tree scrolls sideways when that is wider than the tree.
TEST_F(ResultsTree, ShowsEveryPartNumberWholeWithItsTooltip) {
    const int room = Tree()->columnWidth(0) - 2 * Tree()->indentation();
    QModelIndex widest;
    int widestNeed = 0;
    for (int group = 0; group < Nodes()->rowCount(); ++group) {
        for (int row = 0; row < Nodes()->rowCount(Group(group)); ++row) {
            const QModelIndex node = Nodes()->index(row, 0, Group(group));
            const int need = Tree()->sizeHintForIndex(node).width();
            ASSERT_LE(need, room) << node.data().toString().toStdString();
            EXPECT_EQ(node.data(Qt::ToolTipRole).toString(), node.data().toString());
            if (need > widestNeed) {
                widestNeed = need;
                widest = node;
            }
        }
    }
    ASSERT_TRUE(widest.isValid());
    EXPECT_TRUE(Group(0).data(Qt::ToolTipRole).isNull()) << "a group node has none";
    Tree()->expand(widest.parent());
    Tree()->scrollTo(widest);
    Idle();
    EXPECT_GE(Tree()->visualRect(widest).width(), widestNeed);
    if (Tree()->columnWidth(0) > Tree()->viewport()->width()) {
        EXPECT_GT(Tree()->horizontalScrollBar()->maximum(), 0);
    }
}

// A catalogue of a 16-character part number of wide letters: the tree
// cannot show it in its width, so it scrolls, and the part number is whole.
// The 4 V part, which the voltage rule rejects, gives the case list its
// "all".
class LongPartNumber : public ResultsFixture {
protected:
    void PrepareDirectory() override {
        WriteCatalogue({testing::Entry("KELDWWWWWWWWWWWW", "D", "10", "35", "3.5", "6", "300"),
                        testing::Entry("KELA105*004#", "A", "1", "4")});
    }
};

TEST_F(LongPartNumber, IsWholeInATreeThatScrollsSideways) {
    Search(QStringLiteral("10"), QStringLiteral("20"));
    ASSERT_EQ(PageIndex(), 1);
    const QModelIndex node = PartNode(QStringLiteral("KELDWWWWWWWWWWWW"));
    ASSERT_TRUE(node.isValid());
    Idle();
    EXPECT_GE(Tree()->visualRect(node).width(), Tree()->sizeHintForIndex(node).width());
    EXPECT_GT(Tree()->columnWidth(0), Tree()->viewport()->width());
    EXPECT_GT(Tree()->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(node.data(Qt::ToolTipRole).toString(), QStringLiteral("KELDWWWWWWWWWWWW"));
}

// The context-menu key and Shift+F10 open the tree's menu at the current
// part, as the right mouse button does.
TEST_F(ResultsTree, TheKeyboardOpensTheMenu) {
    auto* menu = Find<QMenu>("popupSeznamTypu");
    for (const QKeyCombination keys :
         {QKeyCombination(Qt::Key_Menu), QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)}) {
        SCOPED_TRACE(QKeySequence(keys).toString().toStdString());
        // The closed menu leaves the window as the one that takes keys.
        QApplication::setActiveWindow(Tree()->window());
        Tree()->setFocus();
        QTest::keyClick(Tree(), keys.key(), keys.keyboardModifiers());
        EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000));
        EXPECT_TRUE(Find<QAction>("actionCopyPartNumber")->isEnabled());
        const QRect node = Tree()->visualRect(Tree()->currentIndex());
        EXPECT_TRUE(menu->geometry().contains(Tree()->viewport()->mapToGlobal(node.center()) +
                                              QPoint(1, 1)))
            << "at the current part";
        menu->hide();
        Idle();
    }
}

} // namespace
} // namespace dorvanta
