#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void copyTextToClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

}  // namespace platform
