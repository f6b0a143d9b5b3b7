// The database window "Form1": browse test1 record by record, correct any field in the bound
// boxes, add, delete, find by a typed condition, file a sentence under a topic; a keyboard aid for
// Spanish letters and a font per box. Nothing typed is lost or stored unchecked: a record is
// stored when the cursor leaves it, and one the store would refuse is named field by field.
#pragma once

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "app/bound_fields.h"
#include "app/task_window.h"
#include "store/bound_view.h"
#include "store/database.h"
#include "store/store_error.h"

namespace editor {

class EditorWindow : public app::TaskWindow {
public:
    explicit EditorWindow(app::Context& ctx);
    void Form_Load() override;

    void Command10_Click();  // Start
    void Command6_Click();   // First
    void Command3_Click();   // Previous
    void Command7_Click();   // Next
    void Command8_Click();   // Last
    void Command1_Click();   // New
    void Command4_Click();   // Delete
    void Command5_Click();   // Find first
    void Command11_Click();  // Find next
    void Command2_Click();   // Close
    void Command12_Click();  // the legend of the accented letters
    void mnuTopicItem_Click(int index);
    void mnuFonts_Click();
    void data();
    void nameBoxes();
    // The accented-letter keyboard of the six text boxes.
    static QChar substitute(QChar typed);

    QString& DatabaseTitle = TitleWord;
    bool NewPending = false;
    QString SearchCriterion;

    // --- controls -----------------------------------------------------------------------
    forms::Control& Label6 = addLabel(QStringLiteral("Label6"), QStringLiteral("Level:"));
    forms::Control& Text2 = add(forms::ControlKind::Edit, QStringLiteral("Text2"));
    forms::Control& Label11 = addLabel(QStringLiteral("Label11"), QStringLiteral("Topic:"));
    forms::Control& Label10 = addLabel(QStringLiteral("Label10"));
    forms::Control& Text1 = add(forms::ControlKind::Edit, QStringLiteral("Text1"));
    forms::Control& Label7 = addLabel(QStringLiteral("Label7"), QStringLiteral("."));
    forms::Control& Text3 = add(forms::ControlKind::Edit, QStringLiteral("Text3"));
    forms::Control& Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("A"));
    forms::Control& Text4 = add(forms::ControlKind::Edit, QStringLiteral("Text4"));
    forms::Control& Label3 = addLabel(QStringLiteral("Label3"), QStringLiteral("C"));
    forms::Control& Text6 = add(forms::ControlKind::Edit, QStringLiteral("Text6"));
    forms::Control& Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("B"));
    forms::Control& Text5 = add(forms::ControlKind::Edit, QStringLiteral("Text5"));
    forms::Control& Label4 = addLabel(QStringLiteral("Label4"), QStringLiteral("D"));
    forms::Control& Text7 = add(forms::ControlKind::Edit, QStringLiteral("Text7"));
    forms::Control& Label5 = addLabel(QStringLiteral("Label5"), QStringLiteral("Solution:"));
    forms::Control& Text10 = add(forms::ControlKind::Edit, QStringLiteral("Text10"));
    forms::Control& Text8 = add(forms::ControlKind::Edit, QStringLiteral("Text8"));
    forms::Control& lblWarning = addLabel(QStringLiteral("lblWarning"));  // content checks
    forms::Control& Command10 = addButton(QStringLiteral("Command10"), QStringLiteral("&Start"));
    forms::Control& Command6 = addButton(QStringLiteral("Command6"), QStringLiteral("&First"));
    forms::Control& Command3 = addButton(QStringLiteral("Command3"), QStringLiteral("&Previous"));
    forms::Control& Command7 = addButton(QStringLiteral("Command7"), QStringLiteral("&Next"));
    forms::Control& Command8 = addButton(QStringLiteral("Command8"), QStringLiteral("&Last"));
    forms::Control& Command1 = addButton(QStringLiteral("Command1"), QStringLiteral("Ne&w"));
    forms::Control& Command5 = addButton(QStringLiteral("Command5"), QStringLiteral("Fin&d first"));
    forms::Control& Command11 = addButton(QStringLiteral("Command11"), QStringLiteral("F&ind next"));
    forms::Control& Command4 = addButton(QStringLiteral("Command4"), QStringLiteral("Del&ete"));
    forms::Control& Command2 = addButton(QStringLiteral("Command2"), QStringLiteral("&Close"));
    forms::Control& Command12 = addButton(QStringLiteral("Command12"), QStringLiteral("C&hr"));
    forms::Control& Label12 =
        addLabel(QStringLiteral("Label12"),
                 QStringLiteral(
                     "á = ' ;   é = ;  ;   í = ` ;   ó = \\  ;    ú = /  ;   ñ = [  ;   ¡ = @  ;   ¿ = # "));

    forms::Control& mnuOptions = addMenu(QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    forms::Control& mnuFonts = addItem(QStringLiteral("mnuFonts"), QStringLiteral("&Fonts"));
    forms::ControlArray& mnuTopicItem = addTopicMenu();
    forms::Control& mnuset = addMenu(QStringLiteral("mnuset"), QStringLiteral("&Settings"));

private:
    // Shows the current record in the boxes (empty boxes when there is none).
    void showRecord();
    // Stores what the boxes hold into the current (or the new) record when it differs from what
    // was shown; false when it cannot be stored (the learner has been told which field, and the
    // boxes keep what was typed).
    bool storeBoxes();
    // The problem with what the boxes hold, in the working language; empty when it can be stored.
    QString boxProblem() const;
    // The boxes of the text fields, with their fields.
    std::vector<std::pair<forms::Control*, QString>> textBoxes() const;
    void warnAboutContent();
    // Whether the cursor stands on a record (not before the first or after the last one).
    bool onRecord() const;
    // A write the file refused (busy, read-only, full), told in the working language.
    void tellWriteFailure(const store::StoreError& e);
    // Leaving the record: store it. Leaving the window with a record that cannot be stored asks
    // whether to drop the changes; a move within the window stays on the record instead.
    bool mayLeave(bool leavingWindow = false);
    void discardBoxes();
    void rereadCheck();
    void leave(const QString& target, bool hideReview = false);
    void notFound();

    std::unique_ptr<store::Database> db_;
    std::unique_ptr<store::BoundView> data1_;
    QString tableIndex_;       // "sorszam" after Start and New until the next move, then "sorrend"
    app::BoundFields fields_;  // the nine boxes and their fields
    std::optional<int> newSorrend2_;
};

}  // namespace editor
