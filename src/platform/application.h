#pragma once

#include <QApplication>

namespace platform {

// The application object. An exception that escapes an event handler is
// caught here and shown in an error box; the program then goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The title the desktop shows for the program as a whole: the
    // executable's name up to its first full stop, lower case after the
    // first character.
    static QString title();

    // How the launcher asked the main window to appear.
    Qt::WindowState launchState() const { return m_launchState; }

    // Shows `what` in an error box captioned with the title.
    static void showError(const QString& what);

private:
    Qt::WindowState m_launchState = Qt::WindowNoState;
};

} // namespace platform
