// The yardstick for start-up cost: an empty Qt window of the main window's
// size, and nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("EMPTY"));
    w.resize(740, 572);
    w.show();
    return app.exec();
}
