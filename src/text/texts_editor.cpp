// The database window: its messages, hints, the names a screen reader says and the field limits.
#include "catalogue.h"

namespace text {

void addEditorTexts(Catalogue& c) {
    c.insert({
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
    });
}

}  // namespace text
