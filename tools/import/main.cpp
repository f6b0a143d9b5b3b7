// plurquiz-import: takes over an old Jet (.mdb) file, and moves the material to and from CSV.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "legacy_import.h"
#include "material_csv_commands.h"
#include "tool_error.h"

namespace {

const char kHelp[] =
    "Usage:\n"
    "  plurquiz-import SOURCE.mdb TARGET.sqlite\n"
    "      Takes over the tables test1 and hiba1 of an old Jet 3 or Jet 4 database into a new\n"
    "      database of Plurquiz Español. The old file is only read; TARGET must not exist.\n"
    "      If only the log of failed items (hiba1) cannot be read, the sentences are taken over,\n"
    "      the new log starts empty, and a warning line says so (the exit status is still 0).\n"
    "  plurquiz-import --csv-out [--force] DB.sqlite FILE.csv\n"
    "      Writes the sentences (table test1) of a database to a CSV file (UTF-8) with the\n"
    "      columns sorszam,szint,kulcs1,kulcs2,mondat,a,b,c,d,felelet1,felelet2. An existing\n"
    "      FILE.csv is left as it is unless --force is given, which replaces it.\n"
    "  plurquiz-import --csv-in FILE.csv DB.sqlite\n"
    "      Reads sentences from such a CSV file into a database whose test1 is empty, or into a\n"
    "      new database if DB.sqlite does not exist. Every row is checked first; if any is bad,\n"
    "      each bad row is listed and nothing is written.\n"
    "  plurquiz-import --help\n"
    "      Shows this text.\n"
    "Exit status: 0 done (warnings on standard error), 1 failed (the reason on standard error),\n"
    "2 wrong arguments.\n";

int usage() {
    std::fputs("plurquiz-import: wrong arguments\n", stderr);
    std::fputs(kHelp, stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args == QStringList{QStringLiteral("--help")} || args == QStringList{QStringLiteral("-h")}) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    QStringList rest = args;
    // --force belongs to --csv-out alone, once.
    const qsizetype forces = rest.removeAll(QStringLiteral("--force"));
    if (forces > 1 || (forces == 1 && (rest.isEmpty() || rest[0] != QLatin1String("--csv-out"))))
        return usage();
    const bool force = forces == 1;
    if (rest.size() != 3 && rest.size() != 2) return usage();
    try {
        if (rest.size() == 2) {
            if (rest[0].startsWith(u'-') || rest[1].startsWith(u'-')) return usage();
            for (const QString& warning : importtool::importLegacyFile(rest[0], rest[1]))
                std::fprintf(stderr, "%s\n", qUtf8Printable(warning));
        } else if (rest[0] == QLatin1String("--csv-out")) {
            importtool::exportMaterialCsv(rest[1], rest[2], force);
        } else if (rest[0] == QLatin1String("--csv-in")) {
            importtool::importMaterialCsv(rest[1], rest[2]);
        } else {
            return usage();
        }
    } catch (const importtool::ToolError& e) {
        for (const QString& line : e.lines()) std::fprintf(stderr, "%s\n", qUtf8Printable(line));
        return 1;
    }
    return 0;
}
