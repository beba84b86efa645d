#include "platform/Menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/Form.h"

namespace platform {

Menu::Menu(Form& form, const QString& name, const QString& caption)
    : menu_(form.menuBar()->addMenu(caption)) {
    menu_->setObjectName(name);
    menu_->menuAction()->setObjectName(name);
}

Menu::Menu(Menu& parent, const QString& name, const QString& caption)
    : menu_(parent.menu()->addMenu(caption)) {
    menu_->setObjectName(name);
    menu_->menuAction()->setObjectName(name);
}

QString Menu::caption() const {
    return menu_->title();
}

MenuItem::MenuItem(Menu& parent, const QString& name, const QString& caption, Checkable checkable,
                   bool checked, bool enabled)
    : action_(parent.menu()->addAction(caption)), checked_(checked) {
    action_->setObjectName(name);
    action_->setCheckable(checkable == Checkable::Yes);
    action_->setChecked(checked);
    action_->setEnabled(enabled);
}

QString MenuItem::caption() const {
    return action_->text();
}

void MenuItem::setChecked(bool checked) {
    checked_ = checked;
    action_->setChecked(checked);
}

bool MenuItem::enabled() const {
    return action_->isEnabled();
}

void MenuItem::setEnabled(bool enabled) {
    action_->setEnabled(enabled);
}

void MenuItem::setShortcut(const QKeySequence& key) {
    action_->setShortcut(key);
    action_->setShortcutContext(Qt::WindowShortcut);
}

void MenuItem::onClick(std::function<void()> handler) {
    QObject::connect(action_, &QAction::triggered, action_, [this, handler] {
        // The toolkit flips a checkable action's mark before it reports the choice; put the
        // mark back so only the handler decides it.
        action_->setChecked(checked_);
        handler();
    });
}

void MenuItem::trigger() {
    action_->trigger();
}

bool checkOnly(std::initializer_list<MenuItem*> group, int32_t position) {
    if (position < 0 || position >= int32_t(group.size())) return false;
    int32_t index = 0;
    for (MenuItem* item : group) item->setChecked(index++ == position);
    return true;
}

}  // namespace platform
