#pragma once

#include <QWidget>

class QTextBrowser;

// "Príručka": the handbook page beside the program, in a browser view.
class HandbookWindow : public QWidget {
    Q_OBJECT
public:
    explicit HandbookWindow(QWidget* parent = nullptr);

    // Opens the page and shows the window (not modal).
    void open();
    static QString pagePath();
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};
