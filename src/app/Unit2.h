#pragma once

// The about window: the program's name and version, what it is for in English
// and French, and an OK button. Hidden until the About command shows it;
// closing only hides it again, with everything typed into it kept.

#include <QWidget>

class QPushButton;
namespace platform {
class Label;
class Memo;
} // namespace platform

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    platform::Label* Label1;
    QPushButton* Button1;
    platform::Memo* Memo1;
    platform::Memo* Memo2;

    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_placed = false;
};

extern TForm2* Form2;
