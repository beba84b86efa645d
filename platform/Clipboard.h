// The desktop clipboard, for plain text.
#pragma once

#include <QString>

namespace platform {

void copyTextToClipboard(const QString& text);

}  // namespace platform
