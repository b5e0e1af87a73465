// The about window: its texts, the fade-in and how it closes, the links, and
// a fresh window for every use of About.
#include "core/display/MemoryText.h"
#include "tests/ui/ModalDialogs.h"
#include "tests/ui/RecordingOpener.h"
#include "tests/ui/WindowFixture.h"
#include "ui/desktop/SystemInfo.h"
#include "ui/dialogs/frmOAplikaci.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace dorvanta {
namespace {

template <class T> T* Child(const QWidget* window, const char* name) {
    return FindIn<T>(*window, name);
}

QString Text(const QWidget* window, const char* name) {
    const auto* label = Child<QLabel>(window, name);
    return label != nullptr ? label->text() : QString();
}

TEST(AboutWindow, NamesTheProgramItsVersionTheSystemAndTheMemory) {
    const TformOAplikaci form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(form.size(), QSize(366, 237));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(form.windowOpacity(), 0.0);

    EXPECT_EQ(Text(&form, "labelVerze"), QStringLiteral("Version: 6.1"));
    EXPECT_TRUE(Child<QLabel>(&form, "labelVerze")->font().bold());
    EXPECT_EQ(Text(&form, "labelIssued"),
              QStringLiteral("Issued by Moltren Technical Marketing Tantalum Division"));
    EXPECT_EQ(Text(&form, "labelContact"), QStringLiteral("Contact:"));
    EXPECT_EQ(Text(&form, "labelMailTo"), QStringLiteral("techsales@moltren.example"));
    EXPECT_EQ(Text(&form, "labelSeeMore"), QStringLiteral("See more detailed information:"));
    EXPECT_EQ(Text(&form, "labelWeb"), QStringLiteral("www.moltren.example"));

    const TOperatingSystem system = RunningOperatingSystem();
    EXPECT_EQ(Text(&form, "labelVerzeWindows"), OperatingSystemLine(system));
    EXPECT_TRUE(
        Text(&form, "labelVerzeWindows")
            .contains(QRegularExpression(QStringLiteral(R"(^\S.* \d+\.\d+  \(Build \d+: .*\)$)"))))
        << Text(&form, "labelVerzeWindows").toStdString();
    EXPECT_EQ(Text(&form, "labelPametKDispozici"), MemoryCaption(system));
    const auto bytes = PhysicalMemoryBytes();
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(Text(&form, "labelPamet"), QString::fromStdString(MemoryText(*bytes / 1024)));
    EXPECT_TRUE(Child<QLabel>(&form, "labelPamet")->alignment().testFlag(Qt::AlignRight));

    for (const char* picture : {"imageProuzek", "imagePozadi", "imageIkona", "imageTitulek"}) {
        EXPECT_FALSE(Child<QLabel>(&form, picture)->pixmap().isNull()) << picture;
    }
    EXPECT_EQ(Child<QLabel>(&form, "imageIkona")->size(), QSize(32, 32));
    EXPECT_EQ(Child<QLabel>(&form, "imageProuzek")->height(), 24);
    for (const char* link : {"labelMailTo", "labelWeb"}) {
        const auto* label = Child<QLabel>(&form, link);
        EXPECT_TRUE(label->font().underline()) << link;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 0x80)) << link;
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor) << link;
    }
    EXPECT_NE(Child<QFrame>(&form, "panelProRam"), nullptr);
    EXPECT_NE(Child<QFrame>(&form, "panelSplashScreen"), nullptr);
    EXPECT_NE(Child<QFrame>(&form, "bevelOddelovac"), nullptr);
    EXPECT_EQ(Child<QPushButton>(&form, "buttonOK")->text(), QStringLiteral("OK"));
}

