// Whether the labels of a widget in velkor show their texts whole, from the
// driver's "labels" readings (see tests/support/README.md): a shown label
// with text is cut off when one of its lines is wider than its room, when
// its lines are taller than its room, or when some of the columns its text
// takes are hidden by a narrower parent (the page's scroll area, the dock).
#ifndef LABEL_FIT_H
#define LABEL_FIT_H

#include <QString>
#include <QStringList>

namespace LabelFit {

struct Reading {
    QString name;
    bool shown = false;
    bool wrap = false;
    bool pixmapOnly = false;
    int needWidth = 0, needHeight = 0;
    int roomWidth = 0, roomHeight = 0;
    int spanLeft = 0, spanRight = 0;
    int clipLeft = 0, clipRight = 0;
    int fontPixels = 0;
    QString text;
};

inline QList<Reading> parse(const QString& answer)
{
    QList<Reading> readings;
    for (const QString& line : answer.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() < 14)
            continue;
        Reading r;
        r.name = f.at(0);
        r.shown = f.at(1) == QLatin1String("1");
        r.wrap = f.at(2) == QLatin1String("1");
        r.pixmapOnly = f.at(3) == QLatin1String("1");
        r.needWidth = f.at(4).toInt();
        r.needHeight = f.at(5).toInt();
        r.roomWidth = f.at(6).toInt();
        r.roomHeight = f.at(7).toInt();
        r.spanLeft = f.at(8).toInt();
        r.spanRight = f.at(9).toInt();
        r.clipLeft = f.at(10).toInt();
        r.clipRight = f.at(11).toInt();
        r.fontPixels = f.at(12).toInt();
        r.text = f.mid(13).join(QLatin1Char('\t'));
        readings << r;
    }
    return readings;
}

// Empty when the label shows its text whole (or shows no text), else why not.
inline QString problem(const Reading& r)
{
    if (!r.shown || r.pixmapOnly || r.text.isEmpty())
        return QString();
    QStringList why;
    if (r.needWidth > r.roomWidth)
        why << QStringLiteral("needs %1 px, has %2").arg(r.needWidth).arg(r.roomWidth);
    else if (r.spanLeft < r.clipLeft || r.spanRight > r.clipRight)
        why << QStringLiteral("columns %1..%2 shown of %3..%4").arg(r.clipLeft).arg(r.clipRight)
                   .arg(r.spanLeft).arg(r.spanRight);
    if (r.needHeight > r.roomHeight)
        why << QStringLiteral("needs %1 px high, has %2").arg(r.needHeight).arg(r.roomHeight);
    if (why.isEmpty())
        return QString();
    return QStringLiteral("%1 \"%2\"%3, font %4 px: %5")
        .arg(r.name, r.text, r.wrap ? QStringLiteral(" (wrapped)") : QString(), QString::number(r.fontPixels),
             why.join(QStringLiteral(", ")));
}

} // namespace LabelFit

#endif // LABEL_FIT_H
