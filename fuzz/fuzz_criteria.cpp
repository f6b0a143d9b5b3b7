// libFuzzer target: the condition language on arbitrary text. A condition either parses,
// evaluates on sample rows of both tables and turns into SQL, or is refused with the store's
// error; nothing else.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "store/criteria.h"
#include "store/schema.h"
#include "store/store_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::vector<QVariant> question = {7,
                                            7,
                                            1200,
                                            2,
                                            QStringLiteral("1"),
                                            QStringLiteral("a"),
                                            QStringLiteral("Árbol ..."),
                                            QStringLiteral("ser"),
                                            {},
                                            QStringLiteral("haber"),
                                            QStringLiteral("tener"),
                                            QStringLiteral("Es un árbol."),
                                            QStringLiteral("A")};
    const std::vector<QVariant> failed = {QStringLiteral("0"), QStringLiteral(" Hola"), {}, {}, {}, {}, {},
                                          QStringLiteral("B")};
    for (const store::Fields* fields : {&store::test1Fields(), &store::hiba1Fields()}) {
        try {
            const store::Criteria criteria = store::Criteria::parse(text, *fields);
            const std::vector<QVariant>& row = fields == &store::test1Fields() ? question : failed;
            criteria.matches(row);
            // The SQL side, with the sample row's value as the only distinct value of each field.
            criteria.toSql([&](int field) { return std::optional<std::vector<QVariant>>({row.at(field)}); },
                           999);
        } catch (const store::StoreError&) {
        }
    }
    return 0;
}
