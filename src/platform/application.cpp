#include "application.h"

#include <QFileInfo>
#include <QMessageBox>

#include <exception>

namespace platform {
namespace {

// The X11 launch conventions for a window that starts iconic or maximised.
Qt::WindowState parseLaunchState(int argc, char** argv) {
    Qt::WindowState state = Qt::WindowNoState;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-iconic" || arg == "--minimized")
            state = Qt::WindowMinimized;
        else if (arg == "--maximized")
            state = Qt::WindowMaximized;
    }
    return state;
}

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv), m_launchState(parseLaunchState(argc, argv)) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showError(QStringLiteral("Unknown error"));
    }
    return false;
}

QString Application::title() {
    QString name = QFileInfo(applicationFilePath()).fileName();
    name.truncate(name.indexOf(u'.') < 0 ? name.size() : name.indexOf(u'.'));
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

void Application::showError(const QString& what) {
    QMessageBox::critical(nullptr, title(), what);
}

} // namespace platform
