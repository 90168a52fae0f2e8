#include "Unit2.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : QWidget(parent) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("about qirazo"));
    // Closing the about window only hides it; it never keeps the program alive.
    setAttribute(Qt::WA_QuitOnClose, false);
}
