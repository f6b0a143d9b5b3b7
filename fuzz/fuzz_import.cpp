// libFuzzer target: the Jet reader and the row checks of the import on mutated files.
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>

#include "jet_reader.h"
#include "legacy_rows.h"
#include "store/schema.h"
#include "tool_error.h"

namespace {

// libmdb reads files only, so every input goes through one file of this process.
QString inputPath() {
    static const QString path = QDir::temp().filePath(QStringLiteral("fuzz_import_%1.mdb").arg(::getpid()));
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        QFile file(inputPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    try {
        jet::JetFile jetFile(inputPath());
        if (auto test1 = jetFile.readTable(QStringLiteral("test1"), store::test1Fields().names))
            importtool::test1Rows(*test1);
        auto hiba1 = jetFile.readTable(QStringLiteral("hiba1"), store::hiba1Fields().names);
        importtool::hiba1Rows(hiba1 ? &*hiba1 : nullptr);
    } catch (const jet::JetError&) {
    } catch (const importtool::ToolError&) {
    }
    return 0;
}
