// plurquiz-import: takes over an old Jet (.mdb) file, moves the material to and from CSV,
// exchanges sentences with course platforms (GIFT, Moodle XML, Aiken), and writes the learner's
// memory out as CSV.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "app/command_line.h"
#include "exchange_commands.h"
#include "legacy_import.h"
#include "material_csv_commands.h"
#include "memory_exports.h"
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
    "      FILE.csv (or a symbolic link of that name) is left as it is unless --force is given,\n"
    "      which replaces it (a link itself, never the file it leads to).\n"
    "  plurquiz-import --csv-in FILE.csv DB.sqlite\n"
    "      Reads sentences from such a CSV file into a database whose test1 is empty, or into a\n"
    "      new database if DB.sqlite does not exist. Every row is checked first; if any is bad,\n"
    "      each bad row is listed and nothing is written.\n"
    "  plurquiz-import --gift-out [--force] DB.sqlite FILE.gift\n"
    "  plurquiz-import --moodle-xml-out [--force] DB.sqlite FILE.xml\n"
    "      Writes every sentence as a multiple-choice question for a course platform, in GIFT or in\n"
    "      Moodle XML (UTF-8): the gap shown as _____, the four fillers with the right one marked, the\n"
    "      solution as general feedback, one category per topic and the level as a tag (level-1..3).\n"
    "      An existing FILE is left as it is unless --force is given.\n"
    "  plurquiz-import --gift-in FILE.gift DB.sqlite\n"
    "  plurquiz-import --aiken-in FILE.txt DB.sqlite\n"
    "      Adds the multiple-choice questions of a GIFT or Aiken file with exactly four answers and\n"
    "      one right one as sentences, numbered after the largest serial number of DB.sqlite (which\n"
    "      is created if it does not exist). Other questions, and those the CSV rules refuse (no\n"
    "      gap, a sentence there already, a field too long), are listed with their line and passed\n"
    "      over; the topic comes from the category name, the level from a tag level-1..3. A file that\n"
    "      is cut off, not UTF-8 or holds a NUL byte, or one without any such question, writes\n"
    "      nothing.\n"
    "  plurquiz-import --memory-out [--force] DB.sqlite FILE.csv\n"
    "      Writes the memory of every sentence answered so far to a CSV file (UTF-8), one line per\n"
    "      sentence: serial,sentence_id,deleted,stability,difficulty,last_update,due,updates,lapses.\n"
    "  plurquiz-import --answers-out [--force] DB.sqlite FILE.csv\n"
    "      Writes every answer the memory has logged, one line each in the order given:\n"
    "      answered_at,serial,sentence_id,verdict,grade,source,updated.\n"
    "      Both only read DB.sqlite, and treat an existing FILE.csv as --csv-out does; a database\n"
    "      last written by an earlier version of Plurquiz holds no memory yet and is refused.\n"
    "  plurquiz-import --help\n"
    "      Shows this text.\n"
    "  plurquiz-import --version\n"
    "      Shows the version.\n"
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
    if (args == QStringList{QStringLiteral("--version")}) {
        std::printf("%s\n", qUtf8Printable(app::versionLine("plurquiz-import")));
        return 0;
    }
    QStringList rest = args;
    // --force belongs to the commands that write a file, once.
    const QStringList writers = {QStringLiteral("--csv-out"), QStringLiteral("--gift-out"),
                                 QStringLiteral("--moodle-xml-out"), QStringLiteral("--memory-out"),
                                 QStringLiteral("--answers-out")};
    const qsizetype forces = rest.removeAll(QStringLiteral("--force"));
    if (forces > 1 || (forces == 1 && (rest.isEmpty() || !writers.contains(rest[0])))) return usage();
    const bool force = forces == 1;
    if (rest.size() != 3 && rest.size() != 2) return usage();
    try {
        if (rest.size() == 2) {
            if (rest[0].startsWith(u'-') || rest[1].startsWith(u'-')) return usage();
            for (const QString& warning : importtool::importLegacyFile(rest[0], rest[1]))
                std::fprintf(stderr, "%s\n", qUtf8Printable(warning));
        } else if (rest[0] == QLatin1String("--csv-out")) {
            importtool::exportMaterialCsv(rest[1], rest[2], force);
        } else if (rest[0] == QLatin1String("--memory-out")) {
            importtool::exportMemoryCsv(rest[1], rest[2], force);
        } else if (rest[0] == QLatin1String("--answers-out")) {
            importtool::exportAnswersCsv(rest[1], rest[2], force);
        } else if (rest[0] == QLatin1String("--csv-in")) {
            for (const QString& warning : importtool::importMaterialCsv(rest[1], rest[2]))
                std::fprintf(stderr, "%s\n", qUtf8Printable(warning));
        } else if (rest[0] == QLatin1String("--gift-out") || rest[0] == QLatin1String("--moodle-xml-out")) {
            const auto format = rest[0] == QLatin1String("--gift-out")
                                    ? importtool::QuestionFormat::Gift
                                    : importtool::QuestionFormat::MoodleXml;
            for (const QString& warning : importtool::exportQuestions(rest[1], rest[2], format, force))
                std::fprintf(stderr, "%s\n", qUtf8Printable(warning));
        } else if (rest[0] == QLatin1String("--gift-in") || rest[0] == QLatin1String("--aiken-in")) {
            const auto format = rest[0] == QLatin1String("--gift-in") ? importtool::QuestionFormat::Gift
                                                                      : importtool::QuestionFormat::Aiken;
            const importtool::ImportReport report = importtool::importQuestions(rest[1], rest[2], format);
            for (const QString& warning : report.warnings)
                std::fprintf(stderr, "%s\n", qUtf8Printable(warning));
            std::printf("%s\n", qUtf8Printable(report.summary));
        } else {
            return usage();
        }
    } catch (const importtool::ToolError& e) {
        for (const QString& line : e.lines()) std::fprintf(stderr, "%s\n", qUtf8Printable(line));
        return 1;
    }
    return 0;
}
