#include "Unit2.h"

#include "Unit1.h"
#include "fonts.h"
#include "label.h"
#include "memo.h"
#include "placement.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStringList>

TForm2* Form2 = nullptr;

namespace {

constexpr QSize kClientSize{750, 289};

// The blanks at the ends of lines are part of the texts.
const QStringList kEnglish = {
    QStringLiteral("English"),
    QStringLiteral("Qirazo 3.45"),
    QStringLiteral("software for children of migrators and new muslims by "),
    QStringLiteral("this software you can listen and  learn how to speak "),
    QStringLiteral("arabic. this software is written with Qt in the C++ "),
    QStringLiteral("language you can get his code source by email to me : "),
    QStringLiteral("qirazo@example.org"),
    QStringLiteral("tel : +1 555 0100"),
    QStringLiteral("Please distribute this software for islamic and arabic "),
    QStringLiteral("centers"),
    QString(),
};

const QStringList kFrench = {
    QStringLiteral("French "),
    QStringLiteral("Qirazo 3.45 "),
    QStringLiteral("logiciel pour les enfants des immigrées et les "),
    QStringLiteral("nouvaux musulmans avec ce logiciel tu peut "),
    QStringLiteral("apprendre comment parler la langue arabe ce "),
    QStringLiteral("logiciel est écrit en C++ avec Qt tu peux avoir son "),
    QStringLiteral("code source par l'envoi d'un email à moi : "),
    QStringLiteral("qirazo@example.org "),
    QStringLiteral("tél : +1 555 0100 "),
    QStringLiteral("SVP distribuez ce logiciel sur les centres islamiques "),
    QStringLiteral("et les centres de la langue arabe"),
};

platform::Memo* makeTextBox(QWidget* parent, const char* name, const QRect& geometry,
                            const QStringList& lines) {
    auto* memo = new platform::Memo(parent);
    memo->setObjectName(name);
    memo->setFont(platform::makeFont(QStringLiteral("MS Sans Serif"), 13));
    QPalette pal = memo->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Text, Qt::yellow);
        pal.setColor(group, QPalette::Base, Qt::black);
    }
    // The sunken edge takes its shades from the window colour; the about
    // window's black would hide it.
    pal.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    memo->setPalette(pal);
    memo->setGeometry(geometry);
    memo->setText(lines.join(u'\n'));
    return memo;
}

} // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("about qirazo"));
    // Closing the about window only hides it; it never keeps the program alive.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kClientSize);
    setFont(platform::makeFont(QStringLiteral("MS Sans Serif"), 11));
    setLayoutDirection(Qt::LeftToRight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    Label1 = new platform::Label(this);
    Label1->setObjectName("Label1");
    Label1->setFont(platform::makeFont(QStringLiteral("MS Sans Serif"), 19));
    QPalette labelPal = Label1->palette();
    labelPal.setColor(QPalette::WindowText, Qt::yellow);
    Label1->setPalette(labelPal);
    Label1->setCaption(QStringLiteral("قيرازو النسخة  3.45 "));
    Label1->move(312, 8);

    Button1 = new QPushButton(QStringLiteral("موافــق   ok"), this);
    Button1->setObjectName("Button1");
    Button1->setFont(platform::makeFont(QStringLiteral("MS Sans Serif"), 16, true));
    // The face and text of an ordinary button, not the window's black.
    Button1->setPalette(QApplication::palette());
    Button1->setGeometry(336, 248, 97, 33);
    Button1->setAutoDefault(false);
    Button1->setDefault(false);
    Button1->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);

    Memo1 = makeTextBox(this, "Memo1", QRect(32, 48, 345, 193), kEnglish);
    Memo2 = makeTextBox(this, "Memo2", QRect(392, 48, 321, 193), kFrench);

    setTabOrder(Button1, Memo1);
    setTabOrder(Memo1, Memo2);
    // The first showing starts on the button; later ones where the user left.
    Button1->setFocus();
}

void TForm2::Button1Click() {
    if (Form1) {
        Form1->show();
        Form1->raise();
        Form1->activateWindow();
    }
    close();
}

void TForm2::showEvent(QShowEvent* e) {
    if (!m_placed) {
        m_placed = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect s = screen->geometry();
            move(s.x() + core::centredOrigin(s.width(), kClientSize.width()),
                 s.y() + core::centredOrigin(s.height(), kClientSize.height()));
        }
    }
    QWidget::showEvent(e);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    // The button is no default button, yet Enter presses it while it has the
    // focus, as Space does.
    if (watched == Button1 && event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
            (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            Button1->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
