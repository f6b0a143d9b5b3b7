// Designer layouts by window name, and the colours each window keeps.
#include "window_builder.h"

#include <QColor>
#include <QLabel>
#include <functional>
#include <map>

#include "forms/form.h"
#include "progress_view.h"
#include "ui_about_window.h"
#include "ui_background_window.h"
#include "ui_editor_window.h"
#include "ui_howto_window.h"
#include "ui_launcher.h"
#include "ui_practice_window.h"
#include "ui_review_window.h"
#include "ui_startup_window.h"
#include "ui_test_window.h"
#include "ui_today_window.h"

namespace qtui {

namespace {

template <typename Ui>
QMainWindow* make(const QString& styleSheet) {
    auto* window = new QMainWindow;
    Ui ui;
    ui.setupUi(window);
    if (!styleSheet.isEmpty()) window->setStyleSheet(styleSheet);
    return window;
}

// Colours: the start-up banner white on grey, the background silver, the how-to text on light
// yellow, the database window teal; the rest stays with the desktop's own palette.
const char* const kStartup =
    "#Label1, #Label2 { color: white; background: #6b7078; }"
    "#Label1 { border-top-left-radius: 8px; border-top-right-radius: 8px; }"
    "#Label2 { border-bottom-left-radius: 8px; border-bottom-right-radius: 8px; }"
    "QPushButton { font-size: 11pt; }";
const char* const kBackground = "#centralwidget { background: #c0c0c0; }";
const char* const kHowTo =
    "#Label1, #Label2 { background: #ffffe1; border: 1px solid #d9d3a6; border-radius: 4px; }";
const char* const kAbout = "#Panel3D1 { background: #f4f1ea; } #Label1 { color: #8a1020; }";
const char* const kLauncher =
    "#change { color: #0b4f8a; text-decoration: underline; }"
    "#ok, #Exi { font-size: 11pt; font-weight: bold; }"
    "#Frame3D1 QRadioButton { font-size: 11pt; }"
    "#lblToday { color: #2e5e3a; font-weight: bold; }";
// What the practice, test and review windows share: the sentence large on white in its panel, the
// fillers on white with their letters.
QString answering(const char* own) {
    return QStringLiteral(
               "#centralwidget { background: #e9edf2; }"
               "#Label13 { background: white; font-size: 17pt; border: 1px solid #c5ccd6; border-radius: "
               "6px; }"
               "#Frame3D1 { background: #f7f8fa; border: 1px solid #c5ccd6; border-radius: 6px; }"
               "#Label14, #Label12, #Label15, #Label16 { background: white; font-size: 13pt; padding: 6px "
               "8px;"
               "  border: 1px solid #d8dde4; border-radius: 4px; }"
               "#Label1, #Label2, #Label3, #Label4 { font-size: 13pt; font-weight: bold; color: #34495e; }"
               "#txtAnswer { font-size: 15pt; padding: 2px 8px; background: white; border: 1px solid #aab4c0;"
               "  border-radius: 4px; }"
               "#pnlWrite QPushButton { font-size: 12pt; }"
               "#lblAlmost { background: #e08a1e; color: white; font-size: 28pt; border-radius: 8px; }"
               "#lblVerdict { font-size: 12pt; background: white; border: 1px solid #d8dde4; border-radius: "
               "4px;"
               "  padding: 6px 10px; }") +
           QString::fromUtf8(own);
}
// Practice: the sentence large on white, the fillers on white, green and red answer panels, the
// solution on light yellow.
const char* const kPractice =
    "#Label19 { background: #2e9d4f; color: white; font-size: 28pt; border-radius: 8px; }"
    "#Label20 { background: #d0342c; color: white; font-size: 28pt; border-radius: 8px; }"
    "#Label18 { font-size: 16pt; font-weight: bold; color: #2e5e3a; }"
    "#Label17 { background: #ffffe1; font-size: 13pt; border: 1px solid #d9d3a6; border-radius: 4px; }"
    "#Label27, #Label21, #Label30, #Label31 { font-weight: bold; }"
    "#Label11, #Label22 { color: #6b7480; }"
    "#Command3 { font-size: 12pt; font-weight: bold; }";
// Test: the practice window's sentence and fillers, a large score, the link as a link.
const char* const kTest =
    "#Frame3D2 { background: #f7f8fa; border: 1px solid #c5ccd6; border-radius: 6px; }"
    "#Label18 { font-size: 28pt; font-weight: bold; color: #1f3b57; }"
    "#Label21 { font-size: 28pt; font-weight: bold; color: #2e5e3a; }"
    "#Label17 { color: #0b4f8a; text-decoration: underline; font-size: 11pt; }"
    "#Label22, #lblOfRun, #Label25, #Label23 { font-weight: bold; }"
    "#lblSecondsLeft { color: #b03a2e; font-weight: bold; }"
    "#Command3 { font-size: 12pt; font-weight: bold; }";
// Review: as the practice window, the sentence large on white and the fillers on white; a green
// and a red bar in the same place under them, and the solution on light yellow.
const char* const kReview =
    "#Label17 { background: #2e9d4f; color: white; font-size: 18pt; border-radius: 6px; }"
    "#Label18 { background: #d0342c; color: white; font-size: 18pt; border-radius: 6px; }"
    "#Label23 { font-size: 13pt; font-weight: bold; color: #8a1020; }"
    "#Label19 { font-size: 16pt; font-weight: bold; color: #2e5e3a; }"
    "#Label20 { background: #ffffe1; font-size: 13pt; border: 1px solid #d9d3a6; border-radius: 4px; }"
    "#Label30, #Label31 { font-weight: bold; }"
    "#Label11, #Label22 { color: #6b7480; font-size: 17pt; }"
    "#Command1 { font-size: 12pt; font-weight: bold; }";
// Today: the practice window's panels, the line of what is left in bold, the end of the session large.
const char* const kToday =
    "#Label19 { background: #2e9d4f; color: white; font-size: 28pt; border-radius: 8px; }"
    "#Label20 { background: #d0342c; color: white; font-size: 28pt; border-radius: 8px; }"
    "#Label18 { font-size: 16pt; font-weight: bold; color: #2e5e3a; }"
    "#Label17 { background: #ffffe1; font-size: 13pt; border: 1px solid #d9d3a6; border-radius: 4px; }"
    "#lblLeft { font-size: 11pt; font-weight: bold; color: #1f3b57; }"
    "#lblEnd { background: white; color: #2e5e3a; font-size: 15pt; border: 1px solid #c5ccd6;"
    "  border-radius: 8px; padding: 24px; }";
// The six boxes a teacher types Spanish into take their design font from the layout, not from
// here: a font in a style sheet would override the one chosen with the Fonts item.
const char* const kEditor =
    "#centralwidget { background: #0f7f80; }"
    "#Label5, #Label6, #Label11 { color: white; font-weight: bold; }"
    "#Text1, #Text2, #Text10, #Label10, #Label1, #Label2, #Label3, #Label4 { background: #0a5556; color: "
    "white;"
    "  font-weight: bold; border: 1px solid #073f40; border-radius: 3px; padding: 2px 6px; }"
    "#Label7 { color: white; font-weight: bold; }"
    "#lblWarning { color: #ffe9a8; }"
    "#Label12 { background: #ffffe1; font-family: 'Times New Roman', 'Liberation Serif', serif; font-size: "
    "14pt;"
    "  font-weight: bold; padding: 2px 6px; }";

// Progress: a large title, the summary in green, each part on white under its heading.
const char* const kProgress =
    "#centralwidget { background: #e9edf2; }"
    "#lblTitle { font-size: 18pt; font-weight: bold; color: #1f3b57; }"
    "#lblSummary { font-size: 11pt; font-weight: bold; color: #2e5e3a; }"
    "#lblFilter { color: #4f5b68; }"
    "#lblEmpty { background: white; color: #34495e; font-size: 12pt; border: 1px solid #c5ccd6;"
    "  border-radius: 8px; }"
    "#lblMasteryEmpty { color: #34495e; font-size: 12pt; font-weight: normal; }"
    "#lblLegend, #lblCalibration { color: #4f5b68; font-weight: normal; }"
    "QTabWidget::pane { border: none; }"
    "QGroupBox { background: white; border: 1px solid #c5ccd6; border-radius: 6px; margin-top: 16px;"
    "  font-weight: bold; color: #1f3b57; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }"
    "QTableView, QListWidget { border: none; font-weight: normal; color: black;"
    "  alternate-background-color: #f4f6f8; }"
    "QHeaderView::section { background: white; border: none; border-bottom: 1px solid #d8dde4;"
    "  padding: 3px 6px; font-weight: bold; color: #34495e; }"
    "#cmdPractise { background: #2e7d4f; color: white; font-weight: bold; border: 1px solid #24633e;"
    "  border-radius: 4px; padding: 4px 14px; }"
    "#cmdPractise:disabled { background: #a9c4b3; border-color: #a9c4b3; }";

std::map<QString, std::function<QMainWindow*()>>& builders() {
    static std::map<QString, std::function<QMainWindow*()>> table = {
        {QStringLiteral("lang"), [] { return make<Ui::StartupWindowUi>(QString::fromUtf8(kStartup)); }},
        {QStringLiteral("hatter"),
         [] {
             QMainWindow* window = make<Ui::BackgroundWindowUi>(QString::fromUtf8(kBackground));
             window->setProperty("serverBackground", QColor(0xc0, 0xc0, 0xc0));
             return window;
         }},
        {QStringLiteral("sobre"), [] { return make<Ui::AboutWindowUi>(QString::fromUtf8(kAbout)); }},
        {QStringLiteral("Form3"), [] { return make<Ui::HowToWindowUi>(QString::fromUtf8(kHowTo)); }},
        {QStringLiteral("Plurqsp"), [] { return make<Ui::LauncherUi>(QString::fromUtf8(kLauncher)); }},
        {QStringLiteral("Spgyak"), [] { return make<Ui::PracticeWindowUi>(answering(kPractice)); }},
        {QStringLiteral("Sptest"), [] { return make<Ui::TestWindowUi>(answering(kTest)); }},
        {QStringLiteral("Hibatst"), [] { return make<Ui::ReviewWindowUi>(answering(kReview)); }},
        {QStringLiteral("Today"), [] { return make<Ui::TodayWindowUi>(answering(kToday)); }},
        {QStringLiteral("Form1"), [] { return make<Ui::EditorWindowUi>(QString::fromUtf8(kEditor)); }},
        {QStringLiteral("Progress"), [] { return buildProgressWindow(QString::fromUtf8(kProgress)); }},
    };
    return table;
}

}  // namespace

QMainWindow* buildWindow(const QString& formName) {
    auto it = builders().find(formName);
    return it == builders().end() ? nullptr : it->second();
}

void defineWindowBuilder(const QString& formName, std::function<QMainWindow*()> builder) {
    builders()[formName] = std::move(builder);
}

void paintWindowExtras(forms::Form& form, QMainWindow& window) {
    if (form.name() == QLatin1String("Progress")) paintProgressWindow(form, window);
}

}  // namespace qtui
