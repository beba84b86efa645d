#include "core/ErrorTrap.h"

QString fatalErrorText(int code) {
    return QStringLiteral("(CODE:%1)致命的なエラー発生").arg(code, 3, 10, QLatin1Char('0'));
}
