#include "materials/materialdb.h"

#include <stdexcept>

#include "casemodel/numformat.h"
#include "toolkit/application.h"
#include "toolkit/messages.h"

namespace {

const char* const FileConnection = "MYMAT";
QString borrowedConnection;  // set by tests: an open connection used instead of the file

const char* const BodyTable = "HumanModelGeneralData";

// Opening an SQLite file succeeds for any file at all: one that is no database fails only on its
// first read, and an empty file or one that lost a table opens as a database without it. Compile
// a read of each table and view once, so such a file counts as one that cannot be opened rather
// than failing every query later (a view also fails here when a table under it is gone).
bool Readable(const QSqlDatabase& db)
{
    // The tables and views the windows query.
    const char* const names[] = {FabricTables.Basic, FabricTables.Other, FabricTables.TypeList,
                                 FiberTables.Basic,  FiberTables.Other,  FiberTables.TypeList,
                                 BodyTable,          BodyNationList};
    for (const char* name : names) {
        QSqlQuery probe(db);
        if (!probe.exec(QString("select * from %1 where 0").arg(name)))
            return false;
    }
    return true;
}

// A range condition. The values are stored as text, which sorts "10" before "9": a bound that
// reads as a number compares the value as a number; any other bound still narrows the search by
// the text's order, so a typed word is not refused.
void AppendBound(QString& sql, QVariantList& values, const QString& column, const char* op,
                 const QString& bound)
{
    double number = 0;
    if (TryStrToFloat(bound.toStdString(), number)) {
        sql += QString(" and CAST(%1 AS REAL) %2 ?").arg(column, op);
        values << number;
    } else {
        sql += QString(" and %1 %2 ?").arg(column, op);
        values << bound;
    }
}

void AppendRange(QString& sql, QVariantList& values, const QString& column, const TTextRange& range)
{
    if (!range.From.isEmpty())
        AppendBound(sql, values, column, ">=", range.From);
    if (!range.To.isEmpty())
        AppendBound(sql, values, column, "<=", range.To);
}

} // namespace

const TMaterialTables FabricTables = {"FabricBasicData", "FabricOtherData", "FabricID", "FabricType",
                                      "FabricTypeList", "Thichness", "Porosity"};
const TMaterialTables FiberTables = {"FiberBasicData", "FiberOtherData", "FiberID", "FiberType",
                                     "FiberTypeList", "Diameter", "Volume density"};

bool OpenMaterialDatabase(QSqlDatabase& db)
{
    if (!borrowedConnection.isEmpty()) {
        db = QSqlDatabase::database(borrowedConnection, false);
    } else {
        db = QSqlDatabase::contains(FileConnection) ? QSqlDatabase::database(FileConnection, false)
                                                    : QSqlDatabase::addDatabase("QSQLITE", FileConnection);
        if (!db.isOpen()) {
            db.setDatabaseName(AssetPath(MaterialDbFile));
            // Read-only: the program never writes the database, and a missing file must not be
            // created empty (which would then look like a database without rows).
            db.setConnectOptions("QSQLITE_OPEN_READONLY");
            if (db.open() && !Readable(db))
                db.close();
        }
    }
    if (db.isOpen())
        return true;
    AppMessageBox(QString("The material database %1 cannot be opened!").arg(MaterialDbFile), "Error");
    return false;
}

void UseMaterialDatabase(const QString& connectionName) { borrowedConnection = connectionName; }

void CloseMaterialDatabase()
{
    if (!QSqlDatabase::contains(FileConnection))
        return;
    QSqlDatabase::database(FileConnection, false).close();
    QSqlDatabase::removeDatabase(FileConnection);
}

TBoundStatement MaterialQueryStatement(const TMaterialTables& t, const TMaterialCriteria& criteria)
{
    TBoundStatement s;
    s.Sql = QString("select distinct a.* from %1 as a, %2 as b where 1=1").arg(t.Basic, t.Other);
    if (!criteria.Type.isEmpty()) {
        s.Sql += QString(" and %1 = ?").arg(t.TypeColumn);
        s.Values << criteria.Type;
    }
    if (!criteria.Company.isEmpty()) {
        s.Sql += " and Company like ?";
        s.Values << "%" + criteria.Company + "%";
    }
    const std::pair<const char*, const TTextRange*> ranges[] = {{t.FirstKey, &criteria.First},
                                                                {t.SecondKey, &criteria.Second}};
    for (const auto& [key, range] : ranges) {
        if (range->From.isEmpty() && range->To.isEmpty())
            continue;
        s.Sql += QString(" and a.%1 in (select distinct c.%1 from %2 as c where c.DataName = ?")
                     .arg(t.Id, t.Other);
        s.Values << QString(key);
        AppendRange(s.Sql, s.Values, "c.DataValue", *range);
        s.Sql += " and c.DataValue != '')";
    }
    return s;
}

TBoundStatement BodyQueryStatement(const TBodyCriteria& criteria)
{
    TBoundStatement s;
    s.Sql = QString("select * from %1 where 1=1").arg(BodyTable);
    if (!criteria.Race.isEmpty()) {
        s.Sql += " and ModelNation = ?";
        s.Values << criteria.Race;
    }
    if (criteria.Male)
        s.Sql += " and ModelGender = '1'";
    if (criteria.Female)
        s.Sql += " and ModelGender = '2'";
    if (!criteria.Age.From.isEmpty() || !criteria.Age.To.isEmpty()) {
        AppendRange(s.Sql, s.Values, "ModelAge", criteria.Age);
        s.Sql += " and ModelAge != ''";
    }
    return s;
}

QSqlQuery RunStatement(const QSqlDatabase& db, const TBoundStatement& statement)
{
    QSqlQuery query(db);
    query.setForwardOnly(false);
    if (!query.prepare(statement.Sql))
        throw std::runtime_error(query.lastError().text().toStdString());
    for (const QVariant& value : statement.Values)
        query.addBindValue(value);
    if (!query.exec())
        throw std::runtime_error(query.lastError().text().toStdString());
    return query;
}

QStringList TypeListNames(const QSqlDatabase& db, const char* view)
{
    QSqlQuery query = RunStatement(db, {QString("select Name from %1 order by Name").arg(view), {}});
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

std::map<QString, QString> MaterialValues(const QSqlDatabase& db, const TMaterialTables& t, const QString& id)
{
    QSqlQuery query = RunStatement(
        db, {QString("select DataName, DataValue from %1 where %2 = ?").arg(t.Other, t.Id), {id}});
    std::map<QString, QString> values;
    while (query.next())
        values[query.value(0).toString()] = query.value(1).toString();
    return values;
}

QSqlRecord BodyModelRecord(const QSqlDatabase& db, const QString& id)
{
    QSqlQuery query = RunStatement(db, {QString("select * from %1 where ModelID = ?").arg(BodyTable), {id}});
    return query.next() ? query.record() : QSqlRecord();
}
