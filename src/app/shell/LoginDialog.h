#pragma once

#include "shell/Dialogs.h"

#include <QDialog>

class QLineEdit;

// The database login: database, user name and password.
class LoginDialog : public QDialog {
    Q_OBJECT
public:
    explicit LoginDialog(const LoginValues& values, QWidget* parent = nullptr);
    LoginValues values() const;

private:
    QLineEdit* m_database;
    QLineEdit* m_user;
    QLineEdit* m_password;
};
