// Draws the pictures of the property groups into Resources/images/.
// Run it after changing a drawing:  make_images <formprops>/Resources/images
// Every picture is plain shapes in known colours, so no font is needed.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

const QColor kGreen(0, 200, 0);
const QColor kRed(220, 0, 0);
const QColor kYellow(250, 200, 0);
const QColor kBlue(0, 90, 220);
const QColor kGrey(128, 128, 128);
const QColor kDark(40, 40, 40);

using Drawing = std::function<void(QPainter&, int w, int h)>;

bool save(const QString& folder, const QString& name, int w, int h, const Drawing& draw)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, w, h);
    painter.end();
    const QString path = folder + "/" + name + ".png";
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

void lamp(QPainter& p, int w, int h, const QColor& colour)
{
    p.setPen(QPen(kDark, 1));
    p.setBrush(colour);
    p.drawEllipse(QRectF(1, 1, w - 2, h - 2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(w * 0.25, h * 0.2, w * 0.3, h * 0.25));
}

void triangle(QPainter& p, int w, int h, bool pointsDown)
{
    QPolygonF shape;
    if (pointsDown)
        shape << QPointF(2, 4) << QPointF(w - 2, 4) << QPointF(w / 2.0, h - 3);
    else
        shape << QPointF(2, h - 4) << QPointF(w - 2, h - 4) << QPointF(w / 2.0, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kDark);
    p.drawPolygon(shape);
}

void signalBars(QPainter& p, int w, int h, int lit)
{
    for (int i = 0; i < 4; ++i) {
        const qreal barHeight = (h - 2) * (i + 1) / 4.0;
        const QRectF bar(1 + i * (w - 1) / 4.0, h - 1 - barHeight, (w - 1) / 4.0 - 1, barHeight);
        p.setPen(QPen(kDark, 0.5));
        p.setBrush(i < lit ? kGreen : QColor(220, 220, 220));
        p.drawRect(bar);
    }
}

void padlock(QPainter& p, int w, int h, bool open)
{
    p.setPen(QPen(kDark, 2));
    p.setBrush(Qt::NoBrush);
    const QRectF shackle(w * 0.28, 1, w * 0.44, h * 0.6);
    if (open)
        p.drawArc(shackle.translated(w * 0.22, -1), 0, 180 * 16);
    else
        p.drawArc(shackle, 0, 180 * 16);
    p.setPen(QPen(kDark, 1));
    p.setBrush(open ? kGreen : kRed);
    p.drawRect(QRectF(2, h * 0.45, w - 4, h * 0.5));
}

void battery(QPainter& p, int w, int h, const QColor& colour, int marks)
{
    p.setPen(QPen(kDark, 1));
    p.setBrush(colour);
    p.drawRect(QRectF(1, 3, w - 4, h - 6));
    p.setBrush(kDark);
    p.drawRect(QRectF(w - 3, h / 2.0 - 2, 2, 4));
    p.setPen(QPen(Qt::white, 1.5));
    for (int i = 0; i < marks; ++i)
        p.drawLine(QPointF(4 + i * 3, 5), QPointF(4 + i * 3, h - 5));
}

void globeLines(QPainter& p, int w, int h, bool horizontal)
{
    p.setPen(QPen(kBlue, 1));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QRectF(1, 1, w - 2, h - 2));
    p.setPen(QPen(kRed, 1.5));
    for (int i = 1; i <= 3; ++i) {
        const qreal at = i * w / 4.0;
        if (horizontal)
            p.drawLine(QPointF(2, at), QPointF(w - 2, at));
        else
            p.drawLine(QPointF(at, 2), QPointF(at, h - 2));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    bool ok = true;

    ok &= save(folder, "greenLamp", 15, 15, [](QPainter& p, int w, int h) { lamp(p, w, h, kGreen); });
    ok &= save(folder, "redLamp", 15, 15, [](QPainter& p, int w, int h) { lamp(p, w, h, kRed); });
    ok &= save(folder, "noAlarm", 15, 15, [](QPainter& p, int w, int h) {
        lamp(p, w, h, QColor(180, 180, 180));
    });
    ok &= save(folder, "alarm", 15, 15, [](QPainter& p, int w, int h) {
        QPolygonF sign;
        sign << QPointF(w / 2.0, 1) << QPointF(w - 1, h - 1) << QPointF(1, h - 1);
        p.setPen(QPen(kDark, 1));
        p.setBrush(kYellow);
        p.drawPolygon(sign);
        p.setPen(QPen(kRed, 2));
        p.drawLine(QPointF(w / 2.0, 5), QPointF(w / 2.0, h - 5));
        p.drawPoint(QPointF(w / 2.0, h - 3));
    });
    ok &= save(folder, "arrowGroupDown", 16, 16, [](QPainter& p, int w, int h) { triangle(p, w, h, true); });
    ok &= save(folder, "arrowGroupUp", 16, 16, [](QPainter& p, int w, int h) { triangle(p, w, h, false); });
    ok &= save(folder, "validNavigation", 15, 15, [](QPainter& p, int w, int h) {
        p.setPen(QPen(kDark, 1));
        p.setBrush(kGreen);
        p.drawRect(QRectF(1, 1, w - 2, h - 2));
        p.setPen(QPen(Qt::white, 2));
        p.drawPolyline(QPolygonF() << QPointF(3, h / 2.0) << QPointF(w / 2.0 - 1, h - 4) << QPointF(w - 3, 3));
    });
    ok &= save(folder, "invalidNavigation", 15, 15, [](QPainter& p, int w, int h) {
        p.setPen(QPen(kDark, 1));
        p.setBrush(kRed);
        p.drawRect(QRectF(1, 1, w - 2, h - 2));
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(4, 4), QPointF(w - 4, h - 4));
        p.drawLine(QPointF(w - 4, 4), QPointF(4, h - 4));
    });
    const char* levels[] = {"gsmLevel0", "gsmLevel20", "gsmLevel50", "gsmLevel90", "gsmLevel100"};
    for (int lit = 0; lit < 5; ++lit)
        ok &= save(folder, levels[lit], 15, 15, [lit](QPainter& p, int w, int h) { signalBars(p, w, h, lit); });
    ok &= save(folder, "Unlock", 16, 16, [](QPainter& p, int w, int h) { padlock(p, w, h, true); });
    ok &= save(folder, "Lock", 16, 16, [](QPainter& p, int w, int h) { padlock(p, w, h, false); });
    ok &= save(folder, "mainPower", 15, 15, [](QPainter& p, int w, int h) { battery(p, w, h, kBlue, 3); });
    ok &= save(folder, "reservePower", 15, 15, [](QPainter& p, int w, int h) { battery(p, w, h, kYellow, 1); });
    ok &= save(folder, "termometr", 15, 15, [](QPainter& p, int w, int h) {
        p.setPen(QPen(kDark, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(w / 2.0 - 2, 1, 4, h - 5), 2, 2);
        p.setBrush(kRed);
        p.drawEllipse(QRectF(w / 2.0 - 3.5, h - 7, 7, 6));
        p.drawRect(QRectF(w / 2.0 - 1, 5, 2, h - 9));
    });
    ok &= save(folder, "speedometer", 15, 15, [](QPainter& p, int w, int h) {
        p.setPen(QPen(kDark, 1));
        p.setBrush(QColor(255, 240, 200));
        p.drawPie(QRectF(1, 2, w - 2, (h - 2) * 1.6), 0, 180 * 16);
        p.setPen(QPen(kRed, 1.5));
        p.drawLine(QPointF(w / 2.0, h * 0.75), QPointF(w - 4, 4));
    });
    ok &= save(folder, "radioAntenna", 15, 15, [](QPainter& p, int w, int h) {
        p.setPen(QPen(kDark, 1.5));
        p.drawLine(QPointF(w / 2.0, 4), QPointF(w / 2.0, h - 1));
        p.drawLine(QPointF(w / 2.0, h - 1), QPointF(3, h - 1));
        p.drawLine(QPointF(w / 2.0, h - 1), QPointF(w - 3, h - 1));
        p.setPen(QPen(kBlue, 1));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(2, 0, w - 4, 9), 30 * 16, 120 * 16);
        p.drawArc(QRectF(4, 2, w - 8, 6), 20 * 16, 140 * 16);
    });
    ok &= save(folder, "sim", 88, 100, [](QPainter& p, int w, int h) {
        QPainterPath card;
        card.moveTo(2, 2);
        card.lineTo(w - 24, 2);
        card.lineTo(w - 2, 24);
        card.lineTo(w - 2, h - 2);
        card.lineTo(2, h - 2);
        card.closeSubpath();
        p.setPen(QPen(kDark, 2));
        p.setBrush(QColor(60, 120, 200));
        p.drawPath(card);
        p.setBrush(kYellow);
        p.drawRoundedRect(QRectF(w * 0.25, h * 0.4, w * 0.5, h * 0.35), 5, 5);
        p.setPen(QPen(kDark, 1));
        p.drawLine(QPointF(w * 0.5, h * 0.4), QPointF(w * 0.5, h * 0.75));
        p.drawLine(QPointF(w * 0.25, h * 0.575), QPointF(w * 0.75, h * 0.575));
    });
    ok &= save(folder, "chronometer", 20, 20, [](QPainter& p, int w, int h) {
        p.setPen(QPen(kDark, 1.5));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(2, 3, w - 4, h - 4));
        p.drawLine(QPointF(w / 2.0 - 2, 1), QPointF(w / 2.0 + 2, 1));
        p.setPen(QPen(kBlue, 1.5));
        p.drawLine(QPointF(w / 2.0, h / 2.0 + 1), QPointF(w / 2.0, 6));
        p.drawLine(QPointF(w / 2.0, h / 2.0 + 1), QPointF(w - 6, h / 2.0 + 1));
    });
    ok &= save(folder, "address", 20, 20, [](QPainter& p, int w, int h) {
        QPainterPath pin;
        pin.moveTo(w / 2.0, h - 1);
        pin.cubicTo(0, h * 0.45, 2, 1, w / 2.0, 1);
        pin.cubicTo(w - 2, 1, w, h * 0.45, w / 2.0, h - 1);
        p.setPen(QPen(kDark, 1));
        p.setBrush(kRed);
        p.drawPath(pin);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(w / 2.0 - 3, 5, 6, 6));
    });
    ok &= save(folder, "divider", 20, 20, [](QPainter& p, int w, int h) {
        p.setPen(QPen(kGrey, 2));
        p.drawLine(QPointF(2, h / 2.0), QPointF(w - 2, h / 2.0));
        p.setPen(QPen(kDark, 1.5));
        p.drawLine(QPointF(2, h / 2.0 - 5), QPointF(2, h / 2.0 + 5));
        p.drawLine(QPointF(w - 2, h / 2.0 - 5), QPointF(w - 2, h / 2.0 + 5));
    });
    ok &= save(folder, "latitude", 15, 15, [](QPainter& p, int w, int h) { globeLines(p, w, h, true); });
    ok &= save(folder, "longtitude", 15, 15, [](QPainter& p, int w, int h) { globeLines(p, w, h, false); });

    return ok ? 0 : 1;
}
