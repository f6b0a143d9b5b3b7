// Which topic a sentence's codes name.
#include "topics.h"

namespace store {

namespace {

std::optional<size_t> filedAs(const QString& kulcs1, const QString& kulcs2, Qt::CaseSensitivity cs) {
    auto same = [cs](const QString& code, const char* listed) {
        return code.compare(QLatin1String(listed), cs) == 0;
    };
    for (size_t i = 0; i < kTopics.size(); ++i) {
        const Topic& t = kTopics[i];
        if (same(kulcs1, t.kulcs1) && (!t.kulcs2 || same(kulcs2, t.kulcs2))) return i;
    }
    return std::nullopt;
}

}  // namespace

std::optional<size_t> topicFiledAs(const QString& kulcs1, const QString& kulcs2) {
    return filedAs(kulcs1, kulcs2, Qt::CaseSensitive);
}

std::optional<size_t> topicOf(const QString& kulcs1, const QString& kulcs2) {
    if (const std::optional<size_t> filed = filedAs(kulcs1, kulcs2, Qt::CaseInsensitive)) return filed;
    if (kulcs1 == QLatin1String(kTopics[0].kulcs1)) return 0;  // every verb
    return std::nullopt;
}

}  // namespace store
