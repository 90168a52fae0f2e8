#pragma once

// The about window: hidden until the About command shows it.

#include <QWidget>

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

extern TForm2* Form2;
