// The read button: plays the letters of the text in order, selects the whole
// text, and leaves the label, the text and the focus where they were.

#include "bitbtn.h"
#include "label.h"
#include "memo.h"
#include "shownform.h"

#include <QtTest>

using Names = std::vector<std::string>;

namespace {

// Types text as an Arabic keyboard would: key events that carry the text.
void type(QWidget* w, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class ReaderTest : public ShownFormTest {
    Q_OBJECT

    void read() { QTest::mouseClick(form->BitBtn29, Qt::LeftButton); }

private slots:
    void init() { openForm(); }
    void cleanup() { closeForm(); }

    void emptyTextPlaysNothingAndSelectsNothing() {
        read();
        QVERIFY(player->played.empty());
        QCOMPARE(form->Me->selLength(), 0);
        QCOMPARE(QApplication::focusWidget(), form->BitBtn29);
    }

    void nonLettersAreSilentButTheTextIsSelected() {
        form->Me->setPlainText("12 ab\nCD \u0627\u0629");
        read();
        QVERIFY(player->played.empty());
        QCOMPARE(form->Me->selLength(), int(form->Me->text().size()));
    }

    void lettersEnteredWithTheButtonsReadBackInOrder() {
        for (int p : {1, 13, 12})
            QTest::mouseClick(form->LetterButtons[p - 1], Qt::LeftButton);
        player->played.clear();
        QCOMPARE(form->Me->bytes(), std::string("\xC3\xE3\xDC\xE1"));

        bool selectedWhilePlaying = true;
        player->onPlay = [&](const char*) {
            selectedWhilePlaying &= form->Me->selLength() == int(form->Me->text().size());
        };
        read();
        QCOMPARE(player->played, (Names{"a.wav", "m.wav", "l.wav"}));
        QVERIFY(selectedWhilePlaying);
        QCOMPARE(form->Label1->caption(), QStringLiteral("\u0644"));
        QCOMPARE(form->Me->text(), QStringLiteral("\u0623\u0645\u0640\u0644"));
        QCOMPARE(QApplication::focusWidget(), form->BitBtn29);

        // A second reading starts from the first letter again.
        player->played.clear();
        QTest::keyClick(form->BitBtn29, Qt::Key_Space);
        QCOMPARE(player->played, (Names{"a.wav", "m.wav", "l.wav"}));
        player->played.clear();
        QTest::keyClick(form->BitBtn29, Qt::Key_Return);
        QCOMPARE(player->played, (Names{"a.wav", "m.wav", "l.wav"}));
    }

    void typedLinesReadAcrossTheBreak() {
        form->Me->setFocus();
        type(form->Me, QStringLiteral("\u0628\u0627\u0628"));
        QTest::keyClick(form->Me, Qt::Key_Return);
        type(form->Me, QStringLiteral("\u062F\u0627\u0631"));
        QCOMPARE(form->Me->bytes(), std::string("\xC8\xC7\xC8\r\n\xCF\xC7\xD1"));
        read();
        QCOMPARE(player->played, (Names{"b.wav", "b.wav", "d.wav", "r.wav"}));
    }

    void tabIntoTheTextShowsTheSelectionAndTypingReplacesIt() {
        form->Me->setPlainText(QStringLiteral("\u0628\u062A"));
        read();
        QTest::keyClick(form->BitBtn29, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->Me);
        QCOMPARE(form->Me->selLength(), 2);
        // Focused, the selection is drawn in the highlight colour.
        const QPalette& pal = form->Me->palette();
        QVERIFY(pal.color(QPalette::Active, QPalette::Highlight) !=
                pal.color(QPalette::Active, QPalette::Base));
        QTest::keyClicks(form->Me, "z");
        QCOMPARE(form->Me->text(), QStringLiteral("z"));
    }
};

QTEST_MAIN(ReaderTest)
#include "reader_test.moc"
