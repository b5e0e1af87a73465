// A main window that searches: the circuit typed into the input page, Next
// triggered, and helpers to find the results tree's nodes and the details.
// A test may give the window a catalogue file of its own entries.
#pragma once

#include "tests/ui/WindowFixture.h"

#include "core/catalogue/CatalogueFile.h"
#include "core/catalogue/PartNumbers.h"
#include "core/engine/SearchRun.h"
#include "core/record/PartNoRecord.h"
#include "ui/mainwindow/InputPage.h"
#include "ui/mainwindow/ResultsTreeModel.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTreeView>

#include <vector>

namespace dorvanta {

class ResultsFixture : public WindowFixture {
protected:
    // Sets the four circuit fields as typed texts.
    void Circuit(const QString& rs, const QString& rl, const QString& imax,
                 const QString& va) const {
        Find<QLineEdit>("editRs")->setText(rs);
        Find<QLineEdit>("editRl")->setText(rl);
        Find<QLineEdit>("editImax")->setText(imax);
        Find<QLineEdit>("editVa")->setText(va);
        Idle();
    }

    // Next as the user presses it, once the program has gone idle.
    void Next() const {
        Idle();
        Find<QAction>("actionNext")->trigger();
        Idle();
    }

    void Search(const QString& imax, const QString& va) const {
        Circuit(QStringLiteral("0.1"), QStringLiteral("0.01"), imax, va);
        Next();
    }

    void Back() const {
        Find<QAction>("actionBack")->trigger();
        Idle();
    }

    [[nodiscard]] int PageIndex() const {
        return Find<QStackedWidget>("notebookDorvanta")->currentIndex();
    }

    [[nodiscard]] QTreeView* Tree() const { return Find<QTreeView>("treeviewSeznamTypu"); }
    [[nodiscard]] const QAbstractItemModel* Nodes() const { return Tree()->model(); }

    [[nodiscard]] QStringList GroupTexts() const {
        QStringList texts;
        for (int row = 0; row < Nodes()->rowCount(); ++row) {
            texts.append(Nodes()->index(row, 0).data().toString());
        }
        return texts;
    }

    // Every part node of that part number, in tree order.
    [[nodiscard]] std::vector<QModelIndex> PartNodes(const QString& partNumber) const {
        std::vector<QModelIndex> nodes;
        for (int group = 0; group < Nodes()->rowCount(); ++group) {
            const QModelIndex parent = Nodes()->index(group, 0);
            for (int row = 0; row < Nodes()->rowCount(parent); ++row) {
                const QModelIndex node = Nodes()->index(row, 0, parent);
                if (node.data().toString() == partNumber) {
                    nodes.push_back(node);
                }
            }
        }
        return nodes;
    }

    [[nodiscard]] QModelIndex PartNode(const QString& partNumber) const {
        const auto nodes = PartNodes(partNumber);
        EXPECT_FALSE(nodes.empty()) << partNumber.toStdString();
        return nodes.empty() ? QModelIndex() : nodes.front();
    }

    void Select(const QModelIndex& node) const {
        Tree()->setCurrentIndex(node);
        Idle();
    }

    [[nodiscard]] QString Text(const char* label) const { return Find<QLabel>(label)->text(); }

    // The list a search over the program catalogue gives for what the input
    // page holds now: what the window's results are checked against.
    [[nodiscard]] TResultList SearchedList() const {
        const std::optional<TVstupniUdaje> input = Find<TInputPage>("Zadani")->Input();
        EXPECT_TRUE(input);
        return input ? SearchCatalogue(PartNumbers(), *input, false).Parts : TResultList();
    }

    // Replaces the catalogue file beside the window and opens a new window
    // over it.
    void OpenWith(const std::vector<TPartNoRecord>& entries) {
        Form.reset();
        WriteCatalogue(entries);
        Open();
    }

    void WriteCatalogue(const std::vector<TPartNoRecord>& entries) const {
        // The header as the export writes it, then the entries.
        QTemporaryDir scratch;
        ASSERT_TRUE(scratch.isValid());
        const QString exported = scratch.filePath(QStringLiteral("header.dat"));
        ASSERT_TRUE(ExportCatalogue(exported.toStdString()));
        QFile source(exported);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        QByteArray bytes = source.read(static_cast<qint64>(kRecordSize));
        for (const TPartNoRecord& entry : entries) {
            bytes.append(reinterpret_cast<const char*>(&entry), sizeof entry);
        }
        QFile file(Directory.filePath(QString::fromLatin1(kCatalogueFileName)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
};

} // namespace dorvanta
