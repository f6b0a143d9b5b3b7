// The test window, and the answers of a run its history could not keep.
#include "catalogue.h"

namespace text {

void addTestTexts(Catalogue& c) {
    c.insert({
        {171,
         {"The database holds no sentences yet, so there is nothing to test. Add sentences in the Database "
          "window.",
          "Az adatbázisban még nincs mondat, így nincs miből tesztet írni. Az Adatbázis ablakban vehet fel "
          "mondatokat.",
          "La base de datos todavía no contiene oraciones, así que no se puede hacer ningún test. Puede "
          "añadirlas en la ventana Base de datos.",
          "La base de données ne contient encore aucune phrase\u00a0: il n'y a pas de test possible. Ajoutez "
          "des "
          "phrases dans la fenêtre Base de données."}},
        {172,
         {"Your wrong answer could not be written into the list of failed items:\n%1\n%2\nThe test stays on "
          "this sentence: press Next to try again, or Evaluation to end the test.",
          "A hibás választ nem sikerült beírni a hibás válaszok listájába:\n%1\n%2\nA teszt ennél a "
          "mondatnál marad: nyomja meg a Következő gombot az újabb próbához, vagy az Értékelés gombot a "
          "teszt befejezéséhez!",
          "No se ha podido escribir su respuesta errónea en la lista de respuestas erróneas:\n%1\n%2\nEl "
          "test se queda en esta oración: pulse Siguiente para volver a intentarlo, o Evaluación para "
          "terminar el test.",
          "Votre mauvaise réponse n'a pas pu être inscrite dans la liste des erreurs\u00a0:\n%1\n%2\nLe test "
          "reste "
          "sur cette phrase\u00a0: appuyez sur Suivant pour réessayer, ou sur Évaluation pour terminer le "
          "test."}},
        {173, {"%1 s left", "még %1 mp", "quedan %1 s", "encore %1 s"}},
        {270,
         {"Answers of this test that could not be written to your progress history: %3\n%1\n%2\nThe "
          "test's score and the failed items are not affected, but these answers are missing from the "
          "Progress window.",
          "A teszt eredménytörténetbe be nem írható válaszainak száma: %3\n%1\n%2\nA teszt eredménye és "
          "a hibás válaszok listája nem változik, de ezek a válaszok hiányoznak a Haladás ablakból.",
          "Respuestas de este test que no se han podido escribir en su historial de progreso: %3\n%1\n%2\n"
          "La nota del test y la lista de respuestas erróneas no cambian, pero estas respuestas faltan en "
          "la ventana Progreso.",
          "Réponses de ce test qui n'ont pas pu être écrites dans l'historique de vos progrès\u00a0: %3\n%1\n"
          "%2\nLe score du test et la liste des réponses fausses ne sont pas touchés, mais ces réponses "
          "manquent dans la fenêtre Progrès."}},
    });
}

}  // namespace text
