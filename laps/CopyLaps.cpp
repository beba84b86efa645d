// Copying the lap list: every line as shown, in the notation shown, one lap to a line, ready to
// paste into a timing sheet or a spreadsheet column.
#include "platform/Clipboard.h"
#include "shell/frmStopwatch.h"

void frmStopwatch::copyLapLines() {
    const int count = lstLap.listCount();
    if (count == 0) return;  // keep whatever the clipboard holds
    QString text;
    for (int i = 0; i < count; ++i) text += lstLap.list(i) + QLatin1Char('\n');
    platform::copyTextToClipboard(text);
}
