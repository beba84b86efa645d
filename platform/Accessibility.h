// How the controls present themselves to assistive technology (screen readers and the like):
// the readout as static text whose name is always its current text, and the picture surfaces
// as images, each with a name the window gives it.
#pragma once

#include <QAccessible>

class QWidget;

namespace platform {

/// Presents `widget` to assistive technology in the given role (a plain widget would be an
/// anonymous filler).
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

/// Makes the presentations above known to the toolkit; done by the controls that need them.
void installAccessibleInterfaces();

}  // namespace platform
