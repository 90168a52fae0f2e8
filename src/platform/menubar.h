#pragma once

// The main window's menu bar: top-level items laid out from the right edge,
// each opening a drop-down of action clients. It never takes the keyboard
// focus, so while a menu is open the edit commands still find the control
// that had it. Keyboard mode (Alt, the arrows, Esc) is driven from an
// application event filter instead.

#include "menutree.h"

#include <QPointer>
#include <QWidget>

#include <span>
#include <vector>

class QMenu;
class QAction;

namespace platform {

class Action;
class ActionManager;
class MenuStyle;

class MenuBar : public QWidget {
    Q_OBJECT
public:
    MenuBar(ActionManager* manager, std::span<const core::TopItemDef> tree, QWidget* parent);
    ~MenuBar() override;

    int count() const { return static_cast<int>(m_items.size()); }
    QString caption(int index) const { return m_items.at(index).caption; }
    QRect itemRect(int index) const;
    int itemAt(QPoint pos) const;
    QMenu* menu(int index) const { return m_items.at(index).menu; }

    // The open drop-down's item, or -1.
    int openIndex() const;
    // The highlighted top-level item in keyboard mode (also while its
    // drop-down is open), or -1.
    int currentIndex() const { return m_current; }
    bool keyboardMode() const { return m_keyboardMode; }
    bool showsCues() const { return m_cues; }

    // Opens the drop-down of `index`. From the keyboard its first item is
    // highlighted and the access keys are underlined.
    void openMenu(int index, bool fromKeyboard);
    void closeMenus();

    // Where the drop-down of `index` goes: its right edge under the item's,
    // kept inside the screen's work area.
    QPoint dropDownOrigin(int index, QSize dropDownSize) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        Action* action;
        QAction* client;
        char accessKey;
    };
    struct Item {
        QString caption;
        char accessKey;
        QMenu* menu;
        std::vector<Entry> entries;
        QRect rect;
    };

    void buildMenu(int index, const core::TopItemDef& def, ActionManager* manager);
    void layoutItems();
    void refresh(const Item& item);
    void choose(Action* action);
    void menuHidden(QMenu* menu);
    void setKeyboardMode(bool on, int current = 0);
    void setCues(bool on);
    int indexOfAccessKey(char key) const;
    int wrap(int index) const;

    bool barKeyFilter(QObject* watched, QEvent* event);
    bool dropDownFilter(QMenu* menu, QEvent* event);

    std::vector<Item> m_items;
    MenuStyle* m_style;
    QPointer<QMenu> m_open;
    int m_current = -1;
    int m_hot = -1;
    bool m_keyboardMode = false;
    bool m_cues = false;
    bool m_altArmed = false;
    bool m_switching = false;    // a drop-down closes to let the next one open
    bool m_steppingBack = false; // Esc: close the drop-down, stay on the bar
};

} // namespace platform
