#include "shell/HandbookWindow.h"

#include <QCoreApplication>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HandbookWindow::HandbookWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("FormPrirucka"));
    setWindowTitle(QStringLiteral("Príručka"));
    resize(870, 640);
    m_browser->setObjectName(QStringLiteral("WebBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
}

QString HandbookWindow::pagePath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/wGravolentaOs_prirucka.htm");
}

void HandbookWindow::open() {
    // A missing page simply shows empty, as a browser would.
    m_browser->setSource(QUrl::fromLocalFile(pagePath()));
    show();
    raise();
}
