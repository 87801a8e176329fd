#include "shell/ContentArea.h"

#include "shell/Dialogs.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

namespace {

// The picture behind the frames: a quiet field with the program's name.
class Backdrop : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient sky(0, 0, 0, height());
        sky.setColorAt(0.0, QColor(0xe8, 0xf0, 0xf6));
        sky.setColorAt(0.62, QColor(0xf6, 0xf4, 0xea));
        sky.setColorAt(0.63, QColor(0xc9, 0xd9, 0xa8));
        sky.setColorAt(1.0, QColor(0x9f, 0xbf, 0x7a));
        p.fillRect(rect(), sky);
        QFont font(QStringLiteral("DejaVu Serif"), 28, QFont::Bold, true);
        p.setFont(font);
        p.setPen(QColor(0x80, 0x00, 0x00, 60));
        p.drawText(rect().adjusted(0, 0, -24, -24), Qt::AlignRight | Qt::AlignBottom,
                   QStringLiteral("wGravolenta OŠ"));
    }
};

// Marks a frame that no panel has replaced yet.
const char* const placeholderProperty = "wgPlaceholder";

} // namespace

ContentArea::ContentArea(QWidget* parent)
    : QStackedWidget(parent)
    , m_picture(new Backdrop(this)) {
    setObjectName(QStringLiteral("ContentArea"));
    m_picture->setObjectName(QStringLiteral("ImagePozadie"));
    addWidget(m_picture);
    for (const QString& name : frameNames()) {
        auto* placeholder = new QWidget(this);
        placeholder->setObjectName(name);
        placeholder->setProperty(placeholderProperty, true);
        addWidget(placeholder);
    }
    hideFrames();
}

const QStringList& ContentArea::frameNames() {
    static const QStringList names = {
        QStringLiteral("FrameKarantena"),     QStringLiteral("FrameJalovaren"),
        QStringLiteral("FrameMatecnik"),      QStringLiteral("FrameSkolka"),
        QStringLiteral("FrameOdchovna"),      QStringLiteral("FrameUVykrm"),
        QStringLiteral("FrameKancin"),        QStringLiteral("FrameNahlPrip"),
        QStringLiteral("FrameNahlVrhu"),      QStringLiteral("FrameSelPotomstva"),
        QStringLiteral("FrameKance"),         QStringLiteral("FramePrasnice"),
        QStringLiteral("FramePrasnicky"),     QStringLiteral("FramePlemPotomstvo"),
        QStringLiteral("FrameSVJHPotomstvo"), QStringLiteral("FrameVykrm"),
        QStringLiteral("FrameBonit"),         QStringLiteral("FrameMerVU"),
    };
    return names;
}

QWidget* ContentArea::frame(const QString& name) const {
    for (int i = 1; i < count(); ++i)
        if (widget(i)->objectName() == name)
            return widget(i);
    return nullptr;
}

void ContentArea::setFrame(const QString& name, QWidget* panel) {
    QWidget* old = frame(name);
    if (!old)
        return;
    const int index = indexOf(old);
    const bool wasVisible = currentIndex() == index;
    panel->setObjectName(name);
    insertWidget(index, panel);
    removeWidget(old);
    old->deleteLater();
    if (wasVisible)
        setCurrentWidget(panel);
}

bool ContentArea::isBuilt(const QString& name) const {
    const QWidget* w = frame(name);
    return w && !w->property(placeholderProperty).toBool();
}

QString ContentArea::notAvailableText() {
    return QStringLiteral("Táto funkcia zatiaľ nie je k dispozícii.");
}

bool ContentArea::offerFrame(const QString& name, const QString& title) {
    if (isBuilt(name)) {
        showFrame(name);
        return true;
    }
    hideFrames();
    Dialogs::information(title, notAvailableText());
    return false;
}

void ContentArea::showFrame(const QString& name) {
    if (QWidget* w = frame(name))
        setCurrentWidget(w);
    else
        hideFrames();
}

void ContentArea::hideFrames() {
    setCurrentWidget(m_picture);
}

QString ContentArea::visibleFrame() const {
    return currentWidget() == m_picture ? QString() : currentWidget()->objectName();
}
