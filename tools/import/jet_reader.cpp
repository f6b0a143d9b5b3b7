// The Jet reader: a check of the file's first page, then libmdb for the catalogue and the rows.
#include "jet_reader.h"

#include <mdbtools.h>

#include <QFile>
#include <cstdlib>
#include <memory>

namespace jet {

namespace {

// Room for a text field many times over (255 characters) and for any sensible memo. A value
// that fills the buffer has been cut short by the library and is refused rather than stored
// shortened. The library allocates this much for every value it converts, so it stays below
// the size at which malloc turns to mmap.
constexpr size_t kBindSize = 64 * 1024;

MdbHandle* handleOf(void* p) {
    return static_cast<MdbHandle*>(p);
}

// libmdb takes the version byte of page 0 on trust, so that a file of any other kind (even an
// empty one) passes for Jet 3; the signature and the length are checked here first.
void checkFirstPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw JetError(QStringLiteral("the file cannot be opened for reading"));
    if (file.size() == 0) throw JetError(QStringLiteral("the file is empty (0 bytes); it holds no tables"));
    const QByteArray head = file.read(0x15);
    static const QByteArray jet = QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    static const QByteArray ace = QByteArray("\x00\x01\x00\x00Standard ACE DB\x00", 20);
    if (head.size() < 0x15) throw JetError(QStringLiteral("the file is too short to be a Jet database"));
    if (head.startsWith(ace))
        throw JetError(QStringLiteral("the file is in the Access 2007 or later format, not Jet 3 or Jet 4"));
    if (!head.startsWith(jet)) throw JetError(QStringLiteral("the file is not a Jet database"));
    const char version = head.at(0x14);
    if (version != MDB_VER_JET3 && version != MDB_VER_JET4)
        throw JetError(QStringLiteral("the file is not in the Jet 3 or Jet 4 format"));
    // A Jet file is whole pages, and its table list starts on the third.
    const qint64 page = version == MDB_VER_JET3 ? 2048 : 4096;
    if (file.size() % page != 0)
        throw JetError(
            QStringLiteral("the file is cut short or damaged (%1 bytes is not a whole number of pages)")
                .arg(file.size()));
    if (file.size() < 3 * page)
        throw JetError(
            QStringLiteral("the file is cut short (%1 bytes) before its list of tables").arg(file.size()));
}

MdbCatalogEntry* findTable(MdbHandle* mdb, const QString& name) {
    GPtrArray* catalog = mdb->catalog;
    if (!catalog) return nullptr;
    for (guint i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (entry && entry->object_type == MDB_TABLE &&
            QString::fromUtf8(entry->object_name).compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return nullptr;
}

bool isWholeNumberType(int type) {
    return type == MDB_BYTE || type == MDB_INT || type == MDB_LONGINT;
}

// Binary, OLE, GUID and attachment columns come out of libmdb as raw bytes, not as text.
bool isReadableType(int type) {
    switch (type) {
        case MDB_BOOL:
        case MDB_BYTE:
        case MDB_INT:
        case MDB_LONGINT:
        case MDB_MONEY:
        case MDB_FLOAT:
        case MDB_DOUBLE:
        case MDB_DATETIME:
        case MDB_TEXT:
        case MDB_MEMO:
        case MDB_NUMERIC:
            return true;
        default:
            return false;
    }
}

struct TableDeleter {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

struct Binding {
    int column = 0;  // in the table's column list
    bool wholeNumber = false;
    std::vector<char> buffer = std::vector<char>(kBindSize);
    int length = 0;
};

}  // namespace

int JetTable::columnIndex(const QString& name) const {
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

JetFile::JetFile(const QString& path) {
    checkFirstPage(path);
    // The library takes its character set, debug switches and search folders from the
    // environment; the import wants UTF-8, no debug output and exactly the file it was given.
    unsetenv("MDBICONV");
    unsetenv("MDBOPTS");
    unsetenv("MDBPATH");
    MdbHandle* mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb) throw JetError(QStringLiteral("the file cannot be read as a Jet database"));
    mdb_ = mdb;
    mdb_set_bind_size(mdb, kBindSize);
    if (!mdb_read_catalog(mdb, MDB_TABLE)) {
        mdb_close(mdb);
        mdb_ = nullptr;
        throw JetError(QStringLiteral("the list of tables cannot be read; the file is damaged"));
    }
}

JetFile::~JetFile() {
    if (mdb_) mdb_close(handleOf(mdb_));
}

std::optional<JetTable> JetFile::readTable(const QString& name, const QStringList& wanted) {
    MdbCatalogEntry* entry = findTable(handleOf(mdb_), name);
    if (!entry) return std::nullopt;
    JetTable result;
    result.name = QString::fromUtf8(entry->object_name);
    const QString where = QStringLiteral("table %1").arg(result.name);

    std::vector<Binding> bindings;  // declared before the table, so that the table goes first
    std::unique_ptr<MdbTableDef, TableDeleter> table(mdb_read_table(entry));
    if (!table)
        throw JetError(where + QStringLiteral(": its definition cannot be read; the file is damaged"));
    GPtrArray* columns = mdb_read_columns(table.get());
    if (!columns) throw JetError(where + QStringLiteral(": its fields cannot be read; the file is damaged"));

    bindings.reserve(static_cast<size_t>(wanted.size()));
    for (const QString& want : wanted) {
        for (guint i = 0; i < columns->len; ++i) {
            auto* col = static_cast<MdbColumn*>(g_ptr_array_index(columns, i));
            if (!col || QString::fromUtf8(col->name).compare(want, Qt::CaseInsensitive) != 0) continue;
            if (!isReadableType(col->col_type))
                throw JetError(where + QStringLiteral(", field %1: its type (%2) holds no text or number")
                                           .arg(QString::fromUtf8(col->name))
                                           .arg(col->col_type));
            result.columns << QString::fromUtf8(col->name);
            bindings.push_back(Binding{static_cast<int>(i), isWholeNumberType(col->col_type)});
            break;
        }
    }
    for (Binding& b : bindings)
        if (mdb_bind_column(table.get(), b.column + 1, b.buffer.data(), &b.length) < 0)
            throw JetError(where + QStringLiteral(": its fields cannot be read; the file is damaged"));

    const size_t expected = table->num_rows;
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        // A damaged page can yield rows that were never written; stop before they fill memory.
        if (result.rows.size() >= expected)
            throw JetError(where +
                           QStringLiteral(": it holds more rows than its definition says (%1); the file is "
                                          "damaged")
                               .arg(expected));
        std::vector<QVariant> row;
        row.reserve(bindings.size());
        for (size_t c = 0; c < bindings.size(); ++c) {
            const Binding& b = bindings[c];
            // libmdb gives NULL and the zero-length text alike as an empty value.
            if (b.length <= 0) {
                row.emplace_back();
                continue;
            }
            if (static_cast<size_t>(b.length) >= kBindSize - 1)
                throw JetError(where + QStringLiteral(", row %1, field %2: the value is too long")
                                           .arg(result.rows.size() + 1)
                                           .arg(result.columns[static_cast<int>(c)]));
            const QString text = QString::fromUtf8(b.buffer.data(), b.length);
            bool isNumber = false;
            const qlonglong number = b.wholeNumber ? text.toLongLong(&isNumber) : 0;
            row.push_back(isNumber ? QVariant(number) : QVariant(text));
        }
        result.rows.push_back(std::move(row));
    }
    // Pages cut off or overwritten lose their rows without a word from the library.
    if (result.rows.size() != expected)
        throw JetError(where +
                       QStringLiteral(": %1 rows could be read of the %2 it holds; the file is damaged")
                           .arg(result.rows.size())
                           .arg(expected));
    return result;
}

}  // namespace jet
