// The program on a terminal: --help and --version, answered before any window or display, and the
// refusal of arguments the program does not take.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace app {

// The language a terminal message is written in: the first of the four working languages in
// LANGUAGE, else the language of LC_ALL, LC_MESSAGES or LANG (the first set), else English. As
// with gettext, LANGUAGE counts only when the locale is not C or POSIX. Returns a text::LangBase.
int environmentLanguage();

// "NAME (Plurquiz Español) VERSION", the first line of --version.
QString versionLine(const char* programName);

// With --help (-h) or --version among the arguments, prints the answer and gives the exit status;
// otherwise nothing, and the program starts.
std::optional<int> answerInformationOptions(int argc, char** argv);

// The arguments left after the toolkit took its own: the program takes none, so any is named on
// standard error with the exit status 2.
std::optional<int> refuseArguments(const QStringList& rest);

}  // namespace app
