#include "Icone.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>

namespace ui {

namespace {

QIcon disegna(const std::function<void(QPainter&)>& pittura) {
    QPixmap immagine(32, 32);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittura(pittore);
    return QIcon(immagine);
}

} // namespace

QIcon iconaAggiornamento() {
    return disegna([](QPainter& p) {
        p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 3, 18, 24));
        p.setPen(QPen(QColor(0x99, 0x99, 0x99), 1));
        for (int y = 8; y <= 20; y += 4)
            p.drawLine(QPointF(8, y), QPointF(20, y));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1e, 0x8c, 0x2e));
        p.drawEllipse(QPointF(23, 23), 8, 8);
        p.setPen(QPen(Qt::white, 2.5));
        p.drawLine(QPointF(23, 18.5), QPointF(23, 27.5));
        p.drawLine(QPointF(18.5, 23), QPointF(27.5, 23));
    });
}

QIcon iconaInternet() {
    return disegna([](QPainter& p) {
        const QColor blu(0x0b, 0x3d, 0x91);
        p.setPen(QPen(blu, 1.5));
        p.setBrush(QColor(0xd8, 0xe6, 0xfa));
        p.drawEllipse(QPointF(13, 13), 11, 11);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(13, 13), 5, 11);
        p.drawLine(QPointF(2, 13), QPointF(24, 13));
        p.drawLine(QPointF(13, 2), QPointF(13, 24));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1e, 0x8c, 0x2e));
        QPainterPath freccia;
        freccia.moveTo(22, 16);
        freccia.lineTo(28, 16);
        freccia.lineTo(28, 23);
        freccia.lineTo(31, 23);
        freccia.lineTo(25, 30);
        freccia.lineTo(19, 23);
        freccia.lineTo(22, 23);
        freccia.closeSubpath();
        p.drawPath(freccia);
    });
}

QIcon iconaVerifica() {
    return disegna([](QPainter& p) {
        p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.5));
        p.setBrush(QColor(0xff, 0xf1, 0x9c));
        p.drawRect(QRectF(3, 5, 22, 22));
        p.setPen(QPen(QColor(0x0b, 0x3d, 0x91), 1));
        for (int x = 8; x <= 20; x += 6)
            for (int y = 10; y <= 22; y += 6)
                p.drawRect(QRectF(x - 2, y - 2, 4, 4));
        p.setPen(QPen(QColor(0x1e, 0x8c, 0x2e), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath spunta;
        spunta.moveTo(16, 20);
        spunta.lineTo(21, 26);
        spunta.lineTo(30, 12);
        p.setBrush(Qt::NoBrush);
        p.drawPath(spunta);
    });
}

QIcon iconaRuote() {
    return disegna([](QPainter& p) {
        p.setPen(QPen(QColor(0x0b, 0x3d, 0x91), 2.5));
        p.setBrush(QColor(0xd8, 0xe6, 0xfa));
        p.drawEllipse(QPointF(16, 16), 13, 13);
        for (int i = 0; i < 10; ++i) {
            const double angolo = i * 3.14159265 / 5;
            p.drawLine(QPointF(16, 16), QPointF(16 + 13 * std::cos(angolo), 16 + 13 * std::sin(angolo)));
        }
        p.setBrush(QColor(0x0b, 0x3d, 0x91));
        p.drawEllipse(QPointF(16, 16), 3, 3);
    });
}

QIcon iconaPeriodo() {
    return disegna([](QPainter& p) {
        p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 6, 26, 23));
        p.setBrush(QColor(0xc0, 0x1c, 0x28));
        p.drawRect(QRectF(3, 6, 26, 6));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x55, 0x55, 0x55));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                p.drawRect(QRectF(6 + c * 6, 15 + r * 4.5, 3.5, 3));
        p.setBrush(QColor(0x1e, 0x5a, 0xc8));
        p.drawRect(QRectF(12, 19.5, 9.5, 3));
    });
}

QIcon iconaGuida() {
    return disegna([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1e, 0x5a, 0xc8));
        p.drawEllipse(QPointF(16, 16), 14, 14);
        QFont carattere;
        carattere.setBold(true);
        carattere.setPixelSize(22);
        p.setFont(carattere);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QCursor puntatoreGriglie() {
    QPixmap immagine(32, 32);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x55, 0x33, 0x11), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17, 17), QPointF(27, 27));
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(0xff, 0xff, 0xe0, 0xb0));
    p.drawEllipse(QPointF(11, 11), 8, 8);
    return QCursor(immagine, 11, 11);
}

QPixmap immagineEmblema(int lato) {
    QPixmap immagine(lato, lato);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lato / 100.0, lato / 100.0);
    const QPointF centro(50, 50);
    // The wheel: a blue rim with ten spokes, one per wheel of the draw.
    QRadialGradient fondo(centro, 46);
    fondo.setColorAt(0, QColor(0xee, 0xf4, 0xff));
    fondo.setColorAt(1, QColor(0xb9, 0xcf, 0xf2));
    p.setPen(QPen(QColor(0x0b, 0x3d, 0x91), 5));
    p.setBrush(fondo);
    p.drawEllipse(centro, 44, 44);
    p.setPen(QPen(QColor(0x0b, 0x3d, 0x91), 2));
    for (int i = 0; i < 10; ++i) {
        const double angolo = i * 3.14159265 / 5;
        p.drawLine(centro, centro + QPointF(42 * std::cos(angolo), 42 * std::sin(angolo)));
    }
    // The ball in the middle, with its shine and the letter Q.
    QRadialGradient palla(QPointF(44, 42), 26);
    palla.setColorAt(0, QColor(0xff, 0xf3, 0xc4));
    palla.setColorAt(0.6, QColor(0xf2, 0xb1, 0x1c));
    palla.setColorAt(1, QColor(0xb8, 0x72, 0x00));
    p.setPen(QPen(QColor(0x7a, 0x4a, 0x00), 1.5));
    p.setBrush(palla);
    p.drawEllipse(centro, 22, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(centro, 13, 13);
    QFont carattere;
    carattere.setBold(true);
    carattere.setPixelSize(18);
    p.setFont(carattere);
    p.setPen(QColor(0x0b, 0x3d, 0x91));
    p.drawText(QRectF(30, 30, 40, 40), Qt::AlignCenter, QStringLiteral("Q"));
    return immagine;
}

QPixmap immagineStatistiche(int larghezza, int altezza) {
    QPixmap immagine(larghezza, altezza);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    const double margine = 4;
    const double base = altezza - margine;
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.5));
    p.drawLine(QPointF(margine, margine), QPointF(margine, base));
    p.drawLine(QPointF(margine, base), QPointF(larghezza - margine, base));
    // Bars of made-up heights: the picture shows counting, not any result.
    const double altezze[] = {0.55, 0.8, 0.35, 0.95, 0.6, 0.45, 0.75, 0.3, 0.65, 0.5};
    const int barre = 10;
    const double passo = (larghezza - 2 * margine - 4) / barre;
    for (int i = 0; i < barre; ++i) {
        const double h = (base - margine - 2) * altezze[i];
        const QRectF barra(margine + 4 + i * passo, base - h, passo * 0.7, h);
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 == 0 ? QColor(0x1e, 0x5a, 0xc8) : QColor(0x00, 0xa0, 0xa0));
        p.drawRect(barra);
    }
    return immagine;
}

} // namespace ui
