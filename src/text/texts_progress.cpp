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
    // The memory page: the mastery grid and the model's calibration.
    c.insert({
        {420, {"Test &history", "&Tesztek", "&Tests", "Te&sts"}},
        {421, {"&Memory", "E&mlékezet", "&Memoria", "&Mémoire"}},
        {422,
         {"What you are likely to remember today, by topic and level",
          "Amire ma valószínűleg emlékszik, témák és szintek szerint",
          "Lo que probablemente recuerda hoy, por tema y nivel",
          "Ce que vous retenez probablement aujourd'hui, par sujet et niveau"}},
        {423,
         {"%1 · %2/%3 · %4 due", "%1 · %2/%3 · %4 esedékes", "%1 · %2/%3 · %4 pend.",
          "%1 · %2/%3 · %4 à revoir"}},
        {424, {"not started · 0/%1", "még nem kezdte · 0/%1", "sin empezar · 0/%1", "pas commencé · 0/%1"}},
        {425,
         {"%1, level %2: %3 likely remembered today; %4 of %5 sentences seen, %6 due",
          "%1, %2. szint: ma valószínűleg %3 marad meg; %5 mondatból %4 már előfordult, %6 esedékes",
          "%1, nivel %2: hoy recuerda probablemente el %3; %4 de %5 oraciones vistas; pendientes: %6",
          "%1, niveau %2\u00a0: environ %3 retenu aujourd'hui\u00a0; %4 phrases vues sur %5, %6 à revoir"}},
        {426,
         {"%1, level %2: none of its %3 sentences seen yet",
          "%1, %2. szint: %3 mondatából még egy sem fordult elő",
          "%1, nivel %2: aún no ha visto ninguna de sus %3 oraciones",
          "%1, niveau %2\u00a0: aucune de ses %3 phrases vue pour l'instant"}},
        {427,
         {"%1, level %2: no sentences", "%1, %2. szint: nincs mondat", "%1, nivel %2: no hay oraciones",
          "%1, niveau %2\u00a0: aucune phrase"}},
        {428,
         {"Green: 90% or more likely remembered · amber: 70–89% · red: below 70% · grey: not started. "
          "Click a cell, or press Enter on it, to practise its sentences.",
          "Zöld: legalább 90% valószínűséggel megmaradt · borostyán: 70–89% · piros: 70% alatt · szürke: "
          "még nem kezdte. Egy cellára kattintva (vagy rajta Entert nyomva) a mondatait gyakorolhatja.",
          "Verde: recuerda probablemente el 90% o más · ámbar: del 70 al 89% · rojo: menos del 70% · gris: "
          "sin empezar; pend.: pendientes de repaso. Haga clic en una casilla, o pulse Intro sobre ella, "
          "para "
          "practicar sus oraciones.",
          "Vert\u00a0: 90% ou plus probablement retenu · orange\u00a0: de 70 à 89% · rouge\u00a0: moins de "
          "70% · gris\u00a0: pas commencé. Cliquez sur une case, ou appuyez sur Entrée, pour travailler ses "
          "phrases."}},
        {429,
         {"Nothing to show yet.\n\nEvery sentence you answer is remembered here, with how well you knew it "
          "and when. This page then shows, topic by topic and level by level, how much you are likely to "
          "remember today, how many sentences you have met and how many are due for another look.",
          "Még nincs mit mutatni.\n\nMinden megválaszolt mondatot megjegyez a program: mennyire tudta, és "
          "mikor. Ez az oldal azután témánként és szintenként megmutatja, mennyire emlékszik ma "
          "valószínűleg, "
          "hány mondattal találkozott már, és hányat esedékes újra átnézni.",
          "Todavía no hay nada que mostrar.\n\nCada oración que responda queda recordada aquí, con lo bien "
          "que la sabía y cuándo. Entonces esta página muestra, tema por tema y nivel por nivel, cuánto "
          "recuerda probablemente hoy, cuántas oraciones ha visto ya y cuántas toca repasar.",
          "Rien à montrer pour l'instant.\n\nChaque phrase à laquelle vous répondez est retenue ici, avec "
          "votre réussite et la date. Cette page montre alors, sujet par sujet et niveau par niveau, ce que "
          "vous retenez probablement aujourd'hui, combien de phrases vous avez déjà vues et combien sont à "
          "revoir."}},
        {430,
         {"How well the predictions came true", "Mennyire váltak be az előrejelzések",
          "Hasta qué punto se cumplen las predicciones", "Les prédictions face à vos réponses"}},
        {431,
         {"The predictions are compared with your answers once 100 of them can be checked (answers to "
          "sentences last seen on an earlier day): %1 more to go.",
          "Az előrejelzéseket a program 100 ellenőrizhető válasz után veti össze a válaszaival (korábbi "
          "napon látott mondatokra adott válaszok): még %1 hiányzik.",
          "Las predicciones se comparan con sus respuestas cuando se pueden comprobar 100 (respuestas a "
          "oraciones vistas por última vez otro día): faltan %1.",
          "Les prédictions seront comparées à vos réponses dès que 100 d'entre elles pourront être "
          "vérifiées (réponses à des phrases vues pour la dernière fois un autre jour)\u00a0: encore %1."}},
        {432, {"Chance", "Sáv", "Tramo", "Tranche"}},
        {433, {"Answers", "Válaszok", "Respuestas", "Réponses"}},
        {434, {"Mean predicted", "Átlag", "Media prevista", "Moyenne prévue"}},
        {435, {"Remembered", "Megmaradt", "Recordadas", "Retenues"}},
        {436,
         {"Log loss %1 over %2 answers (lower is better; %3 for a guess that knows only your overall %4 "
          "remembered).",
          "Logaritmikus veszteség: %1, %2 válasz alapján (minél kisebb, annál jobb; %3 egy olyan becslésé, "
          "amely csak az összesített arányt ismeri: %4).",
          "Pérdida logarítmica: %1 sobre %2 respuestas (cuanto menor, mejor; %3 para una estimación que "
          "solo conoce su porcentaje global de recuerdo, %4).",
          "Perte logarithmique\u00a0: %1 sur %2 réponses (plus elle est basse, mieux c'est\u00a0; %3 pour "
          "une estimation qui ne connaît que votre taux global, %4)."}},
    });
}

}  // namespace text
