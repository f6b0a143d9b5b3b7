// Answers typed instead of chosen: what set an almost-right answer apart, and the letter-by-letter
// difference of a wrong one as a screen reader says it.
#include "catalogue.h"

namespace text {

void addWrittenTexts(Catalogue& c) {
    c.insert({
        {450,
         {"accent: %1, not %2", "ékezet: %1, nem %2", "tilde: %1, no %2", "accent\u00a0: %1, et non %2"}},
        {451, {"ñ: %1, not %2", "ñ: %1, nem %2", "eñe: %1, no %2", "ñ\u00a0: %1, et non %2"}},
        {452,
         {"¿ ¡ marks: %1, not %2", "¿ ¡ jelek: %1, nem %2", "signos ¿ ¡: %1, no %2",
          "signes ¿ ¡\u00a0: %1, et non %2"}},
        {453,
         {"capital letter: %1, not %2", "kis- vagy nagybetű: %1, nem %2", "mayúscula o minúscula: %1, no %2",
          "majuscule ou minuscule\u00a0: %1, et non %2"}},
        {454,
         {"here the accent decides: %1, not %2", "itt az ékezet dönt: %1, nem %2",
          "aquí la tilde cambia la palabra: %1, no %2", "ici, l'accent change le mot\u00a0: %1, et non %2"}},
        {455,
         {"here the ñ decides: %1, not %2", "itt az ñ dönt: %1, nem %2",
          "aquí la eñe cambia la palabra: %1, no %2", "ici, le ñ change le mot\u00a0: %1, et non %2"}},
        {456, {"; ", "; ", "; ", "\u00a0; "}},
        {457, {"%1: %2", "%1: %2", "%1: %2", "%1\u00a0: %2"}},
        {458, {"%1 should be %2", "%1 helyett %2", "%2 en lugar de %1", "%2 au lieu de %1"}},
        {459,
         {"%1 missing after %2", "%1 hiányzik %2 után", "falta %1 después de %2", "il manque %1 après %2"}},
        {460,
         {"%1 missing at the start of %2", "%1 hiányzik %2 elejéről", "falta %1 al principio de %2",
          "il manque %1 au début de %2"}},
        {461,
         {"extra %1 after %2", "%1 fölösleges %2 után", "sobra %1 después de %2", "%1 en trop après %2"}},
        {462,
         {"extra %1 at the start of %2", "%1 fölösleges %2 elején", "sobra %1 al principio de %2",
          "%1 en trop au début de %2"}},
        {463, {"nothing typed", "nem írt semmit", "no ha escrito nada", "rien n'a été tapé"}},
        {464, {"nothing belongs in the gap", "ide nem kell semmi", "aquí no va nada", "il ne faut rien ici"}},
        {465, {"space", "szóköz", "espacio", "espace"}},
    });
}

}  // namespace text
