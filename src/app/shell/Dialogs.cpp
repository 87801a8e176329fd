#include "shell/Dialogs.h"

#include "settings/FormDenAkt.h"
#include "shell/LoginDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {
Dialogs* installed = nullptr;

QWidget* parentWindow() {
    return QApplication::activeWindow();
}
} // namespace

Dialogs& Dialogs::instance() {
    static MessageBoxDialogs boxes;
    return installed ? *installed : boxes;
}

void Dialogs::install(Dialogs* dialogs) {
    installed = dialogs;
}

void MessageBoxDialogs::show(const herd::Notice& notice) {
    QMessageBox::Icon icon = QMessageBox::Information;
    if (notice.kind == herd::Notice::Kind::Warning)
        icon = QMessageBox::Warning;
    else if (notice.kind == herd::Notice::Kind::Error)
        icon = QMessageBox::Critical;
    QMessageBox box(icon, notice.title, notice.text, QMessageBox::Ok, parentWindow());
    box.exec();
}

bool MessageBoxDialogs::ask(const QString& title, const QString& question) {
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, parentWindow());
    QPushButton* yes = box.addButton(QStringLiteral("&Áno"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&Nie"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

bool MessageBoxDialogs::login(LoginValues& values) {
    LoginDialog dialog(values, parentWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    values = dialog.values();
    return true;
}

QString Dialogs::askText(const QString& title, const QString& prompt) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                               QLineEdit::Normal, {}, &ok);
    return ok ? text : QString();
}

std::optional<QDate> MessageBoxDialogs::askDate(const QString& caption) {
    // One picker for the whole run, as the batches expect.
    static FormDenAkt* picker = new FormDenAkt;
    return picker->ask(caption);
}

QString MessageBoxDialogs::saveFile(const QString& title, const QString& suggested,
                                    const QString& filter) {
    return QFileDialog::getSaveFileName(parentWindow(), title, suggested, filter);
}
