// Reading tables of a legacy Jet 3 / Jet 4 (.mdb) file through libmdb, as plain rows of values.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <stdexcept>
#include <vector>

namespace jet {

// Why the file could not be read, in words for the learner (without the file's name).
class JetError : public std::runtime_error {
public:
    explicit JetError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

struct JetTable {
    QString name;         // as the file spells it
    QStringList columns;  // as the file spells them, in the order asked for
    // Whole-number columns give qlonglong, every other column QString; empty or NULL gives a null QVariant.
    std::vector<std::vector<QVariant>> rows;
    int columnIndex(const QString& name) const;  // letter case ignored; -1 if absent
};

class JetFile {
public:
    // Opens the file read-only; throws JetError if it is not a readable Jet 3 or Jet 4 database.
    explicit JetFile(const QString& path);
    ~JetFile();
    JetFile(const JetFile&) = delete;
    JetFile& operator=(const JetFile&) = delete;

    // The named columns of a table, table and column names matched without regard to letter
    // case; a column the table lacks is left out. Nothing when there is no such table; throws
    // JetError when the table is there but cannot be read whole.
    std::optional<JetTable> readTable(const QString& table, const QStringList& columns);

private:
    void* mdb_ = nullptr;  // the library's MdbHandle, kept out of this header with its glib includes
};

}  // namespace jet
