#include "SvgPath.h"

QPainterPath parsePath(const QString& d)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    QChar command = QLatin1Char('M');
    int i = 0;
    const int n = int(d.size());
    auto number = [&]() {
        while (i < n && (d[i] == QLatin1Char(',') || d[i].isSpace()))
            ++i;
        const int start = i;
        while (i < n && (d[i].isDigit() || d[i] == QLatin1Char('.') || d[i] == QLatin1Char('-') ||
                         d[i] == QLatin1Char('e')))
            ++i;
        return d.mid(start, i - start).toDouble();
    };
    while (i < n) {
        const QChar c = d[i];
        if (c.isLetter()) {
            command = c;
            ++i;
            if (command == QLatin1Char('Z') || command == QLatin1Char('z'))
                path.closeSubpath();
            continue;
        }
        if (c.isSpace() || c == QLatin1Char(',')) {
            ++i;
            continue;
        }
        const double x = number();
        const double y = number();
        if (command == QLatin1Char('M')) {
            path.moveTo(x, y);
            command = QLatin1Char('L');
        } else {
            path.lineTo(x, y);
        }
    }
    return path;
}

