// --help, --version and unknown arguments.
#include "command_line.h"

#include <QStandardPaths>
#include <cstdio>
#include <cstring>

#include "text/ui_text.h"

namespace app {

namespace {

std::optional<int> languageOf(const QString& localeName) {
    const QString code = localeName.section(u'_', 0, 0).section(u'.', 0, 0).section(u'@', 0, 0).toLower();
    for (int base : {text::English, text::Hungarian, text::Spanish, text::French})
        if (code == QLatin1String(text::languageCode(base))) return base;
    return std::nullopt;
}

}  // namespace

int environmentLanguage() {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(name);
        if (!locale.isEmpty()) break;
    }
    if (locale.isEmpty() || locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) ||
        locale == QLatin1String("POSIX"))
        return text::English;
    for (const QString& entry : qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts))
        if (const auto base = languageOf(entry)) return *base;
    return languageOf(locale).value_or(text::English);
}

QString versionLine(const char* programName) {
    return QStringLiteral("%1 (Plurquiz Español) %2")
        .arg(QLatin1String(programName), QStringLiteral(PLURQUIZ_VERSION));
}

std::optional<int> answerInformationOptions(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
            std::fputs(
                qUtf8Printable(text::uiText(text::KeyCommandLineHelp, environmentLanguage()).arg(folder)),
                stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", qUtf8Printable(versionLine("plurquiz")));
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<int> refuseArguments(const QStringList& rest) {
    if (rest.isEmpty()) return std::nullopt;
    std::fputs(
        qUtf8Printable(text::uiText(text::KeyUnknownArgument, environmentLanguage()).arg(rest.first())),
        stderr);
    return 2;
}

}  // namespace app
