#include "windowrules.h"

QRect KeepOnScreen(const QRect &window, int screenWidth, int screenHeight) {
    int left = window.left(), top = window.top();
    if (left + window.width() > screenWidth)
        left = screenWidth - window.width();
    if (left <= 0)
        left = 1;
    if (top + window.height() > screenHeight)
        top = screenHeight - window.height();
    if (top <= 0)
        top = 1;
    return QRect(left, top, window.width(), window.height());
}

bool OpenOverviewAtStart(int mode, qint64 uptimeMs) {
    if (mode == 2)
        return true;
    return mode == 1 && uptimeMs >= 0 && uptimeMs / 60000 <= 10;
}

QRect RestoredGeometry(const QRect &designed, int left, int top, int height, int width) {
    QRect r = designed;
    if (left != 0)
        r.moveLeft(left);
    if (top != 0)
        r.moveTop(top);
    if (height != 0)
        r.setHeight(height);
    if (width != 0)
        r.setWidth(width);
    return r;
}

QString VersionText(int schemaVersion, const QString &languageLetter) {
    QString text = QLatin1String(kProgramVersion) + QStringLiteral(" cz IB") + QString::number(schemaVersion) + QLatin1Char('_') + languageLetter;
    return text.replace(QLatin1Char(' '), QLatin1Char('_'));
}
