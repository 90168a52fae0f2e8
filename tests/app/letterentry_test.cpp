// A press on a letter button: the letter shows in the display label before
// its sound, goes at the very end of the text, plays, and the keyboard goes
// back to the text area.

#include "bitbtn.h"
#include "label.h"
#include "memo.h"
#include "shownform.h"

#include <QtTest>

namespace {

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class LetterEntryTest : public ShownFormTest {
    Q_OBJECT

    void press(int position) {
        QTest::mouseClick(form->LetterButtons[position - 1], Qt::LeftButton);
    }

private slots:
    void init() { openForm(); }
    void cleanup() { closeForm(); }

    void everyButtonEntersItsOwnLetter() {
        for (const core::Letter& row : core::kLetters) {
            form->Me->setText(QString());
            player->played.clear();
            press(row.position);
            const QString shown = form->Label1->caption();
            QCOMPARE(form->Me->bytes(), std::string(row.display));
            QCOMPARE(shown, form->Me->text());
            QCOMPARE(player->played, std::vector<std::string>{row.recording});
        }
    }

    void appendsAtTheEndWhateverTheCaretOrSelection() {
        struct Case {
            const char* what;
            QString before;
            int selStart, selEnd;
            int position;
            QString after;
        } cases[] = {
            {"empty text", "", 0, 0, 3, "\u062C"},
            {"caret at the start", "\u0628\u0628", 0, 0, 12, "\u0628\u0628\u0644"},
            {"caret in the middle", "\u0628\u0628", 1, 1, 12, "\u0628\u0628\u0644"},
            {"a selection", "\u0628\u062C\u062F", 0, 2, 1, "\u0628\u062C\u062F\u0623"},
            {"text ending in a line break", "\u0628\n", 2, 2, 2, "\u0628\n\u0628"},
            {"heh adds its tatweel", "\u0628", 1, 1, 5, "\u0628\u0647\u0640"},
            {"meem adds its tatweel", "", 0, 0, 13, "\u0645\u0640"},
            {"text outside the code page kept", "\U0001F600\u4E2D\u0671", 0, 0, 28,
             "\U0001F600\u4E2D\u0671\u063A"},
        };
        for (const Case& c : cases) {
            form->Me->setText(c.before);
            QTextCursor cur = form->Me->textCursor();
            cur.setPosition(c.selStart);
            cur.setPosition(c.selEnd, QTextCursor::KeepAnchor);
            form->Me->setTextCursor(cur);
            press(c.position);
            QVERIFY2(form->Me->text() == c.after, c.what);
            // The caret ends after the new letter with nothing selected.
            QCOMPARE(form->Me->selLength(), 0);
            QCOMPARE(form->Me->textCursor().position(), int(c.after.size()));
        }
    }

    void sameLetterTwiceShowsAndPlaysTwice() {
        PaintCounter counter;
        form->Label1->installEventFilter(&counter);
        std::vector<int> paintsAtPlay;
        player->onPlay = [&](const char*) { paintsAtPlay.push_back(counter.paints); };
        press(24);
        press(24);
        QCOMPARE(form->Me->text(), QStringLiteral("\u062E\u062E"));
        QCOMPARE(player->played, (std::vector<std::string>{"10.wav", "10.wav"}));
        QCOMPARE(paintsAtPlay.size(), size_t(2));
        // Each press repainted the label before its sound started.
        QVERIFY(paintsAtPlay[0] >= 1);
        QVERIFY(paintsAtPlay[1] > paintsAtPlay[0]);
    }

    void labelShowsTheLetterWhileItsSoundPlays() {
        QString captionAtPlay;
        QImage labelAtPlay;
        player->onPlay = [&](const char*) {
            captionAtPlay = form->Label1->caption();
            labelAtPlay = form->Label1->grab().toImage();
        };
        press(5);
        QCOMPARE(captionAtPlay, QStringLiteral("\u0647\u0640"));
        QVERIFY(labelAtPlay.width() > form->Label1->fontMetrics().horizontalAdvance(u' '));
        QCOMPARE(form->Label1->pos(), QPoint(401, 152 - 24));
    }

    void focusComesBackToTheTextArea() {
        press(1);
        QCOMPARE(QApplication::focusWidget(), form->Me);
        // A key typed next goes after the letter just entered.
        QTest::keyClicks(form->Me, "x");
        QCOMPARE(form->Me->text(), QStringLiteral("\u0623x"));
    }

    void undoHasNothingToUndoAfterAnEntry() {
        QTest::keyClicks(form->Me, "ab");
        QVERIFY(form->Me->canUndo());
        press(2);
        QVERIFY(!form->Me->canUndo());
        form->Me->undo();
        QCOMPARE(form->Me->text(), QStringLiteral("ab\u0628"));
    }

    void nothingStartsInsideASoundButNothingIsLost() {
        std::vector<QString> textAtPlay;
        player->onPlay = [&](const char* name) {
            textAtPlay.push_back(form->Me->text());
            if (std::string(name) == "a.wav" && textAtPlay.size() == 1) {
                // Reaches the handlers while أ plays: both must wait.
                form->LetterButtons[1]->click();
                form->BitBtn29->click();
                form->close();
                QVERIFY(form->isVisible());
            }
        };
        press(1);
        QTRY_COMPARE(player->played.size(), size_t(4));
        QCOMPARE(player->played, (std::vector<std::string>{"a.wav", "b.wav", "a.wav", "b.wav"}));
        // ب went in only after أ had been heard; the reading saw both.
        QCOMPARE(textAtPlay[1], QStringLiteral("\u0623\u0628"));
        QTRY_VERIFY(!form->isVisible());
    }

    void aMissingRecordingStillEntersTheLetter() {
        player->onPlay = [](const char*) {};
        platform::setSoundPlayer(nullptr); // the real device: none on this machine
        qputenv("SDL_AUDIODRIVER", "none-such");
        press(7);
        platform::setSoundPlayer(player.get());
        QCOMPARE(form->Me->text(), QStringLiteral("\u0632"));
        QCOMPARE(form->Label1->caption(), QStringLiteral("\u0632"));
        QCOMPARE(QApplication::focusWidget(), form->Me);
    }
};

QTEST_MAIN(LetterEntryTest)
#include "letterentry_test.moc"
