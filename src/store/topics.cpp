// Which topic a sentence's codes name.
#include "topics.h"

namespace store {

std::optional<size_t> topicFiledAs(const QString& kulcs1, const QString& kulcs2) {
    for (size_t i = 0; i < kTopics.size(); ++i) {
        const Topic& t = kTopics[i];
        if (kulcs1 == QLatin1String(t.kulcs1) && (!t.kulcs2 || kulcs2 == QLatin1String(t.kulcs2))) return i;
    }
    return std::nullopt;
}

std::optional<size_t> topicOf(const QString& kulcs1, const QString& kulcs2) {
    if (const std::optional<size_t> filed = topicFiledAs(kulcs1, kulcs2)) return filed;
    if (kulcs1 == QLatin1String(kTopics[0].kulcs1)) return 0;  // every verb
    return std::nullopt;
}

}  // namespace store
