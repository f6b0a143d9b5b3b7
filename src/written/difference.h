// The letter-by-letter difference between a typed answer and the right filler: the fewest letters
// added, removed or changed that turn one into the other, shown over the typed text.
#pragma once

#include <QString>
#include <vector>

namespace written {

struct Segment {
    enum Kind {
        Same,     // typed as the filler has it
        Missing,  // in the filler, not typed
        Extra,    // typed, not in the filler
        Changed,  // typed, where the filler has other letters
    };
    Kind kind = Same;
    QString typed;  // empty for Missing
    QString right;  // empty for Extra
    bool operator==(const Segment&) const = default;
};

// Both texts normalised as judge() compares them, then aligned by edit distance over letters
// (Unicode code points). Neighbouring letters of one kind make one segment; no segment is empty.
std::vector<Segment> difference(const QString& typed, const QString& right);

// The typed text as rich text: extra letters struck through in red, missing ones inserted in green
// and underlined, changed ones struck through and followed by the right ones. Texts are escaped.
QString differenceHtml(const std::vector<Segment>& segments);

// The same for a screen reader, in the language `langBase`: "estava: v should be b"; "nothing
// typed" for an empty answer. Empty when nothing differs.
QString differencePlain(const std::vector<Segment>& segments, int langBase);

}  // namespace written
