#include "shell/AboutWindow.h"

#include "shell/Icons.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FormOAplikacii"));
    setWindowTitle(QStringLiteral("O aplikácii"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ImageIkona"));
    picture->setPixmap(Icons::image(5).pixmap(32, 32));

    auto* title = new QLabel(QStringLiteral("wGravolenta OŠ"), this);
    title->setObjectName(QStringLiteral("LabelNazov"));
    QFont font = title->font();
    font.setPointSize(font.pointSize() + 6);
    font.setBold(true);
    font.setItalic(true);
    title->setFont(font);
    title->setStyleSheet(QStringLiteral("color: #0000c0;"));

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    for (const QString& line : {QStringLiteral("zootechnické riadenie farmy ošípaných"),
                                QStringLiteral("verzia 3.0"), QStringLiteral("marec 2008")})
        text->addWidget(new QLabel(line, this));

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* close = new QPushButton(QStringLiteral("Zruš"), this);
    close->setObjectName(QStringLiteral("ButtonZrus"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint().expandedTo(QSize(340, 170)));
}

bool AboutWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        move(230, 180);
    return QDialog::event(event);
}
