// The three commands: Calculate, Clear and Exit.
#include "mainwindow/frmProge.h"

void frmProge::cmdVälju_Click()
{
    // Ends the program at once: nothing is saved and nothing is asked.
    endProgram(0);
}
