#include "Unit1.h"

#include "Unit2.h"
#include "actionmanager.h"
#include "bitbtn.h"
#include "cp1256.h"
#include "fonts.h"
#include "keyboardlayout.h"
#include "label.h"
#include "memo.h"
#include "menubar.h"
#include "menutree.h"
#include "pictures.h"
#include "placement.h"
#include "playsound.h"
#include "reading.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

TForm1* Form1 = nullptr;

namespace {

// The window was laid out as 748 x 606 including a Windows frame (4-pixel
// borders and a 26-pixel title bar), which leaves a client area of 740 x 572,
// enough for the controls' 731 x 568 without scroll bars.
constexpr QSize kClientSize{740, 572};
constexpr int kMenuBarHeight = 24;

QString fromBytes(std::string_view bytes) {
    const std::u16string u = core::decodeCp1256(bytes);
    return QString::fromUtf16(u.data(), static_cast<qsizetype>(u.size()));
}

} // namespace

void AddLetter(platform::Memo* Me, platform::Label* Label1, const char* recordingName,
               std::string letter) {
    const QString shown = fromBytes(letter);
    Label1->setCaption(QString());
    Label1->setCaption(shown);
    // The sound blocks the window's own updates, so the letter must be on
    // screen before it starts.
    Label1->repaint();

    Me->setText(Me->text() + shown);
    // Leave the caret after the new letter, in view, so typing goes on from
    // there rather than landing before everything just entered.
    Me->moveCursor(QTextCursor::End);
    Me->ensureCursorVisible();

    PlaySoundA(recordingName, nullptr, SND_FILENAME);
    Me->setFocus();
}

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("QIRAZO  3.45"));
    setWindowIcon(programIcon());
    setFont(platform::makeFont("MS Sans Serif", 11));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);

    ActionManager1 = new platform::ActionManager(this);
    ActionManager1->setObjectName("ActionManager1");
    FileExit1 = ActionManager1->action(0);
    EditCut1 = ActionManager1->action(1);
    EditCopy1 = ActionManager1->action(2);
    EditPaste1 = ActionManager1->action(3);
    EditSelectAll1 = ActionManager1->action(4);
    EditUndo1 = ActionManager1->action(5);
    EditDelete1 = ActionManager1->action(6);
    HelpOnHelp1 = ActionManager1->action(7);
    HelpOnHelp1->setOnExecute([this] { HelpOnHelp1Execute(); });

    ActionMainMenuBar1 = new platform::MenuBar(ActionManager1, core::kMenuTree, this);
    ActionMainMenuBar1->setObjectName("ActionMainMenuBar1");
    ActionMainMenuBar1->setFixedHeight(kMenuBarHeight);
    setMenuWidget(ActionMainMenuBar1);

    Scroller = new QScrollArea(this);
    Scroller->setObjectName("Scroller");
    Scroller->setFrameShape(QFrame::NoFrame);
    Scroller->setFocusPolicy(Qt::NoFocus);
    Scroller->setWidgetResizable(true);
    // Parented at once so that the controls inherit the window font from the
    // start: an orphan would measure in the toolkit default and load its face.
    auto* client = new QWidget(Scroller);
    client->setObjectName("Client");
    client->setMinimumSize(core::kControlsRight, core::kControlsBottom - kMenuBarHeight);
    buildControls(client);
    Scroller->setWidget(client);
    setCentralWidget(Scroller);

    resize(kClientSize);
    Me->setFocus();
}

