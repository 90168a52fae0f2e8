#pragma once

// The main window: the text area, the display label, the read button and the
// 28 letter buttons with their captions.

#include "letters.h"
#include "menubar.h"

#include <QMainWindow>

#include <array>
#include <string>

class QScrollArea;
namespace platform {
class Action;
class ActionManager;
class BitBtn;
class Label;
class Memo;
} // namespace platform

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    platform::Memo* Me;
    std::array<platform::BitBtn*, 28> LetterButtons; // BitBtn1 ... BitBtn28
    platform::Label* Label1;
    platform::BitBtn* BitBtn29;
    platform::ActionManager* ActionManager1;
    platform::Action* FileExit1;
    platform::Action* EditCut1;
    platform::Action* EditCopy1;
    platform::Action* EditPaste1;
    platform::Action* EditSelectAll1;
    platform::Action* EditUndo1;
    platform::Action* EditDelete1;
    platform::MenuBar* ActionMainMenuBar1;
    platform::Action* HelpOnHelp1;
    std::array<platform::Label*, 28> CaptionLabels; // Label2 ... Label29

    // BitBtn1Click ... BitBtn28Click: every letter button passes its own row.
    void LetterButtonClick(const core::Letter& row);
    void BitBtn29Click();
    // The About command: shows the about window, without a modal loop.
    void HelpOnHelp1Execute();

    // The area that holds the controls; it scrolls when the window is smaller.
    QScrollArea* Scroller;

protected:
    void showEvent(QShowEvent* e) override;
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildControls(QWidget* client);
    void centreOnScreen();
    void recentreIfFramed();
    void watchForFrame(int checks);

    bool m_shown = false;
    bool m_watching = false;
    QSize m_centredEdges; // what the frame added to the size when last centred
};

extern TForm1* Form1;

// The work of all 28 letter buttons: show the letter, append it, play it, and
// hand the keyboard back to the text area.
void AddLetter(platform::Memo* Me, platform::Label* Label1, const char* recordingName,
               std::string letter);
