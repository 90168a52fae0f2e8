// A second yardstick: the smallest window that, like the program's, has to
// lay out text before it is mapped (a label sized to its caption and a text
// box in the Arabic face). It shows what text itself costs at start-up.

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("TEXT"));
    w.resize(740, 572);

    auto* label = new QLabel(QStringLiteral("alif"), &w);
    QFont latin(QStringLiteral("Liberation Sans"));
    latin.setPixelSize(19);
    latin.setBold(true);
    label->setFont(latin);
    label->adjustSize();

    auto* edit = new QPlainTextEdit(&w);
    QFont arabic(QStringLiteral("Amiri"));
    arabic.setPixelSize(27);
    arabic.setBold(true);
    edit->setFont(arabic);
    edit->setGeometry(8, 8, 721, 113);

    w.show();
    return app.exec();
}
