#include "menubar.h"

#include "action.h"
#include "actionmanager.h"
#include "eventsound.h"
#include "fonts.h"
#include "menustyle.h"
#include "shortcuttext.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace platform {
namespace {

QString fromView(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

MenuBar::MenuBar(ActionManager* manager, std::span<const core::TopItemDef> tree, QWidget* parent)
    : QWidget(parent), m_style(new MenuStyle) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setLayoutDirection(Qt::RightToLeft);
    setFont(makeFont(QStringLiteral("MS Sans Serif"), 11));
    m_items.reserve(tree.size());
    for (const core::TopItemDef& def : tree) {
        m_items.push_back({fromView(def.caption), core::accessKey(def.caption), nullptr, {}, {}});
        buildMenu(static_cast<int>(m_items.size()) - 1, def, manager);
    }
    layoutItems();
    qApp->installEventFilter(this);
}

MenuBar::~MenuBar() {
    qApp->removeEventFilter(this);
    // The drop-downs use the style; they go first.
    for (Item& item : m_items)
        delete item.menu;
    delete m_style;
}

void MenuBar::buildMenu(int index, const core::TopItemDef& def, ActionManager* manager) {
    Item& item = m_items[static_cast<std::size_t>(index)];
    auto* menu = new QMenu(this);
    menu->setObjectName(item.caption.mid(item.caption.startsWith(u'&') ? 1 : 0));
    menu->setStyle(m_style);
    menu->setFont(font());
    // The items read left to right, under a bar that lays out from the right.
    menu->setLayoutDirection(Qt::LeftToRight);
    for (const core::MenuItemDef& d : def.items) {
        Action* action = manager->action(d.action);
        QString text = fromView(core::itemCaption(d));
        // The shortcut is shown, not registered: the action manager takes
        // the keys.
        const std::string shortcut = core::shortcutText(action->shortcut());
        if (!shortcut.empty())
            text += u'\t' + QString::fromStdString(shortcut);
        QAction* client = menu->addAction(text);
        client->setEnabled(action->isEnabled());
        connect(action, &Action::enabledChanged, client, &QAction::setEnabled);
        connect(client, &QAction::triggered, this, [this, action] { choose(action); });
        item.entries.push_back({action, client, core::accessKey(core::itemCaption(d))});
    }
    connect(menu, &QMenu::aboutToShow, this, [this, index] {
        refresh(m_items[static_cast<std::size_t>(index)]);
        playEventSound(kMenuPopupSound);
    });
    connect(menu, &QMenu::aboutToHide, this, [this, menu] { menuHidden(menu); });
    item.menu = menu;
}

void MenuBar::layoutItems() {
    const QFontMetrics fm(font());
    int right = width();
    for (Item& item : m_items) {
        const int w = MenuStyle::barItemWidth(fm, item.caption);
        item.rect = QRect(right - w, 1, w, height() - 1);
        right -= w;
    }
    update();
}

QRect MenuBar::itemRect(int index) const {
    return m_items.at(static_cast<std::size_t>(index)).rect;
}

int MenuBar::itemAt(QPoint pos) const {
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].rect.contains(pos))
            return static_cast<int>(i);
    return -1;
}

int MenuBar::openIndex() const {
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_open && m_items[i].menu == m_open)
            return static_cast<int>(i);
    return -1;
}

int MenuBar::wrap(int index) const {
    const int n = count();
    return ((index % n) + n) % n;
}

int MenuBar::indexOfAccessKey(char key) const {
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (key != 0 && m_items[i].accessKey == key)
            return static_cast<int>(i);
    return -1;
}

QPoint MenuBar::dropDownOrigin(int index, QSize size) const {
    const QRect r = itemRect(index);
    const QPoint itemTopRight = mapToGlobal(r.topRight());
    QPoint pos(itemTopRight.x() + 1 - size.width(), mapToGlobal(QPoint(0, height())).y());
    const QScreen* s = screen();
    if (!s)
        return pos;
    const QRect work = s->availableGeometry();
    pos.setX(std::max(work.left(), std::min(pos.x(), work.right() + 1 - size.width())));
    if (pos.y() + size.height() > work.bottom() + 1) {
        const int above = itemTopRight.y() - size.height();
        pos.setY(above >= work.top() ? above
                                     : std::max(work.top(), work.bottom() + 1 - size.height()));
    }
    return pos;
}

void MenuBar::openMenu(int index, bool fromKeyboard) {
    if (index < 0 || index >= count())
        return;
    QMenu* menu = m_items[static_cast<std::size_t>(index)].menu;
    if (m_open == menu)
        return;
    // Opening a menu brings the window forward, which hands the focus back to
    // its focused control: that is what the edit commands work on.
    if (!window()->isActiveWindow())
        window()->activateWindow();
    if (m_open) {
        m_switching = true;
        m_open->hide();
        m_switching = false;
    }
    m_keyboardMode = m_keyboardMode || fromKeyboard;
    m_current = index;
    m_hot = -1;
    setCues(m_keyboardMode);
    menu->setProperty(kShowCuesProperty, m_cues);
    menu->setAttribute(Qt::WA_NoMouseReplay, false);
    m_open = menu;
    update();
    menu->popup(dropDownOrigin(index, menu->sizeHint()));
    if (fromKeyboard && !menu->actions().isEmpty())
        menu->setActiveAction(menu->actions().constFirst());
}

void MenuBar::closeMenus() {
    if (m_open)
        m_open->hide();
    setKeyboardMode(false);
}

void MenuBar::refresh(const Item& item) {
    for (const Entry& e : item.entries)
        e.action->update();
}

void MenuBar::choose(Action* action) {
    closeMenus();
    // The menu is gone from the screen before the command runs.
    repaint();
    playEventSound(kMenuCommandSound);
    action->execute();
}

void MenuBar::menuHidden(QMenu* menu) {
    if (menu != m_open)
        return;
    m_open = nullptr;
    if (m_switching)
        return;
    if (m_steppingBack)
        setKeyboardMode(true, m_current);
    else
        setKeyboardMode(false);
}

void MenuBar::setKeyboardMode(bool on, int current) {
    m_keyboardMode = on;
    m_current = on ? current : -1;
    m_altArmed = false;
    setCues(on);
    update();
}

void MenuBar::setCues(bool on) {
    if (m_cues == on)
        return;
    m_cues = on;
    update();
}

void MenuBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const int idx = static_cast<int>(i);
        BarItemLook look = BarItemLook::Normal;
        if (m_open && m_items[i].menu == m_open)
            look = BarItemLook::Open;
        else if (m_keyboardMode ? m_current == idx : (!m_open && m_hot == idx))
            look = BarItemLook::Hot;
        MenuStyle::drawBarItem(p, m_items[i].rect, m_items[i].caption, look, m_cues, palette());
    }
}

void MenuBar::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    const int i = itemAt(e->position().toPoint());
    if (i < 0)
        return;
    setKeyboardMode(false);
    openMenu(i, false);
}

void MenuBar::mouseMoveEvent(QMouseEvent* e) {
    const int i = itemAt(e->position().toPoint());
    if (i != m_hot) {
        m_hot = i;
        update();
    }
}

void MenuBar::leaveEvent(QEvent* e) {
    m_hot = -1;
    update();
    QWidget::leaveEvent(e);
}

void MenuBar::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    layoutItems();
}

void MenuBar::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange)
        layoutItems();
    QWidget::changeEvent(e);
}

} // namespace platform
