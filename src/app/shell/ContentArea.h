#pragma once

#include <QStackedWidget>
#include <QStringList>

// The content area right of the tree pane: a decorative picture behind the
// 18 content frames, of which at most one is visible.
class ContentArea : public QStackedWidget {
    Q_OBJECT
public:
    explicit ContentArea(QWidget* parent = nullptr);

    static const QStringList& frameNames();

    QWidget* frame(const QString& name) const;
    // Puts a real panel in place of the frame's placeholder (same objectName).
    void setFrame(const QString& name, QWidget* panel);
    // Shows the frame and hides all others.
    void showFrame(const QString& name);
    void hideFrames();
    // The name of the visible frame, empty when none.
    QString visibleFrame() const;

private:
    QWidget* m_picture;
};
