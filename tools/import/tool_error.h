// The failure of one use of the import tool: the lines it prints on standard error.
#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

namespace importtool {

class ToolError : public std::runtime_error {
public:
    explicit ToolError(const QString& line) : ToolError(QStringList{line}) {}
    explicit ToolError(const QStringList& lines)
        : std::runtime_error(lines.join(QLatin1Char('\n')).toStdString()), lines_(lines) {}
    const QStringList& lines() const { return lines_; }

private:
    QStringList lines_;
};

}  // namespace importtool
