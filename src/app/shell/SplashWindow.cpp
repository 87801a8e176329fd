#include "shell/SplashWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FormSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(699, 482);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();

    // A summer landscape: sky, hills and a meadow.
    QLinearGradient sky(0, 0, 0, r.height() * 0.6);
    sky.setColorAt(0, QColor(0x4a, 0x86, 0xc5));
    sky.setColorAt(1, QColor(0xcf, 0xe4, 0xf2));
    p.fillRect(r, sky);
    QPainterPath hills;
    hills.moveTo(0, r.height() * 0.62);
    hills.cubicTo(r.width() * 0.25, r.height() * 0.48, r.width() * 0.5, r.height() * 0.7, r.width(),
                  r.height() * 0.55);
    hills.lineTo(r.width(), r.height());
    hills.lineTo(0, r.height());
    hills.closeSubpath();
    QLinearGradient meadow(0, r.height() * 0.5, 0, r.height());
    meadow.setColorAt(0, QColor(0x7d, 0xb0, 0x4a));
    meadow.setColorAt(1, QColor(0x3c, 0x6e, 0x24));
    p.fillPath(hills, meadow);

    QFont heading(QStringLiteral("DejaVu Sans"), 24, QFont::Bold, true);
    p.setFont(heading);
    p.setPen(QColor(0xc0, 0x10, 0x10));
    p.drawText(QRectF(24, 18, r.width() - 48, 44), Qt::AlignLeft,
               QStringLiteral("Zootechnické riadenie farmy "));
    p.drawText(QRectF(24, 58, r.width() - 48, 44), Qt::AlignLeft, QStringLiteral("ošípaných"));

    QFont title(QStringLiteral("DejaVu Serif"), 34, QFont::Bold, true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, r.width() - 28, r.height() - 52), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("wGravolenta OŠ"));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    p.drawText(QRectF(0, 0, r.width() - 30, r.height() - 24), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("verzia 3.0"));
}
