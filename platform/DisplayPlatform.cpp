#include "platform/DisplayPlatform.h"

#include <QByteArray>
#include <QtGlobal>

namespace platform {

void chooseDisplayPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    // With shared-memory images the X platform waits for the server after every flush, a round
    // trip per frame; sending the few changed pixels of a frame directly costs far less.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
}

}  // namespace platform
