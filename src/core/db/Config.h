#pragma once

#include <QString>

namespace herd {

// Where the program keeps its data and how it reaches its database.
// The data root is $WGRAVOLENTA_HOME when set, else the user's data location.
// The settings file "wgravolenta.ini" in the data root chooses the database:
//
//   [database]
//   kind=private          ; private (default), server or odbc
//   host=localhost        ; server only (the private server is reached by its socket)
//   port=3306             ; server only
//   user=root
//   password=             ; optional; asked for at login when empty
//   name=wgravolentaos
//   dsn=MyKorbantix       ; odbc only
//
//   [folders]
//   data=/path            ; moves DATA_exp, db_imp, vstupig and prac/script
struct ConnectionSettings {
    enum class Kind { Private, Server, Odbc };

    Kind kind = Kind::Private;
    QString host = QStringLiteral("localhost");
    int port = 3306;
    QString user = QStringLiteral("root");
    QString password;
    QString database = QStringLiteral("wgravolentaos");
    QString dsn = QStringLiteral("MyKorbantix");
    // Set for the private server: the Unix socket it listens on.
    QString socket;
};

class Config {
public:
    // Reads the settings of the data root (or the defaults when there is no file).
    static Config load();
    static Config load(const QString& dataRoot);

    static QString defaultDataRoot();

    const QString& dataRoot() const { return m_dataRoot; }
    QString settingsPath() const;
    const ConnectionSettings& connection() const { return m_connection; }
    ConnectionSettings& connection() { return m_connection; }

    // The exchange folders; created by ensureFolders().
    QString exportFolder() const; // DATA_exp
    void setExportFolder(const QString& folder) { m_exportFolder = folder; }
    QString importFolder() const;   // db_imp
    QString deliveryFolder() const; // vstupig
    QString scriptFolder() const;   // prac/script
    // Creates the data root and its folders; returns false when one cannot be made.
    bool ensureFolders() const;

    // The Slovak refusal of settings that cannot be used (an unknown kind,
    // a database name that is not an identifier); empty when they can.
    const QString& problem() const { return m_problem; }
    // Throws SqlError with problem() when there is one.
    void validate() const;

private:
    QString m_dataRoot;
    QString m_foldersRoot;
    QString m_exportFolder; // set only when moved away from the folders root
    ConnectionSettings m_connection;
    QString m_problem;
};

} // namespace herd
