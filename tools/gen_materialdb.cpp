// Builds the material database db/MYMAT.db from the SQL scripts under assets/db. The file is
// built under a temporary name and renamed at the end, so a failed build never leaves a
// half-filled database for the program to open.
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>

#include "materials/materialdb.h"
#include "tools/genassets.h"

namespace {

bool Build(const QString& path, QString& error)
{
    bool built = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "generator");
        db.setDatabaseName(path);
        if (!db.open())
            error = db.lastError().text();
        else
            built = BuildMaterialDatabase(db, VANTORA_DB_SCRIPTS, error);
        db.close();
    }
    QSqlDatabase::removeDatabase("generator");
    return built;
}

} // namespace

int main(int argc, char** argv)
{
    return RunGenerator(argc, argv, "gen_materialdb", "db", [](const QString& folder) {
        const QString target = folder + QFileInfo(MaterialDbFile).fileName();
        const QString building = target + ".new";
        QFile::remove(building);
        QString error;
        if (!Build(building, error)) {
            std::fprintf(stderr, "cannot build %s: %s\n", qPrintable(target), qPrintable(error));
            QFile::remove(building);
            return false;
        }
        QFile::remove(target);
        if (!QFile::rename(building, target)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(target));
            return false;
        }
        return true;
    });
}
