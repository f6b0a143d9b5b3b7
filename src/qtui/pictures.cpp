// Drawing of the pictures.
#include "pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace qtui {

namespace {

constexpr int kSize = 64;

QPixmap canvas() {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    return pm;
}

// A speech bubble with "¿?" that turns a little between the three frames.
QPixmap animationFrame(int frame) {
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {QColor(0xc6, 0x0b, 0x1e), QColor(0xf1, 0xbf, 0x00), QColor(0x1f, 0x6f, 0xb2)};
    p.translate(kSize / 2.0, kSize / 2.0);
    p.rotate((frame - 1) * 12.0 - 12.0);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(-26, -22, 52, 38), 12, 12);
    QPainterPath tail;
    tail.moveTo(-8, 14);
    tail.lineTo(-16, 28);
    tail.lineTo(6, 15);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(colours[frame - 1]);
    p.drawPath(bubble.united(tail));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(24);
    f.setBold(true);
    p.setFont(f);
    p.setPen(frame == 2 ? QColor(0x40, 0x20, 0x00) : Qt::white);
    p.drawText(QRectF(-26, -22, 52, 38), Qt::AlignCenter,
               frame == 3 ? QStringLiteral("¡!") : QStringLiteral("¿?"));
    return pm;
}

QPixmap info() {
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x0b, 0x4f, 0x8a), 3));
    p.setBrush(QColor(0x2d, 0x7d, 0xd2));
    p.drawEllipse(QRectF(4, 4, 56, 56));
    // The "i" drawn as a dot and a stem with a foot: no font to load for one letter.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(27, 13, 10, 10));
    p.drawRoundedRect(QRectF(27.5, 27, 9, 22), 2, 2);
    p.drawRoundedRect(QRectF(23, 45, 18, 5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(23, 27, 10, 4.5), 1.5, 1.5);
    return pm;
}

QPixmap flag() {
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(2, 12, 60, 40), 6, 6);
    p.setClipPath(clip);
    p.fillRect(QRectF(2, 12, 60, 10), QColor(0xc6, 0x0b, 0x1e));
    p.fillRect(QRectF(2, 22, 60, 20), QColor(0xf1, 0xbf, 0x00));
    p.fillRect(QRectF(2, 42, 60, 10), QColor(0xc6, 0x0b, 0x1e));
    p.setClipping(false);
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(clip);
    return pm;
}

QPixmap books() {
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor spines[] = {QColor(0x1f, 0x6f, 0xb2), QColor(0x2e, 0x8b, 0x57), QColor(0xc6, 0x0b, 0x1e)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(0, 0, 0, 90), 1));
        p.setBrush(spines[i]);
        p.drawRoundedRect(QRectF(8 + i * 16, 10 + (i == 1 ? 4 : 0), 14, 46 - (i == 1 ? 4 : 0)), 2, 2);
        p.setPen(QPen(QColor(255, 255, 255, 170), 2));
        p.drawLine(QPointF(11 + i * 16, 20), QPointF(19 + i * 16, 20));
    }
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 3));
    p.drawLine(QPointF(4, 58), QPointF(60, 58));
    return pm;
}

// The program's icon (packaging/icons/plurquiz.svg, drawn on a 256 grid): a speech bubble holding a
// gapped sentence and four candidate fillers, the third one chosen. Drawn rather than decoded, so
// that no image reader is loaded for it.
QPixmap iconPicture(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(20, 24, 216, 164), 36, 36);
    QPainterPath tail;
    tail.moveTo(116, 186);
    tail.lineTo(54, 234);
    tail.lineTo(68, 186);
    tail.closeSubpath();
    QLinearGradient red(0, 24, 0, 234);
    red.setColorAt(0, QColor(0xd8, 0x18, 0x2c));
    red.setColorAt(1, QColor(0xa5, 0x08, 0x18));
    p.setPen(QPen(QColor(0x7a, 0x06, 0x12), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(red);
    p.drawPath(bubble.united(tail));
    const QColor white(Qt::white), gold(0xf1, 0xbf, 0x00), faint(255, 255, 255, 140);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawRoundedRect(QRectF(46, 56, 164, 20), 10, 10);
    p.drawRoundedRect(QRectF(46, 94, 52, 20), 10, 10);
    p.drawRoundedRect(QRectF(178, 94, 32, 20), 10, 10);
    p.setPen(QPen(white, 4));
    p.setBrush(gold);
    p.drawRoundedRect(QRectF(106, 88, 64, 32), 8, 8);
    p.drawEllipse(QPointF(146, 150), 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(faint);
    for (double x : {66.0, 106.0, 186.0}) p.drawEllipse(QPointF(x, 150), 12, 12);
    return pm;
}

}  // namespace

QPixmap picture(const QString& name) {
    if (name == QLatin1String("anim1")) return animationFrame(1);
    if (name == QLatin1String("anim2")) return animationFrame(2);
    if (name == QLatin1String("anim3")) return animationFrame(3);
    if (name == QLatin1String("info")) return info();
    if (name == QLatin1String("flag")) return flag();
    if (name == QLatin1String("books")) return books();
    return {};
}

QIcon programIcon() {
    // Each window hands every size to the window system as a full-colour copy, so only the sizes
    // title bars and task switchers use; the desktop's launchers take the installed icon theme.
    static const QIcon icon = [] {
        QIcon sizes;
        for (int size : {16, 24, 32, 48, 64}) sizes.addPixmap(iconPicture(size));
        return sizes;
    }();
    return icon;
}

}  // namespace qtui
