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
    // Puts a real panel in place of the frame's placeholder (same objectName):
    // a panel registers itself for its frame here.
    void setFrame(const QString& name, QWidget* panel);
    // True once a panel has registered itself for the frame.
    bool isBuilt(const QString& name) const;
    // Shows the frame when a panel is registered for it and returns true;
    // otherwise hides every frame and answers "Táto funkcia zatiaľ nie je k
    // dispozícii." in a box with this title. Every node and entry whose panel
    // may not be built yet goes through here.
    bool offerFrame(const QString& name, const QString& title);
    static QString notAvailableText();
    // Shows the frame and hides all others.
    void showFrame(const QString& name);
    void hideFrames();
    // The name of the visible frame, empty when none.
    QString visibleFrame() const;

private:
    QWidget* m_picture;
};
