#pragma once
// The material database "MYMAT": fabrics, fibres and human body models in an SQLite file next to
// the executable. The windows open it read-only on first use. Every statement binds what the user
// typed as parameters, so no typed text ever becomes SQL.
//
// The script helpers at the top are inline: the build's generator, which links no window code,
// builds the file from the same scripts as the tests build their in-memory databases.
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <map>

// The file below the executable's folder; also the text of the message when it cannot be opened.
inline const char* const MaterialDbFile = "db/MYMAT.db";
// The scripts that build the database, in the order they run.
inline const char* const MaterialDbScripts[] = {"schema.sql", "seed.sql"};

// The statements of an SQL script: split on ";" outside quoted texts; "--" comments are dropped
// (an apostrophe in a comment must not open a quote), and so are empty statements. The SQLite
// driver runs one statement per call.
inline QStringList SplitSqlScript(const QString& script)
{
    QStringList statements;
    QString current;
    QChar quote;  // the quote character of the open quoted text, if any
    for (int i = 0; i < script.size(); ++i) {
        const QChar c = script[i];
        if (!quote.isNull()) {
            current += c;
            if (c == quote)
                quote = QChar();  // a doubled quote closes and reopens: the same text goes on
        } else if (c == '\'' || c == '"') {
            quote = c;
            current += c;
        } else if (c == '-' && i + 1 < script.size() && script[i + 1] == '-') {
            while (i < script.size() && script[i] != '\n')
                ++i;
            current += '\n';
        } else if (c == ';') {
            if (!current.trimmed().isEmpty())
                statements << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

// Runs every statement of the script; at the first failure, false with the statement and the
// database's message in `error`.
inline bool RunSqlScript(const QSqlDatabase& db, const QString& script, QString& error)
{
    for (const QString& statement : SplitSqlScript(script)) {
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            error = query.lastError().text() + "\nin: " + statement.left(200);
            return false;
        }
    }
    return true;
}

// Builds the database in the open connection from the scripts of a folder, in one transaction.
inline bool BuildMaterialDatabase(QSqlDatabase& db, const QString& scriptFolder, QString& error)
{
    db.transaction();
    for (const char* name : MaterialDbScripts) {
        QFile file(scriptFolder + "/" + name);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            error = "cannot read " + file.fileName();
            db.rollback();
            return false;
        }
        if (!RunSqlScript(db, QString::fromUtf8(file.readAll()), error)) {
            error = QString(name) + ": " + error;
            db.rollback();
            return false;
        }
    }
    return db.commit();
}

// --- The application's connection ----------------------------------------------------------

// The open connection in `db`. Opened read-only on first use (a missing file is not created);
// when it cannot be opened or read, or lacks a table or view the windows query, the message
// "The material database db/MYMAT.db cannot be opened!" is shown and the result is false. It is
// tried again on the next use.
bool OpenMaterialDatabase(QSqlDatabase& db);
// Makes the windows use another open connection by name (tests use an in-memory database); an
// empty name goes back to the file.
void UseMaterialDatabase(const QString& connectionName);
// Closes and forgets the file's connection, so the next use opens the file again.
void CloseMaterialDatabase();

// --- Statements ------------------------------------------------------------------------------

// A statement and the values bound to its "?" placeholders, in order.
struct TBoundStatement {
    QString Sql;
    QVariantList Values;
};

// A range condition as typed; an empty text leaves its side open.
struct TTextRange {
    QString From;
    QString To;
};

// The two tables of fibres or fabrics and the DataName keys of the two range conditions.
struct TMaterialTables {
    const char* Basic;       // FabricBasicData
    const char* Other;       // FabricOtherData
    const char* Id;          // FabricID
    const char* TypeColumn;  // FabricType
    const char* TypeList;    // the view of the distinct types
    const char* FirstKey;    // 'Thichness'
    const char* SecondKey;   // 'Porosity'
};
extern const TMaterialTables FabricTables;
extern const TMaterialTables FiberTables;
// The view of the distinct races of the body models.
inline const char* const BodyNationList = "ModelNationList";

struct TMaterialCriteria {
    QString Type;     // equal, when not empty
    QString Company;  // contained, when not empty
    TTextRange First;
    TTextRange Second;
};

struct TBodyCriteria {
    QString Race;
    bool Male = false;
    bool Female = false;
    TTextRange Age;
};

// The query of a fabric or fibre window: the basic rows whose type, company and the two values
// meet the criteria. A range bound that is a number compares the stored values as numbers;
// another text compares them as texts. Values never stored ('') do not meet a range.
TBoundStatement MaterialQueryStatement(const TMaterialTables& tables, const TMaterialCriteria& criteria);
// The query of the body window, with the same range rule for the age.
TBoundStatement BodyQueryStatement(const TBodyCriteria& criteria);

// Runs a statement on the connection; throws std::runtime_error with the database's message
// when it fails.
QSqlQuery RunStatement(const QSqlDatabase& db, const TBoundStatement& statement);

// The texts of a type list view ("Name" column), sorted.
QStringList TypeListNames(const QSqlDatabase& db, const char* view);

// The DataName -> DataValue rows of one fabric or fibre.
std::map<QString, QString> MaterialValues(const QSqlDatabase& db, const TMaterialTables& tables,
                                          const QString& id);
// The row of one body model (an empty record when there is none).
QSqlRecord BodyModelRecord(const QSqlDatabase& db, const QString& id);
