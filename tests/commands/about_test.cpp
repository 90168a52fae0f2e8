// The about window: its build, its texts, and showing and hiding it.

#include "label.h"
#include "memo.h"
#include "placement.h"
#include "windows.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>

namespace {

QStringList lines(const platform::Memo* m) {
    QStringList out;
    for (QTextBlock b = m->document()->begin(); b.isValid(); b = b.next())
        out << b.text();
    return out;
}

class About : public Windows {};

TEST_F(About, WindowAndControls) {
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(Form2->size(), QSize(750, 289));
    EXPECT_TRUE(Form2->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(Form2->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(Form2->isWindow());
    EXPECT_EQ(Form2->windowTitle(), "about qirazo");
    EXPECT_EQ(Form2->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(Form2->font().pixelSize(), 11);

    EXPECT_EQ(Form2->Label1->pos(), QPoint(312, 8));
    EXPECT_EQ(Form2->Label1->caption(), "قيرازو النسخة  3.45 ");
    EXPECT_EQ(Form2->Label1->palette().color(QPalette::WindowText), QColor(0xFFFF00));
    EXPECT_EQ(Form2->Label1->font().pixelSize(), 19);
    EXPECT_FALSE(Form2->Label1->font().bold());

    EXPECT_EQ(Form2->Button1->geometry(), QRect(336, 248, 97, 33));
    EXPECT_EQ(Form2->Button1->text(), "موافــق   ok");
    EXPECT_EQ(Form2->Button1->font().pixelSize(), 16);
    EXPECT_TRUE(Form2->Button1->font().bold());
    EXPECT_FALSE(Form2->Button1->isDefault());
    EXPECT_FALSE(Form2->Button1->autoDefault());

    const struct {
        platform::Memo* memo;
        QRect geometry;
    } boxes[] = {{Form2->Memo1, {32, 48, 345, 193}}, {Form2->Memo2, {392, 48, 321, 193}}};
    for (auto b : boxes) {
        SCOPED_TRACE(b.memo->objectName().toStdString());
        EXPECT_EQ(b.memo->geometry(), b.geometry);
        EXPECT_EQ(b.memo->palette().color(QPalette::Text), QColor(0xFFFF00));
        EXPECT_EQ(b.memo->palette().color(QPalette::Base), QColor(Qt::black));
        EXPECT_EQ(b.memo->font().family(), "MS Sans Serif");
        EXPECT_EQ(b.memo->font().pixelSize(), 13);
        EXPECT_EQ(b.memo->layoutDirection(), Qt::LeftToRight);
        EXPECT_FALSE(b.memo->isReadOnly());
        EXPECT_EQ(b.memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
}

TEST_F(About, TabGoesButtonEnglishFrench) {
    showAbout();
    ASSERT_EQ(QApplication::focusWidget(), Form2->Button1);
    const QWidget* order[] = {Form2->Memo1, Form2->Memo2, Form2->Button1};
    for (const QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    EXPECT_EQ(Form2->Memo1->text().count(u'\t'), 0) << "Tab was typed into a box";
}

TEST_F(About, TextsLineByLine) {
    const QStringList english = lines(Form2->Memo1);
    ASSERT_EQ(english.size(), 11);
    const QStringList exact = {"English", "Qirazo 3.45",
                               "software for children of migrators and new muslims by ",
                               "this software you can listen and  learn how to speak "};
    EXPECT_EQ(english.mid(0, 4), exact);
    EXPECT_TRUE(english[4].startsWith("arabic") && english[4].contains("C++"));
    EXPECT_EQ(english[5], "language you can get his code source by email to me : ");
    EXPECT_TRUE(english[6].contains("@example.org"));
    EXPECT_TRUE(english[7].contains("555 01"));
    EXPECT_EQ(english[8], "Please distribute this software for islamic and arabic ");
    EXPECT_EQ(english[9], "centers");
    EXPECT_EQ(english[10], "");

    const QStringList french = lines(Form2->Memo2);
    ASSERT_EQ(french.size(), 11);
    EXPECT_EQ(french.mid(0, 5), (QStringList{"French ", "Qirazo 3.45 ",
                                             "logiciel pour les enfants des immigrées et les ",
                                             "nouvaux musulmans avec ce logiciel tu peut ",
                                             "apprendre comment parler la langue arabe ce "}));
    EXPECT_TRUE(french[5].startsWith("logiciel") && french[5].contains("C++"));
    EXPECT_EQ(french[6], "code source par l'envoi d'un email à moi : ");
    EXPECT_TRUE(french[7].contains("@example.org"));
    EXPECT_TRUE(french[8].contains("555 01"));
    EXPECT_EQ(french[9], "SVP distribuez ce logiciel sur les centres islamiques ");
    EXPECT_EQ(french[10], "et les centres de la langue arabe");
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(french[i].endsWith(u' ')) << "French line " << i + 1;
}

TEST_F(About, ShowHideAndShowAgainKeepsEverything) {
    showAbout();
    EXPECT_EQ(Form2->Label1->size(), Form2->Label1->captionSize()) << "the title is measured";
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(Form2->pos(), QPoint(core::centredOrigin(screen.width(), 750),
                                   core::centredOrigin(screen.height(), 289)));
    EXPECT_EQ(QApplication::focusWidget(), Form2->Button1);
    // Escape closes nothing; Enter in a box breaks the line.
    QTest::keyClick(Form2->Button1, Qt::Key_Escape);
    EXPECT_TRUE(Form2->isVisible());
    Form2->Memo1->setFocus();
    Form2->Memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(Form2->Memo1, "hello");
    QTest::keyClick(Form2->Memo1, Qt::Key_Return);
    EXPECT_EQ(lines(Form2->Memo1).size(), 12);
    Form2->move(10, 20);

    Form2->Button1Click();
    EXPECT_FALSE(Form2->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));

    showAbout();
    EXPECT_TRUE(Form2->Memo1->text().endsWith("hello\n"));
    EXPECT_EQ(Form2->pos(), QPoint(10, 20)) << "only the first showing centres";
    EXPECT_EQ(QApplication::focusWidget(), Form2->Memo1);
}

TEST_F(About, EnterOnTheButtonClosesIt) {
    showAbout();
    Form2->Button1->setFocus();
    QTest::keyClick(Form2->Button1, Qt::Key_Return);
    EXPECT_FALSE(Form2->isVisible());
    showAbout();
    Form2->Button1->setFocus();
    QTest::keyClick(Form2->Button1, Qt::Key_Space);
    EXPECT_FALSE(Form2->isVisible());
}

TEST_F(About, AboutWhileOpenBringsTheSameWindowForward) {
    showAbout();
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    EXPECT_TRUE(Form2->isVisible()) << "the about window is not modal and stays open";
    TForm2* before = Form2;
    showAbout();
    EXPECT_EQ(Form2, before);
    EXPECT_EQ(QApplication::activeWindow(), Form2);
}

} // namespace
