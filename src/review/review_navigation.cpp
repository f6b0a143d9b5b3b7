// The review window's top row: First, Previous, Next and Last over the failed items, rows 1..n of
// the log. They never count as a step forward (StepCounter stays) and leave the solution as it is.
#include "review_window.h"

namespace review {

void ReviewWindow::afterMove() {
    display();
    Label17.visible = false;
    Label18.visible = false;
    selectOption(Option3D5);
    setFocus(Command2);
    showPosition();
}

void ReviewWindow::Command2_Click() {
    if (!Data1) return;
    Data1->moveFirst();  // the placeholder
    Data1->moveNext();
    afterMove();
}

void ReviewWindow::Command3_Click() {
    // On the first item nothing at all happens.
    if (!Data1 || Data1->absolutePosition() <= 1) return;
    Data1->movePrevious();
    afterMove();
}

void ReviewWindow::Command5_Click() {
    // On the last item nothing at all happens.
    if (!Data1) return;
    const int at = Data1->absolutePosition();
    if (at < 1 || at >= ItemCount) return;
    Data1->moveNext();
    afterMove();
}

void ReviewWindow::Command7_Click() {
    if (!Data1) return;
    Data1->moveLast();
    afterMove();
}

}  // namespace review
