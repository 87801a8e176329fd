#include "shell/LoginDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

LoginDialog::LoginDialog(const LoginValues& values, QWidget* parent)
    : QDialog(parent)
    , m_database(new QLineEdit(values.database, this))
    , m_user(new QLineEdit(values.user, this))
    , m_password(new QLineEdit(values.password, this)) {
    setObjectName(QStringLiteral("LoginDialog"));
    setWindowTitle(QStringLiteral("Prihlásenie k databáze"));
    m_database->setObjectName(QStringLiteral("EditDatabaza"));
    m_user->setObjectName(QStringLiteral("EditPouzivatel"));
    m_password->setObjectName(QStringLiteral("EditHeslo"));
    m_password->setEchoMode(QLineEdit::Password);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Databáza:"), m_database);
    form->addRow(QStringLiteral("&Používateľ:"), m_user);
    form->addRow(QStringLiteral("&Heslo:"), m_password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Pripojiť"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Zrušiť"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    (values.user.isEmpty() ? m_user : m_password)->setFocus();
    setMinimumWidth(320);
}

LoginValues LoginDialog::values() const {
    return {m_database->text().trimmed(), m_user->text().trimmed(), m_password->text()};
}