void TForm1::buildControls(QWidget* client) {
    // Positions are from the top-left of the client area; the menu bar holds
    // the top strip, so the scrolling area starts below it.
    auto place = [](QWidget* w, int left, int top) { w->move(left, top - kMenuBarHeight); };

    Label1 = new platform::Label(client);
    Label1->setObjectName("Label1");
    Label1->setFont(platform::makeFont("Simplified Arabic", 48, true));
    place(Label1, 401, 152);

    const QFont captionFont = platform::makeFont("MS Sans Serif", 19, true);
    for (const core::Letter& row : core::kLetters) {
        auto* label = new platform::Label(client);
        label->setObjectName(row.label);
        label->setFont(captionFont);
        label->setCaption(QString::fromLatin1(row.caption));
        const core::KeySlot& slot = core::kKeySlots[row.position - 1];
        place(label, slot.labelLeft, slot.labelTop);
        CaptionLabels[row.position - 1] = label;
    }

    Me = new platform::Memo(client);
    Me->setObjectName("Me");
    Me->setRightToLeft();
    Me->setFont(platform::makeFont("Simplified Arabic", 27, true));
    QPalette memoPal = Me->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        memoPal.setColor(group, QPalette::Text, Qt::black);
    Me->setPalette(memoPal);
    Me->setGeometry(8, 32 - kMenuBarHeight, 721, 113);

    QWidget* previous = Me;
    for (const core::Letter& row : core::kLetters) {
        auto* button = new platform::BitBtn(client);
        button->setObjectName(row.button);
        button->setAccessibleName(QString(QChar(row.codePoint)) + u' ' +
                                  QString::fromLatin1(row.caption));
        button->setPicture(letterPicture(row));
        const core::KeySlot& slot = core::kKeySlots[row.position - 1];
        button->setGeometry(slot.buttonLeft, slot.buttonTop - kMenuBarHeight, slot.buttonWidth,
                            core::kLetterButtonHeight);
        connect(button, &QAbstractButton::clicked, this, [this, &row] {
            // Never inside another sound: a click that gets in during one
            // (input is held back, but not every path is input) waits its turn.
            platform::whenSoundIdle(this, [this, &row] { LetterButtonClick(row); });
        });
        setTabOrder(previous, button);
        previous = button;
        LetterButtons[row.position - 1] = button;
    }

    BitBtn29 = new platform::BitBtn(client);
    BitBtn29->setObjectName("BitBtn29");
    BitBtn29->setAccessibleName(QStringLiteral("lecture read"));
    BitBtn29->setPicture(readPicture());
    BitBtn29->setGeometry(496, 160 - kMenuBarHeight, 235, 57);
    connect(BitBtn29, &QAbstractButton::clicked, this,
            [this] { platform::whenSoundIdle(this, [this] { BitBtn29Click(); }); });
    setTabOrder(previous, BitBtn29);
}

void TForm1::LetterButtonClick(const core::Letter& row) {
    AddLetter(Me, Label1, row.recording, std::string(row.display));
}

void TForm1::BitBtn29Click() {
    if (Me->text().isEmpty())
        return;
    Me->selectAll();
    const std::string bytes = Me->bytes();
    core::readText(bytes,
                   [](const char* recording) { PlaySoundA(recording, nullptr, SND_FILENAME); });
}

void TForm1::HelpOnHelp1Execute() {
    if (!Form2)
        return;
    Form2->show();
    Form2->raise();
    Form2->activateWindow();
}

void TForm1::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect s = screen->geometry();
    // Before the window manager has framed the window the frame is the
    // window itself; it is centred again once the real frame is known.
    const QSize frame = frameGeometry().size();
    m_centredEdges = frame - size();
    move(s.x() + core::centredOrigin(s.width(), frame.width()),
         s.y() + core::centredOrigin(s.height(), frame.height()));
}

void TForm1::showEvent(QShowEvent* e) {
    if (!m_shown) {
        m_shown = true;
        centreOnScreen();
        watchForFrame(200); // ten seconds: a loaded desktop can be slow to frame
    }
    QMainWindow::showEvent(e);
}

void TForm1::recentreIfFramed() {
    // The frame the window manager puts around the window is known only once
    // it has framed it, and it can settle in steps (the borders, then the
    // title bar): centre again whenever it has edges not yet centred for.
    const QSize edges = frameGeometry().size() - size();
    if (edges.isNull() || edges == m_centredEdges)
        return;
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)))
        centreOnScreen();
}

void TForm1::watchForFrame(int checks) {
    // Some window managers frame a window without moving it, and then no
    // event tells: keep looking for a while after the first showing.
    m_watching = checks > 0;
    recentreIfFramed();
    if (m_watching)
        QTimer::singleShot(50, this, [this, checks] { watchForFrame(checks - 1); });
}

bool TForm1::event(QEvent* e) {
    const bool handled = QMainWindow::event(e);
    const auto t = e->type();
    if (m_watching && (t == QEvent::Move || t == QEvent::Resize || t == QEvent::WindowActivate))
        recentreIfFramed();
    return handled;
}

void TForm1::closeEvent(QCloseEvent* e) {
    // A close asked for while a sound plays waits, like every other input,
    // until the sound has ended.
    if (platform::soundPlaying()) {
        e->ignore();
        platform::whenSoundIdle(this, [this] { close(); });
        return;
    }
    QMainWindow::closeEvent(e);
}