TEST(AboutWindow, TheOperatingSystemLineKeepsNameVersionBuildAndExtraText) {
    EXPECT_EQ(OperatingSystemLine(
                  {QStringLiteral("Windows NT"), 5, 1, 2600, QStringLiteral("Service Pack 2")}),
              QStringLiteral("Windows NT 5.1  (Build 2600: Service Pack 2)"));
    EXPECT_EQ(OperatingSystemLine({QStringLiteral("Linux"), 6, 1, 0,
                                   QStringLiteral("Debian GNU/Linux 12 (bookworm)")}),
              QStringLiteral("Linux 6.1  (Build 0: Debian GNU/Linux 12 (bookworm))"));
    EXPECT_EQ(OperatingSystemLine({QStringLiteral("Linux"), 6, 1, 0, QString()}),
              QStringLiteral("Linux 6.1  (Build 0: )"));
    EXPECT_EQ(MemoryCaption({QStringLiteral("Linux"), 6, 1, 0, QString()}),
              QStringLiteral("Physical Memory of Linux:"));
}

// Runs the window modally and records every step of its fade-in; `onStep`
// may act on the window at each step.
class FadeRun {
public:
    explicit FadeRun(std::function<void(TformOAplikaci&, int alpha)> onStep)
        : form_(std::make_unique<TformOAplikaci>()) {
        QObject::connect(form_.get(), &TformOAplikaci::FadeStepped, form_.get(),
                         [this, onStep = std::move(onStep)](int alpha) {
                             Alphas.push_back(alpha);
                             onStep(*form_, alpha);
                         });
    }

    void Exec() { form_->exec(); }
    TformOAplikaci& Form() { return *form_; }

    std::vector<int> Alphas;

private:
    std::unique_ptr<TformOAplikaci> form_;
};

void CloseLater(TformOAplikaci& form) {
    QTimer::singleShot(0, &form, [&form] { form.close(); });
}

TEST(AboutWindowFade, GoesFromTransparentToOpaqueInEightySixSteps) {
    FadeRun run([](TformOAplikaci& form, int alpha) {
        if (alpha == 255) {
            CloseLater(form);
        }
    });
    run.Exec();
    ASSERT_EQ(run.Alphas.size(), 86U);
    for (std::size_t i = 0; i < run.Alphas.size(); ++i) {
        EXPECT_EQ(run.Alphas[i], static_cast<int>(3 * i));
    }
    EXPECT_DOUBLE_EQ(run.Form().windowOpacity(), 1.0);
}

// A key or click that closes the window in the middle of the fade ends the
// fade there: no further step touches the closed window.
TEST(AboutWindowFade, EscapeOkAndEnterDuringTheFadeStopItAtOnce) {
    const struct {
        const char* how;
        std::function<void(QPushButton*)> close;
    } closers[] = {
        {"Escape",
         [](QPushButton* ok) {
             QTest::keyClick(ok, Qt::Key_Escape);
         }},
        {"click on OK",
         [](QPushButton* ok) {
             QTest::mouseClick(ok, Qt::LeftButton);
         }},
        {"Enter on OK",
         [](QPushButton* ok) {
             QTest::keyClick(ok, Qt::Key_Return);
         }},
        {"Space on OK",
         [](QPushButton* ok) {
             QTest::keyClick(ok, Qt::Key_Space);
         }},
    };
    for (const auto& closer : closers) {
        FadeRun run([&](TformOAplikaci& form, int alpha) {
            if (alpha == 30) {
                // Handled between two steps, as the user's input would be.
                auto* ok = form.findChild<QPushButton*>(QStringLiteral("buttonOK"));
                QTimer::singleShot(0, ok, [ok, &closer] { closer.close(ok); });
            }
        });
        run.Exec();
        EXPECT_FALSE(run.Form().isVisible()) << closer.how;
        ASSERT_FALSE(run.Alphas.empty()) << closer.how;
        EXPECT_EQ(run.Alphas.back(), 30) << closer.how;
        EXPECT_DOUBLE_EQ(run.Form().windowOpacity(), 30 / 255.0) << closer.how;
    }
}

