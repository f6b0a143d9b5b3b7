// The about window and the how-to window.
#include "about_window.h"

#include <QStringList>

#include "forms/platform.h"
#include "forms/window_registry.h"
#include "text/ui_text.h"
#include "text/window_texts.h"
#include "window_names.h"

namespace app {

AboutWindow::AboutWindow(Context& context) : AppForm(kAbout, context) {
    caption = QStringLiteral("About ...");
    Image2.picture = QStringLiteral("info");
    Image2.spokenName = uiText(text::KeySpokenAboutPicture);
    int frame = 1;
    for (forms::Control* image : {&Image3, &Image4, &Image5}) {
        image->picture = QStringLiteral("anim%1").arg(frame++);
        image->visible = false;
    }
    Command1.visible = false;
    onTimer(Timer1, &AboutWindow::Timer1_Timer);
    onTimer(Timer2, &AboutWindow::Timer2_Timer);
    onClick(Command1, &AboutWindow::Command1_Click);
    onClick(Image2, &AboutWindow::Image2_Click);
}

void AboutWindow::Form_Load() {
    CentreOnScreen(*this, ctx.platform.screenSize());
    if (ctx.g.SplashDone == 0) pointer = forms::MousePointer::Hourglass;
    openConventionally();
    language();
    Image1.picture = Image3.picture;
}

void AboutWindow::Form_Unload() {
    Timer1.setEnabled(false);
}

void AboutWindow::language() {
    caption = uiText(text::kAboutCaptionKey);
    applyTexts(text::aboutTexts());
}

void AboutWindow::Timer1_Timer() {
    ctx.windows.show(kLauncher);
    ctx.windows.unload(name());
    ctx.g.SplashDone = 1;
}

void AboutWindow::Timer2_Timer() {
    QString& shown = Image1.picture;
    const QString& f3 = Image3.picture;
    const QString& f4 = Image4.picture;
    const QString& f5 = Image5.picture;
    if (shown == f3)
        shown = f4;
    else if (shown == f4)
        shown = f5;
    else
        shown = f3;
}

void AboutWindow::Command1_Click() {
    ctx.windows.show(kLauncher);
    ctx.windows.unload(name());
}

void AboutWindow::Image2_Click() {
    ctx.platform.messageBox(aboutMessage(), QStringLiteral("Mi ez?"), forms::MsgIcon::Information);
}

QString AboutWindow::aboutMessage() {
    const QStringList parts = {
        QStringLiteral(
            "A Plurquiz Español egy készülő spanyol nyelvi programcsomag egyik részének próbaváltozata. "
            "Jelenlegi formájában szabadon másolható, továbbadható és terjeszthető, de csak ingyenesen. "
            "Letölthető a csomag honlapjáról (plurquiz.example.org/letoltes). "
            "Készítője nem vállal felelősséget a telepítéséből vagy használatából eredő hibákért. "
            "A program szabványos 32 bites ablakos alkalmazás, amelyet az első lemezéről kell telepíteni. "
            "A programfájl bármely mappában lehet, de a .mdb kiterjesztésű adatfájlnak mindig a programmal "
            "azonos mappában kell lennie. A programmal és nyelvi anyagával kapcsolatos észrevételeket, "
            "javaslatokat és tanácsokat örömmel fogadjuk."),
        QStringLiteral("        Plurquiz csapat, Spanyol Nyelvi Műhely"),
        QStringLiteral("        1111 Budapest, Minta utca 12."),
        QStringLiteral("        plurquiz@example.org"),
    };
    return parts.join(QStringLiteral("\r\n"));
}

HowToWindow::HowToWindow(Context& context) : AppForm(kHowTo, context) {
    caption = QStringLiteral("How to ...");
    Label1.caption = QStringLiteral(
        "A program két gyakorlási forma közül kínál választást: az egyik a Gyakorlás (Practice), a "
        "másik a Teszt (Test). Mindkét esetben egy hiányos mondatot és négy lehetséges kiegészítést lát "
        "a képernyőn. A választ az a, b, c, d billentyűk valamelyikével, vagy a betű előtti kis karikára "
        "kattintva adhatja meg, majd az Enter billentyűvel vagy a \"Következő\" gombbal léphet tovább a "
        "következő mondatra. Gyakorlásban a választás után rögtön egy zöld vagy egy piros mező jelzi, "
        "hogy jó vagy rossz választ adott, és a \"Megoldás\" gombbal a teljes megoldást is megnézheti. "
        "Tesztben a rossz válaszokat csak a teszt végén, az értékelés után lehet megnézni. Gyakorlásban a "
        "Beállítások menüben kiválaszthatja a szintet (1, 2, 3), a nyelvtani témát, és ha kívánja, a "
        "kezdőpontot is az adatbázison belül. Az anyag tizenegy, egyenként ötven mondatból álló blokkra "
        "oszlik; a kezdőpontok ezeknek a blokkoknak az elejére visznek.");
    Label2.caption = QStringLiteral(
        "Ha nem választ kezdőpontot, a mondatok véletlenszerű sorrendben követik egymást, és ugyanaz a "
        "mondat többször is előfordulhat. Ilyenkor nem lehet szabadon előre-hátra lépkedni az anyagban: "
        "az \"Első\", \"Előző\", \"Következő\" és \"Utolsó\" gomb nem működik. Tesztben beállíthatja a "
        "mondatok számát, az egy mondatra jutó várakozási időt másodpercben, valamint a kezdőpontot; "
        "kezdőpont nélkül itt is véletlenszerű a mondatok sorrendje. Ha nem állított be mondatszámot, az "
        "\"Értékelés\" gombbal bármikor befejezheti a tesztet, és a program azonnal megmutatja az "
        "értékelést: a jó válaszok számát és százalékos arányát. Ha beállította a mondatok számát, az "
        "értékelés csak a beállított számú mondat után jelenik meg. Ha a tesztben rossz válaszok is "
        "voltak, a megfelelő mezőre kattintva megnézheti a hibás mondatokat a megoldásukkal együtt, újra "
        "megválaszolhatja őket, majd onnan visszatérhet a teszthez, és új tesztet kezdhet.");
    onClick(Command1, &HowToWindow::Command1_Click);
}

void HowToWindow::Form_Load() {
    openConventionally();
}

void HowToWindow::Command1_Click() {
    ctx.windows.unload(name());
}

}  // namespace app
