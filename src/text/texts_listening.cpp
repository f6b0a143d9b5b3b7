// Hearing the sentence read aloud.
#include "catalogue.h"

namespace text {

void addListeningTexts(Catalogue& c) {
    c.insert({
        {240, {"Listen", "Meghallgat", "Escuchar", "Écouter"}},
        {241,
         {"Hear the completed sentence read aloud (Ctrl+L)", "A kiegészített mondat felolvasása (Ctrl+L)",
          "Escuchar la oración completa en voz alta (Ctrl+L)",
          "Écouter la phrase complétée à voix haute (Ctrl+L)"}},
        {242,
         {"Cannot read aloud: no speech service is installed or running on this computer.",
          "Nem lehet felolvasni: ezen a gépen nincs telepítve vagy nem fut beszédszolgáltatás.",
          "No se puede leer en voz alta: en este ordenador no hay ningún servicio de voz instalado o en "
          "marcha.",
          "Lecture à voix haute impossible\u00a0: aucun service vocal n'est installé ou actif sur cet "
          "ordinateur."}},
        {243,
         {"Cannot read aloud: the speech service has no Spanish voice; install one (for example espeak-ng).",
          "Nem lehet felolvasni: a beszédszolgáltatásnak nincs spanyol hangja; telepítsen egyet (például "
          "espeak-ng).",
          "No se puede leer en voz alta: el servicio de voz no tiene ninguna voz española; instale una (por "
          "ejemplo espeak-ng).",
          "Lecture à voix haute impossible\u00a0: le service vocal n'a pas de voix espagnole\u202f; "
          "installez-en une "
          "(par "
          "exemple espeak-ng)."}},
        {244,
         {"Read the sentence &aloud after each answer", "A mondat &felolvasása minden válasz után",
          "Leer la oración en &voz alta tras cada respuesta",
          "Lire la phrase à &voix haute après chaque réponse"}},
        {330,
         {"Looking for a Spanish voice…", "Spanyol hangot keresek…", "Buscando una voz en español…",
          "Recherche d'une voix espagnole…"}},
    });
}

}  // namespace text
