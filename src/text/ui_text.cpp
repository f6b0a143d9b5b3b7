// The catalogue itself. Keys 0-89 keep their texts exactly as the program has always shown them,
// odd spellings included; keys from 90 on are the program's own later messages.
#include "ui_text.h"

#include <array>
#include <map>

namespace text {
namespace {

using Texts = std::array<const char*, 4>;  // English, Hungarian, Spanish, French

const std::map<int, Texts>& catalogue() {
    static const std::map<int, Texts> table = {
        {0, {"&OK", "&OK", "&ACEPTAR", "&OK"}},
        {1, {"&EXIT", "KILÉ&P", "&SALIR", "&QUITTER"}},
        {2, {"&Start", "St&art", "E&mpezar", "Dé&marrage"}},
        {3, {"Re&start", "Újra kez&d", "Ree&mpezar", "Redé&marrage"}},
        {4, {"&Close", "Be&zár", "Cerr&ar", "&Fermer"}},
        {5, {"&Next", "Kö&vetkező", "Si&guiente", "&Suivant"}},
        {6, {"S&olution", "&Megoldás", "&Solución", "S&olution"}},
        {7, {"&First", "&Első", "&Primero", "&Début"}},
        {8, {"&Previous", "Elő&ző", "P&recedente", "&Précédent"}},
        {9, {"Ne&xt", "&Következő", "S&iguiente", "Sui&vant"}},
        {10, {"&Last", "&Utolsó", "&Último", "&Fin"}},
        {11, {"E&valuation", "Értéke&lés", "&Evaluación", "Éval&uation"}},
        {12, {"Ne&w", "Ú&j", "&Nuevo", "&Nouveau"}},
        {13, {"Fin&d first", "Kere&s (első)", "&Buscar (primero)", "&Rehercher"}},
        {14, {"F&ind next", "Ke&res (következő)", "Bus&car (siguiente)", "Rechercher suivan&t"}},
        {15, {"Del&ete", "&Töröl", "Anu&lar", "&Effacer"}},
        {16, {"C&ancel", "&Mégsem", "Canc&elar", "A&nnuler"}},
        {25, {"&Help", "&Súgó", "A&yuda", "&Aide"}},
        {26, {"Tas&ks", "Üzemmó&d", "Acti&vidad", "Ac&tivités"}},
        {27, {"Settin&gs", "&Beállítások", "&Opciones", "&Options"}},
        {28, {"&Working language", "&Munkanyelv", "&Lengua de trabajo", "&Langue de travail"}},
        {29, {"&How to ...", "&Hogyan", "&Cómo...", "&Comment ..."}},
        {30, {"&About ...", "&Névjegy", "&Acerca de...", "&À propos de ..."}},
        {31, {"&Practice", "&Gyakorlás", "&Ejercicio", "&Exercice"}},
        {32, {"&Test", "&Teszt", "&Test", "&Test"}},
        {33, {"&Database", "&Adatbázis", "&Base de datos", "&Base de données"}},
        {34, {"&Parameters", "&Paraméterek", "&Parámetros", "&Paramètres"}},
        {35, {"&Number of sentences", "&Mondatszám", "&Número de oraciones", "&Nombre des phrases"}},
        {36, {"&Delay", "Vá&rakozás", "&Tiempo disponible", "&Secondes d'attente"}},
        {37, {"&Level", "&Szint", "&Nivel", "Ni&veau"}},
        {38, {"&Starting point", "&Kezdőpont", "P&unto de partida", "&Point de départ"}},
        {39, {"&Options", "&Egyéb", "&Otros", "&Options"}},
        {40, {"&Fonts", "&Betűtípusok", "&Fuentes", "&Polices"}},
        {41, {"Topi&cs", "&Téma", "&Tema", "S&ujet"}},
        {42, {"&Verbs", "&Ige", "&Verbo", "&Verbes"}},
        {43,
         {"Verbs_Ser/Estar/&Haber", "Ige_&Ser/Estar/&Haber", "Verbo_&Ser/Estar/Haber",
          "Verbes_&Ser/Estar/Haber"}},
        {44, {"Ver&bs_&Tenses", "Ige_I&dő", "Ver&bo_Tiempos", "Ver&bes_Temps"}},
        {45, {"Verbs_&Moods", "Ige_&Mód", "Verbo_&Modos", "Ve&rbes_Modes"}},
        {46,
         {"Verbs_Au&xiliaries/Modals", "Ige_&Segédigék", "Verbo_Au&xiliares/Modales",
          "Verbes_Au&xiliaires/Modaux"}},
        {47,
         {"Verbs_Infinitive/&Gerund/Participle", "I&ge_Igenevek", "Verbo_Inf&initivo/Gerundio/Participio",
          "Verbes_Infinitif/&Gerondif/Participe"}},
        {48, {"Verbs_Periphra&sis", "Ige_&Körülírás", "Verbo_Pe&rífrasis", "Verbes_Périp&hrases"}},
        {49, {"Verbs_Vocabu&lary", "Ige_Le&xika", "Verbo_Vocab&ulario", "Verbes_&Lexique"}},
        {50, {"&Nouns", "&Főnév", "&Nombre", "&Noms"}},
        {51, {"&Adjectives", "M&elléknév", "Ad&jetivo", "&Adjectives"}},
        {52, {"A&dverbs", "Ha&tározó", "Adv&erbio", "A&dverbes"}},
        {53, {"&Quantity", "Menn&yiség", "Can&tidad", "&Quantité"}},
        {54, {"Lin&king words", "Kötős&zó", "Conj&unción", "Con&jonctions"}},
        {55, {"Pr&onouns", "Né&vmás", "Pronombr&e", "Pr&onoms"}},
        {56, {"Pr&epositions", "E&löljárószó", "Preposi&ción", "Prépos&itions"}},
        {57, {"&Comparison", "Has&onlítás", "Com&paración", "&Comparaison"}},
        {58, {"&Word order", "Szó&rend", "&Orden de palabras", "Ordr&e des mots"}},
        {59, {"&Idioms", "Kife&jezések", "Frases &hechas", "&Tournures"}},
        {60, {"Tasks:", "Üzemmód:", "Actividades:", "Activités:"}},
        {61, {"Level:", "Szint:", "Nivel:", "Niveau:"}},
        {62, {"Topic:", "Téma:", "Tema:", "Sujet:"}},
        {63, {"Solution:", "Megoldás:", "Solución:", "Solution:"}},
        {65, {"Plurquiz Español", "Plurquiz Español", "Plurquiz Español", "Plurquiz Español"}},
        {66, {"Failed items", "Hibás válaszok", "Respuestas erróneas", "Erreurs"}},
        {67, {"Your guess was:", "Az ön válasza:", "Su respuesta ha sido:", "Votre choix a été:"}},
        {68, {"Record:", "Rekord:", "Oración número:", "Fiche:"}},
        {74,
         {"If you want to change the order of the sentences, click here and wait.",
          "Ha meg akarja változtatni a mondatok sorrendjét az adatbázisban, kattintson ide, és várjon!",
          "Si desea cambiar el orden de las oraciones en la base de datos, pulse aquí y espere.",
          "Si vous voulez changer l'ordre des fiches (des phrases) dans la base de données, cliquez içi."}},
        {75,
         {"The order of the sentences has been changed.",
          "A mondatok sorrendje megváltozott az adatbázisban.",
          "El orden de las oraciones ha sido cambiado en la base de datos.",
          "L'ordre des fiches dans la base de données a été changé."}},
        {76,
         {"If you want to see the record number, click here.",
          "Ha látni akarja az aktuális rekord sorszámát, kattintson ide.",
          "Si desea ver el número de orden de la oración actual, pulse aquí.",
          "Si vous voulez voir le numéro d'ordre de la fiche active, cliquez içi."}},
        {77,
         {"This is the last record.", "Ez az utolsó rekord.", "Ésta es la última oración.",
          "C'est la dernière fiche."}},
        {78,
         {"This is the first record.", "Ez az első rekord.", "Ésta es la primera oración.",
          "C'est la première fiche."}},
        {79,
         {"This record doesn't exist. Press \"Enter\" or click the \"Next\" button again.",
          "Nincs ilyen sorszámú rekord. Nyomja le újra az \"Enter\" billentyűt, vagy kattintson a "
          "\"Következő\" gombra.",
          "Aquí falta una oración. Vuelva a pulsar \"Enter\" , o hacer click sobre el botón a \"Siguiente\" "
          "gom",
          "Cette fiche n'existe pas. Appuyez sur \"Entrée\" ou cliquez de nouveau sur le bouton "
          "\"Suivant\":"}},
        {80,
         {"You have reached the last record. Unless you change the settings (Settings: Level/Topic), change "
          "the task (Tasks: Test) or close the task (Close), this exercise is going to restart.",
          "Ez volt az utolsó rekord. Ha nem változtatja meg a beállítást (Beállítások: Szint/Téma) vagy az "
          "üzemmódot (Üzemmód: Teszt), és nem lép ki  (Bezár), a gyakorlat újra kezdődik elölről.",
          "Ésta ha sido la última oración. Si no se elige una nueva opción (Opciones: Nivel/Tema) ni otra "
          "actividad (Actividades: Test), y no se cierra la actividad (Cerrar), el ejercicio va a "
          "reiniciarse.",
          "Vous venez d'atteindre la dernière fiche. À moins que vous ne changiez d'option (Options: "
          "Niveau/Sujet/Point de départ) ou d'activité (Activité: Test), ou vous ne quittiez l'exercice "
          "(Fermer), on va recommencer l'exercice par la première fiche."}},
        {81,
         {"The record number is:", "Az aktuális rekord száma:", "El número de la oración actual es:",
          "C'est la fiche numéro:"}},
        {82,
         {"No match. Choose other topic.", "Nincs ilyen mondat. Válasszon másik témát!",
          "No hay oraciones de este tipo. Elija otro tema.",
          "Il n'y a pas de phrases sur ce sujet. Choisissez un autre.."}},
        {83,
         {"If you want to see the items you failed to answer correctly, click here.",
          "Ha látni akarja azokat a mondatokat, melyekre rossz megoldást adott, kattintson ide!",
          "Si desea ver sus respuestas erróneas, pulse aquí.",
          "Si vous voulez voir vos erreurs, cliquez içi."}},
        {84,
         {"You have reached the last item.", "Ez volt az utolsó mondat.", "Ésta ha sido la última oración.",
          "Vous venez d'atteindre la dernière fiche."}},
        {85,
         {"No such word/number.", "Nincs ilyen szó/sorszám.",
          "No hay tal palabra/número en la base de datos.", "Cette fiche n'existe pas."}},
        {86,
         {"Search: (You can search for the following fields: sorszam, a, b, c, d, felelet1, felelet2; the "
          "search string -- unless it is a number -- must be put between quotation marks.)",
          "Keres: (A következő mezőkre lehet keresni: sorszam, a, b, c, d, felelet1, felelet2. Ha nem "
          "számról van szó, a keresett elemet idézőjelek közé kell tenni.)",
          "Buscar: (La función búsqueda puede aplicarse en los siguientes campos: sorszam, a, b, c, d, "
          "felelet1, felelet2. A menos que se busque un número, el elemento buscado debe ponerse entre "
          "comillas.)",
          "Rechercher: (On peut rechercher sur les champs suivants: sorszam, a, b, c, d, felelet1, felelet2; "
          "le texte cherché -- à moins qu'il ne soit le numéro d'ordre de la fiche -- doit être mis entre "
          "gillemets.)"}},
        {87, {"Author:", "Szerző:", "Autor:", "Auteur:"}},
        {88,
         {"If you want to get some additional information about the program, click here:",
          "Ha további tájékoztatást szeretne kapni a programról, kattintson ide:",
          "Si quiere más información sobre el programa, haga click aquí:",
          "Si vous voulez des renseignements complémentaires sur le logiciel, cliquez ici:"}},
        {89, {"About ...", "Névjegy", "Acerca de", "À propos de"}},
        {90,
         {"The database file could not be created:\n%1", "Az adatbázisfájlt nem sikerült létrehozni:\n%1",
          "No se ha podido crear el archivo de la base de datos:\n%1",
          "Impossible de créer le fichier de la base de données\u00a0:\n%1"}},
        {91,
         {"The database file is being used by another program:\n%1\nClose the other program and try again.",
          "Az adatbázisfájlt egy másik program használja:\n%1\nZárja be a másik programot, és próbálja újra!",
          "Otro programa está usando el archivo de la base de datos:\n%1\nCierre el otro programa y vuelva a "
          "intentarlo.",
          "Le fichier de la base de données est utilisé par un autre programme\u00a0:\n%1\nFermez l'autre "
          "programme et réessayez."}},
        {92,
         {"The database file is read-only:\n%1\nYou can practise and take tests, but no change will be "
          "saved.",
          "Az adatbázisfájl csak olvasható:\n%1\nGyakorolni és tesztet írni lehet, de semmilyen változás nem "
          "menthető.",
          "El archivo de la base de datos es de solo lectura:\n%1\nPuede hacer ejercicios y tests, pero no "
          "se guardará ningún cambio.",
          "Le fichier de la base de données est en lecture seule\u00a0:\n%1\nVous pouvez faire des exercices "
          "et "
          "des tests, mais aucune modification ne sera enregistrée."}},
        {93,
         {"The database file is damaged or is not a Plurquiz database:\n%1\nThe file has not been changed.",
          "Az adatbázisfájl sérült, vagy nem Plurquiz-adatbázis:\n%1\nA fájl nem változott.",
          "El archivo de la base de datos está dañado o no es una base de datos de Plurquiz:\n%1\nEl archivo "
          "no se ha modificado.",
          "Le fichier de la base de données est endommagé ou n'est pas une base Plurquiz\u00a0:\n%1\nLe "
          "fichier "
          "n'a pas été modifié."}},
        {94,
         {"The database file has no table \"%2\":\n%1\nThe file has not been changed.",
          "Az adatbázisfájlban nincs „%2” tábla:\n%1\nA fájl nem változott.",
          "El archivo de la base de datos no contiene la tabla «%2»:\n%1\nEl archivo no se ha modificado.",
          "Le fichier de la base de données ne contient pas la table « %2 »\u00a0:\n%1\nLe fichier n'a pas "
          "été "
          "modifié."}},
        {95,
         {"The sentences could not be taken over from the old database file:\n%1\n%2\nThe old file has not "
          "been changed, and no new database has been created.",
          "A mondatokat nem sikerült átvenni a régi adatbázisfájlból:\n%1\n%2\nA régi fájl nem változott, új "
          "adatbázis nem jött létre.",
          "No se han podido importar las oraciones del antiguo archivo de la base de datos:\n%1\n%2\nEl "
          "archivo antiguo no se ha modificado y no se ha creado ninguna base de datos nueva.",
          "Impossible de reprendre les phrases de l'ancien fichier de la base de "
          "données\u00a0:\n%1\n%2\nL'ancien "
          "fichier n'a pas été modifié et aucune nouvelle base n'a été créée."}},
        {96,
         {"Taking over the sentences from the old database file. Please wait ...",
          "A mondatok átvétele a régi adatbázisfájlból folyamatban. Kérem, várjon!",
          "Se están importando las oraciones del antiguo archivo de la base de datos. Espere, por favor...",
          "Reprise des phrases de l'ancien fichier de la base de données. Veuillez patienter..."}},
        {97,
         {"The change could not be saved in the database file:\n%1\n%2",
          "A változást nem sikerült menteni az adatbázisfájlba:\n%1\n%2",
          "No se ha podido guardar el cambio en el archivo de la base de datos:\n%1\n%2",
          "Impossible d'enregistrer la modification dans le fichier de la base de données\u00a0:\n%1\n%2"}},
        {98,
         {"The database holds no sentences, so there is nothing to put in a new order.",
          "Az adatbázisban nincs egyetlen mondat sem, így nincs mit átrendezni.",
          "La base de datos no contiene oraciones: no hay nada que ordenar.",
          "La base de données ne contient aucune phrase\u00a0: il n'y a rien à réordonner."}},
        {99,
         {"The database file could not be opened:\n%1\n%2",
          "Az adatbázisfájlt nem sikerült megnyitni:\n%1\n%2",
          "No se ha podido abrir el archivo de la base de datos:\n%1\n%2",
          "Impossible d'ouvrir le fichier de la base de données\u00a0:\n%1\n%2"}},
        {100,
         {"There is an old database file beside the program, but this copy of the program cannot take it "
          "over:\n%1\nNo new database has been created, so that your sentences are not replaced by the "
          "built-in ones. Install the program again together with its import tool (plurquiz-import), then "
          "start it again.",
          "A program mellett egy régi adatbázisfájl van, de a program e példánya nem tudja átvenni:\n%1\nÚj "
          "adatbázis nem jött létre, hogy a saját mondatait ne váltsák fel a beépítettek. Telepítse újra a "
          "programot az importálóeszközével (plurquiz-import) együtt, majd indítsa el újra!",
          "Junto al programa hay un archivo antiguo de la base de datos, pero esta copia del programa no "
          "puede importarlo:\n%1\nNo se ha creado ninguna base de datos nueva, para que sus oraciones no se "
          "sustituyan por las incorporadas. Vuelva a instalar el programa junto con su herramienta de "
          "importación (plurquiz-import) e inícielo de nuevo.",
          "Un ancien fichier de base de données se trouve à côté du programme, mais cette copie du programme "
          "ne peut pas le reprendre\u00a0:\n%1\nAucune nouvelle base n'a été créée, afin que vos phrases ne "
          "soient "
          "pas remplacées par celles du programme. Réinstallez le programme avec son outil d'importation "
          "(plurquiz-import), puis relancez-le."}},
        {101,
         {"The database file is empty:\n%1\nIt holds no sentences and no failed items. If you have a copy of "
          "it, put the copy in its place. Otherwise delete the empty file: the next time the program starts, "
          "it creates a new one from its built-in sentences.",
          "Az adatbázisfájl üres:\n%1\nNincsenek benne sem mondatok, sem hibás válaszok. Ha van róla "
          "másolata, tegye a helyére! Ha nincs, törölje az üres fájlt: a program a következő indításkor a "
          "beépített mondatokból újat hoz létre.",
          "El archivo de la base de datos está vacío:\n%1\nNo contiene oraciones ni respuestas erróneas. Si "
          "tiene una copia, póngala en su lugar. Si no, borre el archivo vacío: la próxima vez que se "
          "inicie, el programa creará uno nuevo con sus oraciones incorporadas.",
          "Le fichier de la base de données est vide\u00a0:\n%1\nIl ne contient ni phrases ni erreurs. Si "
          "vous en "
          "avez une copie, remettez-la à sa place. Sinon, supprimez le fichier vide\u00a0: au prochain "
          "démarrage, "
          "le programme en créera un nouveau à partir de ses phrases intégrées."}},
        {102,
         {"The folder of the database file is read-only:\n%1\nYou can practise and take tests, but no change "
          "will be saved: while it writes, the database keeps a temporary file beside its own. To save "
          "changes, allow writing in this folder, or move the program together with the file to a folder you "
          "can write in.",
          "Az adatbázisfájl mappája csak olvasható:\n%1\nGyakorolni és tesztet írni lehet, de semmilyen "
          "változás nem menthető, mert írás közben az adatbázis egy ideiglenes fájlt tart a sajátja mellett. "
          "A változások mentéséhez engedélyezze az írást ebben a mappában, vagy tegye át a programot a "
          "fájllal együtt egy írható mappába!",
          "La carpeta del archivo de la base de datos es de solo lectura:\n%1\nPuede hacer ejercicios y "
          "tests, pero no se guardará ningún cambio, porque al escribir la base de datos necesita un archivo "
          "temporal junto al suyo. Para guardar los cambios, permita la escritura en esa carpeta o traslade "
          "el programa junto con el archivo a una carpeta en la que pueda escribir.",
          "Le dossier du fichier de la base de données est en lecture seule\u00a0:\n%1\nVous pouvez faire "
          "des "
          "exercices et des tests, mais aucune modification ne sera enregistrée, car pour écrire, la base de "
          "données a besoin d'un fichier temporaire à côté du sien. Pour enregistrer vos modifications, "
          "autorisez l'écriture dans ce dossier, ou déplacez le programme avec le fichier dans un dossier où "
          "vous pouvez écrire."}},
        {103,
         {"The sentences of the old database file have been taken over:\n%1\nIts list of failed items was "
          "damaged and could not be read, so the new database file starts with an empty list:\n%2\nThere is "
          "nothing you need to do. The old file has not been changed.",
          "A régi adatbázisfájl mondatai átkerültek az új adatbázisba:\n%1\nA hibás válaszok listája sérült "
          "volt, és nem lehetett beolvasni, ezért az új adatbázisfájl üres listával indul:\n%2\nÖnnek nincs "
          "teendője. A régi fájl nem változott.",
          "Se han importado las oraciones del antiguo archivo de la base de datos:\n%1\nSu lista de "
          "respuestas erróneas estaba dañada y no se ha podido leer, así que el nuevo archivo de la base de "
          "datos empieza con la lista vacía:\n%2\nNo tiene que hacer nada. El archivo antiguo no se ha "
          "modificado.",
          "Les phrases de l'ancien fichier de la base de données ont été reprises\u00a0:\n%1\nSa liste "
          "d'erreurs "
          "était endommagée et n'a pas pu être lue. Le nouveau fichier de la base de données commence donc "
          "avec une liste vide\u00a0:\n%2\nVous n'avez rien à faire. L'ancien fichier n'a pas été modifié."}},
        {104,
         {"The database file is not there any more:\n%1\nPut it back where it was, or start the program "
          "again to create a new one.",
          "Az adatbázisfájl már nincs a helyén:\n%1\nTegye vissza oda, ahol volt, vagy indítsa újra a "
          "programot, hogy újat hozzon létre!",
          "El archivo de la base de datos ya no está en su sitio:\n%1\nVuelva a ponerlo donde estaba o "
          "reinicie el programa para crear uno nuevo.",
          "Le fichier de la base de données n'est plus là\u00a0:\n%1\nRemettez-le à sa place, ou relancez le "
          "programme pour en créer un nouveau."}},
        {105,
         {"The new order of the sentences could not be saved in the database file:\n%1\nThe old order has "
          "been kept. Close any other program that may be using the file, then try again.",
          "A mondatok új sorrendjét nem sikerült menteni az adatbázisfájlba:\n%1\nA régi sorrend megmaradt. "
          "Zárjon be minden más programot, amely a fájlt használhatja, majd próbálja újra!",
          "No se ha podido guardar el nuevo orden de las oraciones en el archivo de la base de "
          "datos:\n%1\nSe ha conservado el orden anterior. Cierre cualquier otro programa que pueda estar "
          "usando el archivo y vuelva a intentarlo.",
          "Impossible d'enregistrer le nouvel ordre des phrases dans le fichier de la base de "
          "données\u00a0:\n%1\nL'ordre précédent a été conservé. Fermez tout autre programme qui pourrait "
          "utiliser "
          "le fichier, puis réessayez."}},
        {250,
         {"Another program is using the database file. Close that program, then try again.",
          "Egy másik program használja az adatbázisfájlt. Zárja be azt a programot, majd próbálja újra!",
          "Otro programa está usando el archivo de la base de datos. Cierre ese programa y vuelva a "
          "intentarlo.",
          "Un autre programme utilise le fichier de la base de données. Fermez ce programme, puis "
          "réessayez."}},
        {251,
         {"The database file or its folder is read-only, so nothing can be saved in it. Allow writing to "
          "both, then try again.",
          "Az adatbázisfájl vagy a mappája csak olvasható, ezért semmi sem menthető bele. Engedélyezze "
          "mindkettő írását, majd próbálja újra!",
          "El archivo de la base de datos o su carpeta es de solo lectura, así que no se puede guardar nada "
          "en él. Permita la escritura en ambos y vuelva a intentarlo.",
          "Le fichier de la base de données ou son dossier est en lecture seule\u00a0: rien ne peut y être "
          "enregistré. Autorisez l'écriture dans les deux, puis réessayez."}},
        {252,
         {"The disk is full. Free some space on it, then try again.",
          "Megtelt a lemez. Szabadítson fel rajta helyet, majd próbálja újra!",
          "El disco está lleno. Libere espacio en él y vuelva a intentarlo.",
          "Le disque est plein. Libérez de la place, puis réessayez."}},
        {253,
         {"The database file is no longer there: it has been renamed, moved or deleted. Put it back, then "
          "start the program again.",
          "Az adatbázisfájl már nincs a helyén: átnevezték, áthelyezték vagy törölték. Tegye vissza, majd "
          "indítsa újra a programot!",
          "El archivo de la base de datos ya no está en su sitio: se ha cambiado de nombre, se ha movido o "
          "se ha borrado. Vuelva a ponerlo en su sitio e inicie de nuevo el programa.",
          "Le fichier de la base de données n'est plus là\u00a0: il a été renommé, déplacé ou supprimé. "
          "Remettez-le à sa place, puis relancez le programme."}},
        {254,
         {"The database file is damaged or is not a Plurquiz database.",
          "Az adatbázisfájl sérült, vagy nem Plurquiz-adatbázis.",
          "El archivo de la base de datos está dañado o no es una base de datos de Plurquiz.",
          "Le fichier de la base de données est endommagé ou n'est pas une base Plurquiz."}},
        {255,
         {"The record has been deleted in the meantime, in another window or by another program.",
          "A rekordot időközben törölték, egy másik ablakban vagy egy másik programmal.",
          "El registro se ha borrado mientras tanto, en otra ventana o desde otro programa.",
          "L'enregistrement a été supprimé entre-temps, dans une autre fenêtre ou par un autre programme."}},
        {256,
         {"There is no record here: the position is before the first record or after the last one.",
          "Itt nincs rekord: a pozíció az első rekord előtt vagy az utolsó után van.",
          "Aquí no hay ningún registro: la posición está antes del primero o después del último.",
          "Il n'y a pas d'enregistrement ici\u00a0: la position est avant le premier ou après le dernier."}},
        {257,
         {"The database file refused the data: they break one of the file's rules.",
          "Az adatbázisfájl nem fogadta el az adatokat: sértik a fájl valamelyik szabályát.",
          "El archivo de la base de datos ha rechazado los datos: no cumplen una de sus reglas.",
          "Le fichier de la base de données a refusé les données\u00a0: elles enfreignent l'une de ses "
          "règles."}},
        {258,
         {"The database engine reported an error.", "Az adatbázismotor hibát jelzett.",
          "El motor de la base de datos ha informado de un error.",
          "Le moteur de la base de données a signalé une erreur."}},
        {259, {"(Details: %1)", "(Részletek: %1)", "(Detalles: %1)", "(Détails\u00a0: %1)"}},
        {260,
         {"The database file holds triggers or views that Plurquiz did not make (%1). They could change or "
          "hide your data, so the program does not use the file.",
          "Az adatbázisfájlban olyan triggerek vagy nézetek vannak, amelyeket nem a Plurquiz hozott létre "
          "(%1). Ezek megváltoztathatnák vagy elrejthetnék az adatait, ezért a program nem használja a "
          "fájlt.",
          "El archivo de la base de datos contiene disparadores o vistas que no ha creado Plurquiz (%1). "
          "Podrían cambiar u ocultar sus datos, así que el programa no usa el archivo.",
          "Le fichier de la base de données contient des déclencheurs ou des vues que Plurquiz n'a pas créés "
          "(%1). Ils pourraient modifier ou cacher vos données, le programme n'utilise donc pas ce "
          "fichier."}},
        {261,
         {"The database file holds triggers or views that Plurquiz did not make:\n%1\n%2\nThey could change "
          "or hide your data, so the program does not use this file. The file has not been changed.",
          "Az adatbázisfájlban olyan triggerek vagy nézetek vannak, amelyeket nem a Plurquiz hozott "
          "létre:\n%1\n%2\nEzek megváltoztathatnák vagy elrejthetnék az adatait, ezért a program nem "
          "használja ezt a fájlt. A fájl nem változott.",
          "El archivo de la base de datos contiene disparadores o vistas que no ha creado "
          "Plurquiz:\n%1\n%2\nPodrían cambiar u ocultar sus datos, así que el programa no usa este archivo. "
          "El archivo no se ha modificado.",
          "Le fichier de la base de données contient des déclencheurs ou des vues que Plurquiz n'a pas "
          "créés\u00a0:\n%1\n%2\nIls pourraient modifier ou cacher vos données, le programme n'utilise donc "
          "pas ce fichier. Le fichier n'a pas été modifié."}},
        {262,
         {"The database file was made by a later version of Plurquiz:\n%1\nYou can practise and look at it, "
          "but this version changes nothing in it: tests, reviews and edits are not saved. Use the later "
          "version to work with this file.",
          "Az adatbázisfájlt a Plurquiz egy újabb változata hozta létre:\n%1\nGyakorolni és nézegetni lehet, "
          "de ez a változat semmit sem változtat rajta: a tesztek, az átnézések és a szerkesztések nem "
          "mentődnek. A fájllal az újabb változattal dolgozzon!",
          "El archivo de la base de datos lo ha creado una versión posterior de Plurquiz:\n%1\nPuede hacer "
          "ejercicios y consultarlo, pero esta versión no cambia nada en él: los tests, los repasos y las "
          "modificaciones no se guardan. Use la versión posterior para trabajar con este archivo.",
          "Le fichier de la base de données a été créé par une version plus récente de "
          "Plurquiz\u00a0:\n%1\nVous pouvez faire des exercices et le consulter, mais cette version n'y "
          "modifie rien\u00a0: les tests, les révisions et les modifications ne sont pas enregistrés. "
          "Utilisez la version plus récente pour travailler avec ce fichier."}},
        {263,
         {"The database file was made by a later version of Plurquiz; this version only reads it.",
          "Az adatbázisfájlt a Plurquiz egy újabb változata hozta létre; ez a változat csak olvassa.",
          "El archivo de la base de datos lo ha creado una versión posterior de Plurquiz; esta versión solo "
          "lo lee.",
          "Le fichier de la base de données a été créé par une version plus récente de Plurquiz\u00a0; cette "
          "version ne fait que le lire."}},
        {264,
         {"The disk could not read or write the database file. Check the disk, or work on a copy of the file "
          "on another disk.",
          "A lemezről nem sikerült olvasni az adatbázisfájlt, vagy nem sikerült írni bele. Ellenőrizze a "
          "lemezt, vagy dolgozzon a fájl egy másik lemezen lévő másolatával!",
          "El disco no ha podido leer o escribir el archivo de la base de datos. Compruebe el disco o "
          "trabaje con una copia del archivo en otro disco.",
          "Le disque n'a pas pu lire ou écrire le fichier de la base de données. Vérifiez le disque, ou "
          "travaillez sur une copie du fichier sur un autre disque."}},
        {265,
         {"The database file has no table \"%1\".", "Az adatbázisfájlban nincs „%1” tábla.",
          "El archivo de la base de datos no contiene la tabla «%1».",
          "Le fichier de la base de données ne contient pas la table «\u00a0%1\u00a0»."}},
        {266,
         {"The database file is empty: it holds no sentences.",
          "Az adatbázisfájl üres: nincsenek benne mondatok.",
          "El archivo de la base de datos está vacío: no contiene oraciones.",
          "Le fichier de la base de données est vide\u00a0: il ne contient aucune phrase."}},
        {267,
         {"The database file cannot be opened. Check that you may read it.",
          "Az adatbázisfájlt nem lehet megnyitni. Ellenőrizze, hogy van-e joga olvasni!",
          "No se puede abrir el archivo de la base de datos. Compruebe que tiene permiso para leerlo.",
          "Impossible d'ouvrir le fichier de la base de données. Vérifiez que vous avez le droit de le "
          "lire."}},
        {120,
         {"This action could not be completed:\n%1\nEverything already saved in the database is safe. You "
          "can go on working; if the problem comes back, close the window and open it again.",
          "Ezt a műveletet nem sikerült befejezni:\n%1\nAz adatbázisban már elmentett adatok épek. "
          "Folytathatja a munkát; ha a hiba újra jelentkezik, zárja be az ablakot, és nyissa meg újra!",
          "No se ha podido completar esta acción:\n%1\nTodo lo que ya estaba guardado en la base de datos "
          "está a salvo. Puede seguir trabajando; si el problema se repite, cierre la ventana y vuelva a "
          "abrirla.",
          "Cette action n'a pas pu être menée à bien\u00a0:\n%1\nTout ce qui était déjà enregistré dans la "
          "base de "
          "données est intact. Vous pouvez continuer\u202f; si le problème se reproduit, fermez la fenêtre "
          "et "
          "ouvrez-la de nouveau."}},
        {140, {"Right", "Helyes", "Correcto", "Juste"}},
        {141, {"Wrong", "Hibás", "Incorrecto", "Faux"}},
        {142,
         {"The sentences cannot be read from the database file:\n%1\n%2\nClose this window; the launcher "
          "tells what is wrong with the file.",
          "A mondatokat nem sikerült beolvasni az adatbázisfájlból:\n%1\n%2\nZárja be ezt az ablakot; az "
          "indítóablak megmondja, mi a baj a fájllal.",
          "No se pueden leer las oraciones del archivo de la base de datos:\n%1\n%2\nCierre esta ventana; la "
          "ventana de inicio indica qué le pasa al archivo.",
          "Impossible de lire les phrases du fichier de la base de données\u00a0:\n%1\n%2\nFermez cette "
          "fenêtre\u202f; "
          "la fenêtre de lancement indique ce qui ne va pas dans le fichier."}},
        {143,
         {"The database holds no sentences yet, so there is nothing to practise. Add sentences in the "
          "Database window.",
          "Az adatbázisban még nincs mondat, így nincs mit gyakorolni. Az Adatbázis ablakban vehet fel "
          "mondatokat.",
          "La base de datos todavía no contiene oraciones, así que no hay nada que practicar. Puede "
          "añadirlas en la ventana Base de datos.",
          "La base de données ne contient encore aucune phrase\u00a0: il n'y a rien à travailler. Ajoutez "
          "des "
          "phrases dans la fenêtre Base de données."}},
        {144,
         {"There is no sentence at this level. Choose another level or a topic.",
          "Ezen a szinten nincs mondat. Válasszon másik szintet vagy témát!",
          "No hay oraciones de este nivel. Elija otro nivel o un tema.",
          "Il n'y a pas de phrases de ce niveau. Choisissez un autre niveau ou un sujet."}},
        {145,
         {"No sentence belongs to this special group. The sentences shown stay as they were.",
          "Ebbe a külön csoportba nem tartozik mondat. A megjelenített mondatok nem változnak.",
          "Ninguna oración pertenece a este grupo especial. Las oraciones mostradas no cambian.",
          "Aucune phrase n'appartient à ce groupe spécial. Les phrases affichées ne changent pas."}},
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
        {180,
         {"The serial number (the box before the sentence) must be a whole number from 1 to 32767.",
          "A sorszámnak (a mondat előtti mezőnek) 1 és 32767 közötti egész számnak kell lennie.",
          "El número de orden (la casilla delante de la oración) debe ser un número entero de 1 a 32767.",
          "Le numéro d'ordre (la case devant la phrase) doit être un nombre entier de 1 à 32767."}},
        {181,
         {"The level must be 1, 2 or 3.", "A szint 1, 2 vagy 3 lehet.", "El nivel debe ser 1, 2 o 3.",
          "Le niveau doit être 1, 2 ou 3."}},
        {182,
         {"The right letter (the small box before the solution) must be one of the capital letters A, B, C, "
          "D.",
          "A helyes betű (a megoldás előtti kis mező) csak A, B, C vagy D nagybetű lehet.",
          "La letra correcta (la casilla pequeña delante de la solución) debe ser una de las mayúsculas A, "
          "B, C, D.",
          "La bonne lettre (la petite case devant la solution) doit être l'une des majuscules A, B, C, D."}},
        {183,
         {"Another sentence already has this serial number. Choose a number that is not used.",
          "Ez a sorszám már egy másik mondaté. Válasszon olyan számot, amely még nem foglalt!",
          "Otra oración ya tiene este número de orden. Elija un número que no esté ocupado.",
          "Une autre phrase a déjà ce numéro d'ordre. Choisissez un numéro libre."}},
        {184,
         {"The sentence cannot be stored:\n%1\nThe boxes keep what you typed; correct it and go on. The "
          "database file has not been changed.",
          "A mondatot nem lehet menteni:\n%1\nA mezőkben megmaradt, amit beírt; javítsa ki, és folytassa! Az "
          "adatbázisfájl nem változott.",
          "No se puede guardar la oración:\n%1\nLas casillas conservan lo que ha escrito; corríjalo y "
          "continúe. El archivo de la base de datos no se ha modificado.",
          "La phrase ne peut pas être enregistrée\u00a0:\n%1\nLes cases gardent ce que vous avez tapé\u202f; "
          "corrigez-le "
          "et continuez. Le fichier de la base de données n'a pas été modifié."}},
        {185,
         {"The changes to the sentence shown cannot be stored. Discard them and leave the window?",
          "A megjelenített mondat változásait nem lehet menteni. Elveti őket, és kilép az ablakból?",
          "Los cambios de la oración mostrada no se pueden guardar. ¿Desea descartarlos y salir de la "
          "ventana?",
          "Les modifications de la phrase affichée ne peuvent pas être enregistrées. Les abandonner et "
          "quitter la fenêtre\u202f?"}},
        {186,
         {"No new serial number is free: the largest, 32767, is taken. Delete a sentence or renumber the "
          "last one first.",
          "Nincs szabad sorszám: a legnagyobb, a 32767 foglalt. Előbb töröljön egy mondatot, vagy számozza "
          "át az utolsót!",
          "No queda ningún número de orden libre: el mayor, 32767, está ocupado. Borre antes una oración o "
          "cambie el número de la última.",
          "Aucun numéro d'ordre n'est libre\u00a0: le plus grand, 32767, est pris. Supprimez d'abord une "
          "phrase ou "
          "renumérotez la dernière."}},
        {187,
         {"Delete sentence number %1 for good?", "Véglegesen törli a(z) %1. mondatot?",
          "¿Desea borrar definitivamente la oración número %1?",
          "Supprimer définitivement la phrase numéro %1\u202f?"}},
        {188,
         {"The new sentence has not been stored yet. Drop it?", "Az új mondat még nincs mentve. Elveti?",
          "La oración nueva todavía no se ha guardado. ¿Desea descartarla?",
          "La nouvelle phrase n'est pas encore enregistrée. L'abandonner\u202f?"}},
        {189,
         {"The sentence should have exactly one gap (...).",
          "A mondatban pontosan egy hiánynak (...) kell lennie.",
          "La oración debería tener exactamente un hueco (...).",
          "La phrase devrait avoir exactement un blanc (...)."}},
        {190,
         {"Two fillers are the same.", "Két kiegészítés azonos.", "Dos opciones son iguales.",
          "Deux réponses sont identiques."}},
        {191,
         {"The solution does not begin with the sentence completed by the right filler.",
          "A megoldás nem a helyes kiegészítéssel kitöltött mondattal kezdődik.",
          "La solución no empieza por la oración completada con la opción correcta.",
          "La solution ne commence pas par la phrase complétée par la bonne réponse."}},
        {192,
         {"The same sentence is stored under serial number %1.",
          "Ugyanez a mondat a(z) %1. sorszám alatt is szerepel.",
          "La misma oración está guardada con el número de orden %1.",
          "La même phrase est enregistrée sous le numéro %1."}},
        // What a screen reader says for the database window's boxes and the about window's picture.
        {193, {"Serial number", "Sorszám", "Número de orden", "Numéro d'ordre"}},
        {194, {"Sentence with the gap", "Hiányos mondat", "Oración con el hueco", "Phrase à trou"}},
        {195, {"Answer %1", "Válasz: %1", "Respuesta %1", "Réponse %1"}},
        {196,
         {"Letter of the right answer", "A helyes válasz betűje", "Letra de la respuesta correcta",
          "Lettre de la bonne réponse"}},
        {197,
         {"Solution: the completed sentence and its note", "Megoldás: a teljes mondat és a megjegyzés",
          "Solución: la oración completa y su nota", "Solution\u00a0: la phrase complète et sa remarque"}},
        {198,
         {"What is this program?", "Mi ez a program?", "¿Qué es este programa?",
          "Qu'est-ce que ce programme\u202f?"}},
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
        {290,
         {"The sentence may be at most %1 characters long (it has %2). Shorten it.",
          "A mondat legfeljebb %1 karakter hosszú lehet (most %2). Rövidítse le!",
          "La oración puede tener como máximo %1 caracteres (ahora tiene %2). Acórtela.",
          "La phrase peut compter au plus %1 caractères (elle en compte %2). Raccourcissez-la."}},
        {291,
         {"Each filler may be at most %1 characters long (filler %3 has %2). Shorten it.",
          "Egy kiegészítés legfeljebb %1 karakter hosszú lehet (a(z) %3 kiegészítés most %2). Rövidítse le!",
          "Cada opción puede tener como máximo %1 caracteres (la opción %3 tiene %2). Acórtela.",
          "Chaque réponse peut compter au plus %1 caractères (la réponse %3 en compte %2). "
          "Raccourcissez-la."}},
        {292,
         {"The solution may be at most %1 characters long (it has %2). Shorten it.",
          "A megoldás legfeljebb %1 karakter hosszú lehet (most %2). Rövidítse le!",
          "La solución puede tener como máximo %1 caracteres (ahora tiene %2). Acórtela.",
          "La solution peut compter au plus %1 caractères (elle en compte %2). Raccourcissez-la."}},
        // 310-329: the database window's edit boxes.
        {310,
         {"There is no sentence here to change, so what you typed is not kept: go to a sentence, or press "
          "New to add one.",
          "Itt nincs módosítható mondat, ezért a beírt szöveg nem marad meg: lépjen egy mondatra, vagy "
          "nyomja meg az Új gombot egy új mondathoz!",
          "Aquí no hay ninguna oración que cambiar, así que lo escrito no se guarda: vaya a una oración o "
          "pulse Nuevo para añadir una.",
          "Il n'y a ici aucune phrase à modifier, donc ce que vous avez tapé n'est pas gardé\u00a0: allez à "
          "une "
          "phrase, ou appuyez sur Nouveau pour en ajouter une."}},
        // 330-349: hearing the sentence, continued.
        {330,
         {"Looking for a Spanish voice…", "Spanyol hangot keresek…", "Buscando una voz en español…",
          "Recherche d'une voix espagnole…"}},
    };
    return table;
}

int column(int langBase) {
    switch (langBase) {
        case English:
            return 0;
        case Hungarian:
            return 1;
        case Spanish:
            return 2;
        case French:
            return 3;
        default:
            return -1;
    }
}

}  // namespace

QString uiText(int key, int langBase) {
    const int col = column(langBase);
    const auto& table = catalogue();
    auto it = table.find(key);
    if (col < 0 || it == table.end()) return {};
    return QString::fromUtf8(it->second[static_cast<size_t>(col)]);
}

QString uiTextById(int id) {
    // Ids address only the original keys: the four languages' id ranges are 100 apart, so a key
    // of 100 or more would alias the next language's ids. Later keys are looked up by key alone.
    for (int base : {English, Hungarian, Spanish, French}) {
        const int key = id - base;
        if (key >= 0 && key <= kLastOriginalKey) return uiText(key, base);
    }
    return {};
}

bool hasText(int key) {
    return catalogue().count(key) != 0;
}

std::vector<int> addedKeys() {
    std::vector<int> keys;
    for (const auto& [key, texts] : catalogue())
        if (key > kLastOriginalKey) keys.push_back(key);
    return keys;
}

}  // namespace text
