// The menu bar: submenus that only open their items, and items with a caption, a check mark
// and an enabled state. An item's check mark changes only when the program sets it: choosing an
// item runs its handler, which decides the marks.
#pragma once

#include <QKeySequence>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>

class QAction;
class QMenu;

namespace platform {

class Form;

class Menu {
public:
    /// A submenu on the menu bar.
    Menu(Form& form, const QString& name, const QString& caption);
    /// A submenu inside another.
    Menu(Menu& parent, const QString& name, const QString& caption);
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    QString caption() const;
    QMenu* menu() const { return menu_; }

private:
    QMenu* menu_;
};

enum class Checkable { No, Yes };

class MenuItem {
public:
    MenuItem(Menu& parent, const QString& name, const QString& caption, Checkable checkable,
             bool checked = false, bool enabled = true);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    QString caption() const;
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    bool enabled() const;
    void setEnabled(bool enabled);
    /// A key that chooses the item from anywhere in the window; while the item is disabled the
    /// key does nothing.
    void setShortcut(const QKeySequence& key);
    /// Runs the handler when the user chooses the item; a disabled item can't be chosen.
    void onClick(std::function<void()> handler);
    /// Chooses the item as the user would (nothing happens when it is disabled).
    void trigger();
    QAction* action() const { return action_; }

private:
    QAction* action_;
    bool checked_;
};

/// For a group of items of which one is chosen: checks the item at `position` (0 for the first)
/// and clears the others. A position outside the group changes nothing and returns false.
bool checkOnly(std::initializer_list<MenuItem*> group, int32_t position);

}  // namespace platform
