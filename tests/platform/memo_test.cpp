// The memo's classic manners that other code relies on.

#include "memo.h"

#include <QtTest>

class MemoTest : public QObject {
    Q_OBJECT
private slots:
    void selectionStaysHiddenWithoutFocusWhateverTheColours() {
        platform::Memo memo;
        for (auto [base, text] : {std::pair{QColor(Qt::white), QColor(Qt::black)},
                                  std::pair{QColor(Qt::black), QColor(Qt::yellow)}}) {
            QPalette pal = memo.palette();
            for (auto group : {QPalette::Active, QPalette::Inactive}) {
                pal.setColor(group, QPalette::Base, base);
                pal.setColor(group, QPalette::Text, text);
            }
            memo.setPalette(pal);
            QCOMPARE(memo.palette().color(QPalette::Inactive, QPalette::Highlight), base);
            QCOMPARE(memo.palette().color(QPalette::Inactive, QPalette::HighlightedText), text);
        }
    }

    void byteViewAndSelection() {
        platform::Memo memo;
        memo.setText(QStringLiteral("\u0628\n\u062F"));
        QCOMPARE(memo.bytes(), std::string("\xC8\r\n\xCF"));
        QVERIFY(!memo.canUndo());
        memo.selectAll();
        QCOMPARE(memo.selLength(), 3);
        memo.clearSelection();
        QVERIFY(memo.text().isEmpty());
        QVERIFY(memo.canUndo());
    }
};

QTEST_MAIN(MemoTest)
#include "memo_test.moc"
