#pragma once

// A main window on screen with the fake sound device behind it, made anew for
// every test function.

#include "Unit1.h"
#include "fakeplayer.h"
#include "fonts.h"

#include <QtTest>

#include <memory>

class ShownFormTest : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<FakePlayer> player;
    std::unique_ptr<TForm1> form;

    void openForm() {
        platform::installFontSubstitutes();
        player = std::make_unique<FakePlayer>();
        form = std::make_unique<TForm1>();
        Form1 = form.get();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void closeForm() {
        form.reset();
        Form1 = nullptr;
        player.reset();
    }
};
