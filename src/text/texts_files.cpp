// The database file: what start-up finds, the import of an old file, the reshuffle, what is wrong
// with a read or write (one sentence inside a window's message), and a failed action.
#include "catalogue.h"

namespace text {

void addFilesTexts(Catalogue& c) {
    c.insert({
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
    });
}

}  // namespace text
