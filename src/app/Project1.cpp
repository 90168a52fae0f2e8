// The main block: build both windows, show the main one, run until it closes.

#include "Unit1.h"
#include "Unit2.h"
#include "application.h"
#include "fonts.h"
#include "fontwarmup.h"

#include <memory>

int main(int argc, char** argv) {
    platform::FontWarmup fontWarmup;
    platform::Application app(argc, argv);
    fontWarmup.finish();
    platform::installFontSubstitutes();

    auto form1 = std::make_unique<TForm1>();
    Form1 = form1.get();
    auto form2 = std::make_unique<TForm2>();
    Form2 = form2.get();

    switch (app.launchState()) {
    case Qt::WindowMaximized:
        Form1->showMaximized();
        break;
    case Qt::WindowMinimized:
        Form1->showMinimized();
        break;
    default:
        Form1->show();
    }
    const int rc = app.exec();
    Form2 = nullptr;
    Form1 = nullptr;
    return rc;
}
