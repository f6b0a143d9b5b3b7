// libFuzzer target: the GIFT and Aiken readers and the judging of what they read, on any bytes.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "aiken_format.h"
#include "exchange_sentence.h"
#include "gift_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const importtool::DecodedText decoded =
        importtool::decodeUtf8(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (decoded.badLine > 0) return 0;
    for (const importtool::ForeignRead& read :
         {importtool::readGift(decoded.text), importtool::readAiken(decoded.text)})
        for (const importtool::ForeignQuestion& question : read.questions) {
            const importtool::Judged judged = importtool::judge(question);
            // A sentence that was taken goes out again as GIFT and must read back as one question.
            if (!judged.sentence) continue;
            const importtool::ForeignRead again =
                importtool::readGift(importtool::writeGift({*judged.sentence}));
            if (again.questions.size() != 1 || !again.fatal.isEmpty()) __builtin_trap();
        }
    return 0;
}
