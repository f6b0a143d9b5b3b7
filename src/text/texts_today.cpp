// Today: the day's spaced-repetition session, and what the launcher says of it.
#include "catalogue.h"

namespace text {

void addTodayTexts(Catalogue& c) {
    c.insert({
        {350, {"Toda&y", "&Mai ismétlés", "&Hoy", "Aujourd'&hui"}},
        {352,
         {"%1 due · %2 new · %3 done", "%1 esedékes · %2 új · %3 kész",
          "%1 pendientes · %2 nuevas · %3 hechas", "%1 à revoir · %2 nouvelles · %3 faites"}},
        {353,
         {"%1 sentences to review today", "Ma %1 mondatot érdemes átismételni", "Hoy tocan %1 oraciones",
          "%1 phrases à revoir aujourd'hui"}},
        {354,
         {"Nothing to review today · %1 new sentences", "Ma nincs mit ismételni · %1 új mondat",
          "Hoy no hay nada que repasar · %1 oraciones nuevas",
          "Rien à revoir aujourd'hui · %1 nouvelles phrases"}},
        {355,
         {"Nothing to review today, and no new sentences left",
          "Ma nincs mit ismételni, és új mondat sincs már",
          "Hoy no hay nada que repasar ni quedan oraciones nuevas",
          "Rien à revoir aujourd'hui, et plus de nouvelles phrases"}},
        {356,
         {"Well done: that is all for today.", "Szép munka: mára ennyi volt.",
          "¡Bien hecho! Eso es todo por hoy.", "Bravo\u00a0: c'est tout pour aujourd'hui."}},
        {357,
         {"Nothing is due today, and there are no new sentences to take.",
          "Ma nincs esedékes mondat, és új mondat sincs hátra.",
          "Hoy no toca repasar nada y no quedan oraciones nuevas.",
          "Rien n'est à revoir aujourd'hui, et il ne reste pas de nouvelles phrases."}},
        {358,
         {"Next: %1 sentences on %2.", "Legközelebb: %1 mondat, %2.", "Próximo repaso: %1 oraciones el %2.",
          "Prochaine révision\u00a0: %1 phrases le %2."}},
        {359,
         {"&New sentences a day...", "Napi ú&j mondatok...", "Oraciones &nuevas al día...",
          "&Nouvelles phrases par jour..."}},
        {360,
         {"New sentences of &level", "Új mondatok &szintje", "&Nivel de las oraciones nuevas",
          "&Niveau des nouvelles phrases"}},
        {361, {"&Retention", "&Megtartás", "&Retención", "&Rétention"}},
        {362,
         {"How many sentences never seen before should Today bring each day (0 to 50)?",
          "Naponta hány még nem látott mondatot hozzon a Mai ismétlés (0–50)?",
          "¿Cuántas oraciones nunca vistas debe traer Hoy cada día (de 0 a 50)?",
          "Combien de phrases jamais vues Aujourd'hui doit-il proposer chaque jour (de 0 à 50)\u00a0?"}},
        {363,
         {"Please type a whole number from 0 to 50.", "Kérem, 0 és 50 közötti egész számot írjon.",
          "Escriba un número entero de 0 a 50, por favor.", "Veuillez taper un nombre entier de 0 à 50."}},
        {364,
         {"Your answer could not be written to the database file:\n%1\n%2\nIt is kept and written with the "
          "next answer that can be.",
          "A válaszát nem sikerült az adatbázisfájlba írni:\n%1\n%2\nA program megőrzi, és a következő "
          "sikeres "
          "írással együtt menti.",
          "No se ha podido escribir su respuesta en el archivo de la base de datos:\n%1\n%2\nSe guarda y se "
          "escribirá con la próxima respuesta que se pueda escribir.",
          "Votre réponse n'a pas pu être écrite dans le fichier de la base de données\u00a0:\n%1\n%2\nElle "
          "est "
          "gardée et sera écrite avec la prochaine réponse qui pourra l'être."}},
        {365,
         {"Answers that could not be written to the database file: %3\n%1\n%2\nThey are missing from your "
          "memory schedule.",
          "Az adatbázisfájlba nem sikerült beírni ennyi választ: %3\n%1\n%2\nEzek hiányoznak az ismétlési "
          "tervből.",
          "Respuestas que no se han podido escribir en el archivo de la base de datos: %3\n%1\n%2\nFaltan en "
          "su "
          "plan de repaso.",
          "Réponses qui n'ont pas pu être écrites dans le fichier de la base de données\u00a0: "
          "%3\n%1\n%2\nElles "
          "manquent à votre programme de révision."}},
        {366,
         {"Building your review schedule from the %1 answers of your test history…",
          "Az ismétlési terv elkészítése a teszttörténet %1 válaszából…",
          "Preparando su plan de repaso a partir de las %1 respuestas de su historial de tests…",
          "Préparation de votre programme de révision à partir des %1 réponses de votre historique de "
          "tests…"}},
        {367,
         {"&Write the answers", "A válaszok &beírása", "&Escribir las respuestas", "&Écrire les réponses"}},
        {368, {"Check", "Ellenőrzés", "Comprobar", "Vérifier"}},
        {369, {"Almost right", "Majdnem jó", "Casi bien", "Presque juste"}},
        {370, {"Right: %1", "Jó: %1", "Correcto: %1", "Juste : %1"}},
        {371, {"Almost: %1 (%2)", "Majdnem: %1 (%2)", "Casi: %1 (%2)", "Presque : %1 (%2)"}},
        {372,
         {"The right filler: %1", "A helyes kiegészítés: %1", "La respuesta correcta: %1",
          "La bonne réponse : %1"}},
        {373, {"a with an accent", "ékezetes á", "a con tilde", "a accent aigu"}},
        {374, {"e with an accent", "ékezetes é", "e con tilde", "e accent aigu"}},
        {375, {"i with an accent", "ékezetes í", "i con tilde", "i accent aigu"}},
        {376, {"o with an accent", "ékezetes ó", "o con tilde", "o accent aigu"}},
        {377, {"u with an accent", "ékezetes ú", "u con tilde", "u accent aigu"}},
        {378, {"u with a diaeresis", "kétpontos ü", "u con diéresis", "u tréma"}},
        {379, {"n with a tilde, eñe", "hullámos ñ (enye)", "eñe", "n tilde (eñe)"}},
        {380,
         {"opening question mark", "nyitó kérdőjel", "signo de apertura de interrogación",
          "point d'interrogation ouvrant"}},
        {381,
         {"opening exclamation mark", "nyitó felkiáltójel", "signo de apertura de exclamación",
          "point d'exclamation ouvrant"}},
        {382,
         {"Accents missed in written answers: %1", "Elhibázott ékezetek a beírt válaszokban: %1",
          "Tildes olvidadas en las respuestas escritas: %1",
          "Accents manqués dans les réponses écrites : %1"}},
        {383,
         {"Your answer: type the missing words", "Az Ön válasza: írja be a hiányzó szavakat",
          "Su respuesta: escriba las palabras que faltan", "Votre réponse : tapez les mots qui manquent"}},
    });
}

}  // namespace text
