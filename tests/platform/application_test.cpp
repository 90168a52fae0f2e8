// The application object: an exception escaping an event handler is shown in
// an error box and the program goes on; the launch request for the main
// window's state is read from the command line.

#include "application.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <stdexcept>
#include <vector>

namespace {

struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Closes the next error box once it shows, remembering what it said.
void answerNextBox(Seen& seen) {
    QTimer::singleShot(50, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return answerNextBox(seen);
        seen = {box->windowTitle(), box->text(), box->icon()};
        box->accept();
    });
}

} // namespace

class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void launchRequestIsHonoured() {
        auto* app = static_cast<platform::Application*>(QCoreApplication::instance());
        QCOMPARE(app->launchState(), Qt::WindowMaximized);
    }

    void titleFollowsTheExecutablesName() {
        // This executable is "application_test".
        QCOMPARE(platform::Application::title(), QStringLiteral("application_test"));
    }

    void anErrorInAHandlerIsShownAndTheProgramGoesOn() {
        QPushButton button;
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&] {
            if (++clicks == 1)
                throw std::runtime_error("the handler failed");
        });
        button.show();
        Seen seen;
        answerNextBox(seen);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(seen.text, QStringLiteral("the handler failed"));
        QCOMPARE(seen.title, platform::Application::title());
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
    }
};

int main(int argc, char** argv) {
    // The launch request comes the way a launcher passes it.
    std::vector<char*> args(argv, argv + argc);
    char maximized[] = "--maximized";
    args.push_back(maximized);
    int n = static_cast<int>(args.size());
    args.push_back(nullptr);
    platform::Application app(n, args.data());
    ApplicationTest test;
    return QTest::qExec(&test, 1, argv);
}

#include "application_test.moc"
