// The Progress window.
#include "catalogue.h"

namespace text {

void addProgressTexts(Catalogue& c) {
    c.insert({
        {200, {"Prog&ress...", "Hala&dás...", "P&rogreso...", "P&rogrès..."}},
        {201, {"Your progress", "Az ön haladása", "Su progreso", "Vos progrès"}},
        {202,
         {"Tests: %1 · latest: %2 · average of the last %3: %4",
          "Tesztek: %1 · legutóbbi: %2 · az utolsó %3 átlaga: %4",
          "Tests: %1 · último: %2 · media de los últimos %3: %4",
          "Tests\u00a0: %1 · dernier\u00a0: %2 · moyenne des %3 derniers\u00a0: %4"}},
        {203,
         {"Showing: %1 · %2", "Megjelenítve: %1 · %2", "Se muestra: %1 · %2", "Affichage\u00a0: %1 · %2"}},
        {204, {"all levels", "minden szint", "todos los niveles", "tous les niveaux"}},
        {205, {"level %1", "%1. szint", "nivel %1", "niveau %1"}},
        {206, {"all topics", "minden téma", "todos los temas", "tous les sujets"}},
        {207,
         {"Score of each test (%)", "Az egyes tesztek eredménye (%)", "Nota de cada test (%)",
          "Score de chaque test (%)"}},
        {208, {"Tests", "Tesztek", "Tests", "Tests"}},
        {209,
         {"Sentences most often answered wrongly", "A leggyakrabban elrontott mondatok",
          "Oraciones falladas más a menudo", "Phrases le plus souvent manquées"}},
        {210,
         {"Right answers by topic", "Helyes válaszok témánként", "Respuestas correctas por tema",
          "Bonnes réponses par sujet"}},
        {211,
         {"Mix-ups: the wrong filler chosen", "Tévesztett kiegészítések",
          "Confusiones: la opción errónea elegida", "Confusions\u00a0: la mauvaise réponse choisie"}},
        {212, {"Practise &these", "&Gyakorlás ezekkel", "&Practicar estas", "&Travailler celles-ci"}},
        {213, {"&Export to CSV...", "&Exportálás CSV-be...", "E&xportar a CSV...", "E&xporter en CSV..."}},
        {214, {"Score", "Eredmény", "Nota", "Score"}},
        {215,
         {"Average of the last %1", "Az utolsó %1 átlaga", "Media de los últimos %1",
          "Moyenne des %1 derniers"}},
        {216, {"Date", "Dátum", "Fecha", "Date"}},
        {217, {"Sentence", "Mondat", "Oración", "Phrase"}},
        {218, {"Wrong", "Hibás", "Fallos", "Erreurs"}},
        {219, {"Last time", "Utoljára", "Última vez", "Dernière fois"}},
        {220, {"Topic", "Téma", "Tema", "Sujet"}},
        {222, {"Right", "Helyes", "Correctas", "Justes"}},
        {223,
         {"%1: chose “%2” where “%3” was right: %4 times", "%1: „%2” a helyes „%3” helyett: %4 alkalommal",
          "%1: eligió «%2» en lugar de «%3»: %4 veces",
          "%1\u00a0: «\u00a0%2\u00a0» choisi au lieu de «\u00a0%3\u00a0»\u00a0: %4 fois"}},
        {224,
         {"%1: chose “%2” where “%3” was right: once", "%1: „%2” a helyes „%3” helyett: egyszer",
          "%1: eligió «%2» en lugar de «%3»: una vez",
          "%1\u00a0: «\u00a0%2\u00a0» choisi au lieu de «\u00a0%3\u00a0»\u00a0: une fois"}},
        {225, {"Other sentences", "Egyéb mondatok", "Otras oraciones", "Autres phrases"}},
        {226,
         {"Your progress will show here once you have taken a test.\n\nEvery test you take in the Test "
          "window (Tasks: Test, then Start) is recorded: each answer, whether it was right, and how long it "
          "took. After the evaluation this window draws the score of each test over time, shows which "
          "topics go well and which fillers you mix up, and lists the sentences you miss most often, so "
          "that you can practise exactly those.\n\nNothing is recorded in the Practice window.",
          "Az eredményei itt jelennek meg, amint megírt egy tesztet.\n\nA Teszt ablakban (Üzemmód: Teszt, "
          "majd Start) írt minden teszt rögzítésre kerül: minden válasz, hogy helyes volt-e, és mennyi ideig "
          "tartott. Az értékelés után ez az ablak megrajzolja az egyes tesztek eredményét az idő "
          "függvényében, megmutatja, mely témák mennek jól és mely kiegészítéseket keveri össze, és "
          "felsorolja a leggyakrabban elrontott mondatokat, hogy éppen azokat gyakorolhassa.\n\nA "
          "Gyakorlás ablakban semmi sem kerül rögzítésre.",
          "Su progreso aparecerá aquí en cuanto haya hecho un test.\n\nCada test que haga en la ventana "
          "Test (Actividad: Test, y luego Empezar) queda registrado: cada respuesta, si fue correcta y "
          "cuánto tardó. Después de la evaluación, esta ventana dibuja la nota de cada test a lo largo del "
          "tiempo, muestra qué temas le van bien y qué opciones confunde, y enumera las oraciones que falla "
          "más a menudo, para que pueda practicar precisamente esas.\n\nEn la ventana Ejercicio no se "
          "registra nada.",
          "Vos progrès s'afficheront ici dès que vous aurez fait un test.\n\nChaque test fait dans la "
          "fenêtre Test (Activités\u00a0: Test, puis Démarrage) est enregistré\u00a0: chaque réponse, si "
          "elle était "
          "juste, et le temps qu'elle a pris. Après l'évaluation, cette fenêtre trace le score de chaque "
          "test au fil du temps, montre les sujets qui vont bien et les réponses que vous confondez, et "
          "liste les phrases que vous manquez le plus souvent, pour que vous puissiez travailler "
          "précisément celles-là.\n\nRien n'est enregistré dans la fenêtre Exercice."}},
        {227,
         {"No answers at this level and topic yet. Choose another level or topic in the Settings menu.",
          "Ezen a szinten és ebben a témában még nincs válasz. Válasszon másik szintet vagy témát a "
          "Beállítások menüben!",
          "Todavía no hay respuestas de este nivel y tema. Elija otro nivel o tema en el menú Opciones.",
          "Pas encore de réponses de ce niveau et de ce sujet. Choisissez un autre niveau ou sujet dans le "
          "menu Options."}},
        {228,
         {"This test could not be added to your progress history:\n%1\n%2\nThe test goes on as usual and "
          "its score is not affected: the answers not written yet are kept and written as soon as the file "
          "takes them again. Close any other program that may be using the file, allow writing to it, or "
          "free some disk space.",
          "Ezt a tesztet nem sikerült hozzáadni az eredménytörténethez:\n%1\n%2\nA teszt a szokásos módon "
          "folytatódik, és az eredménye sem változik: a még be nem írt válaszokat a program megőrzi, és "
          "beírja, amint a fájl ismét fogadja őket. Zárjon be minden más programot, amely a fájlt "
          "használhatja, engedélyezze a fájl írását, vagy szabadítson fel helyet a lemezen!",
          "Este test no se ha podido añadir a su historial de progreso:\n%1\n%2\nEl test continúa como "
          "siempre y su nota no cambia: las respuestas aún no escritas se guardan y se escriben en cuanto "
          "el archivo vuelva a aceptarlas. Cierre cualquier otro programa que pueda estar usando el "
          "archivo, permita la escritura en él o libere espacio en el disco.",
          "Ce test n'a pas pu être ajouté à l'historique de vos progrès\u00a0:\n%1\n%2\nLe test continue "
          "normalement et son score n'est pas touché\u00a0: les réponses pas encore écrites sont gardées et "
          "écrites dès que le fichier les accepte de nouveau. Fermez tout autre programme qui pourrait "
          "utiliser le fichier, autorisez l'écriture dans celui-ci, ou libérez de la place sur le disque."}},
        {229,
         {"The history has been written to\n%1\n(%2 lines).",
          "Az eredménytörténet kiírva ide:\n%1\n(%2 sor).", "El historial se ha escrito en\n%1\n(%2 líneas).",
          "L'historique a été écrit dans\n%1\n(%2 lignes)."}},
        {230,
         {"The history could not be written to\n%1\n%2\nNo file has been changed.",
          "Az eredménytörténetet nem sikerült kiírni ide:\n%1\n%2\nEgyetlen fájl sem változott.",
          "No se ha podido escribir el historial en\n%1\n%2\nNingún archivo ha cambiado.",
          "L'historique n'a pas pu être écrit dans\n%1\n%2\nAucun fichier n'a été modifié."}},
        {231,
         {"Your progress history cannot be read from the database file:\n%1\n%2\nClose this window; the "
          "launcher tells what is wrong with the file.",
          "Az eredménytörténetet nem sikerült beolvasni az adatbázisfájlból:\n%1\n%2\nZárja be ezt az "
          "ablakot; az indítóablak megmondja, mi a baj a fájllal.",
          "No se puede leer su historial de progreso del archivo de la base de datos:\n%1\n%2\nCierre esta "
          "ventana; la ventana de inicio indica qué le pasa al archivo.",
          "Impossible de lire l'historique de vos progrès dans le fichier de la base de "
          "données\u00a0:\n%1\n%2\n"
          "Fermez cette fenêtre\u202f; la fenêtre de lancement indique ce qui ne va pas dans le fichier."}},
        {232, {"CSV files (*.csv)", "CSV-fájlok (*.csv)", "Archivos CSV (*.csv)", "Fichiers CSV (*.csv)"}},
        {233,
         {"most often missed", "leggyakrabban elrontott", "falladas más a menudo",
          "le plus souvent manquées"}},
        {234, {"&All levels", "&Minden szint", "&Todos los niveles", "&Tous les niveaux"}},
        {235, {"&All topics", "&Minden téma", "&Todos los temas", "&Tous les sujets"}},
        {236,
         {"Export the history", "Az eredménytörténet exportálása", "Exportar el historial",
          "Exporter l'historique"}},
        {237,
         {"(no longer in the table)", "(már nincs a táblában)", "(ya no está en la tabla)",
          "(plus dans la table)"}},
    });
}

}  // namespace text
