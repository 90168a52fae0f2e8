// The self-sizing label: measured while shown, and again as it is shown
// after changes made while hidden.

#include "label.h"

#include <QtTest>

class LabelTest : public QObject {
    Q_OBJECT
private slots:
    void changesWhileHiddenAreMeasuredAsItShows() {
        QWidget window;
        window.resize(400, 200);
        auto* label = new platform::Label(&window);
        label->move(30, 40);
        label->setCaption(QStringLiteral("a rather long caption"));
        QFont big = label->font();
        big.setPixelSize(40);
        label->setFont(big);

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(label->size(), label->captionSize());
        QCOMPARE(label->height(), QFontMetrics(big).height());

        // Shown, it follows every change at once, from the same corner.
        label->setCaption(QStringLiteral("x"));
        QCOMPARE(label->size(), label->captionSize());
        label->setFont(window.font());
        QCOMPARE(label->size(), label->captionSize());
        QCOMPARE(label->pos(), QPoint(30, 40));

        // Hidden and changed, shown again: measured again.
        window.hide();
        label->setCaption(QStringLiteral("a rather long caption again"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(label->size(), label->captionSize());
    }
};

QTEST_MAIN(LabelTest)
#include "label_test.moc"
