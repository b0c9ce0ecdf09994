// Draws the host's tool bar and log icons and writes them, with the resource
// file that lists them, into the folder given as the only argument.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

const int kSize = 24;

bool writeIcon(const QDir& dir, const QString& name, const std::function<void(QPainter&)>& draw)
{
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return image.save(dir.filePath(name), "PNG");
}

void drawPlay(QPainter& p)
{
    QPainterPath path;
    path.moveTo(6, 3);
    path.lineTo(20, 12);
    path.lineTo(6, 21);
    path.closeSubpath();
    p.setPen(QPen(QColor(20, 110, 30), 1.5));
    p.setBrush(QColor(60, 180, 70));
    p.drawPath(path);
}

void drawStop(QPainter& p)
{
    p.setPen(QPen(QColor(130, 20, 20), 1.5));
    p.setBrush(QColor(210, 50, 50));
    p.drawRoundedRect(QRectF(4.5, 4.5, 15, 15), 2, 2);
}

void drawSave(QPainter& p)
{
    p.setPen(QPen(QColor(20, 50, 120), 1.5));
    p.setBrush(QColor(60, 100, 190));
    p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 235, 240));
    p.drawRect(QRectF(7, 4.5, 10, 6));
    p.setBrush(QColor(30, 40, 70));
    p.drawRect(QRectF(7, 14, 10, 6));
}

void drawExit(QPainter& p)
{
    p.setPen(QPen(QColor(90, 60, 30), 1.5));
    p.setBrush(QColor(190, 140, 80));
    p.drawRect(QRectF(4.5, 3.5, 10, 17));
    p.setPen(QPen(QColor(180, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(11, 12), QPointF(21, 12));
    p.drawLine(QPointF(17, 8), QPointF(21, 12));
    p.drawLine(QPointF(17, 16), QPointF(21, 12));
}

void drawClear(QPainter& p)
{
    p.setPen(QPen(QColor(110, 110, 110), 1.5));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(4.5, 2.5, 13, 18));
    p.setPen(QPen(QColor(200, 40, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 13), QPointF(20, 21));
    p.drawLine(QPointF(20, 13), QPointF(12, 21));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("Resources")))
        return 1;
    QDir images(dir.filePath(QStringLiteral("Resources")));
    const bool ok = writeIcon(images, QStringLiteral("play.png"), drawPlay)
                    && writeIcon(images, QStringLiteral("stop.png"), drawStop)
                    && writeIcon(images, QStringLiteral("save.png"), drawSave)
                    && writeIcon(images, QStringLiteral("exit.png"), drawExit)
                    && writeIcon(images, QStringLiteral("clear.png"), drawClear);
    if (!ok)
        return 1;
    QFile qrc(dir.filePath(QStringLiteral("kvz_icons.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    qrc.write("<RCC>\n  <qresource prefix=\"/Image\">\n"
              "    <file>Resources/play.png</file>\n"
              "    <file>Resources/stop.png</file>\n"
              "    <file>Resources/save.png</file>\n"
              "    <file>Resources/exit.png</file>\n"
              "    <file>Resources/clear.png</file>\n"
              "  </qresource>\n</RCC>\n");
    return 0;
}