TEST(AboutWindowFade, AWindowDestroyedDuringTheFadeIsNotTouchedAgain) {
    auto form = std::make_unique<TformOAplikaci>();
    QPointer<TformOAplikaci> watched(form.get());
    int steps = 0;
    QObject::connect(form.get(), &TformOAplikaci::FadeStepped, form.get(), [&](int alpha) {
        ++steps;
        if (alpha == 30) {
            QTimer::singleShot(0, [&form] { form.reset(); });
        }
    });
    form->exec();
    EXPECT_TRUE(watched.isNull());
    EXPECT_EQ(steps, 11);
}

TEST(AboutWindowFade, OtherKeysChangeNothing) {
    bool stillOpen = false;
    FadeRun run([&](TformOAplikaci& form, int alpha) {
        if (alpha == 255) {
            QTimer::singleShot(0, &form, [&form, &stillOpen] {
                auto* ok = form.findChild<QPushButton*>(QStringLiteral("buttonOK"));
                for (const Qt::Key key : {Qt::Key_A, Qt::Key_F1, Qt::Key_Tab, Qt::Key_Down}) {
                    QTest::keyClick(ok, key);
                }
                stillOpen = form.isVisible() && ok->hasFocus();
                form.close();
            });
        }
    });
    run.Exec();
    EXPECT_TRUE(stillOpen);
}

TEST(AboutWindowFade, RepeatsFromTransparentWhenActivatedAgain) {
    QWidget* other = nullptr;
    int fades = 0;
    FadeRun run([&](TformOAplikaci& form, int alpha) {
        if (alpha != 255) {
            return;
        }
        ++fades;
        QTimer::singleShot(0, &form, [&form, &other, fades] {
            if (fades == 1) {
                // Another window takes the focus, then the about window again.
                other = new QWidget(&form, Qt::Window);
                other->show();
                other->activateWindow();
                EXPECT_TRUE(QTest::qWaitForWindowActive(other));
                form.activateWindow();
            } else {
                form.close();
            }
        });
    });
    run.Exec();
    ASSERT_EQ(fades, 2);
    ASSERT_EQ(run.Alphas.size(), 2 * 86U);
    EXPECT_EQ(run.Alphas[86], 0);
    EXPECT_EQ(run.Alphas.back(), 255);
}

using AboutFromTheMainWindow = WindowFixture;

TEST_F(AboutFromTheMainWindow, OpensAFreshWindowForEveryUseAndReleasesIt) {
    std::vector<QPointer<TformOAplikaci>> opened;
    const auto answer = [&](TformOAplikaci* form) {
        opened.emplace_back(form);
        EXPECT_EQ(form->parent(), Form.get());
        EXPECT_EQ(Text(form, "labelVerze"), QStringLiteral("Version: 6.1"));
        EXPECT_FALSE(Text(form, "labelVerzeWindows").isEmpty());
        EXPECT_FALSE(Text(form, "labelPamet").isEmpty());
        form->close();
    };
    for (int use = 0; use < 2; ++use) {
        const auto waiting = WhenModal<TformOAplikaci>(answer);
        Find<QPushButton>("buttonAbout")->click();
        ASSERT_EQ(opened.size(), static_cast<std::size_t>(use + 1));
        EXPECT_TRUE(opened.back().isNull()) << "released when it closed";
    }
    EXPECT_TRUE(Form->findChildren<TformOAplikaci*>().isEmpty());
}

TEST(AboutWindowLinks, HandTheMailAndWebAddressesToTheDesktop) {
    RecordingOpener desktop;
    const TScopedDocumentOpener use(desktop);
    TformOAplikaci form;
    form.show();
    QTest::mouseClick(Child<QLabel>(&form, "labelMailTo"), Qt::LeftButton);
    QTest::mouseClick(Child<QLabel>(&form, "labelWeb"), Qt::LeftButton);
    ASSERT_EQ(desktop.Addresses.size(), 2U);
    EXPECT_EQ(desktop.Addresses[0], QUrl(QStringLiteral("mailto:techsales@moltren.example")));
    EXPECT_EQ(desktop.Addresses[1], QUrl(QStringLiteral("http://www.moltren.example")));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(desktop.Documents.empty());
}

} // namespace
} // namespace dorvanta
