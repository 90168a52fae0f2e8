// The main window as it is built: where every control stands, its font and
// direction, the tab order, the display label's sizing, centring and scroll
// bars.

#include "Unit1.h"
#include "bitbtn.h"
#include "fakeplayer.h"
#include "fonts.h"
#include "keyboardlayout.h"
#include "label.h"
#include "memo.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

namespace {

QPoint clientPos(const QWidget* w) {
    return w->mapTo(w->window(), QPoint(0, 0));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TForm1> form;

private slots:
    void initTestCase() { platform::installFontSubstitutes(); }
    void init() {
        form = std::make_unique<TForm1>();
        Form1 = form.get();
    }
    void cleanup() {
        form.reset();
        Form1 = nullptr;
    }

    void titleAndClientSize() {
        QCOMPARE(form->windowTitle(), QStringLiteral("QIRAZO  3.45"));
        QCOMPARE(form->size(), QSize(740, 572));
        QVERIFY(!form->windowIcon().isNull());
    }

    void controlsStandWhereDesigned() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        struct Expect {
            const char* name;
            QRect geometry; // width/height 0: sized by its caption
        };
        const Expect fixed[] = {
            {"Me", {8, 32, 721, 113}},
            {"BitBtn29", {496, 160, 235, 57}},
            {"Label1", {401, 152, 0, 0}},
            {"ActionMainMenuBar1", {0, 0, 740, 24}},
        };
        for (const Expect& e : fixed) {
            auto* w = form->findChild<QWidget*>(e.name);
            QVERIFY2(w, e.name);
            QCOMPARE(clientPos(w), e.geometry.topLeft());
            if (e.geometry.width() > 0)
                QCOMPARE(w->size(), e.geometry.size());
        }
        for (const core::Letter& row : core::kLetters) {
            const core::KeySlot& slot = core::kKeySlots[row.position - 1];
            auto* button = form->findChild<platform::BitBtn*>(row.button);
            auto* label = form->findChild<platform::Label*>(row.label);
            QVERIFY2(button && label, row.button);
            QCOMPARE(clientPos(button), QPoint(slot.buttonLeft, slot.buttonTop));
            QCOMPARE(button->size(), QSize(slot.buttonWidth, 69));
            QCOMPARE(clientPos(label), QPoint(slot.labelLeft, slot.labelTop));
            QCOMPARE(label->caption(), QString::fromLatin1(row.caption));
            QCOMPARE(label->size(), label->captionSize());
            QCOMPARE(button->pictureSize(), QSize(row.pictureWidth, row.pictureHeight));
            QVERIFY(button->accessibleName().contains(QString::fromLatin1(row.caption)));
        }
    }

    void fontsResolveToFacesThatShapeArabic() {
        struct Expect {
            const char* name;
            const char* family;
            int pixels;
            bool bold;
        };
        const Expect cases[] = {
            {"Me", "Amiri", 27, true},
            {"Label1", "Amiri", 48, true},
            {"Label2", "Liberation Sans", 19, true},
            {"Label29", "Liberation Sans", 19, true},
            {"BitBtn1", "Liberation Sans", 11, false},
        };
        for (const Expect& e : cases) {
            auto* w = form->findChild<QWidget*>(e.name);
            QVERIFY2(w, e.name);
            const QFontInfo info(w->font());
            QCOMPARE(info.family(), QString::fromLatin1(e.family));
            QCOMPARE(w->font().pixelSize(), e.pixels);
            QCOMPARE(w->font().bold(), e.bold);
        }
        QCOMPARE(form->Me->palette().color(QPalette::Text), QColor(Qt::black));
    }

    void onlyTheTextAreaReadsRightToLeft() {
        QCOMPARE(form->Me->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(form->Me->document()->defaultTextOption().textDirection(), Qt::RightToLeft);
        QVERIFY(form->Me->document()->defaultTextOption().alignment() & Qt::AlignRight);
        QCOMPARE(form->ActionMainMenuBar1->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(form->BitBtn29->layoutDirection(), Qt::LeftToRight);
        QCOMPARE(form->Label1->layoutDirection(), Qt::LeftToRight);
    }

    void textAreaManners() {
        platform::Memo* me = form->Me;
        QVERIFY(me->tabChangesFocus());
        QCOMPARE(me->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(me->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(me->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(!me->isReadOnly());
        QVERIFY(me->text().isEmpty());
        // No selection colour while the focus is elsewhere.
        QCOMPARE(me->palette().color(QPalette::Inactive, QPalette::Highlight),
                 me->palette().color(QPalette::Inactive, QPalette::Base));
    }

    void tabWalksTheControlsAndWraps() {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->Me);
        QStringList order;
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QStringList expected;
        for (int i = 1; i <= 29; ++i)
            expected << QStringLiteral("BitBtn%1").arg(i);
        expected << "Me";
        QCOMPARE(order, expected);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), form->BitBtn29);
    }

    void displayLabelGrowsToTheRightFromAFixedCorner() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        platform::Label* label = form->Label1;
        const QFontMetrics fm(label->font());
        // Empty, it is one blank wide.
        QCOMPARE(label->height(), fm.height());
        QVERIFY(qAbs(label->width() - fm.horizontalAdvance(u' ')) <= 1);
        const QPoint corner = clientPos(label);
        for (const QString& caption : {QStringLiteral("\u062E"), QStringLiteral("\u0645\u0640"),
                                       QStringLiteral("\u0627\u0628\u062C\u062F"), QString()}) {
            label->setCaption(caption);
            QCOMPARE(clientPos(label), corner);
            QCOMPARE(label->size(), label->captionSize());
        }
        QVERIFY(qAbs(label->width() - fm.horizontalAdvance(u' ')) <= 1);
        label->setCaption(QStringLiteral("\u0627\u0628\u062C\u062F"));
        const int wide = label->width();
        label->setFont(platform::makeFont("Simplified Arabic", 24, true));
        QVERIFY(label->width() < wide);
    }

    void centredOnFirstShowingOnly() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QSize frame = form->frameGeometry().size();
        QCOMPARE(form->frameGeometry().topLeft(),
                 QPoint(screen.x() + std::max(0, (screen.width() - frame.width()) / 2),
                        screen.y() + std::max(0, (screen.height() - frame.height()) / 2)));
        form->hide();
        form->move(3, 4);
        form->show();
        QCOMPARE(form->pos(), QPoint(3, 4));
    }

    void neverPlacedOffAScreenSmallerThanTheWindow() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        form->resize(screen.width() + 100, screen.height() + 50);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->frameGeometry().topLeft(), screen.topLeft());
    }

    void scrollBarsOnlyBelowTheControlsExtent() {
        struct Case {
            QSize client;
            bool horizontal, vertical;
        } cases[] = {
            // A bar takes room from the other direction, so each case leaves
            // room for the other bar.
            {{740, 572}, false, false}, {{731, 568}, false, false}, {{730, 600}, true, false},
            {{760, 567}, false, true},  {{600, 400}, true, true},   {{1200, 900}, false, false},
        };
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (const Case& c : cases) {
            form->resize(c.client);
            QCoreApplication::processEvents();
            QCOMPARE(form->Scroller->horizontalScrollBar()->isVisible(), c.horizontal);
            QCOMPARE(form->Scroller->verticalScrollBar()->isVisible(), c.vertical);
            // The menu bar always spans the width; nothing else moves.
            QCOMPARE(form->ActionMainMenuBar1->width(), c.client.width());
            QCOMPARE(clientPos(form->Me), QPoint(8, 32));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
