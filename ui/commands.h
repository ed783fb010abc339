// The two commands of the main window.
#pragma once

namespace velmora::ui {

class Form1;

// Compute (Command1): asks Xa, Ya, Xb, Yb, Xc, Yc, the name of P and the angles b1 to b8, then
// adjusts and writes every result field the moment its text exists. Nothing is cleared first;
// a failure stops the run where it happens and tells the operator why.
void RunComputation(Form1& window);

// End (Command2): closes the window and ends the program.
void EndProgram(Form1& window);

}  // namespace velmora::ui
