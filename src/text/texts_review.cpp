// The review window.
#include "catalogue.h"

namespace text {

void addReviewTexts(Catalogue& c) {
    c.insert({
        {160,
         {"The list of failed items is empty: there is nothing to review.",
          "A hibás válaszok listája üres, nincs mit átnézni.",
          "La lista de respuestas erróneas está vacía: no hay nada que revisar.",
          "La liste des erreurs est vide\u00a0: il n'y a rien à revoir."}},
        {161,
         {"The failed items could not be deleted from the database file:\n%1\n%2\nNone of them has been "
          "deleted; they will be shown again in the next review.",
          "A hibás válaszokat nem sikerült törölni az adatbázisfájlból:\n%1\n%2\nEgyik sem törlődött, a "
          "következő átnézéskor újra megjelennek.",
          "No se han podido borrar las respuestas erróneas del archivo de la base de datos:\n%1\n%2\nNo se "
          "ha borrado ninguna; se mostrarán de nuevo en la próxima revisión.",
          "Impossible d'effacer les erreurs du fichier de la base de données\u00a0:\n%1\n%2\nAucune n'a été "
          "effacée\u202f; elles seront affichées de nouveau à la prochaine révision."}},
        {162,
         {"The failed items cannot be read from the database file:\n%1\n%2\nClose this window; the "
          "launcher tells what is wrong with the file.",
          "A hibás válaszokat nem sikerült beolvasni az adatbázisfájlból:\n%1\n%2\nZárja be ezt az "
          "ablakot; az indítóablak megmondja, mi a baj a fájllal.",
          "No se pueden leer las respuestas erróneas del archivo de la base de datos:\n%1\n%2\nCierre esta "
          "ventana; la ventana de inicio indica qué le pasa al archivo.",
          "Impossible de lire les erreurs du fichier de la base de données\u00a0:\n%1\n%2\nFermez cette "
          "fenêtre\u202f; la fenêtre de lancement indique ce qui ne va pas dans le fichier."}},
    });
}

}  // namespace text
